#include "shell/TabelaAcessivel.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTableView>

namespace {

const char* const kFixas = "kvCelulasFixas"; // QPoint(fixed rows, fixed columns)

enum class Tipo { Celula, CabecalhoColuna, CabecalhoLinha };

QPoint fixas(const QTableView* g)
{
    return g->property(kFixas).toPoint();
}

int linhas(const QTableView* g)
{
    return g->model() ? qMax(0, g->model()->rowCount() - fixas(g).x()) : 0;
}

int colunas(const QTableView* g)
{
    return g->model() ? qMax(0, g->model()->columnCount() - fixas(g).y()) : 0;
}

// One cell of the table, or one of its headers, by the table's own numbering.
class Celula final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    Celula(QTableView* grade, Tipo tipo, int linha, int coluna) : m_grade(grade), m_tipo(tipo), m_linha(linha), m_coluna(coluna) {}

    bool isValid() const override
    {
        if (!m_grade || !m_grade->model())
            return false;
        const bool linhaOk = m_linha >= 0 && m_linha < linhas(m_grade);
        const bool colunaOk = m_coluna >= 0 && m_coluna < colunas(m_grade);
        return m_tipo == Tipo::CabecalhoColuna ? colunaOk : m_tipo == Tipo::CabecalhoLinha ? linhaOk : linhaOk && colunaOk;
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grade ? m_grade->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_grade.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    // The model's cell behind this one; invalid for a header taken from the header data.
    QModelIndex indice() const
    {
        if (!isValid())
            return {};
        const QPoint f = fixas(m_grade);
        const QAbstractItemModel* m = m_grade->model();
        switch (m_tipo) {
        case Tipo::Celula: return m->index(m_linha + f.x(), m_coluna + f.y());
        case Tipo::CabecalhoColuna: return f.x() > 0 ? m->index(0, m_coluna + f.y()) : QModelIndex();
        case Tipo::CabecalhoLinha: return f.y() > 0 ? m->index(m_linha + f.x(), 0) : QModelIndex();
        }
        return {};
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || (t != QAccessible::Name && t != QAccessible::Description))
            return {};
        const int papel = t == QAccessible::Name ? Qt::AccessibleTextRole : Qt::AccessibleDescriptionRole;
        const QModelIndex i = indice();
        QVariant v;
        if (i.isValid()) {
            v = i.data(papel);
            if (t == QAccessible::Name && v.toString().isEmpty())
                v = i.data(Qt::DisplayRole);
        } else {
            const bool coluna = m_tipo == Tipo::CabecalhoColuna;
            const int secao = coluna ? m_coluna + fixas(m_grade).y() : m_linha + fixas(m_grade).x();
            const Qt::Orientation o = coluna ? Qt::Horizontal : Qt::Vertical;
            v = m_grade->model()->headerData(secao, o, papel);
            if (t == QAccessible::Name && v.toString().isEmpty())
                v = m_grade->model()->headerData(secao, o, Qt::DisplayRole);
        }
        return v.toString();
    }

    QRect rect() const override
    {
        const QModelIndex i = indice();
        if (!i.isValid() || !m_grade->isVisible())
            return {};
        const QRect r = m_grade->visualRect(i).intersected(m_grade->viewport()->rect());
        return r.isEmpty() ? QRect() : QRect(m_grade->viewport()->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::Role role() const override
    {
        return m_tipo == Tipo::Celula ? QAccessible::Cell : m_tipo == Tipo::CabecalhoColuna ? QAccessible::ColumnHeader
                                                                                            : QAccessible::RowHeader;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const QModelIndex i = indice();
        s.invisible = rect().isEmpty();
        if (m_tipo == Tipo::Celula && i.isValid()) {
            s.focusable = m_grade->focusPolicy() != Qt::NoFocus;
            s.focused = s.focusable && m_grade->hasFocus() && m_grade->currentIndex() == i;
            s.readOnly = !(i.flags() & Qt::ItemIsEditable);
        }
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    int columnIndex() const override { return m_tipo == Tipo::CabecalhoLinha ? -1 : m_coluna; }
    int rowIndex() const override { return m_tipo == Tipo::CabecalhoColuna ? -1 : m_linha; }
    bool isSelected() const override { return false; }
    QAccessibleInterface* table() const override { return parent(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;

    QPointer<QTableView> m_grade;
    Tipo m_tipo;
    int m_linha;
    int m_coluna;
};

class Tabela final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit Tabela(QTableView* grade) : QAccessibleWidget(grade, QAccessible::Table) {}
    ~Tabela() override { esquecer(); }

    QTableView* grade() const { return static_cast<QTableView*>(widget()); }
    bool comCabecalhoDeLinha() const { return fixas(grade()).y() > 0; }

    // The interfaces of cells live as long as the table's numbering does.
    QAccessibleInterface* obter(Tipo tipo, int linha, int coluna) const
    {
        const quint64 chave = (quint64(tipo) << 48) | (quint64(quint16(linha)) << 24) | quint64(quint16(coluna));
        if (const auto id = m_ids.constFind(chave); id != m_ids.constEnd())
            return QAccessible::accessibleInterface(*id);
        auto* c = new Celula(grade(), tipo, linha, coluna);
        m_ids.insert(chave, QAccessible::registerAccessibleInterface(c));
        return c;
    }
    void esquecer()
    {
        for (QAccessible::Id id : std::as_const(m_ids))
            QAccessible::deleteAccessibleInterface(id);
        m_ids.clear();
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : QAccessibleWidget::interface_cast(t);
    }

    // Children: the column headers, then row by row its header (when the
    // grid has a fixed column) and its cells.
    int porLinha() const { return columnCount() + (comCabecalhoDeLinha() ? 1 : 0); }
    int childCount() const override { return columnCount() + rowCount() * porLinha(); }
    QAccessibleInterface* child(int i) const override
    {
        if (i < 0 || i >= childCount())
            return nullptr;
        if (i < columnCount())
            return obter(Tipo::CabecalhoColuna, -1, i);
        const int j = i - columnCount();
        const int linha = j / porLinha();
        const int k = j % porLinha() - (comCabecalhoDeLinha() ? 1 : 0);
        return k < 0 ? obter(Tipo::CabecalhoLinha, linha, -1) : obter(Tipo::Celula, linha, k);
    }
    int indexOfChild(const QAccessibleInterface* filho) const override
    {
        const auto* c = dynamic_cast<const Celula*>(filho);
        if (!c || c->m_grade != grade() || !c->isValid())
            return -1;
        if (c->m_tipo == Tipo::CabecalhoColuna)
            return c->m_coluna;
        const int inicio = columnCount() + c->m_linha * porLinha();
        return c->m_tipo == Tipo::CabecalhoLinha ? inicio : inicio + c->m_coluna + (comCabecalhoDeLinha() ? 1 : 0);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QModelIndex i = grade()->indexAt(grade()->viewport()->mapFromGlobal(QPoint(x, y)));
        if (!i.isValid())
            return nullptr;
        const QPoint f = fixas(grade());
        if (i.row() < f.x())
            return i.column() < f.y() ? nullptr : obter(Tipo::CabecalhoColuna, -1, i.column() - f.y());
        if (i.column() < f.y())
            return obter(Tipo::CabecalhoLinha, i.row() - f.x(), -1);
        return obter(Tipo::Celula, i.row() - f.x(), i.column() - f.y());
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int linha, int coluna) const override
    {
        return linha >= 0 && linha < rowCount() && coluna >= 0 && coluna < columnCount() ? obter(Tipo::Celula, linha, coluna) : nullptr;
    }
    int columnCount() const override { return colunas(grade()); }
    int rowCount() const override { return linhas(grade()); }
    QString columnDescription(int coluna) const override
    {
        const QAccessibleInterface* c = coluna >= 0 && coluna < columnCount() ? obter(Tipo::CabecalhoColuna, -1, coluna) : nullptr;
        return c ? c->text(QAccessible::Name) : QString();
    }
    QString rowDescription(int linha) const override
    {
        const QAccessibleInterface* c = cellAt(linha, 0);
        return c ? c->text(QAccessible::Description) : QString();
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable QHash<quint64, QAccessible::Id> m_ids;
};

QList<QAccessibleInterface*> Celula::columnHeaderCells() const
{
    auto* t = dynamic_cast<Tabela*>(parent());
    return t && m_tipo == Tipo::Celula ? QList<QAccessibleInterface*>{t->obter(Tipo::CabecalhoColuna, -1, m_coluna)}
                                       : QList<QAccessibleInterface*>{};
}

QList<QAccessibleInterface*> Celula::rowHeaderCells() const
{
    auto* t = dynamic_cast<Tabela*>(parent());
    return t && m_tipo == Tipo::Celula && t->comCabecalhoDeLinha()
        ? QList<QAccessibleInterface*>{t->obter(Tipo::CabecalhoLinha, m_linha, -1)}
        : QList<QAccessibleInterface*>{};
}

QAccessibleInterface* fabrica(const QString&, QObject* objeto)
{
    auto* g = qobject_cast<QTableView*>(objeto);
    return g && g->property(kFixas).isValid() ? new Tabela(g) : nullptr;
}

} // namespace

namespace TabelaAcessivel {

void instalar(QTableView* grade, int linhasFixas, int colunasFixas)
{
    static const bool instalada = (QAccessible::installFactory(fabrica), true);
    Q_UNUSED(instalada);
    grade->setProperty(kFixas, QPoint(linhasFixas, colunasFixas));
    // A screen reader that already met the grid holds Qt's own interface for
    // it: that one goes, and the next question gets this one.
    QAccessibleInterface* atual = QAccessible::queryAccessibleInterface(grade);
    if (atual && !dynamic_cast<Tabela*>(atual))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(atual));
}

} // namespace TabelaAcessivel
