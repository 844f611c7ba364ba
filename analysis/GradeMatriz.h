#pragma once

#include "analysis/ModeloMatriz.h"

#include <QFont>
#include <QHeaderView>
#include <QString>
#include <QTableView>
#include <QVector>
#include <utility>

// The matrix screen's grid: a table view of a ModeloMatriz with the grid's
// look. Cells 240 twips high in columns of given twip widths, grid lines at
// the right and bottom of each cell, the names column fixed at the left while
// the rest scrolls by whole columns (it is the view's row header), the current
// cell framed while the grid has the focus. A number wider than its cell takes
// the narrow face, smaller if need be, so it shows whole; any other text that
// is too wide ends in an ellipsis and shows whole as a tooltip. How each text
// fits is worked out when the text or its column's width changes, not when
// it is painted.
class GradeMatriz final : public QTableView {
    Q_OBJECT
public:
    explicit GradeMatriz(ModeloMatriz* modelo, QWidget* parent = nullptr);

    ModeloMatriz* modelo() const { return m_modelo; }
    int Rows() const { return m_modelo->Rows(); }
    int Cols() const { return m_modelo->Cols(); }
    QString TextMatrix(int linha, int coluna) const { return m_modelo->TextMatrix(linha, coluna); }
    QColor corCelula(int linha, int coluna) const { return m_modelo->corCelula(linha, coluna); }

    // The current cell.
    int Row() const;
    void setRow(int linha);
    int Col() const;
    void setCol(int coluna);
    // Background of the current cell as 0x00BBGGRR; 0 while it has none.
    quint32 CellBackColor() const;
    void setCellBackColor(quint32 cor);

    int ColWidth(int coluna) const;
    void setColWidth(int coluna, int twips);
    int ColAlignment(int coluna) const { return m_modelo->ColAlignment(coluna); }
    void setColAlignment(int coluna, int alinhamento) { m_modelo->setColAlignment(coluna, alinhamento); }
    int RowHeight(int linha) const;

    // Position and size of the control in twips.
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void setWidth(int twips);
    void setHeight(int twips);
    void colocar(int left, int top, int width, int height);

    // Where a cell is in the grid's own coordinates (names and cells alike);
    // empty while it is scrolled out of sight.
    QRect cellRect(int linha, int coluna) const;
    // Where a click on a cell lands: the widget under it and the cell's centre
    // in that widget (no widget while the cell is out of sight).
    std::pair<QWidget*, QPoint> pontoDaCelula(int linha, int coluna) const;
    // The font of a cell's text and the width a text has in its column.
    QFont fonteCelula(int linha, int coluna) const;
    int larguraTexto(int coluna) const;
    // What a cell shows: its text, or the text cut with an ellipsis.
    QString textoMostrado(int linha, int coluna) const;

    // Scrolls so that the cell shows whole, as far as the grid can.
    void mostrarCelula(int linha, int coluna);
    // Rows that the viewport shows whole (at least 1).
    int linhasPorPagina() const;
    // The frame round the current cell, for whoever moves it with the keys;
    // a click takes it away again, so the mouse sees the grid as before.
    bool moldura() const { return m_moldura; }
    void setMoldura(bool visivel);

signals:
    // The user clicked a cell; Row and Col are already that cell.
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Keys belong to the window, which judges and moves with them.
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void currentChanged(const QModelIndex& atual, const QModelIndex& anterior) override;
    void paintEvent(QPaintEvent* event) override;

private:
    class Pintor;
    class Nomes;
    friend class Pintor;
    friend class Nomes;

    struct Ajuste {
        QString mostrado;
        int fonte = -1; // -1 the grid's font; else the narrow face at m_estreitas[fonte]
        bool cortado = false; // the text does not show whole
    };
    const Ajuste& ajuste(int linha, int coluna) const { return m_ajustes[linha * m_modelo->Cols() + coluna]; }
    void ajustar(int linha, int coluna);
    void ajustarColuna(int coluna);
    void ajustarTudo();
    void pressionar(int linha, int coluna);
    void soltar();
    void aplicarGeometria();
    void mostrarDica(QWidget* onde, const QPoint& pos, const QPoint& global, int linha, int coluna);
    const QFont& fonteDe(int indice) const { return indice < 0 ? font() : m_estreitas[indice]; }

    ModeloMatriz* m_modelo;
    Nomes* m_nomes = nullptr;
    Pintor* m_pintor = nullptr;
    QVector<int> m_larguras; // twips; -1 the default width
    QVector<Ajuste> m_ajustes;
    int m_linhasAjustadas = 0; // the grid m_ajustes was laid out for
    int m_colunasAjustadas = 0;
    QVector<QFont> m_estreitas; // the narrow face from the grid's size down to 6 points
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_clicando = false;
    bool m_moldura = false;
};
