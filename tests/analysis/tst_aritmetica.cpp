// The E-Mach arithmetic on numbers, without a window: hand-made matrices, and random ones against the old text path.
#include "analysis/Analise.h"
#include "store/Escala.h"
#include "store/Regional.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QtTest>
#include <cmath>

namespace {
using D = Emach::Desfecho;

// Upper triangle row by row (F1 x F2, F1 x F3, ...), the mirrors reciprocal.
Analise::Matriz matriz(int n, QList<double> acima)
{
    Analise::Matriz m(n);
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n && !acima.isEmpty(); ++b) {
            const double v = acima.takeFirst();
            m.definir(a, b, v);
            m.definir(b, a, v ? Regional::geral(1 / v) : 0);
        }
    return m;
}
const Analise::Matriz kExemplo = matriz(4, {5, 0.1, 0.1, 5, 1, 0.1});

// What the grid shows: outcome | row points | column points | NormH | NormV | E-Mach ("-" a cell left empty).
QString doCalculo(const Emach::Calculo& c)
{
    QStringList l[5];
    for (int k = 0; k < c.n && c.temPontos(); ++k)
        for (int q = 0; q < 5; ++q) {
            const double v[] = {c.pontosLinha[k], c.pontosColuna[k], c.normH[k], c.normV[k], c.emach[k]};
            const bool escrito = q < 2 || (q == 2 && k < c.normHFeitas) || c.completo();
            l[q] << (!escrito ? u"-"_qs : q < 2 ? Regional::numberText(v[q]) : Regional::format00(v[q]));
        }
    QString s = QString::number(int(c.desfecho));
    for (const QStringList& x : l)
        s += u" | "_qs + x.join(u' ');
    return s;
}

// The text path as the Analyse button ran it on the grid: each quantity written as text in the locale, and every
// later step reading its operands back from those texts; extremes compared in four-decimal fixed point.
QString pelaEscrita(const QVector<QString>& celulas, int n)
{
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    auto ler = [&](const QString& t) {
        bool ok = false;
        const double v = l.toDouble(t.trimmed(), &ok);
        return ok && std::isfinite(v) ? v : 0.0;
    };
    auto dois = [&](double v) {
        const QString t = l.toString(v, 'f', 2), zero = l.toString(0.0, 'f', 2);
        return t == l.negativeSign() + zero ? zero : t;
    };
    auto moeda = [&](const QString& t) { return std::nearbyint(ler(t) * 10000); };
    QVector<double> lido(n * n); // each cell's text read once, for the scale, its row and its column
    for (int k = 0; k < n * n; ++k) {
        lido[k] = celulas[k].isEmpty() ? 0 : ler(celulas[k]);
        if (!celulas[k].isEmpty() && !(lido[k] >= 0.1 && lido[k] <= 10))
            return QString::number(int(D::ForaDaEscala)) + u" |  |  |  |  | "_qs;
    }
    QStringList t[5] = {{}, {}, QStringList(n, u"-"_qs), QStringList(n, u"-"_qs), QStringList(n, u"-"_qs)};
    for (int r = 0; r < n; ++r) {
        double linha = 0, coluna = 0;
        for (int c = 0; c < n; ++c)
            linha += lido[r * n + c], coluna += lido[c * n + r];
        t[0] << (linha == 0 ? u"0"_qs : l.toString(linha, 'g', 15));
        t[1] << (coluna == 0 ? u"0"_qs : l.toString(coluna, 'g', 15));
    }
    QString maior[2] = {t[0][0], t[1][0]}, menor[2] = {t[0][0], t[1][0]};
    for (int k = 1; k < n; ++k)
        for (int q : {0, 1}) {
            maior[q] = moeda(t[q][k]) > moeda(maior[q]) ? t[q][k] : maior[q];
            menor[q] = moeda(t[q][k]) < moeda(menor[q]) ? t[q][k] : menor[q];
        }
    D d = D::Completo;
    for (int r = 0; r < n && d == D::Completo; ++r) {
        if (ler(maior[0]) - ler(menor[0]) == 0) {
            d = D::LinhasIguais;
            break;
        }
        t[2][r] = dois(((ler(t[0][r]) - ler(menor[0])) / (ler(maior[0]) - ler(menor[0]))) * 5);
        if (ler(maior[1]) - ler(menor[1]) == 0)
            d = D::ColunasIguais;
        else
            t[3][r] = dois((5 * (ler(t[1][r]) - ler(menor[1]))) / (ler(maior[1]) - ler(menor[1])));
    }
    for (int r = 0; r < n && d == D::Completo; ++r)
        t[4][r] = dois(ler(t[3][r]) / (ler(t[2][r]) + 1) - 1);
    if (d != D::Completo)
        t[3] = t[4] = QStringList(n, u"-"_qs);
    QString s = QString::number(int(d));
    for (const QStringList& x : t)
        s += u" | "_qs + x.join(u' ');
    return s;
}

// Values another tool may have stored between the levels, some on or next to a rounding point, some off the scale.
const double kEstranhos[] = {1.000030517578125, 2.675, 1.005, 0.125, 0.375, 3.14159265358979, 0.333333333333333,
                             9.99999999999999, 0.1000000000000001, 7.77, 4.4445, 5.00001, 4.99999, 11, 0.05};
} // namespace

class TstAritmetica : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(u"en_US"_qs)); }

    void roundingOrderExtremesAndRefusal()
    {
        // F1: NormV 5.00, row points 1.6456 of 0..10 give NormH 0.8228 shown as 0.82; E-Mach reads it as shown:
        // 5.00 / 1.82 - 1 = 1.75 (not 1.74).
        Emach::Calculo c;
        Analise::Matriz m(4);
        for (const auto& [i, j, v] : {std::tuple{0, 1, 1.6456}, {2, 0, 10.0}, {3, 0, 5.0}})
            m.definir(i, j, v);
        QCOMPARE(Emach::calcular(m, c), D::Completo);
        QCOMPARE(QList<double>({c.normH[0], c.emach[0], c.normV[0], c.emach[2]}), QList<double>({0.82, 1.75, 5, -1}));

        // Extremes in fixed point: row sums 10.00001 and 10 are equal there, so the first stays the maximum, and
        // factor 3's 0.25 of it is 0.12 or 0.13 by which one came first.
        for (const auto& [primeira, segunda, normH] : {std::tuple{5.00001, 5.0, "0.12"}, {5.0, 5.00001, "0.13"}}) {
            m = Analise::Matriz(4);
            for (const auto& [i, j, v] : {std::tuple{0, 1, primeira}, {0, 2, 5.0}, {1, 0, segunda}, {1, 2, 5.0}, {2, 3, 0.25}})
                m.definir(i, j, v);
            QCOMPARE(Emach::calcular(m, c), D::Completo);
            QCOMPARE(Regional::format00(c.normH[2]), QString::fromLatin1(normH));
        }

        // Off the scale: nothing computed, the first such cell named; the map and the export refuse it as well.
        m = kExemplo;
        m.definir(2, 3, 10.5);
        m.definir(3, 1, 0.05);
        QCOMPARE(Emach::calcular(m, c), D::ForaDaEscala);
        QVERIFY(c.foraDaEscala == QPoint(2, 3) && !c.temPontos() && !Analise::analisar(m).completo());
    }

    // 100 000 random matrices, a third in each of three locales (decimal comma, point, and Arabic digits with their
    // own separator): every figure the numbers give reads as the text path's, refusals included.
    void equalToTheTextPath()
    {
        const int total = qEnvironmentVariableIntValue("KV_ARITMETICA_MATRIZES") > 0
            ? qEnvironmentVariableIntValue("KV_ARITMETICA_MATRIZES") : 100000;
        QMap<int, int> vistos;
        QRandomGenerator sorte(20240611);
        for (const char* local : {"pt_BR", "en_US", "ar_EG"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(local)));
            QHash<double, QString> escritos; // the few values a matrix repeats, written once
            for (int i = 0; i < (total + 2) / 3; ++i) {
                // Kinds: full, partial, not reciprocal (sometimes one side only), all "the same", values between the
                // levels or off the scale, values of four decimals, equal columns, untouched.
                const int n = 4 + int(sorte.bounded(22)), tipo = int(sorte.bounded(8));
                QVector<double> brutos(n * n, 0.0);
                auto nivel = [&] { return Escala::kValores[sorte.bounded(Escala::kNiveis)]; };
                for (int a = 0; a < n && tipo < 6; ++a)
                    for (int b = a + 1; b < n; ++b) {
                        double x = tipo == 3 ? 1 : nivel(), y = 1 / x;
                        if (tipo == 1 && sorte.bounded(3) == 0)
                            x = y = 0;
                        if (tipo == 2)
                            y = sorte.bounded(4) ? nivel() : 0;
                        if (tipo == 4 && sorte.bounded(6) == 0)
                            x = kEstranhos[sorte.bounded(int(std::size(kEstranhos)))];
                        if (tipo == 5 && sorte.bounded(10) == 0)
                            x = std::round((0.1 + sorte.bounded(9.9)) * 1e4) / 1e4;
                        brutos[a * n + b] = x;
                        brutos[b * n + a] = y;
                    }
                for (int k = 1; k < n && tipo == 6; ++k)
                    brutos[k] = brutos[n] = 1;

                // The cells as loading writes them, and the numbers the model holds.
                Analise::Matriz m(n);
                QVector<QString> textos(n * n);
                for (int k = 0; k < n * n; ++k) {
                    if (brutos[k] <= 0)
                        continue;
                    auto t = escritos.find(brutos[k]);
                    if (t == escritos.end()) {
                        t = escritos.insert(brutos[k], Regional::numberText(brutos[k]));
                        QCOMPARE(Regional::numberText(Regional::geral(brutos[k])), *t);
                    }
                    textos[k] = *t;
                    m.valores[k] = Regional::geral(brutos[k]);
                }
                Emach::Calculo c;
                Emach::calcular(m, c);
                if (const QString velho = pelaEscrita(textos, n); doCalculo(c) != velho)
                    QFAIL(qPrintable(u"matrix %1 (kind %2) in %3:\n%4\n%5"_qs.arg(i).arg(tipo).arg(local, doCalculo(c), velho)));
                ++vistos[int(c.desfecho)];
            }
        }
        QCOMPARE(vistos.size(), 4); // every outcome met, each many times
        QVERIFY(*std::min_element(vistos.begin(), vistos.end()) > total / 50);
    }
};

QTEST_GUILESS_MAIN(TstAritmetica)
#include "tst_aritmetica.moc"
