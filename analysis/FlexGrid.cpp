#include "analysis/FlexGrid.h"

#include "shell/Fonts.h"
#include "shell/Twips.h"
#include "store/Regional.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <stdexcept>

namespace {
constexpr int kLarguraPadrao = 960; // twips
constexpr int kAlturaLinha = 240; // twips
constexpr int kMargem = 1; // pixels between a cell's edge and its text

constexpr quint32 kBackColor = 0x80000005; // window background
constexpr quint32 kBackColorFixed = 0x8000000F; // button face
constexpr quint32 kBackColorBkg = 0x00808080; // grey behind the last cell
constexpr quint32 kGridColor = 0x00C0C0C0;
constexpr quint32 kGridColorFixed = 0x00000000;
constexpr quint32 kForeColor = 0x80000008; // window text

[[noreturn]] void foraDoLimite(const char* o_que)
{
    throw std::out_of_range(o_que);
}
} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFont(Fontes::fonte(QStringLiteral("MS Sans Serif"), 8.25));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    redimensionar(m_rows, m_cols);
}

void FlexGrid::exigirCelula(int row, int col) const
{
    if (row < 0 || row >= m_rows)
        foraDoLimite("Subscript out of range");
    if (col < 0 || col >= m_cols)
        foraDoLimite("Subscript out of range");
}

FlexGrid::Celula& FlexGrid::celula(int row, int col)
{
    exigirCelula(row, col);
    return m_celulas[row][col];
}

const FlexGrid::Celula& FlexGrid::celula(int row, int col) const
{
    exigirCelula(row, col);
    return m_celulas[row][col];
}

void FlexGrid::redimensionar(int rows, int cols)
{
    m_rows = rows;
    m_cols = cols;
    m_celulas.resize(rows);
    for (auto& linha : m_celulas)
        linha.resize(cols);
    m_colWidth.resize(cols, -1);
    m_colAlign.resize(cols, flexAlignGeneral);
    // A grid that shrinks past the current cell moves it to the last one.
    m_row = qBound(0, m_row, qMax(0, rows - 1));
    m_col = qBound(0, m_col, qMax(0, cols - 1));
    atualizarBarras();
    viewport()->update();
}

void FlexGrid::setRows(int rows)
{
    if (rows < 0)
        foraDoLimite("Invalid Row value");
    redimensionar(rows, m_cols);
}

void FlexGrid::setCols(int cols)
{
    if (cols < 0)
        foraDoLimite("Invalid Col value");
    redimensionar(m_rows, cols);
}

void FlexGrid::setFixedRows(int n)
{
    if (n < 0 || n > m_rows)
        foraDoLimite("Invalid Row value");
    m_fixedRows = n;
    atualizarBarras();
    viewport()->update();
}

void FlexGrid::setFixedCols(int n)
{
    if (n < 0 || n > m_cols)
        foraDoLimite("Invalid Col value");
    m_fixedCols = n;
    atualizarBarras();
    viewport()->update();
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    return celula(row, col).texto;
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    celula(row, col).texto = text;
    viewport()->update();
}

void FlexGrid::setRow(int row)
{
    if (row < 0 || row >= m_rows)
        foraDoLimite("Invalid Row value");
    m_row = row;
    viewport()->update();
}

void FlexGrid::setCol(int col)
{
    if (col < 0 || col >= m_cols)
        foraDoLimite("Invalid Col value");
    m_col = col;
    viewport()->update();
}

quint32 FlexGrid::CellBackColor() const
{
    return celula(m_row, m_col).fundo.value_or(0);
}

void FlexGrid::setCellBackColor(quint32 color)
{
    celula(m_row, m_col).fundo = color;
    viewport()->update();
}

void FlexGrid::setFundoCelula(int row, int col, std::optional<quint32> cor)
{
    celula(row, col).fundo = cor;
    viewport()->update();
}

int FlexGrid::ColWidth(int col) const
{
    if (col < 0 || col >= m_cols)
        foraDoLimite("Subscript out of range");
    return m_colWidth[col] < 0 ? kLarguraPadrao : m_colWidth[col];
}

void FlexGrid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= m_cols)
        foraDoLimite("Subscript out of range");
    m_colWidth[col] = twips;
    atualizarBarras();
    viewport()->update();
}

int FlexGrid::ColAlignment(int col) const
{
    if (col < 0 || col >= m_cols)
        foraDoLimite("Subscript out of range");
    return m_colAlign[col];
}

void FlexGrid::setColAlignment(int col, int alignment)
{
    if (col < 0 || col >= m_cols)
        foraDoLimite("Subscript out of range");
    if (alignment < flexAlignLeftTop || alignment > flexAlignGeneral)
        foraDoLimite("Invalid property value");
    m_colAlign[col] = alignment;
    viewport()->update();
}

int FlexGrid::RowHeight(int row) const
{
    if (row < 0 || row >= m_rows)
        foraDoLimite("Subscript out of range");
    return kAlturaLinha;
}

void FlexGrid::aplicarGeometria()
{
    Twips::colocar(this, m_left, m_top, m_width, m_height);
}

void FlexGrid::setLeft(int twips) { m_left = twips; aplicarGeometria(); }
void FlexGrid::setTop(int twips) { m_top = twips; aplicarGeometria(); }
void FlexGrid::setWidth(int twips) { m_width = twips; aplicarGeometria(); }
void FlexGrid::setHeight(int twips) { m_height = twips; aplicarGeometria(); }

void FlexGrid::colocar(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    aplicarGeometria();
}

int FlexGrid::larguraPx(int col) const
{
    return Twips::px(m_colWidth[col] < 0 ? kLarguraPadrao : m_colWidth[col]);
}

int FlexGrid::alturaPx(int) const
{
    return Twips::px(kAlturaLinha);
}

int FlexGrid::xDaColuna(int col) const
{
    int x = 0;
    for (int c = 0; c < m_fixedCols && c < m_cols; ++c) {
        if (c == col)
            return x;
        x += larguraPx(c);
    }
    const int primeira = m_fixedCols + horizontalScrollBar()->value();
    if (col < primeira)
        return -1;
    for (int c = primeira; c < col; ++c)
        x += larguraPx(c);
    return x;
}

int FlexGrid::yDaLinha(int row) const
{
    int y = 0;
    for (int r = 0; r < m_fixedRows && r < m_rows; ++r) {
        if (r == row)
            return y;
        y += alturaPx(r);
    }
    const int primeira = m_fixedRows + verticalScrollBar()->value();
    if (row < primeira)
        return -1;
    for (int r = primeira; r < row; ++r)
        y += alturaPx(r);
    return y;
}

QRect FlexGrid::cellRect(int row, int col) const
{
    exigirCelula(row, col);
    const int x = xDaColuna(col);
    const int y = yDaLinha(row);
    if (x < 0 || y < 0)
        return {};
    return QRect(x, y, larguraPx(col), alturaPx(row)).intersected(viewport()->rect());
}

void FlexGrid::mostrarCelula(int row, int col)
{
    exigirCelula(row, col);
    // The bar counts whole rows (columns) scrolled out past the fixed ones.
    auto ajustar = [](QScrollBar* barra, int alvo, int fixas, int espaco, auto tamanho) {
        if (alvo < fixas)
            return;
        int fixo = 0;
        for (int i = 0; i < fixas; ++i)
            fixo += tamanho(i);
        int v = qMin(barra->value(), alvo - fixas);
        auto fim = [&](int primeira) {
            int x = fixo;
            for (int i = primeira; i <= alvo; ++i)
                x += tamanho(i);
            return x;
        };
        while (v < barra->maximum() && fim(fixas + v) > espaco)
            ++v;
        barra->setValue(v);
    };
    ajustar(horizontalScrollBar(), col, m_fixedCols, viewport()->width(), [this](int c) { return larguraPx(c); });
    ajustar(verticalScrollBar(), row, m_fixedRows, viewport()->height(), [this](int r) { return alturaPx(r); });
}

int FlexGrid::linhasPorPagina() const
{
    int livre = viewport()->height();
    for (int r = 0; r < m_fixedRows && r < m_rows; ++r)
        livre -= alturaPx(r);
    return qMax(1, livre / alturaPx(0));
}

bool FlexGrid::celulaEm(const QPoint& p, int* row, int* col) const
{
    for (int r = 0; r < m_rows; ++r) {
        const int y = yDaLinha(r);
        if (y < 0 || p.y() < y || p.y() >= y + alturaPx(r))
            continue;
        for (int c = 0; c < m_cols; ++c) {
            const int x = xDaColuna(c);
            if (x >= 0 && p.x() >= x && p.x() < x + larguraPx(c)) {
                *row = r;
                *col = c;
                return true;
            }
        }
    }
    return false;
}

QColor FlexGrid::corCelula(int row, int col) const
{
    const Celula& cel = celula(row, col);
    if (cel.fundo)
        return Cores::cor(*cel.fundo);
    const bool fixa = row < m_fixedRows || col < m_fixedCols;
    return Cores::cor(fixa ? kBackColorFixed : kBackColor);
}

void FlexGrid::atualizarBarras()
{
    // Scrolling moves whole columns and rows past the fixed ones; the range is
    // how many must leave at the left (top) for the last one to show.
    const QSize vp = maximumViewportSize();
    auto alcance = [](int fixas, int total, int espaco, auto tamanho) {
        int ocupado = 0;
        for (int i = 0; i < fixas && i < total; ++i)
            ocupado += tamanho(i);
        int livre = espaco - ocupado;
        int fim = 0;
        for (int i = total - 1; i >= fixas; --i) {
            if (livre < tamanho(i))
                break;
            livre -= tamanho(i);
            ++fim;
        }
        return qMax(0, total - fixas - fim);
    };
    int maxH = alcance(m_fixedCols, m_cols, vp.width(), [this](int c) { return larguraPx(c); });
    int maxV = alcance(m_fixedRows, m_rows, vp.height(), [this](int r) { return alturaPx(r); });
    // A bar that shows takes room from the other direction.
    const int barraH = horizontalScrollBar()->sizeHint().height();
    const int barraV = verticalScrollBar()->sizeHint().width();
    if (maxH > 0)
        maxV = alcance(m_fixedRows, m_rows, vp.height() - barraH, [this](int r) { return alturaPx(r); });
    if (maxV > 0)
        maxH = alcance(m_fixedCols, m_cols, vp.width() - barraV, [this](int c) { return larguraPx(c); });
    horizontalScrollBar()->setRange(0, maxH);
    horizontalScrollBar()->setPageStep(1);
    verticalScrollBar()->setRange(0, maxV);
    verticalScrollBar()->setPageStep(1);
}

void FlexGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    atualizarBarras();
}

void FlexGrid::scrollContentsBy(int, int)
{
    viewport()->update();
}

void FlexGrid::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), Cores::cor(kBackColorBkg));
    p.setFont(font());
    const QColor texto = Cores::cor(kForeColor);

    for (int r = 0; r < m_rows; ++r) {
        const int y = yDaLinha(r);
        if (y < 0)
            continue;
        if (y >= viewport()->height())
            break;
        for (int c = 0; c < m_cols; ++c) {
            const int x = xDaColuna(c);
            if (x < 0)
                continue;
            if (x >= viewport()->width())
                break;
            const QRect cel(x, y, larguraPx(c), alturaPx(r));
            const bool fixa = r < m_fixedRows || c < m_fixedCols;
            p.fillRect(cel, corCelula(r, c));
            // Grid lines at the right and bottom edge of every cell.
            p.setPen(Cores::cor(fixa ? kGridColorFixed : kGridColor));
            p.drawLine(cel.topRight(), cel.bottomRight());
            p.drawLine(cel.bottomLeft(), cel.bottomRight());

            const QString& t = m_celulas[r][c].texto;
            if (!t.isEmpty()) {
                const QFont fonte = fonteCelula(r, c);
                p.setFont(fonte);
                int a = m_colAlign[c];
                if (a == flexAlignGeneral)
                    a = !fixa && Regional::isNumeric(t) ? flexAlignRightCenter : flexAlignLeftCenter;
                const Qt::Alignment h = a <= 2 ? Qt::AlignLeft : a <= 5 ? Qt::AlignHCenter : Qt::AlignRight;
                const Qt::Alignment v = a % 3 == 0 ? Qt::AlignTop : a % 3 == 1 ? Qt::AlignVCenter : Qt::AlignBottom;
                p.setPen(texto);
                p.drawText(cel.adjusted(kMargem, 0, -kMargem - 1, -1), int(h | v) | Qt::TextSingleLine,
                           QFontMetricsF(fonte).elidedText(t, Qt::ElideRight, larguraTexto(c)));
            }
            if (hasFocus() && r == m_row && c == m_col) {
                QStyleOptionFocusRect o;
                o.initFrom(this);
                o.rect = cel.adjusted(1, 1, -2, -2);
                o.backgroundColor = corCelula(r, c);
                style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
                // The style's dotted hint is too faint to find a cell by.
                if (m_moldura) {
                    p.setPen(QPen(Qt::black, 2));
                    p.drawRect(QRectF(cel).adjusted(1, 1, -2, -2));
                }
            }
        }
    }
}

void FlexGrid::setMoldura(bool visivel)
{
    m_moldura = visivel;
    viewport()->update();
}

int FlexGrid::larguraTexto(int col) const
{
    // The margin at each side and the grid line at the right.
    return larguraPx(col) - 2 * kMargem - 1;
}

QFont FlexGrid::fonteCelula(int row, int col) const
{
    const QString& t = celula(row, col).texto;
    const int livre = larguraTexto(col);
    if (QFontMetricsF(font()).horizontalAdvance(t) <= livre || !Regional::isNumeric(t))
        return font();
    QFont estreita = Fontes::fonte(QStringLiteral("Liberation Sans Narrow"), font().pointSizeF(), font().bold());
    while (QFontMetricsF(estreita).horizontalAdvance(t) > livre && estreita.pointSizeF() > 6)
        estreita.setPointSizeF(estreita.pointSizeF() - 0.25);
    return estreita;
}

bool FlexGrid::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    auto* ajuda = static_cast<QHelpEvent*>(event);
    int r = 0;
    int c = 0;
    if (celulaEm(ajuda->pos(), &r, &c)
        && QFontMetricsF(fonteCelula(r, c)).horizontalAdvance(m_celulas[r][c].texto) > larguraTexto(c))
        QToolTip::showText(ajuda->globalPos(), m_celulas[r][c].texto, viewport());
    else
        QToolTip::hideText();
    return true;
}

void FlexGrid::mousePressEvent(QMouseEvent* event)
{
    m_clicando = false;
    m_moldura = false;
    if (event->button() != Qt::LeftButton)
        return;
    int r = 0;
    int c = 0;
    if (!celulaEm(event->position().toPoint(), &r, &c))
        return;
    m_row = r;
    m_col = c;
    m_clicando = true;
    viewport()->update();
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_clicando) {
        m_clicando = false;
        emit Click();
    }
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is no new click on the cell.
    m_clicando = false;
    event->accept();
}
