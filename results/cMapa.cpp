#include "results/cMapa.h"

#include "shell/Twips.h"
#include "store/Ranking.h"
#include "store/Regional.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

constexpr quint32 kCiano = Ranking::kCorEfeito;
constexpr quint32 kAmarelo = Ranking::kCorCausal;
constexpr quint32 kVerde = Ranking::kCorRaiz;
// The plotted range: a little beyond 0 to 5, so points on the edges show whole.
constexpr double kDe = -0.3;
constexpr double kAte = 5.3;

QFont fonte(double pontos, bool negrito = false)
{
    QFont f(u("Arial"));
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    return f;
}

QFontMetricsF metricas(const QFont& f, const QPaintDevice* d)
{
    return d ? QFontMetricsF(f, d) : QFontMetricsF(f);
}

} // namespace

struct cMapa::Medidas {
    double u = 1; // a screen pixel in the device's units
    QFont titulo = fonte(11, true);
    QFont eixo = fonte(9);
    QFont marca = fonte(8);
    QFont nome = fonte(8);
    QFont regiao = fonte(9, true);
    QFont legenda = fonte(9);
    QRectF area, cabecalho, grafico, rodape;
};

cMapa::cMapa(const Analise::Resultado& resultado) : m_textos(Mapa::textos())
{
    const QVector<Analise::Fator> ordem = resultado.ranking();
    const int raiz = ordem.isEmpty() ? -1 : ordem.last().numero;
    for (const Analise::Fator& f : resultado.fatores) {
        Ponto p;
        p.nome = f.nome.isNull() ? u("vago") : f.nome.toString();
        p.pontosLinha = Regional::numberText(f.pontosLinha);
        p.pontosColuna = Regional::numberText(f.pontosColuna);
        p.normH = Regional::format00(f.normH);
        p.normV = Regional::format00(f.normV);
        p.emach = Regional::format00(f.emach);
        p.x = f.normH;
        p.y = f.normV;
        p.classe = Ranking::classe(f.emach, f.numero == raiz);
        p.cor = Ranking::cor(p.classe);
        if (f.numero == raiz)
            m_raiz = int(m_pontos.size());
        m_pontos.append(p);
    }
}

void cMapa::retraduzir()
{
    m_textos = Mapa::textos();
}

QString cMapa::titulo() const
{
    return m_raiz < 0 ? m_textos.titulo : m_textos.raiz + u(": ") + m_pontos[m_raiz].nome;
}

cMapa::Medidas cMapa::medidas(const QRectF& area, const QPaintDevice* d) const
{
    Medidas m;
    m.u = d ? d->logicalDpiY() / 96.0 : 1.0;
    m.area = area;
    const double margem = 8 * m.u;
    const QFontMetricsF ft = metricas(m.titulo, d), fe = metricas(m.eixo, d), fm = metricas(m.marca, d),
                        fl = metricas(m.legenda, d);
    m.cabecalho = QRectF(area.left() + margem, area.top() + margem, area.width() - 2 * margem, ft.height());
    m.rodape = QRectF(area.left() + margem, area.bottom() - margem - fl.height(), area.width() - 2 * margem, fl.height());
    const double baixo = m.rodape.top() - 6 * m.u - fe.height() - 4 * m.u - fm.height() - 4 * m.u;
    const double esquerda = area.left() + margem + fe.height() + 4 * m.u + fm.horizontalAdvance(u("5")) + 6 * m.u;
    m.grafico = QRectF(QPointF(esquerda, m.cabecalho.bottom() + 8 * m.u), QPointF(area.right() - margem - 4 * m.u, baixo));
    return m;
}

QRectF cMapa::grafico(const QRectF& area, const QPaintDevice* d) const
{
    return medidas(area, d).grafico;
}

QPointF cMapa::posicao(int i, const QRectF& g) const
{
    const Ponto& p = m_pontos[i];
    return {g.left() + (p.x - kDe) / (kAte - kDe) * g.width(), g.bottom() - (p.y - kDe) / (kAte - kDe) * g.height()};
}

double cMapa::raio(const QPaintDevice* d) const
{
    return 5 * (d ? d->logicalDpiY() / 96.0 : 1.0);
}

namespace {
QPointF noDominio(double x, double y, const QRectF& g)
{
    return {g.left() + (x - kDe) / (kAte - kDe) * g.width(), g.bottom() - (y - kDe) / (kAte - kDe) * g.height()};
}

// Where the names of the two regions stand: along the top edge (effects) and
// the bottom edge (causal factors), at the first place no point covers.
struct Fixos {
    QRectF efeitos, causais;
};

Fixos fixos(const QRectF& g, const QFontMetricsF& fr, double u, const Mapa::Textos& t, const QVector<QRectF>& pontos)
{
    auto livre = [&](const QRectF& c) {
        for (const QRectF& p : pontos)
            if (p.intersects(c))
                return false;
        return true;
    };
    auto procurar = [&](QRectF c, double passo) {
        for (QRectF tentativa = c; g.contains(tentativa); tentativa.translate(passo, 0))
            if (livre(tentativa))
                return tentativa;
        return c;
    };
    Fixos f;
    const QSizeF se(fr.horizontalAdvance(t.efeitos) + 4 * u, fr.height());
    f.efeitos = procurar(QRectF(g.topLeft() + QPointF(6 * u, 4 * u), se), 8 * u);
    const QSizeF sc(fr.horizontalAdvance(t.causais) + 4 * u, fr.height());
    f.causais = procurar(QRectF(g.bottomRight() - QPointF(6 * u + sc.width(), 4 * u + sc.height()), sc), -8 * u);
    return f;
}
} // namespace

QVector<cMapa::Rotulo> cMapa::rotulos(const QRectF& area, const QPaintDevice* d) const
{
    const Medidas m = medidas(area, d);
    const QRectF g = m.grafico;
    const QFontMetricsF fn = metricas(m.nome, d);
    const double r = raio(d);
    QVector<QRectF> ocupados;
    for (int i = 0; i < m_pontos.size(); ++i) {
        const QPointF c = posicao(i, g);
        ocupados.append(QRectF(c - QPointF(r + m.u, r + m.u), QSizeF(2 * (r + m.u), 2 * (r + m.u))));
    }
    const Fixos fx = fixos(g, metricas(m.regiao, d), m.u, m_textos, ocupados);
    ocupados << fx.efeitos << fx.causais;
    auto livre = [&](const QRectF& caixa) {
        if (!g.contains(caixa))
            return false;
        for (const QRectF& o : ocupados)
            if (o.intersects(caixa))
                return false;
        return true;
    };

    // The root cause first, so it gets the place beside its point; then
    // every factor in order, each at the first free place on rings around
    // its point, nearest first.
    QVector<int> ordem;
    if (m_raiz >= 0)
        ordem.append(m_raiz);
    for (int i = 0; i < m_pontos.size(); ++i)
        if (i != m_raiz)
            ordem.append(i);

    QVector<Rotulo> saida;
    for (int i : ordem) {
        const QPointF c = posicao(i, g);
        const QSizeF s(fn.horizontalAdvance(m_pontos[i].nome) + 4 * m.u, fn.height());
        const double gap = r + 3 * m.u, diag = gap * 0.7;
        const QPointF perto[] = {
            {c.x() + gap, c.y() - s.height() / 2}, {c.x() - gap - s.width(), c.y() - s.height() / 2},
            {c.x() - s.width() / 2, c.y() - gap - s.height()}, {c.x() - s.width() / 2, c.y() + gap},
            {c.x() + diag, c.y() - diag - s.height()}, {c.x() + diag, c.y() + diag},
            {c.x() - diag - s.width(), c.y() - diag - s.height()}, {c.x() - diag - s.width(), c.y() + diag},
        };
        Rotulo rot{i, QRectF(perto[0], s), false};
        bool achou = false;
        for (const QPointF& canto : perto)
            if (livre(QRectF(canto, s))) {
                rot.caixa = QRectF(canto, s);
                achou = true;
                break;
            }
        const double passo = s.height() * 0.8;
        for (int anel = 1; !achou && anel <= 80; ++anel) {
            const double dist = gap + anel * passo;
            for (int j = 0; j < 24 && !achou; ++j) {
                const double a = j * M_PI / 12;
                const QPointF centro(c.x() + std::cos(a) * (dist + s.width() / 2), c.y() - std::sin(a) * (dist + s.height() / 2));
                const QRectF caixa(centro - QPointF(s.width() / 2, s.height() / 2), s);
                if (livre(caixa)) {
                    rot = {i, caixa, true};
                    achou = true;
                }
            }
        }
        ocupados.append(rot.caixa);
        saida.append(rot);
    }
    return saida;
}

QVector<int> cMapa::pontosEm(const QPointF& pos, const QRectF& area, const QPaintDevice* d) const
{
    const QRectF g = grafico(area, d);
    const double alcance = raio(d) + 3 * (d ? d->logicalDpiY() / 96.0 : 1.0);
    QVector<int> achados;
    for (int i = 0; i < m_pontos.size(); ++i) {
        const QPointF c = posicao(i, g);
        if (std::hypot(c.x() - pos.x(), c.y() - pos.y()) <= alcance)
            achados.append(i);
    }
    return achados;
}

QString cMapa::dica(const QVector<int>& pontos) const
{
    QStringList partes;
    for (int i : pontos) {
        const Ponto& p = m_pontos[i];
        partes << p.nome + u("\n") + m_textos.pontosLinha + u(": ") + p.pontosLinha + u("\n") + m_textos.pontosColuna
                + u(": ") + p.pontosColuna + u("\nNormH: ") + p.normH + u("\nNormV: ") + p.normV + u("\nEmach: ") + p.emach;
    }
    return partes.join(u("\n\n"));
}

QString cMapa::descricao() const
{
    // The root cause first, then the others from the lowest E-Mach up: the
    // order in which causes matter.
    QVector<int> ordem;
    for (int i = 0; i < m_pontos.size(); ++i)
        if (i != m_raiz)
            ordem.append(i);
    std::stable_sort(ordem.begin(), ordem.end(), [this](int a, int b) {
        return Regional::toNumber(m_pontos[a].emach).value_or(0) < Regional::toNumber(m_pontos[b].emach).value_or(0);
    });
    if (m_raiz >= 0)
        ordem.prepend(m_raiz);
    QStringList linhas;
    for (int i : ordem) {
        const Ponto& p = m_pontos[i];
        const QString classe = p.classe == CasoCsv::Classe::Raiz ? m_textos.raiz
            : p.classe == CasoCsv::Classe::Efeito                 ? m_textos.efeitos
                                                                  : m_textos.causais;
        linhas << p.nome + u(": ") + classe + u("; NormH ") + p.normH + u(", NormV ") + p.normV + u(", Emach ") + p.emach;
    }
    return linhas.join(QLatin1Char('\n'));
}

void cMapa::desenhar(QPainter& p, const QRectF& area) const
{
    const QPaintDevice* d = p.device();
    const Medidas m = medidas(area, d);
    const QRectF g = m.grafico;
    const double un = m.u;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(area, Qt::white);

    // Title line: the root cause, named.
    p.setFont(m.titulo);
    p.setPen(Qt::black);
    p.drawText(m.cabecalho, Qt::AlignLeft | Qt::AlignVCenter, titulo());

    // The two regions, tinted with their class colours, and the grid.
    const QPointF inicio = noDominio(kDe, kDe + 1, g), fim = noDominio(kAte - 1, kAte, g);
    p.setPen(Qt::NoPen);
    QColor ciano = Cores::cor(kCiano), amarelo = Cores::cor(kAmarelo);
    ciano.setAlpha(40);
    amarelo.setAlpha(60);
    p.setBrush(ciano);
    p.drawPolygon(QPolygonF({inicio, fim, g.topLeft()}));
    p.setBrush(amarelo);
    p.drawPolygon(QPolygonF({g.bottomLeft(), g.bottomRight(), g.topRight(), fim, inicio}));
    p.setBrush(Qt::NoBrush);

    p.setFont(m.marca);
    const QFontMetricsF fm = metricas(m.marca, d);
    for (int k = 0; k <= 5; ++k) {
        const QPointF x = noDominio(k, kDe, g), y = noDominio(kDe, k, g);
        p.setPen(QPen(QColor(215, 215, 215), 0.8 * un));
        p.drawLine(QPointF(x.x(), g.top()), QPointF(x.x(), g.bottom()));
        p.drawLine(QPointF(g.left(), y.y()), QPointF(g.right(), y.y()));
        p.setPen(QPen(QColor(90, 90, 90), un));
        p.drawLine(QPointF(x.x(), g.bottom()), QPointF(x.x(), g.bottom() + 3 * un));
        p.drawLine(QPointF(g.left() - 3 * un, y.y()), QPointF(g.left(), y.y()));
        p.setPen(Qt::black);
        const QString t = QString::number(k);
        p.drawText(QPointF(x.x() - fm.horizontalAdvance(t) / 2, g.bottom() + 4 * un + fm.ascent()), t);
        p.drawText(QPointF(g.left() - 5 * un - fm.horizontalAdvance(t), y.y() + fm.ascent() / 2 - un), t);
    }
    p.setPen(QPen(QColor(90, 90, 90), un));
    p.drawRect(g);

    // Axis names.
    p.setFont(m.eixo);
    const QFontMetricsF fe = metricas(m.eixo, d);
    p.setPen(Qt::black);
    const double yEixo = g.bottom() + 4 * un + fm.height() + 4 * un;
    p.drawText(QRectF(g.left(), yEixo, g.width(), fe.height()), Qt::AlignHCenter | Qt::AlignTop, m_textos.eixoX);
    p.save();
    p.translate(area.left() + 8 * un, g.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-g.height() / 2, 0, g.height(), fe.height()), Qt::AlignHCenter | Qt::AlignTop, m_textos.eixoY);
    p.restore();

    // The line where the E-Mach is 0, and the names of what lies on each side.
    p.setPen(QPen(QColor(60, 60, 60), 1.5 * un, Qt::DashLine));
    p.drawLine(inicio, fim);
    const double r = raio(d);
    QVector<QRectF> marcas;
    for (int i = 0; i < m_pontos.size(); ++i)
        marcas.append(QRectF(posicao(i, g) - QPointF(r + un, r + un), QSizeF(2 * (r + un), 2 * (r + un))));
    const Fixos fx = fixos(g, metricas(m.regiao, d), un, m_textos, marcas);
    p.setFont(m.regiao);
    p.setPen(QColor(0, 110, 130));
    p.drawText(fx.efeitos, Qt::AlignCenter, m_textos.efeitos);
    p.setPen(QColor(140, 110, 0));
    p.drawText(fx.causais, Qt::AlignCenter, m_textos.causais);

    // Names with their leader lines, then the points over them.
    const QVector<Rotulo> rots = rotulos(area, d);
    p.setPen(QPen(QColor(120, 120, 120), 0.8 * un));
    for (const Rotulo& rot : rots) {
        if (!rot.deslocado)
            continue;
        const QPointF c = posicao(rot.ponto, g);
        const QPointF alvo(std::clamp(c.x(), rot.caixa.left(), rot.caixa.right()),
                           std::clamp(c.y(), rot.caixa.top(), rot.caixa.bottom()));
        const QPointF v = alvo - c;
        const double len = std::hypot(v.x(), v.y());
        if (len > r)
            p.drawLine(c + v * (r / len), alvo);
    }
    for (int i = 0; i < m_pontos.size(); ++i) {
        if (i == m_raiz)
            continue;
        p.setPen(QPen(QColor(60, 60, 60), un));
        p.setBrush(Cores::cor(m_pontos[i].cor));
        p.drawEllipse(posicao(i, g), r, r);
    }
    if (m_raiz >= 0) {
        // The root cause last, on top of any point that shares its place.
        p.setPen(QPen(Qt::black, 1.5 * un));
        p.setBrush(Cores::cor(kVerde));
        p.drawEllipse(posicao(m_raiz, g), r * 1.2, r * 1.2);
    }
    p.setFont(m.nome);
    for (const Rotulo& rot : rots) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 215));
        p.drawRoundedRect(rot.caixa, 2 * un, 2 * un);
        p.setPen(rot.ponto == m_raiz ? QColor(0, 110, 0) : QColor(20, 20, 20));
        p.drawText(rot.caixa, Qt::AlignCenter, m_pontos[rot.ponto].nome);
    }

    // Legend: the result screen's three colours and words.
    p.setFont(m.legenda);
    const QFontMetricsF fl = metricas(m.legenda, d);
    double x = m.rodape.left();
    const struct { quint32 cor; QString texto; } itens[] = {
        {kCiano, m_textos.efeitos}, {kAmarelo, m_textos.causais}, {kVerde, m_textos.raiz}};
    for (const auto& it : itens) {
        const double lado = fl.ascent();
        p.setPen(QPen(QColor(60, 60, 60), un));
        p.setBrush(Cores::cor(it.cor));
        p.drawRect(QRectF(x, m.rodape.center().y() - lado / 2, lado * 1.4, lado));
        x += lado * 1.4 + 5 * un;
        p.setPen(Qt::black);
        p.drawText(QPointF(x, m.rodape.top() + fl.ascent()), it.texto);
        x += fl.horizontalAdvance(it.texto) + 18 * un;
    }
    p.setPen(QPen(QColor(60, 60, 60), 1.5 * un, Qt::DashLine));
    p.drawLine(QPointF(x, m.rodape.center().y()), QPointF(x + 24 * un, m.rodape.center().y()));
    p.setPen(Qt::black);
    p.drawText(QPointF(x + 29 * un, m.rodape.top() + fl.ascent()), m_textos.linhaZero);
    p.restore();
}
