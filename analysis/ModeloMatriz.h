#pragma once

#include "analysis/Emach.h"
#include "analysis/Matriz.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPoint>
#include <QString>
#include <QVector>
#include <optional>

// The matrix screen's grid as a model: rows and columns as the grid has them.
// Column 0 holds the factor names; rows 0 to n-1 by columns 1 to n the
// judgements, factor r+1 against factor c at (r, c); an analysis adds two rows
// and three columns of figures. Every cell has a text and may have a
// background colour of its own.
//
// What it offers the screen and whoever builds on it:
// - matriz(): the judgements as numbers, kept with every change: cheap to read;
// - julgamentosMudaram(): after every change of a judgement (judging, erasing,
//   undo, redo, loading), once per change;
// - TextMatrix(r, c) / setTextMatrix(r, c, t): a cell's text; a judgement
//   cell takes a number in the regional format, any other text empties it;
// - valor(r, c): a judgement cell's number (0 when empty);
// - alterar(): several cells at once (a judgement and its mirror), one signal;
// - roles: Qt::DisplayRole the text, Qt::BackgroundRole the colour shown,
//   Qt::TextAlignmentRole, PapelFundo the 0x00BBGGRR colour a cell was given
//   (none when it has none), PapelContorno true for a cell the grid outlines
//   (setContornos), PapelJulgamento the judgement's number.
// The current cell is the view's (GradeMatriz::Row, Col).
class ModeloMatriz final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Papel { PapelFundo = Qt::UserRole + 1, PapelContorno, PapelJulgamento };

    // Column alignments, as the grid's ColAlignment takes them.
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

    // One cell as it stands: what undo keeps and puts back.
    struct Estado {
        int linha = 0;
        int coluna = 0;
        QString texto;
        std::optional<quint32> fundo;
    };

    explicit ModeloMatriz(QObject* parent = nullptr);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;

    int Rows() const { return m_linhas; }
    void setRows(int linhas);
    int Cols() const { return m_colunas; }
    void setCols(int colunas);

    // The factors and their judgements, the grid sized n x (n+1). A Null name
    // leaves its name cell empty.
    void carregar(const Analise::Matriz& matriz);
    const Analise::Matriz& matriz() const { return m_matriz; }
    int fatores() const { return m_matriz.n; }
    // True for the cells of the judgements: rows 0 to n-1, columns 1 to n.
    bool julgamento(int linha, int coluna) const;

    QString TextMatrix(int linha, int coluna) const;
    void setTextMatrix(int linha, int coluna, const QString& texto);
    double valor(int linha, int coluna) const;

    std::optional<quint32> fundo(int linha, int coluna) const;
    void setFundo(int linha, int coluna, std::optional<quint32> cor);
    // The colour a user sees: the cell's own, or the grid's (button face in
    // the names column).
    QColor corCelula(int linha, int coluna) const;

    // What heads a column after the factors' (an analysis's figures); the
    // factors' columns are headed by their names.
    void setTituloColuna(int coluna, const QString& titulo);

    int ColAlignment(int coluna) const;
    void setColAlignment(int coluna, int alinhamento);

    // The cells to outline (judgement cells, or any other); the others lose it.
    void setContornos(const QVector<QPoint>& celulas);
    bool contorno(int linha, int coluna) const;

    // Several cells with their colours at once; cells outside the grid are
    // left out.
    Estado estado(int linha, int coluna) const;
    void alterar(const QVector<Estado>& celulas);

    // The figures of an analysis into their cells, as far as it came: points,
    // the NormH computed, and when complete NormV and E-Mach.
    void mostrarCalculo(const Emach::Calculo& calculo);

signals:
    void julgamentosMudaram();

private:
    struct Celula {
        QString texto;
        std::optional<quint32> fundo;
        bool contorno = false;
    };
    void exigir(int linha, int coluna) const;
    Celula& celula(int linha, int coluna) { return m_celulas[linha * m_colunas + coluna]; }
    const Celula& celula(int linha, int coluna) const { return m_celulas[linha * m_colunas + coluna]; }
    void redimensionar(int linhas, int colunas);
    // Writes a text without signals; true when a judgement changed.
    bool escrever(int linha, int coluna, const QString& texto);
    void avisar(int linha, int coluna);

    int m_linhas = 2;
    int m_colunas = 2;
    QVector<Celula> m_celulas;
    QVector<int> m_alinhamento;
    QVector<QString> m_titulos; // by column
    Analise::Matriz m_matriz;
};
