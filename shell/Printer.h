#pragma once

#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <functional>

class QPainter;
class QWidget;
struct Impressora;

// One thing put on the page: a text or a picture, at a position in twips from
// the printable area's top-left corner (a text's position is the top of its
// line).
struct ItemColocado {
    enum class Tipo { Texto, Figura, Desenho };
    // A drawing paints itself into its box (in the device's units), so
    // lines and texts stay sharp on any printer.
    using Desenho = std::function<void(QPainter& p, const QRectF& caixa)>;
    Tipo tipo = Tipo::Texto;
    int pagina = 0; // 0 for the first page
    int x = 0;
    int y = 0;
    QString texto;
    QString fonte;
    double tamanho = 0;
    bool negrito = false;
    QImage figura;
    int largura = 0;
    int altura = 0;
    Desenho desenho;
};

// The printer object the report writes on. Output is kept as placed items;
// EndDoc paints them on the program's current printer. Line heights and text
// widths are measured at 1440 dots an inch, so the layout is the same on
// every printer.
class Printer final {
public:
    void setFontName(const QString& nome) { m_fonte = nome; }
    void setFontSize(double pontos) { m_tamanho = pontos; }
    void setFontBold(bool negrito) { m_negrito = negrito; }
    int CurrentX() const { return m_x; }
    void setCurrentX(int twips) { m_x = twips; }
    int CurrentY() const { return m_y; }
    void setCurrentY(int twips) { m_y = twips; }

    // Draws a picture scaled into the box.
    void PaintPicture(const QImage& figura, int x, int y, int largura, int altura);
    // Has a drawing paint itself into the box.
    void PaintPicture(const ItemColocado::Desenho& desenho, int x, int y, int largura, int altura);
    // Prints a text; ending the line moves to the left edge one line lower,
    // staying on it moves right past the text. Print() is an empty line.
    void Print(const QString& texto = QString(), bool ficarNaLinha = false);

    // Height of a line and width of a text in the current font, in twips.
    int TextHeight() const;
    int TextWidth(const QString& texto) const;

    // Ends the page: what follows goes on the next one, from its top-left
    // corner. Page() counts from 1; setPage goes back to an earlier page, as
    // a footer that needs the page count does.
    void NewPage();
    int Page() const { return m_pagina + 1; }
    void setPage(int pagina);

    const QList<ItemColocado>& itens() const { return m_itens; }

    // Sends the page to the current printer and starts afresh. The PDF printer
    // first asks where to write (from `janela`). False when nothing was
    // printed: the question was cancelled (falha() is empty), or the printer
    // or the disk failed and falha() says what happened, in plain words.
    bool EndDoc(QWidget* janela = nullptr);
    QString falha() const { return m_falha; }

    // The PDF printer's question: the dialog's title and the file name it
    // proposes. After EndDoc, the file it wrote (empty for a print queue).
    void setPerguntaPdf(const QString& titulo, const QString& nomeProposto);
    QString arquivoGravado() const { return m_arquivo; }

    // What a print button does: a printer name the list lacks gets its
    // message and prints nothing; otherwise the page `escrever` writes goes to
    // that printer, and the PDF printer asks where (proposing `nomeProposto`)
    // and then says where it wrote, under `titulo`. A failure is told, and
    // the program goes on.
    struct AvisoPdf {
        QString pergunta;
        QString nomeProposto;
        QString salvoEm;
        QString titulo;
    };
    static void imprimirEm(QWidget* janela, const QString& impressora, const std::function<void(Printer&)>& escrever,
                           const AvisoPdf& pdf);

    // Paints placed items, page by page, on a printer, scaled to its paper.
    // The PDF printer asks where to write and says in `arquivo` where it
    // wrote; false with `falha` empty is a cancel, with `falha` set a failure.
    static bool imprimir(const QList<ItemColocado>& itens, const Impressora& impressora, QWidget* janela,
                         QString* arquivo = nullptr, const QString& titulo = {}, const QString& nomeProposto = {},
                         QString* falha = nullptr);

    // The document's name, which print queues show (cups-pdf names its file
    // after it).
    static QString nomeDocumento();

    // The page the report is laid out for.
    static QPageLayout pagina();
    // The page a printer prints on: its own paper (for the PDF printer the
    // region's: Letter where inches rule, A4 elsewhere), portrait, with the
    // same margins.
    static QPageLayout paginaDe(const Impressora& impressora);
    // The printable area of a printer's page in twips.
    static QSizeF areaTwips(const Impressora& impressora);
    // The one factor (at most 1) that brings the placed items inside an area
    // of that size in twips, positions and proportions kept.
    static double escala(const QList<ItemColocado>& itens, const QSizeF& areaTwips);

private:
    void colocar(ItemColocado item, int x, int y, int largura, int altura);

    QString m_fonte = QStringLiteral("arial");
    double m_tamanho = 10;
    bool m_negrito = false;
    int m_x = 0;
    int m_y = 0;
    int m_pagina = 0;
    QList<ItemColocado> m_itens;
    QString m_titulo;
    QString m_nomeProposto;
    QString m_arquivo;
    QString m_falha;
};
