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
    if (m_pending.value(index.row()).contains(index.column()))
        v = m_pending.value(index.row()).value(index.column());
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
    // Typed text is stored exactly as typed; an emptied cell is the empty text.
    QString text = value.toString();
    if (text.isNull())
        text = QStringLiteral("");
    m_pending[index.row()].insert(index.column(), text);
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
    // A screen reader names a row's selector after the row's first field.
    if (role == Qt::AccessibleTextRole && orientation == Qt::Vertical)
        return data(index(section, 0));
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

void RecordsetModel::writePending()
{
    if (m_pending.isEmpty() || !m_source)
        return;
    ::Recordset& rs = m_source->Recordset();
    {
        Transaction t(m_source->connection());
        for (auto row = m_pending.cbegin(); row != m_pending.cend(); ++row) {
            rs.setPosition(row.key());
            rs.Edit();
            for (auto it = row->cbegin(); it != row->cend(); ++it)
                rs.setField(m_columns[it.key()].field, it.value());
            rs.Update();
        }
        t.commit();
    }
    m_pending.clear();
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void RecordsetModel::revert()
{
    // An explicit revert drops the held edits.
    if (m_pending.isEmpty())
        return;
    m_pending.clear();
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}
