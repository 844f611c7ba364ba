#pragma once

#include "analysis/Emach.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QRect>
#include <QString>
#include <QVector>
#include <optional>

// The flexible grid of the matrix screen: cells of text addressed by row and
// column, each with its own background colour, a current cell (Row, Col) that
// CellBackColor works on, fixed columns at the left that stay put while the
// rest scrolls, and widths, heights and sizes in twips.
class FlexGrid final : public QAbstractScrollArea, public GradeTextos {
    Q_OBJECT
public:
    // Column alignments.
    enum Alinhamento {
        flexAlignLeftTop = 0,
        flexAlignLeftCenter = 1,
        flexAlignLeftBottom = 2,
        flexAlignCenterTop = 3,
        flexAlignCenterCenter = 4,
        flexAlignCenterBottom = 5,
        flexAlignRightTop = 6,
        flexAlignRightCenter = 7,
        flexAlignRightBottom = 8,
        flexAlignGeneral = 9,
    };

    explicit FlexGrid(QWidget* parent = nullptr);

    int Rows() const { return m_rows; }
    void setRows(int rows);
    int Cols() const { return m_cols; }
    void setCols(int cols);
    int FixedRows() const { return m_fixedRows; }
    void setFixedRows(int n);
    int FixedCols() const { return m_fixedCols; }
    void setFixedCols(int n);

    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // The current cell.
    int Row() const { return m_row; }
    void setRow(int row);
    int Col() const { return m_col; }
    void setCol(int col);
    // Background of the current cell as 0x00BBGGRR; 0 while it has none.
    quint32 CellBackColor() const;
    void setCellBackColor(quint32 color);

    int ColWidth(int col) const;
    void setColWidth(int col, int twips);
    int ColAlignment(int col) const;
    void setColAlignment(int col, int alignment);
    int RowHeight(int row) const;

    // Position and size of the control in twips.
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void colocar(int left, int top, int width, int height);

    // What a user sees: the background a cell is painted with, and where the
    // cell is inside the viewport (empty while scrolled out of sight).
    QColor corCelula(int row, int col) const;
    QRect cellRect(int row, int col) const;
    // The font of a cell's text and the width the text has in its column: a
    // number wider than its cell takes the narrow face, smaller if need be,
    // so it shows whole; any other text that is too wide ends in an ellipsis
    // and shows whole as a tooltip.
    QFont fonteCelula(int row, int col) const;
    int larguraTexto(int col) const;

    // The background a cell was given, if any, so that it can be put back
    // exactly (no colour of its own included).
    std::optional<quint32> fundoCelula(int row, int col) const { return celula(row, col).fundo; }
    void setFundoCelula(int row, int col, std::optional<quint32> cor);
    // Scrolls so that the cell shows whole, as far as the grid can.
    void mostrarCelula(int row, int col);
    // Rows below the fixed ones that the viewport shows whole (at least 1).
    int linhasPorPagina() const;
    // The frame round the current cell, for whoever moves it with the keys;
    // a click takes it away again, so the mouse sees the grid as before.
    bool moldura() const { return m_moldura; }
    void setMoldura(bool visivel);

    QString texto(int linha, int coluna) const override { return TextMatrix(linha, coluna); }
    void escrever(int linha, int coluna, const QString& t) override { setTextMatrix(linha, coluna, t); }

signals:
    // The user clicked a cell; Row and Col are already that cell.
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct Celula {
        QString texto;
        std::optional<quint32> fundo;
    };
    void exigirCelula(int row, int col) const;
    Celula& celula(int row, int col);
    const Celula& celula(int row, int col) const;
    void redimensionar(int rows, int cols);
    int larguraPx(int col) const;
    int alturaPx(int row) const;
    int xDaColuna(int col) const; // -1 while scrolled out
    int yDaLinha(int row) const;
    bool celulaEm(const QPoint& p, int* row, int* col) const;
    void atualizarBarras();
    void aplicarGeometria();

    int m_rows = 2;
    int m_cols = 2;
    int m_fixedRows = 1;
    int m_fixedCols = 1;
    int m_row = 1;
    int m_col = 1;
    QVector<QVector<Celula>> m_celulas;
    QVector<int> m_colWidth; // twips; -1 is the default width
    QVector<int> m_colAlign;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_clicando = false;
    bool m_moldura = false;
};
