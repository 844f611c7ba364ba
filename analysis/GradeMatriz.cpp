#include "analysis/GradeMatriz.h"

#include "shell/Fonts.h"
#include "shell/TabelaAcessivel.h"
#include "shell/Twips.h"
#include "store/Regional.h"

#include <QAbstractItemDelegate>
#include <QAccessible>
#include <QFontMetricsF>
#include <QHash>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <stdexcept>

namespace {
constexpr int kLarguraPadrao = 960; // twips
constexpr int kAlturaLinha = 240; // twips
constexpr int kMargem = 1; // pixels between a cell's edge and its text

constexpr quint32 kBackColorBkg = 0x00808080; // grey behind the last cell
constexpr quint32 kGridColor = 0x00C0C0C0;
constexpr quint32 kGridColorFixed = 0x00000000;
constexpr quint32 kForeColor = 0x80000008; // window text

// A text's width in one font, measured once: a matrix repeats a handful of texts.
class Medidas {
public:
    explicit Medidas(const QFont& f = QFont()) : m_metricas(f) {}
    qreal largura(const QString& t)
    {
        auto it = m_larguras.constFind(t);
        if (it == m_larguras.cend())
            it = m_larguras.insert(t, m_metricas.horizontalAdvance(t));
        return *it;
    }
    const QFontMetricsF& metricas() const { return m_metricas; }

private:
    QFontMetricsF m_metricas;
    QHash<QString, qreal> m_larguras;
};

// The cell as the grid paints it, whatever holds it: background, the lines at
// its right and bottom, its text, and the frames over it.
// `linhas` false: the line colour is under the cell already.
void pintarCelula(QPainter* p, const QRect& cel, const QColor& fundo, bool fixa, const QFont& fonte, const QString& texto,
                  const QModelIndex& i, bool linhas = true)
{
    // The lines at the right and bottom edge are what the background leaves of the line colour.
    if (linhas)
        p->fillRect(cel, Cores::cor(fixa ? kGridColorFixed : kGridColor));
    p->fillRect(cel.adjusted(0, 0, -1, -1), fundo);
    if (texto.isEmpty())
        return;
    p->setFont(fonte);
    p->setPen(Cores::cor(kForeColor));
    p->drawText(cel.adjusted(kMargem, 0, -kMargem - 1, -1), i.data(Qt::TextAlignmentRole).toInt() | Qt::TextSingleLine, texto);
}
} // namespace

// Paints every cell from the model's colours and the grid's fitted texts.
class GradeMatriz::Pintor final : public QAbstractItemDelegate {
public:
    explicit Pintor(GradeMatriz* grade) : QAbstractItemDelegate(grade), m_grade(grade) {}

    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override
    {
        const int r = i.row(), c = i.column();
        const ModeloMatriz& m = *m_grade->m_modelo;
        const Ajuste& a = m_grade->ajuste(r, c);
        pintarCelula(p, o.rect, m.corCelula(r, c), c == 0, m_grade->fonteDe(a.fonte), a.mostrado, i, !linhasFeitas);
        if (m.contorno(r, c)) {
            p->setPen(QPen(QColor(200, 0, 0), 2));
            p->drawRect(QRectF(o.rect).adjusted(1, 1, -2, -2));
        }
        if (o.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect f;
            f.initFrom(m_grade);
            f.rect = o.rect.adjusted(1, 1, -2, -2);
            f.backgroundColor = m.corCelula(r, c);
            m_grade->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &f, p, m_grade);
            // The style's dotted hint is too faint to find a cell by.
            if (m_grade->m_moldura) {
                p->setPen(QPen(Qt::black, 2));
                p->drawRect(QRectF(o.rect).adjusted(1, 1, -2, -2));
            }
        }
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& i) const override
    {
        return {Twips::px(m_grade->ColWidth(i.column())), Twips::px(kAlturaLinha)};
    }

    bool linhasFeitas = false; // the view filled the line colour under every cell it paints

private:
    GradeMatriz* m_grade;
};

// The names column: the view's row header, so it stays while the cells
// scroll; it paints and takes clicks as the grid's column 0.
class GradeMatriz::Nomes final : public QHeaderView {
public:
    explicit Nomes(GradeMatriz* grade) : QHeaderView(Qt::Vertical, grade), m_grade(grade)
    {
        setSectionResizeMode(QHeaderView::Fixed);
        setMinimumSectionSize(1);
        setDefaultSectionSize(Twips::px(kAlturaLinha));
        setHighlightSections(false);
        setSectionsClickable(false);
    }

    // The column is as wide as the grid makes it, whatever its names: the
    // view asks at every relayout, and measuring every name cost more than
    // painting them.
    QSize sizeHint() const override { return {minimumWidth(), length()}; }

protected:
    void paintSection(QPainter* p, const QRect& rect, int r) const override
    {
        const ModeloMatriz& m = *m_grade->m_modelo;
        if (r < 0 || r >= m.Rows() || m.Cols() < 1)
            return;
        const Ajuste& a = m_grade->ajuste(r, 0);
        pintarCelula(p, rect, m.corCelula(r, 0), true, m_grade->fonteDe(a.fonte), a.mostrado, m.index(r, 0));
    }
    void paintEvent(QPaintEvent* e) override
    {
        QHeaderView::paintEvent(e);
        // Below the last name the grid's grey, not the style's empty header.
        const int fim = count() > 0 ? sectionViewportPosition(count() - 1) + sectionSize(count() - 1) : 0;
        QPainter(viewport()).fillRect(QRect(0, fim, viewport()->width(), viewport()->height() - fim), Cores::cor(kBackColorBkg));
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        m_grade->setFocus(Qt::MouseFocusReason);
        m_grade->m_clicando = false;
        m_grade->setMoldura(false);
        const int r = logicalIndexAt(e->position().toPoint());
        if (e->button() == Qt::LeftButton && r >= 0 && m_grade->Cols() > 0)
            m_grade->pressionar(r, 0);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton)
            m_grade->soltar();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        m_grade->m_clicando = false;
        e->accept();
    }
    void mouseMoveEvent(QMouseEvent*) override {}
    bool viewportEvent(QEvent* e) override
    {
        if (e->type() != QEvent::ToolTip)
            return QHeaderView::viewportEvent(e);
        auto* ajuda = static_cast<QHelpEvent*>(e);
        m_grade->mostrarDica(viewport(), ajuda->pos(), ajuda->globalPos(), logicalIndexAt(ajuda->pos()), 0);
        return true;
    }

private:
    GradeMatriz* m_grade;
};

GradeMatriz::GradeMatriz(ModeloMatriz* modelo, QWidget* parent) : QTableView(parent), m_modelo(modelo)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFont(Fontes::fonte(QStringLiteral("MS Sans Serif"), 8.25));
    setFocusPolicy(Qt::StrongFocus);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setAutoScroll(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    QPalette p = palette();
    p.setColor(QPalette::Base, Cores::cor(kBackColorBkg));
    setPalette(p);

    m_nomes = new Nomes(this);
    setVerticalHeader(m_nomes);
    horizontalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setDefaultSectionSize(Twips::px(kLarguraPadrao));
    m_pintor = new Pintor(this);
    setItemDelegate(m_pintor);
    setModel(modelo);
    // A screen reader reads the names as row headers, not as a hidden column.
    TabelaAcessivel::instalar(this, 0, 0);

    // New rows and columns take their widths and fit their texts; the cells
    // that were there keep theirs.
    auto refazer = [this] {
        const int antes = m_larguras.size();
        m_larguras.resize(Cols(), -1);
        for (int c = antes; c < Cols(); ++c)
            setColumnWidth(c, Twips::px(ColWidth(c)));
        setColumnHidden(0, true);
        m_nomes->setFixedWidth(Cols() > 0 ? Twips::px(ColWidth(0)) : 0);
        QVector<Ajuste> novos(Rows() * Cols());
        for (int r = 0; r < Rows(); ++r)
            for (int c = 0; c < Cols(); ++c)
                if (r < m_linhasAjustadas && c < m_colunasAjustadas)
                    novos[r * Cols() + c] = m_ajustes[r * m_colunasAjustadas + c];
        m_ajustes = std::move(novos);
        const int linhas = m_linhasAjustadas, colunas = m_colunasAjustadas;
        m_linhasAjustadas = Rows();
        m_colunasAjustadas = Cols();
        for (int r = 0; r < Rows(); ++r)
            for (int c = 0; c < Cols(); ++c)
                if (r >= linhas || c >= colunas)
                    ajustar(r, c);
    };
    connect(m_modelo, &QAbstractItemModel::modelReset, this, refazer);
    connect(m_modelo, &QAbstractItemModel::rowsInserted, this, refazer);
    connect(m_modelo, &QAbstractItemModel::rowsRemoved, this, refazer);
    connect(m_modelo, &QAbstractItemModel::columnsInserted, this, refazer);
    connect(m_modelo, &QAbstractItemModel::columnsRemoved, this, refazer);
    connect(m_modelo, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& de, const QModelIndex& ate, const QList<int>& papeis) {
                if (!papeis.isEmpty() && !papeis.contains(Qt::DisplayRole))
                    return;
                for (int r = de.row(); r <= ate.row(); ++r)
                    for (int c = de.column(); c <= ate.column(); ++c)
                        ajustar(r, c);
                if (de.column() == 0)
                    m_nomes->viewport()->update();
            });
    refazer();
    // The grid starts with its first movable cell current.
    if (Rows() > 1 && Cols() > 1)
        setCurrentIndex(m_modelo->index(1, 1));
}

void GradeMatriz::currentChanged(const QModelIndex& atual, const QModelIndex& anterior)
{
    // The table view would name the focused cell by its own numbering, which
    // counts the hidden names column; the reader's table does not.
    if (QAccessible::isActive()) {
        if (const int filho = TabelaAcessivel::filho(this, atual); filho >= 0) {
            QAccessibleEvent foco(this, QAccessible::Focus);
            foco.setChild(filho);
            QAccessible::updateAccessibility(&foco);
        }
    }
    QAbstractItemView::currentChanged(atual, anterior);
}

int GradeMatriz::Row() const
{
    return qMax(0, currentIndex().row());
}

int GradeMatriz::Col() const
{
    return qMax(0, currentIndex().column());
}

void GradeMatriz::setRow(int linha)
{
    if (linha < 0 || linha >= Rows())
        throw std::out_of_range("Invalid Row value");
    setCurrentIndex(m_modelo->index(linha, qMin(Col(), Cols() - 1)));
}

void GradeMatriz::setCol(int coluna)
{
    if (coluna < 0 || coluna >= Cols())
        throw std::out_of_range("Invalid Col value");
    setCurrentIndex(m_modelo->index(qMin(Row(), Rows() - 1), coluna));
}

quint32 GradeMatriz::CellBackColor() const
{
    return m_modelo->fundo(Row(), Col()).value_or(0);
}

void GradeMatriz::setCellBackColor(quint32 cor)
{
    m_modelo->setFundo(Row(), Col(), cor);
}

int GradeMatriz::ColWidth(int coluna) const
{
    if (coluna < 0 || coluna >= Cols())
        throw std::out_of_range("Subscript out of range");
    const int w = m_larguras.value(coluna, -1);
    return w < 0 ? kLarguraPadrao : w;
}

void GradeMatriz::setColWidth(int coluna, int twips)
{
    if (coluna < 0 || coluna >= Cols())
        throw std::out_of_range("Subscript out of range");
    m_larguras.resize(Cols(), -1);
    m_larguras[coluna] = twips;
    if (coluna == 0)
        m_nomes->setFixedWidth(Twips::px(twips));
    else
        setColumnWidth(coluna, Twips::px(twips));
    ajustarColuna(coluna);
}

int GradeMatriz::RowHeight(int linha) const
{
    if (linha < 0 || linha >= Rows())
        throw std::out_of_range("Subscript out of range");
    return kAlturaLinha;
}

void GradeMatriz::aplicarGeometria()
{
    Twips::colocar(this, m_left, m_top, m_width, m_height);
}

void GradeMatriz::setWidth(int twips)
{
    m_width = twips;
    aplicarGeometria();
}

void GradeMatriz::setHeight(int twips)
{
    m_height = twips;
    aplicarGeometria();
}

void GradeMatriz::colocar(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    aplicarGeometria();
}

QRect GradeMatriz::cellRect(int linha, int coluna) const
{
    if (linha < 0 || linha >= Rows() || coluna < 0 || coluna >= Cols())
        throw std::out_of_range("Subscript out of range");
    const int y = m_nomes->sectionViewportPosition(linha);
    if (coluna == 0) {
        const QRect area(m_nomes->viewport()->mapTo(this, QPoint(0, 0)), m_nomes->viewport()->size());
        if (y < 0)
            return {};
        return QRect(area.left(), area.top() + y, area.width(), m_nomes->sectionSize(linha)).intersected(area);
    }
    const QRect area(viewport()->mapTo(this, QPoint(0, 0)), viewport()->size());
    const QRect r = visualRect(m_modelo->index(linha, coluna));
    if (r.isEmpty() || r.x() < 0 || r.y() < 0)
        return {};
    return r.translated(area.topLeft()).intersected(area);
}

std::pair<QWidget*, QPoint> GradeMatriz::pontoDaCelula(int linha, int coluna) const
{
    const QRect r = cellRect(linha, coluna);
    if (r.isEmpty())
        return {nullptr, {}};
    QWidget* w = coluna == 0 ? m_nomes->viewport() : viewport();
    return {w, w->mapFrom(this, r.center())};
}

void GradeMatriz::mostrarCelula(int linha, int coluna)
{
    if (linha < 0 || linha >= Rows() || coluna < 0 || coluna >= Cols())
        throw std::out_of_range("Subscript out of range");
    // The names never scroll sideways: for them only the row is brought in.
    const int c = coluna >= 1 ? coluna : qMax(1, columnAt(0));
    if (c < Cols())
        scrollTo(m_modelo->index(linha, c), QAbstractItemView::EnsureVisible);
}

int GradeMatriz::linhasPorPagina() const
{
    return qMax(1, viewport()->height() / Twips::px(kAlturaLinha));
}

void GradeMatriz::setMoldura(bool visivel)
{
    if (m_moldura == visivel)
        return;
    m_moldura = visivel;
    // Only the current cell wears the frame.
    update(currentIndex());
}

int GradeMatriz::larguraTexto(int coluna) const
{
    // The margin at each side and the grid line at the right.
    return Twips::px(ColWidth(coluna)) - 2 * kMargem - 1;
}

QFont GradeMatriz::fonteCelula(int linha, int coluna) const
{
    m_modelo->TextMatrix(linha, coluna); // the same range check
    return fonteDe(ajuste(linha, coluna).fonte);
}

QString GradeMatriz::textoMostrado(int linha, int coluna) const
{
    m_modelo->TextMatrix(linha, coluna);
    return ajuste(linha, coluna).mostrado;
}

void GradeMatriz::ajustar(int linha, int coluna)
{
    // One measure per font and text for the whole grid's life.
    static thread_local QHash<QString, Medidas> medidas;
    auto medir = [](const QFont& f) -> Medidas& {
        const QString chave = f.key();
        auto it = medidas.find(chave);
        if (it == medidas.end())
            it = medidas.insert(chave, Medidas(f));
        return *it;
    };
    Ajuste& a = m_ajustes[linha * Cols() + coluna];
    const QString t = m_modelo->TextMatrix(linha, coluna);
    a = {t, -1, false};
    if (t.isEmpty())
        return;
    const int livre = larguraTexto(coluna);
    Medidas& normal = medir(font());
    if (normal.largura(t) <= livre)
        return;
    if (!Regional::isNumeric(t)) {
        a = {normal.metricas().elidedText(t, Qt::ElideRight, livre), -1, true};
        return;
    }
    for (int k = 0; k < m_estreitas.size(); ++k) {
        a.fonte = k;
        if (medir(m_estreitas[k]).largura(t) <= livre)
            return;
    }
    a.cortado = true;
    a.mostrado = medir(m_estreitas.last()).metricas().elidedText(t, Qt::ElideRight, livre);
}

void GradeMatriz::ajustarColuna(int coluna)
{
    for (int r = 0; r < Rows(); ++r)
        ajustar(r, coluna);
    coluna == 0 ? m_nomes->viewport()->update() : viewport()->update();
}

void GradeMatriz::ajustarTudo()
{
    m_estreitas.clear();
    QFont f = Fontes::fonte(QStringLiteral("Liberation Sans Narrow"), font().pointSizeF(), font().bold());
    for (;;) {
        m_estreitas.append(f);
        if (f.pointSizeF() <= 6)
            break;
        f.setPointSizeF(f.pointSizeF() - 0.25);
    }
    if (!m_nomes)
        return; // still being built
    m_ajustes = QVector<Ajuste>(Rows() * Cols());
    m_linhasAjustadas = Rows();
    m_colunasAjustadas = Cols();
    for (int r = 0; r < Rows(); ++r)
        for (int c = 0; c < Cols(); ++c)
            ajustar(r, c);
    viewport()->update();
    m_nomes->viewport()->update();
}

void GradeMatriz::pressionar(int linha, int coluna)
{
    setCurrentIndex(m_modelo->index(linha, coluna));
    m_clicando = true;
    viewport()->update();
}

void GradeMatriz::soltar()
{
    if (m_clicando) {
        m_clicando = false;
        emit Click();
    }
}

void GradeMatriz::mousePressEvent(QMouseEvent* event)
{
    m_clicando = false;
    m_moldura = false;
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex i = indexAt(event->position().toPoint());
    if (i.isValid())
        pressionar(i.row(), i.column());
}

void GradeMatriz::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        soltar();
}

void GradeMatriz::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is no new click on the cell.
    m_clicando = false;
    event->accept();
}

void GradeMatriz::mouseMoveEvent(QMouseEvent*) {}

void GradeMatriz::keyPressEvent(QKeyEvent* event)
{
    event->ignore();
}

void GradeMatriz::mostrarDica(QWidget* onde, const QPoint& pos, const QPoint& global, int linha, int coluna)
{
    if (linha >= 0 && linha < Rows() && coluna >= 0 && coluna < Cols() && ajuste(linha, coluna).cortado)
        QToolTip::showText(global, m_modelo->TextMatrix(linha, coluna), onde, QRect(pos, QSize(1, 1)));
    else
        QToolTip::hideText();
}

bool GradeMatriz::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(event);
    auto* ajuda = static_cast<QHelpEvent*>(event);
    const QModelIndex i = indexAt(ajuda->pos());
    mostrarDica(viewport(), ajuda->pos(), ajuda->globalPos(), i.isValid() ? i.row() : -1, i.column());
    return true;
}

void GradeMatriz::paintEvent(QPaintEvent* event)
{
    // Each cell is the delegate's alone and paints all of itself: the view's
    // own pass asked the style for a row panel under every cell, and looked up
    // spans and selections the grid never has.
    const QRect area = event->rect();
    const int r0 = rowAt(area.top()), c0 = columnAt(area.left());
    if (r0 < 0 || c0 < 0)
        return;
    int r1 = rowAt(area.bottom()), c1 = columnAt(area.right());
    r1 = r1 < 0 ? Rows() - 1 : r1;
    c1 = c1 < 0 ? Cols() - 1 : c1;
    QPainter p(viewport());
    // The cells tile their rectangle: its line colour at once, then each
    // cell's background leaves its own lines of it.
    const QPoint canto(columnViewportPosition(c0), rowViewportPosition(r0));
    p.fillRect(QRect(canto, QPoint(columnViewportPosition(c1) + columnWidth(c1) - 1, rowViewportPosition(r1) + rowHeight(r1) - 1)),
               Cores::cor(kGridColor));
    QStyleOptionViewItem o;
    initViewItemOption(&o);
    const QModelIndex atual = currentIndex();
    const bool foco = hasFocus() || viewport()->hasFocus();
    const QStyle::State estado = o.state;
    m_pintor->linhasFeitas = true;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            if (isColumnHidden(c))
                continue;
            const QModelIndex i = m_modelo->index(r, c);
            o.rect = QRect(columnViewportPosition(c), rowViewportPosition(r), columnWidth(c), rowHeight(r));
            o.state = foco && i == atual ? estado | QStyle::State_HasFocus : estado;
            m_pintor->paint(&p, o, i);
        }
    m_pintor->linhasFeitas = false;
}

void GradeMatriz::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ajustarTudo();
}
