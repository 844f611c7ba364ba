#pragma once

#include "analysis/Analise.h"
#include "results/Mapa.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <QVector>

class QPaintDevice;
class QPainter;

// The influence map of an analysed case: every factor at (NormH, NormV), the
// line where the E-Mach is 0, the two regions named, the root cause in green
// and named in the title line, a legend below. One renderer paints the
// window, the printed page and the files; sizes follow the device's dots per
// inch, so a picture reads the same on each.
class cMapa final {
public:
    struct Ponto {
        QString nome;
        QString pontosLinha, pontosColuna, normH, normV, emach; // as the analysis wrote them
        double x = 0, y = 0; // NormH, NormV
        CasoCsv::Classe classe = CasoCsv::Classe::Efeito;
        quint32 cor = 0; // 0x00BBGGRR, the result screen's colour of the class
    };
    struct Rotulo {
        int ponto = 0;
        QRectF caixa; // in the device's units
        bool deslocado = false; // moved away from its point: a leader line joins them
    };

    // `resultado` must be complete; the texts are those of the current language.
    explicit cMapa(const Analise::Resultado& resultado);

    // The texts again, from the language now current.
    void retraduzir();

    const QVector<Ponto>& pontos() const { return m_pontos; }
    int raiz() const { return m_raiz; }
    QString titulo() const;

    void desenhar(QPainter& p, const QRectF& area) const;

    // Where things land when the picture fills `area` of `dispositivo`.
    QRectF grafico(const QRectF& area, const QPaintDevice* dispositivo) const;
    QPointF posicao(int ponto, const QRectF& grafico) const;
    double raio(const QPaintDevice* dispositivo) const;
    QVector<Rotulo> rotulos(const QRectF& area, const QPaintDevice* dispositivo) const;

    // The points under a position (several when they share their place), and
    // what hovering them tells.
    QVector<int> pontosEm(const QPointF& pos, const QRectF& area, const QPaintDevice* dispositivo) const;
    QString dica(const QVector<int>& pontos) const;
    // What a screen reader says of the picture: each factor on a line with
    // its class, NormH, NormV and E-Mach, the root cause first.
    QString descricao() const;

private:
    struct Medidas;
    Medidas medidas(const QRectF& area, const QPaintDevice* dispositivo) const;

    QVector<Ponto> m_pontos;
    int m_raiz = -1;
    Mapa::Textos m_textos;
};
