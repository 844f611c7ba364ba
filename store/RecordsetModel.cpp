#include "store/RecordsetModel.h"
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/Regional.h"

RecordsetModel::RecordsetModel(DataSource* source, QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), m_source(source), m_columns(std::move(columns))
{
    connect(source, &DataSource::refreshed, this, &RecordsetModel::reload);
}

void RecordsetModel::reload()
{
    beginResetModel();
    m_pendingRow = -1;
    m_pending.clear();
    endResetModel();
}

int RecordsetModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_source)
        return 0;
    return m_source->Recordset().RecordCount();
}

int RecordsetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_source || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const Column& col = m_columns[index.column()];
    QVariant v;
    if (index.row() == m_pendingRow && m_pending.contains(index.column()))
        v = m_pending.value(index.column());
    else if (m_source->Recordset().hasField(col.field))
        v = m_source->Recordset().value(index.row(), col.field);
    if (v.isNull())
        return role == Qt::EditRole ? QVariant(QString()) : QVariant();
    if (v.typeId() == QMetaType::Double)
        return Regional::numberText(v.toDouble());
    return v.toString();
}

bool RecordsetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    if (m_pendingRow >= 0 && m_pendingRow != index.row())
        submit();
    m_pendingRow = index.row();
    // Typed text is stored exactly as typed; an emptied cell is the empty text.
    QString text = value.toString();
    if (text.isNull())
        text = QStringLiteral("");
    m_pending.insert(index.column(), text);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags RecordsetModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_columns[index.column()].editable)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_columns.value(section).header;
    return QVariant();
}

bool RecordsetModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 || section >= m_columns.size())
        return false;
    m_columns[section].header = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

bool RecordsetModel::submit()
{
    if (m_pendingRow < 0 || !m_source)
        return true;
    const int row = m_pendingRow;
    const auto pending = m_pending;
    m_pendingRow = -1;
    m_pending.clear();
    ::Recordset& rs = m_source->Recordset();
    rs.setPosition(row);
    rs.Edit();
    for (auto it = pending.cbegin(); it != pending.cend(); ++it)
        rs.setField(m_columns[it.key()].field, it.value());
    rs.Update();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    return true;
}

void RecordsetModel::revert()
{
    // Moving between rows submits; an explicit revert drops the held edits.
    if (m_pendingRow < 0)
        return;
    const int row = m_pendingRow;
    m_pendingRow = -1;
    m_pending.clear();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}
