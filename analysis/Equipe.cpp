#include "analysis/Equipe.h"

#include "store/Escala.h"
#include "store/Regional.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace Equipe {

int nivel(double v)
{
    for (int i = 0; i < Escala::kNiveis; ++i)
        if (std::abs(v - Escala::kValores[i]) < 1e-9)
            return i - 2;
    return kSemNivel;
}

double valor(int nivel)
{
    return nivel >= -2 && nivel <= 2 ? Escala::kValores[nivel + 2] : 0;
}

Correspondencia corresponder(const QStringList& daEquipe, const QStringList& doArquivo)
{
    Correspondencia c;
    // Each team name's places not yet taken, in order.
    QHash<QString, QVector<int>> livres;
    for (int i = 0; i < daEquipe.size(); ++i)
        livres[daEquipe[i].trimmed()].append(i);
    for (const QString& nome : doArquivo) {
        QVector<int>& l = livres[nome.trimmed()];
        if (l.isEmpty()) {
            c.sobram << nome.trimmed();
            c.posicao << -1;
        } else {
            c.posicao << l.takeFirst();
        }
    }
    for (int i = 0; i < daEquipe.size(); ++i)
        if (!c.posicao.contains(i))
            c.faltam << daEquipe[i].trimmed();
    return c;
}

Membro membro(const QString& nome, const CasoCsv::Caso& caso, const Correspondencia& c)
{
    const int n = caso.n();
    Membro m{nome, QVector<int>(n * n, kSemNivel)};
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (i != j && c.posicao.value(i, -1) >= 0 && c.posicao.value(j, -1) >= 0)
                m.niveis[c.posicao[i] * n + c.posicao[j]] = nivel(caso.valor(i, j));
    return m;
}

int mediana(QVector<int> niveis)
{
    niveis.removeAll(kSemNivel);
    if (niveis.isEmpty())
        return kSemNivel;
    std::sort(niveis.begin(), niveis.end());
    const int k = int(niveis.size());
    // Integer division truncates toward 0: a half goes to the level nearer "equal".
    return k % 2 ? niveis[k / 2] : (niveis[k / 2 - 1] + niveis[k / 2]) / 2;
}

QVector<double> postos(const QVector<qint64>& valores)
{
    const int n = int(valores.size());
    QVector<int> ordem(n);
    for (int i = 0; i < n; ++i)
        ordem[i] = i;
    std::stable_sort(ordem.begin(), ordem.end(), [&](int a, int b) { return valores[a] > valores[b]; });
    QVector<double> p(n);
    for (int i = 0; i < n;) {
        int j = i;
        while (j + 1 < n && valores[ordem[j + 1]] == valores[ordem[i]])
            ++j;
        // Places i+1 .. j+1 share their mean.
        for (int k = i; k <= j; ++k)
            p[ordem[k]] = (i + j) / 2.0 + 1;
        i = j + 1;
    }
    return p;
}

Kendall kendall(const QVector<QVector<double>>& postos)
{
    Kendall k;
    const int m = int(postos.size());
    const int n = m > 0 ? int(postos[0].size()) : 0;
    if (m < 2 || n < 2)
        return k;
    QVector<double> somas(n, 0.0);
    double empates = 0; // the sum over the rankings of t^3 - t for each group of t tied ranks
    for (const QVector<double>& r : postos) {
        for (int i = 0; i < n; ++i)
            somas[i] += r[i];
        QVector<double> s = r;
        std::sort(s.begin(), s.end());
        for (int i = 0; i < n;) {
            int j = i;
            while (j + 1 < n && s[j + 1] == s[i])
                ++j;
            const double t = j - i + 1;
            empates += t * t * t - t;
            i = j + 1;
        }
    }
    const double media = m * (n + 1) / 2.0;
    double S = 0;
    for (double r : somas)
        S += (r - media) * (r - media);
    const double denominador = double(m) * m * (double(n) * n * n - n) - m * empates;
    if (denominador <= 0)
        return k; // every ranking ties every factor
    k.calculado = true;
    k.W = 12 * S / denominador;
    k.grausLiberdade = n - 1;
    k.quiQuadrado = m * (n - 1) * k.W;
    k.p = quiQuadradoCauda(k.quiQuadrado, k.grausLiberdade);
    return k;
}

double quiQuadradoCauda(double x, int graus)
{
    if (graus <= 0)
        return 0;
    if (x <= 0)
        return 1;
    // The regularised upper incomplete gamma Q(a, y), a = graus/2, y = x/2:
    // below a + 1 its series converges fast (P, then 1 - P), above it the
    // continued fraction does.
    const double a = graus / 2.0;
    const double y = x / 2.0;
    const double lnPrefixo = a * std::log(y) - y - std::lgamma(a);
    if (y < a + 1) {
        double termo = 1 / a;
        double soma = termo;
        for (int i = 1; i < 1000; ++i) {
            termo *= y / (a + i);
            soma += termo;
            if (std::abs(termo) < std::abs(soma) * 1e-16)
                break;
        }
        return std::clamp(1 - soma * std::exp(lnPrefixo), 0.0, 1.0);
    }
    // Lentz's method for the fraction 1/(y+1-a- 1(1-a)/(y+3-a- 2(2-a)/(y+5-a- ...))).
    const double minimo = 1e-300;
    double b = y + 1 - a;
    double c = 1 / minimo;
    double d = 1 / b;
    double h = d;
    for (int i = 1; i < 1000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::abs(d) < minimo)
            d = minimo;
        c = b + an / c;
        if (std::abs(c) < minimo)
            c = minimo;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::abs(delta - 1) < 1e-16)
            break;
    }
    return std::clamp(std::exp(lnPrefixo) * h, 0.0, 1.0);
}

ResumoEquipe::Concordancia concordancia(const Kendall& k)
{
    using C = ResumoEquipe::Concordancia;
    if (!k.calculado)
        return C::SemW;
    // W is a ratio of sums of squares: 0.7 can come out a hair below.
    constexpr double folga = 1e-12;
    return k.W >= 0.7 - folga ? C::Forte : k.W >= 0.3 - folga ? C::Moderada : C::Fraca;
}

QString frase(ResumoEquipe::Concordancia c)
{
    switch (c) {
    case ResumoEquipe::Concordancia::Forte:
        return QCoreApplication::translate("Equipe", "Os membros concordam fortemente na ordem dos fatores.");
    case ResumoEquipe::Concordancia::Moderada:
        return QCoreApplication::translate("Equipe", "Os membros concordam moderadamente na ordem dos fatores.");
    case ResumoEquipe::Concordancia::Fraca:
        return QCoreApplication::translate("Equipe", "Os membros concordam pouco na ordem dos fatores.");
    case ResumoEquipe::Concordancia::SemW: break;
    }
    return QCoreApplication::translate("Equipe", "A concordância pede ao menos dois membros cuja matriz possa ser analisada.");
}

QString linhaW(const Kendall& k)
{
    if (!k.calculado)
        return QString();
    const QLocale l;
    const QString p = k.p < 0.001 ? QStringLiteral("< ") + l.toString(0.001, 'f', 3) : QStringLiteral("= ") + l.toString(k.p, 'f', 3);
    return QCoreApplication::translate("Equipe", "W de Kendall = %1; qui-quadrado = %2 com %3 graus de liberdade; p %4")
        .arg(l.toString(k.W, 'f', 3), l.toString(k.quiQuadrado, 'f', 3), QString::number(k.grausLiberdade), p);
}

QString textoNivel(int nivel)
{
    return nivel == kSemNivel ? QString() : Regional::numberText(valor(nivel));
}

int Resultado::nivel(int linha, int coluna) const
{
    return niveis.value(linha * n + coluna, kSemNivel);
}

QVector<Par> Resultado::paresADiscutir() const
{
    QVector<Par> d;
    for (const Par& p : pares)
        if (p.dispersao >= kDispersaoADiscutir)
            d << p;
    return d;
}

namespace {
Analise::Matriz matrizDe(const QStringList& fatores, const QVector<int>& niveis)
{
    const int n = int(fatores.size());
    Analise::Matriz m(n);
    for (int i = 0; i < n; ++i) {
        m.nomes[i] = fatores[i];
        for (int j = 0; j < n; ++j)
            if (niveis[i * n + j] != kSemNivel)
                m.definir(i, j, valor(niveis[i * n + j]));
    }
    return m;
}
} // namespace

Resultado combinar(const QStringList& fatores, const QVector<Membro>& membros, bool robustez)
{
    Resultado r;
    const int n = int(fatores.size());
    const int m = int(membros.size());
    r.n = n;
    QVector<int>& equipe = r.niveis;
    equipe.fill(kSemNivel, n * n);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            Par p{i, j, QVector<int>(m, kSemNivel)};
            int menor = 99, maior = -99;
            for (int k = 0; k < m; ++k) {
                const int v = membros[k].niveis.value(i * n + j, kSemNivel);
                p.niveis[k] = v;
                if (v != kSemNivel) {
                    menor = std::min(menor, v);
                    maior = std::max(maior, v);
                }
            }
            p.nivel = mediana(p.niveis);
            if (p.nivel == kSemNivel) {
                p.dispersao = -1; // nobody judged it: it stays empty, after every judged pair
                r.pares << p;
                continue;
            }
            // The median of mirrored levels is the mirrored median (halves go
            // toward 0 on both sides), so the team matrix stays reciprocal.
            equipe[i * n + j] = p.nivel;
            equipe[j * n + i] = -p.nivel;
            p.dispersao = maior - menor;
            r.pares << p;
        }
    std::stable_sort(r.pares.begin(), r.pares.end(), [](const Par& a, const Par& b) { return a.dispersao > b.dispersao; });

    r.matriz = matrizDe(fatores, equipe);
    r.analise = Analise::analisar(r.matriz);

    QVector<QVector<double>> rankings;
    for (int k = 0; k < m; ++k) {
        MembroAnalisado a;
        a.analise = Analise::analisar(matrizDe(fatores, membros[k].niveis));
        if (n < 2 || !a.analise.completo()) {
            r.foraDoW << k;
        } else {
            a.raiz = a.analise.ranking().last().numero - 1;
            QVector<qint64> emachs;
            for (const Analise::Fator& f : a.analise.fatores)
                emachs << Emach::moeda(f.emach);
            rankings << postos(emachs);
        }
        r.membros << a;
    }
    r.kendall = kendall(rankings);
    if (robustez)
        r.robustez = Robustez::avaliar(r.matriz);
    return r;
}

CasoCsv::Caso caso(const Resultado& r, const QStringList& fatores)
{
    CasoCsv::Caso c;
    c.fatores = fatores;
    c.valores.resize(r.n * r.n);
    for (int i = 0; i < r.n; ++i)
        for (int j = 0; j < r.n; ++j)
            c.valores[i * r.n + j] = i == j ? 0 : valor(r.nivel(i, j));
    return c;
}

ResumoEquipe resumo(const Resultado& r, const QStringList& fatores, const QStringList& nomesMembros)
{
    ResumoEquipe s;
    s.membros = nomesMembros;
    for (int k : r.foraDoW)
        s.foraDoW << nomesMembros.value(k);
    s.concordancia = concordancia(r.kendall);
    s.W = r.kendall.W;
    s.quiQuadrado = r.kendall.quiQuadrado;
    s.grausLiberdade = r.kendall.grausLiberdade;
    s.p = r.kendall.p;
    for (const Par& p : r.paresADiscutir())
        s.paresADiscutir << ResumoEquipe::Par{p.linha, p.coluna, fatores.value(p.linha), fatores.value(p.coluna),
                                              p.niveis, p.nivel, p.dispersao};
    s.fatores = fatores;
    s.matriz = caso(r, fatores).valores;
    return s;
}

bool vigente(const ResumoEquipe& s, const Analise::Matriz& m)
{
    return s.mesmaMatriz(m.valores);
}

} // namespace Equipe
