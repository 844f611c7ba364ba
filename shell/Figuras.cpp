#include "shell/Figuras.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolButton>

namespace {

void disquete(QPainter& p, const QRectF& r, const QColor& corpo)
{
    const qreal s = r.width();
    QPainterPath contorno;
    contorno.moveTo(r.left(), r.top());
    contorno.lineTo(r.right() - s * 0.18, r.top());
    contorno.lineTo(r.right(), r.top() + s * 0.18);
    contorno.lineTo(r.right(), r.bottom());
    contorno.lineTo(r.left(), r.bottom());
    contorno.closeSubpath();
    p.setPen(QPen(corpo.darker(160), s * 0.04));
    p.setBrush(corpo);
    p.drawPath(contorno);
    // Metal shutter at the top, with its window.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0xCC, 0xD4));
    const QRectF obturador(r.left() + s * 0.22, r.top() + s * 0.04, s * 0.48, s * 0.30);
    p.drawRect(obturador);
    p.setBrush(corpo.darker(140));
    p.drawRect(QRectF(obturador.left() + s * 0.30, obturador.top() + s * 0.05, s * 0.10, s * 0.20));
    // Paper label at the bottom, with two written lines.
    const QRectF etiqueta(r.left() + s * 0.14, r.top() + s * 0.48, s * 0.72, s * 0.46);
    p.setBrush(Qt::white);
    p.drawRect(etiqueta);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), s * 0.03));
    p.drawLine(QPointF(etiqueta.left() + s * 0.08, etiqueta.top() + s * 0.14),
               QPointF(etiqueta.right() - s * 0.08, etiqueta.top() + s * 0.14));
    p.drawLine(QPointF(etiqueta.left() + s * 0.08, etiqueta.top() + s * 0.28),
               QPointF(etiqueta.right() - s * 0.20, etiqueta.top() + s * 0.28));
}

void seta(QPainter& p, const QRectF& r, const QColor& cor)
{
    // An arrow pointing left: the way back.
    const qreal s = r.width();
    QPainterPath ponta;
    ponta.moveTo(r.left(), r.center().y());
    ponta.lineTo(r.left() + s * 0.45, r.top() + s * 0.12);
    ponta.lineTo(r.left() + s * 0.45, r.top() + s * 0.34);
    ponta.lineTo(r.right(), r.top() + s * 0.34);
    ponta.lineTo(r.right(), r.top() + s * 0.66);
    ponta.lineTo(r.left() + s * 0.45, r.top() + s * 0.66);
    ponta.lineTo(r.left() + s * 0.45, r.top() + s * 0.88);
    ponta.closeSubpath();
    p.setPen(QPen(cor.darker(170), s * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(cor);
    p.drawPath(ponta);
}

void borracha(QPainter& p, const QRectF& r)
{
    const qreal s = r.width();
    // Erased lines of writing behind the eraser.
    p.setPen(QPen(QColor(0x40, 0x40, 0x90), s * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + s * 0.05, r.top() + s * 0.15), QPointF(r.left() + s * 0.40, r.top() + s * 0.15));
    p.drawLine(QPointF(r.left() + s * 0.05, r.top() + s * 0.30), QPointF(r.left() + s * 0.30, r.top() + s * 0.30));
    p.setPen(QPen(QColor(0xB0, 0xB0, 0xC8), s * 0.05, Qt::DotLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + s * 0.05, r.top() + s * 0.45), QPointF(r.left() + s * 0.45, r.top() + s * 0.45));
    // The eraser, tilted, red body and white tip.
    p.save();
    p.translate(r.left() + s * 0.58, r.top() + s * 0.62);
    p.rotate(-35);
    const QRectF corpo(-s * 0.36, -s * 0.16, s * 0.50, s * 0.32);
    const QRectF ponta(s * 0.14, -s * 0.16, s * 0.24, s * 0.32);
    p.setPen(QPen(QColor(0x60, 0x20, 0x20), s * 0.035));
    p.setBrush(QColor(0xE0, 0x40, 0x40));
    p.drawRect(corpo);
    p.setBrush(QColor(0xF4, 0xF0, 0xE8));
    p.drawRect(ponta);
    p.restore();
}

void barras(QPainter& p, const QRectF& r)
{
    // Bars of a chart: the analysis.
    const qreal s = r.width();
    p.setPen(QPen(QColor(40, 40, 40), s * 0.045));
    const struct { qreal x, topo; QColor cor; } b[] = {
        {0.06, 0.50, QColor(0, 102, 204)}, {0.38, 0.25, QColor(255, 204, 0)}, {0.70, 0.06, QColor(0, 153, 51)}};
    for (const auto& i : b) {
        p.setBrush(i.cor);
        p.drawRect(QRectF(r.left() + s * i.x, r.top() + s * i.topo, s * 0.24, s * (0.94 - i.topo)));
    }
}

void lista(QPainter& p, const QRectF& r)
{
    // A ranked list, the last line green: the result.
    const qreal s = r.width();
    p.setPen(QPen(QColor(40, 40, 40), s * 0.045));
    const QColor cores[4] = {QColor(0, 255, 255), QColor(0, 255, 255), QColor(255, 255, 0), QColor(0, 200, 0)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(cores[i]);
        p.drawRect(QRectF(r.left() + s * 0.08, r.top() + s * (0.06 + i * 0.23), s * 0.84, s * 0.17));
    }
}

void porta(QPainter& p, const QRectF& r)
{
    // An open door with an arrow going out: leaving.
    const qreal s = r.width();
    auto pt = [&](qreal x, qreal y) { return QPointF(r.left() + s * x, r.top() + s * y); };
    p.setPen(QPen(QColor(60, 60, 60), s * 0.06));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(pt(0.44, 0.09), pt(0.91, 0.91)));
    p.setBrush(QColor(150, 95, 45));
    p.drawPolygon(QPolygonF({pt(0.44, 0.09), pt(0.72, 0.22), pt(0.72, 0.97), pt(0.44, 0.91)}));
    seta(p, QRectF(pt(0.03, 0.28), pt(0.53, 0.78)), QColor(40, 170, 60));
}

void impressora(QPainter& p, const QRectF& r)
{
    // Paper going in, the body, and the printed sheet coming out.
    const qreal s = r.width();
    auto q = [&](qreal x, qreal y, qreal w, qreal h) { return QRectF(r.left() + s * x, r.top() + s * y, s * w, s * h); };
    p.setPen(QPen(QColor(50, 50, 50), s * 0.045));
    p.setBrush(Qt::white);
    p.drawRect(q(0.28, 0.06, 0.44, 0.34));
    p.setBrush(QColor(120, 125, 135));
    p.drawRoundedRect(q(0.06, 0.34, 0.88, 0.38), s * 0.06, s * 0.06);
    p.setBrush(QColor(70, 200, 90));
    p.drawEllipse(QPointF(r.left() + s * 0.81, r.top() + s * 0.47), s * 0.05, s * 0.05);
    p.setBrush(Qt::white);
    p.drawRect(q(0.25, 0.59, 0.50, 0.35));
    p.setPen(QPen(QColor(60, 60, 200), s * 0.03));
    p.drawLine(QPointF(r.left() + s * 0.34, r.top() + s * 0.72), QPointF(r.left() + s * 0.66, r.top() + s * 0.72));
    p.drawLine(QPointF(r.left() + s * 0.34, r.top() + s * 0.81), QPointF(r.left() + s * 0.59, r.top() + s * 0.81));
}

void mapa(QPainter& p, const QRectF& r)
{
    // A chart with the dashed dividing line and a point of each class colour.
    const qreal s = r.width();
    auto pt = [&](qreal x, qreal y) { return QPointF(r.left() + s * x, r.top() + s * y); };
    p.setPen(QPen(QColor(50, 50, 50), s * 0.045));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(pt(0.06, 0.06), pt(0.94, 0.94)));
    p.setPen(QPen(QColor(60, 60, 60), s * 0.04, Qt::DashLine));
    p.drawLine(pt(0.08, 0.70), pt(0.70, 0.08));
    p.setPen(QPen(QColor(40, 40, 40), s * 0.03));
    const struct { qreal x, y; QColor c; } pontos[] = {{0.25, 0.25, QColor(0, 255, 255)},
                                                       {0.42, 0.62, QColor(255, 255, 0)},
                                                       {0.66, 0.42, QColor(255, 255, 0)},
                                                       {0.75, 0.78, QColor(0, 255, 0)}};
    for (const auto& q : pontos) {
        p.setBrush(q.c);
        p.drawEllipse(pt(q.x, q.y), s * 0.09, s * 0.09);
    }
}

void folhaComSeta(QPainter& p, const QRectF& r, bool entrando)
{
    // A sheet with a folded corner and an arrow leaving it, or coming into it.
    const qreal s = r.width();
    auto pt = [&](qreal x, qreal y) { return QPointF(r.left() + s * x, r.top() + s * y); };
    p.setPen(QPen(QColor(50, 50, 50), s * 0.045));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({pt(0.14, 0.04), pt(0.58, 0.04), pt(0.76, 0.22), pt(0.76, 0.96), pt(0.14, 0.96)}));
    p.setPen(QPen(entrando ? QColor(40, 150, 80) : QColor(40, 120, 200), s * 0.10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(pt(0.30, 0.52), pt(0.90, 0.52));
    if (entrando)
        p.drawPolyline(QPolygonF({pt(0.48, 0.36), pt(0.30, 0.52), pt(0.48, 0.68)}));
    else
        p.drawPolyline(QPolygonF({pt(0.72, 0.36), pt(0.90, 0.52), pt(0.72, 0.68)}));
}

void paginas(QPainter& p, const QRectF& r)
{
    // Three sheets fanned out, the front one written on: a report of several pages.
    const qreal s = r.width();
    auto q = [&](qreal x, qreal y, qreal w, qreal h) { return QRectF(r.left() + s * x, r.top() + s * y, s * w, s * h); };
    p.setPen(QPen(QColor(50, 50, 50), s * 0.04));
    p.setBrush(Qt::white);
    for (int i = 2; i >= 0; --i)
        p.drawRect(q(0.12 + i * 0.1, 0.04 + i * 0.06, 0.56, 0.76));
    p.setPen(QPen(QColor(60, 60, 200), s * 0.035));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(r.left() + s * 0.2, r.top() + s * (0.18 + i * 0.12)),
                   QPointF(r.left() + s * (i == 4 ? 0.46 : 0.6), r.top() + s * (0.18 + i * 0.12)));
}

void equipe(QPainter& p, const QRectF& r)
{
    // Three people side by side, the one in front a little larger: a team.
    const qreal s = r.width();
    const struct { qreal x, y, escala; QColor cor; } pessoas[] = {{0.24, 0.12, 0.8, QColor(0, 153, 204)},
                                                                  {0.76, 0.12, 0.8, QColor(0, 153, 51)},
                                                                  {0.50, 0.22, 1.0, QColor(230, 160, 0)}};
    p.setPen(QPen(QColor(40, 40, 40), s * 0.04));
    for (const auto& q : pessoas) {
        const qreal k = s * q.escala;
        p.setBrush(q.cor);
        p.drawEllipse(QPointF(r.left() + s * q.x, r.top() + s * q.y + k * 0.16), k * 0.14, k * 0.14);
        p.drawChord(QRectF(r.left() + s * q.x - k * 0.26, r.top() + s * q.y + k * 0.34, k * 0.52, k * 0.70), 0, 180 * 16);
    }
}

} // namespace

void desenharFigura(QPainter& p, const QRectF& q, Figura figura)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    switch (figura) {
    case Figura::Gravar:
        disquete(p, q, QColor(0x20, 0x40, 0xA0));
        break;
    case Figura::Limpar:
        borracha(p, q);
        break;
    case Figura::Voltar:
        seta(p, q.adjusted(0, q.height() * 0.1, 0, -q.height() * 0.1), QColor(0x30, 0xA0, 0x40));
        break;
    case Figura::SalvarSair: {
        disquete(p, QRectF(q.topLeft(), q.size() * 0.8), QColor(0x20, 0x40, 0xA0));
        const qreal s = q.width() * 0.55;
        seta(p, QRectF(q.right() - s, q.bottom() - s, s, s), QColor(0x30, 0xA0, 0x40));
        break;
    }
    case Figura::Analisar:
        barras(p, q);
        break;
    case Figura::Resultado:
        lista(p, q);
        break;
    case Figura::Sair:
        porta(p, q);
        break;
    case Figura::Impressora:
        impressora(p, q);
        break;
    case Figura::Mapa:
        mapa(p, q);
        break;
    case Figura::Exportar:
    case Figura::Importar:
        folhaComSeta(p, q, figura == Figura::Importar);
        break;
    case Figura::Relatorio:
        paginas(p, q);
        break;
    case Figura::Equipe:
        equipe(p, q);
        break;
    }
    p.restore();
}

QIcon iconeFigura(Figura figura)
{
    // Drawn once per picture: every window of a session shares its icons. The
    // pixmaps go before the application does.
    static QHash<int, QIcon> icones;
    if (icones.isEmpty())
        qAddPostRoutine([] { icones.clear(); });
    if (const auto it = icones.constFind(int(figura)); it != icones.cend())
        return *it;
    QIcon& icone = icones[int(figura)];
    for (int lado : {16, 24, 32, 48}) {
        QPixmap pm(lado, lado);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        desenharFigura(p, QRectF(1, 1, lado - 2, lado - 2), figura);
        p.end();
        icone.addPixmap(pm);
    }
    return icone;
}

QToolButton* botaoFigura(QWidget* pai, const char* nome, const QString& texto, Figura figura, int ladoIcone)
{
    auto* b = new QToolButton(pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setText(texto);
    b->setIcon(iconeFigura(figura));
    b->setIconSize(QSize(ladoIcone, ladoIcone));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

BotaoFigura::BotaoFigura(Figura figura, const QString& texto, QWidget* parent)
    : QPushButton(texto, parent), m_figura(figura)
{
    // No button of these windows answers Enter from a text box: a stray Enter
    // must not clear a case's history.
    setAutoDefault(false);
}

void BotaoFigura::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    p.drawControl(QStyle::CE_PushButtonBevel, opt);

    QRect area = rect().adjusted(4, 4, -4, -4);
    if (isDown())
        area.translate(1, 1);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
    const QRect medida = fontMetrics().boundingRect(area, flags, text());
    const int lado = qBound(8, area.height() - medida.height() - 2, 32);

    // The picture is drawn once into a pixmap so the style can grey it out.
    const qreal dpr = devicePixelRatioF();
    QPixmap figura(QSize(lado, lado) * dpr);
    figura.setDevicePixelRatio(dpr);
    figura.fill(Qt::transparent);
    {
        QPainter fp(&figura);
        desenharFigura(fp, QRectF(1, 1, lado - 2, lado - 2), m_figura);
    }
    if (!isEnabled())
        figura = style()->generatedIconPixmap(QIcon::Disabled, figura, &opt);
    const int topo = area.top() + qMax(0, (area.height() - lado - medida.height() - 2) / 2);
    p.drawPixmap(area.left() + (area.width() - lado) / 2, topo, figura);

    const QRect areaTexto(area.left(), topo + lado + 2, area.width(), area.bottom() - topo - lado - 1);
    p.drawItemText(areaTexto, flags, palette(), isEnabled(), text(), QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect foco;
        foco.initFrom(this);
        foco.rect = rect().adjusted(3, 3, -3, -3);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, foco);
    }
}
