// Consistency (circular triads, zeta) and robustness of the root cause on
// hand-made matrices whose answers are known.
#include "analysis/Consistencia.h"
#include "analysis/Robustez.h"
#include "results/Mapa.h"
#include "store/Regional.h"

#include "tests/support/Controles.h"

#include <QLocale>
#include <QtTest>

namespace {

// n factors "F1".."Fn"; each judgement {row, column, value} fills the cell and
// its reciprocal mirror, as the matrix screen records a pair.
Analise::Matriz matriz(int n, const QList<std::tuple<int, int, double>>& juizos)
{
    Analise::Matriz m(n);
    for (int i = 0; i < n; ++i)
        m.nomes[i] = u("F") + QString::number(i + 1);
    for (const auto& [i, j, v] : juizos) {
        m.definir(i, j, QLocale().toString(v));
        m.definir(j, i, QLocale().toString(1 / v));
    }
    return m;
}

// Every pair judged: i over j (10) when dom(i, j), j over i (0.1) when
// dom(j, i), "the same" (1) otherwise.
template <typename F>
Analise::Matriz torneio(int n, F dom)
{
    QList<std::tuple<int, int, double>> j;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            j.append({a, b, dom(a, b) ? 10.0 : dom(b, a) ? 0.1 : 1.0});
    return matriz(n, j);
}

// The worked example.
const Analise::Matriz kExemplo = matriz(4, {{0, 1, 5}, {0, 2, 0.1}, {0, 3, 0.1}, {1, 2, 5}, {1, 3, 1}, {2, 3, 0.1}});
} // namespace

class TstFirmeza : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(u("en_US"))); }

    void triadesEZeta()
    {
        // A transitive order, a 3-cycle with an undirected fourth factor, the
        // regular tournament of 5 (every factor over the next two), and two
        // 3-cycles of which one group is over the other.
        auto ciclo = [](int a, int b) { return (b - a + 5) % 5 <= 2; };
        auto grupos = [](int a, int b) { return a / 3 != b / 3 ? a / 3 < b / 3 : (b - a + 3) % 3 == 1; };
        const struct { Analise::Matriz m; long long d, dMax; const char* zeta; int dirigidos, semDirecao; } casos[] = {
            {torneio(4, [](int a, int b) { return a < b; }), 0, 2, "1.00", 6, 0},
            {torneio(4, [](int a, int b) { return a < 3 && b < 3 && (b - a + 3) % 3 == 1; }), 1, 2, "0.50", 3, 3},
            {torneio(5, ciclo), 5, 5, "0.00", 10, 0},
            {torneio(6, grupos), 2, 8, "0.75", 15, 0},
        };
        for (const auto& c : casos) {
            const Consistencia::Resultado r = Consistencia::avaliar(c.m);
            QCOMPARE(r.d, c.d);
            QCOMPARE(r.dMax, c.dMax);
            QCOMPARE(Regional::format00(r.zeta), u(c.zeta));
            QCOMPARE(r.dirigidos, c.dirigidos);
            QCOMPARE(r.naoDirigidos, c.semDirecao);
            QCOMPARE(r.irregulares, 0);
        }
        QCOMPARE(QList<long long>({Consistencia::maximoTriades(24), Consistencia::maximoTriades(25)}), QList<long long>({572, 650}));
        const Consistencia::Triade t = Consistencia::avaliar(torneio(4, [](int a, int b) { return a < 3 && b < 3 && (b - a + 3) % 3 == 1; })).triades.value(0);
        QCOMPARE(QList<int>({t.a, t.b, t.c}), QList<int>({0, 1, 2}));

        // Pairs another tool stored without their reciprocal, or off the
        // scale, are counted apart; the cycle they would close is not counted.
        Analise::Matriz m = torneio(4, [](int a, int b) { return a < 3 && b < 3 && (b - a + 3) % 3 == 1; });
        m.definir(0, 2, u("10")); // F1 over F3 and F3 over F1 at once
        m.definir(1, 3, u("3"));
        m.definir(3, 1, u("0.33"));
        m.definir(0, 3, QString());
        const Consistencia::Resultado r = Consistencia::avaliar(m);
        QCOMPARE(r.d, 0);
        QCOMPARE(r.irregulares, 3);
        QCOMPARE(Mapa::linhasConsistencia(r, m, 1).value(3), u("Pairs not reciprocal, left out of the count: 3 (F1 × F3, F1 × F4, F2 × F4)"));
    }

    void robustezDoExemplo()
    {
        // Worked out by hand pair by pair: of the 24 single changes to another
        // level (six pairs, four other levels each), 19 keep F4 the single lowest.
        const Robustez::Resultado r = Robustez::avaliar(kExemplo);
        QVERIFY(r.completo() && r.raizUnica);
        QCOMPARE(r.raiz, 3);
        QCOMPARE(r.proximo, 1);
        QCOMPARE(r.folga, u("1.00"));
        QCOMPARE(QList<int>({r.mantem, r.total, r.mudam}), QList<int>({19, 24, 5}));
        // One-step changes first: the distances never fall.
        for (int k = 1; k < r.mudancas.size(); ++k)
            QVERIFY(r.mudancas[k - 1].passos <= r.mudancas[k].passos);

        const struct { int idioma; const char* mantem; const char* primeira; } linhas[] = {
            {1, "The root cause F4 holds under 19 of 24 single changes (79.2 %)", "   F2 × F4: 1 → 10, 2 step(s): new root cause F2"},
            {2, "La causa raíz F4 se mantiene en 19 de 24 cambios de un juicio (79.2 %)", "   F2 × F4: 1 → 10, 2 paso(s): nueva causa raíz F2"},
            {3, "A causa raiz F4 se mantém em 19 de 24 mudanças de um julgamento (79.2 %)", "   F2 × F4: 1 → 10, 2 passo(s): nova causa raiz F2"},
        };
        for (const auto& l : linhas) {
            const QStringList t = Mapa::linhasRobustez(r, kExemplo, l.idioma);
            QCOMPARE(t.value(1), u(l.mantem));
            QCOMPARE(t.value(4), u(l.primeira));
        }
        QCOMPARE(Mapa::linhasConsistencia(Consistencia::avaliar(kExemplo), kExemplo, 3).mid(1),
                 QStringList({u("Tríades circulares: d = 1 de 2 possíveis; ζ = 0.50"), u("Pares sem direção (1 ou vazios): 1 de 6"),
                              u("Tríades a rever:"), u("   F1 > F2 > F3 > F1")}));
    }

    void empateERecusa()
    {
        // F1 and F2 over everyone and equal to each other: both at -1.00.
        const Analise::Matriz m = matriz(4, {{0, 1, 1}, {0, 2, 10}, {0, 3, 10}, {1, 2, 10}, {1, 3, 10}, {2, 3, 5}});
        const Robustez::Resultado r = Robustez::avaliar(m);
        QVERIFY(!r.raizUnica);
        QCOMPARE(r.raiz, 1); // the result screen's last
        QCOMPARE(r.folga, u("0.00"));
        QCOMPARE(Mapa::linhasRobustez(r, m, 1).value(2), u("Tie at the lowest E-Mach: no single root cause"));

        // Untouched: the Analyse button's refusal instead of figures.
        const Analise::Matriz vazia = matriz(4, {});
        QCOMPARE(Mapa::linhasRobustez(Robustez::avaliar(vazia), vazia, 2),
                 QStringList({u("Valores incompleta!"), u("Rellenar completamente la hoja de cálculo antes de analizar")}));
    }
};

QTEST_MAIN(TstFirmeza)
#include "tst_firmeza.moc"
