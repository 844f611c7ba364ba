#pragma once

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

// A picture box: a widget that keeps what is painted into it in its own
// pixmap, so the drawing survives being covered and uncovered.
class LogoPicture final : public QWidget {
    Q_OBJECT
public:
    explicit LogoPicture(QWidget* parent = nullptr);

    // Size in twips, as the painter measures the box.
    int Width() const;
    int Height() const;

    // 0x00BBGGRR or a system colour: text and background of the box.
    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 cor) { m_foreColor = cor; }
    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 cor);

    // The persistent image, sized to the box and filled with its background
    // colour the first time (or after the box was resized).
    QPixmap& imagem();
    const QPixmap& imagemAtual() const { return m_imagem; }
    // Takes a finished image of the box's size as its own.
    void setImagem(const QPixmap& imagem) { m_imagem = imagem; }

    void Refresh() { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_imagem;
    quint32 m_foreColor = 0x80000012; // button text
    quint32 m_backColor = 0x8000000F; // button face
};

// Paints a picture box as a header strip: a gradient from StartColor at the
// bottom to EndColor at the top, in horizontal bands, with the caption
// written upwards near the bottom-left corner in the box's own font.
class cLogo final {
public:
    cLogo();

    void setCaption(const QString& sCaption);
    QString Caption() const;
    void setDrawingObject(LogoPicture* picThis);
    quint32 StartColor() const;
    void setStartColor(quint32 oColor);
    quint32 EndColor() const;
    void setEndColor(quint32 oColor);
    void Draw();

    LogoPicture* DrawingObject() const { return m_picture; }

    // Height in pixels of each band for a strip H pixels high.
    static int alturaFaixa(int h);

private:
    struct Rgb {
        qint16 r = 0;
        qint16 g = 0;
        qint16 b = 0;
    };
    static Rgb traduzir(quint32 cor);

    QPointer<LogoPicture> m_picture;
    QString m_caption;
    quint32 m_startColor = 0;
    quint32 m_endColor = 0;
    Rgb m_start;
    Rgb m_end;
};
