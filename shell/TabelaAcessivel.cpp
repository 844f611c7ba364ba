#include "shell/TabelaAcessivel.h"

#include <QAccessibleWidget>
#include <QHeaderView>
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

// The table's rows (Qt::Vertical) or columns: the model's after the fixed
// ones, less those the view hides (the matrix hides its names column, whose
// names are its row headers).
bool daTabela(const QTableView* g, Qt::Orientation o, int secao)
{
    const bool coluna = o == Qt::Horizontal;
    return secao >= (coluna ? fixas(g).y() : fixas(g).x()) && !(coluna ? g->isColumnHidden(secao) : g->isRowHidden(secao));
}

int secoes(const QTableView* g, Qt::Orientation o)
{
    return g->model() ? (o == Qt::Horizontal ? g->model()->columnCount() : g->model()->rowCount()) : 0;
}

int contar(const QTableView* g, Qt::Orientation o)
{
    int n = 0;
    for (int s = 0; s < secoes(g, o); ++s)
        n += daTabela(g, o, s);
    return n;
}

// The model's section of the table's k-th row or column; -1 past the end.
int doModelo(const QTableView* g, Qt::Orientation o, int k)
{
    for (int s = 0; k >= 0 && s < secoes(g, o); ++s)
        if (daTabela(g, o, s) && k-- == 0)
            return s;
    return -1;
}

// The table's row or column of a model's section; -1 when the table leaves it out.
int naTabela(const QTableView* g, Qt::Orientation o, int secao)
{
    if (secao < 0 || secao >= secoes(g, o) || !daTabela(g, o, secao))
        return -1;
    int k = 0;
    for (int s = 0; s < secao; ++s)
        k += daTabela(g, o, s);
    return k;
}

int linhas(const QTableView* g)
{
    return contar(g, Qt::Vertical);
}

int colunas(const QTableView* g)
{
    return contar(g, Qt::Horizontal);
}

// Row headers come from the fixed column or, with none, from the view's own
// vertical header while it is shown.
bool comCabecalhoDeLinha(const QTableView* g)
{
    return fixas(g).y() > 0 || !g->verticalHeader()->isHidden();
}

// Children: the column headers, then row by row its header (when the grid
// has them) and its cells.
int indiceDoFilho(const QTableView* g, Tipo tipo, int linha, int coluna)
{
    if (tipo == Tipo::CabecalhoColuna)
        return coluna;
    const bool cabecalho = comCabecalhoDeLinha(g);
    const int inicio = colunas(g) + linha * (colunas(g) + (cabecalho ? 1 : 0));
    return tipo == Tipo::CabecalhoLinha ? inicio : inicio + coluna + (cabecalho ? 1 : 0);
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
        const int linha = doModelo(m_grade, Qt::Vertical, m_linha), coluna = doModelo(m_grade, Qt::Horizontal, m_coluna);
        switch (m_tipo) {
        case Tipo::Celula: return m->index(linha, coluna);
        case Tipo::CabecalhoColuna: return f.x() > 0 ? m->index(0, coluna) : QModelIndex();
        case Tipo::CabecalhoLinha: return f.y() > 0 ? m->index(linha, 0) : QModelIndex();
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
            const Qt::Orientation o = m_tipo == Tipo::CabecalhoColuna ? Qt::Horizontal : Qt::Vertical;
            const int secao = doModelo(m_grade, o, o == Qt::Horizontal ? m_coluna : m_linha);
            v = m_grade->model()->headerData(secao, o, papel);
            if (t == QAccessible::Name && v.toString().isEmpty())
                v = m_grade->model()->headerData(secao, o, Qt::DisplayRole);
        }
        return v.toString();
    }

    QRect rect() const override
    {
        if (!isValid() || !m_grade->isVisible())
            return {};
        const QModelIndex i = indice();
        const QHeaderView* v = m_grade->verticalHeader();
        QWidget* onde = m_grade->viewport();
        QRect r;
        if (i.isValid()) {
            r = m_grade->visualRect(i);
        } else if (m_tipo == Tipo::CabecalhoLinha && v->isVisible()) {
            // A row header of the view's own header: its section there.
            const int s = doModelo(m_grade, Qt::Vertical, m_linha);
            onde = v->viewport();
            r = QRect(0, v->sectionViewportPosition(s), onde->width(), v->sectionSize(s));
        }
        r = r.intersected(onde->rect());
        return r.isEmpty() ? QRect() : QRect(onde->mapToGlobal(r.topLeft()), r.size());
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
    bool comCabecalhoDeLinha() const { return ::comCabecalhoDeLinha(grade()); }

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
        return indiceDoFilho(grade(), c->m_tipo, c->m_linha, c->m_coluna);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QTableView* g = grade();
        const QHeaderView* v = g->verticalHeader();
        const QPoint noCabecalho = v->viewport()->mapFromGlobal(QPoint(x, y));
        if (fixas(g).y() == 0 && v->isVisible() && v->viewport()->rect().contains(noCabecalho)) {
            const int linha = naTabela(g, Qt::Vertical, v->logicalIndexAt(noCabecalho.y()));
            return linha < 0 ? nullptr : obter(Tipo::CabecalhoLinha, linha, -1);
        }
        const QModelIndex i = g->indexAt(g->viewport()->mapFromGlobal(QPoint(x, y)));
        if (!i.isValid())
            return nullptr;
        const QPoint f = fixas(g);
        const int linha = naTabela(g, Qt::Vertical, i.row()), coluna = naTabela(g, Qt::Horizontal, i.column());
        if (i.row() < f.x())
            return coluna < 0 ? nullptr : obter(Tipo::CabecalhoColuna, -1, coluna);
        if (i.column() < f.y())
            return linha < 0 ? nullptr : obter(Tipo::CabecalhoLinha, linha, -1);
        return linha < 0 || coluna < 0 ? nullptr : obter(Tipo::Celula, linha, coluna);
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
    // What the first cell says of its row, else the row's header.
    QString rowDescription(int linha) const override
    {
        const QAccessibleInterface* c = cellAt(linha, 0);
        const QString d = c ? c->text(QAccessible::Description) : QString();
        return d.isEmpty() && c && comCabecalhoDeLinha() ? obter(Tipo::CabecalhoLinha, linha, -1)->text(QAccessible::Name) : d;
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

int filho(const QTableView* grade, const QModelIndex& indice)
{
    if (!grade->property(kFixas).isValid() || !indice.isValid())
        return -1;
    const int linha = naTabela(grade, Qt::Vertical, indice.row()), coluna = naTabela(grade, Qt::Horizontal, indice.column());
    if (linha < 0)
        return -1;
    if (coluna >= 0)
        return indiceDoFilho(grade, Tipo::Celula, linha, coluna);
    // A cell the table leaves out reads as its row's header, if any.
    return comCabecalhoDeLinha(grade) ? indiceDoFilho(grade, Tipo::CabecalhoLinha, linha, -1) : -1;
}

} // namespace TabelaAcessivel
