// A stored case read by the one loader and ranked as the result screen ranks it; consistency and robustness with the
// map's texts and the verdicts.
#include "analysis/Analise.h"
#include "analysis/Consistencia.h"
#include "analysis/Emach.h"
#include "analysis/Robustez.h"
#include "analysis/Veredito.h"
#include "shell/Traducoes.h"
#include "store/Escala.h"
#include "store/Regional.h"
#include "store/Tables.h"
#include "tests/support/Controles.h"
#include "tests/support/TestDb.h"

#include <QLocale>
#include <QtTest>

namespace {
// n factors "F1".."Fn"; each judgement {row, column, value} fills the cell and its reciprocal mirror.
Analise::Matriz matriz(int n, const QList<std::tuple<int, int, double>>& juizos)
{
    Analise::Matriz m(n);
    for (int i = 0; i < n; ++i)
        m.nomes[i] = u("F") + QString::number(i + 1);
    for (const auto& [i, j, v] : juizos) {
        m.definir(i, j, v);
        m.definir(j, i, Regional::geral(1 / v));
    }
    return m;
}

// Every pair judged: i over j (10) when dom(i, j), j over i (0.1) when dom(j, i), "the same" (1) otherwise.
template <typename F>
Analise::Matriz torneio(int n, F dom)
{
    QList<std::tuple<int, int, double>> j;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            j.append({a, b, dom(a, b) ? 10.0 : dom(b, a) ? 0.1 : 1.0});
    return matriz(n, j);
}

// The same judgements seen from the other side: every cycle runs the other way.
Analise::Matriz transposta(const Analise::Matriz& m)
{
    Analise::Matriz t = m;
    for (int i = 0; i < m.n; ++i)
        for (int j = 0; j < m.n; ++j)
            t.definir(i, j, m.valor(j, i));
    return t;
}

// F1 > F2 > F3 > F1, F4 undirected; and the worked example.
bool ciclo3(int a, int b) { return a < 3 && b < 3 && (b - a + 3) % 3 == 1; }
const Analise::Matriz kExemplo = matriz(4, {{0, 1, 5}, {0, 2, 0.1}, {0, 3, 0.1}, {1, 2, 5}, {1, 3, 1}, {2, 3, 0.1}});
} // namespace

class TstEmach : public QObject {
    Q_OBJECT
private slots:
    // Each case starts in Portuguese, the language the texts are written in.
    void init() { Traducoes::aplicar(3); }

    void initTestCase() { QLocale::setDefault(QLocale(u("en_US"))); }

    void storedCaseRankedAsTheResultScreen()
    {
        // In case 2 (row factor against column factor) the last three tie at the top; the third name is Null.
        const QList<QList<double>> m = {{0, 10, 10, 10}, {0.1, 0, 1, 1}, {0.1, 1, 0, 1}, {0.1, 1, 1, 0}};
        TestDb db;
        db.setCase(2, "Bomba", "Falha", 4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                db.exec(QStringLiteral("UPDATE Eventos2 SET %1 = ?, Evento = ? WHERE Numero = ?").arg(Tables::campoMatriz(c + 1)),
                        {m[r][c] == 0 ? QVariant() : m[r][c], r == 2 ? QVariant() : QVariant("F" + QString::number(r + 1)), r + 1});
        const Analise::Caso caso = Analise::lerCaso(db.estado().BancoDados, 2);
        QCOMPARE(caso.matriz.nome(2) + u'|' + Regional::numberText(caso.matriz.valor(1, 0)), QStringLiteral("vago|0.1"));
        const Analise::Resultado res = Analise::analisar(caso.matriz);
        QVERIFY(caso.encontrado && res.completo());
        QStringList ordem;
        for (const Analise::Fator& f : res.ranking())
            ordem << QString::number(f.numero) + u' ' + Regional::format00(f.emach);
        QCOMPARE(ordem, QStringList({"2 4.00", "3 4.00", "4 4.00", "1 -1.00"})); // ties in factor order, as the screen shows them

        // Rows another tool deleted are told apart; a number with no case is not found.
        db.setCase(3, "Vazio", QVariant(), 4);
        db.exec("DELETE FROM Eventos3 WHERE Numero IN (2, 4)");
        const Analise::Caso curto = Analise::lerCaso(db.estado().BancoDados, 3);
        QCOMPARE(QList<int>({curto.qtde, curto.linhasLidas, curto.linhaFaltando}), QList<int>({4, 2, 2}));
        QVERIFY(!Analise::lerCaso(db.estado().BancoDados, 11).encontrado);

        // A count another tool stored as a fraction is read one way everywhere: halves to even, as "#0" does.
        db.exec("UPDATE Cases SET Qtde = 4.5 WHERE Numero = 3");
        QCOMPARE(QList<int>({Analise::lerCaso(db.estado().BancoDados, 3).qtde, Tables::fatores(5.5), Tables::fatores(u("24.7")),
                             Tables::fatores(u(" 7 ")), Tables::fatores(u("x")), Tables::fatores(QVariant())}),
                 QList<int>({4, 6, 25, 7, 0, 0}));
    }

    void triadesEZeta()
    {
        // A transitive order, a 3-cycle with an undirected fourth factor, the regular tournament of 5
        // (every factor over the next two), and two 3-cycles of which one group is over the other.
        auto ciclo = [](int a, int b) { return (b - a + 5) % 5 <= 2; };
        auto grupos = [](int a, int b) { return a / 3 != b / 3 ? a / 3 < b / 3 : (b - a + 3) % 3 == 1; };
        const struct { Analise::Matriz m; long long d, dMax; const char* zeta; int dirigidos, semDirecao; } casos[] = {
            {torneio(4, [](int a, int b) { return a < b; }), 0, 2, "1.00", 6, 0},
            {torneio(4, ciclo3), 1, 2, "0.50", 3, 3},
            {torneio(5, ciclo), 5, 5, "0.00", 10, 0},
            {torneio(6, grupos), 2, 8, "0.75", 15, 0},
        };
        // Each also transposed, so its cycles run against the factors' order.
        for (const auto& c : casos)
            for (const Analise::Matriz& m : {c.m, transposta(c.m)}) {
                const Consistencia::Resultado r = Consistencia::avaliar(m);
                QCOMPARE(QList<long long>({r.d, r.dMax, r.dirigidos, r.naoDirigidos, r.irregulares}),
                         QList<long long>({c.d, c.dMax, c.dirigidos, c.semDirecao, 0}));
                QCOMPARE(Regional::format00(r.zeta), u(c.zeta));
            }
        // The pairs of the two 3-cycles, either way round, in F8's order (row by row, wrapping) and back.
        for (const Analise::Matriz& m : {casos[3].m, transposta(casos[3].m)}) {
            const Consistencia::Resultado r = Consistencia::avaliar(m);
            QStringList ida;
            Consistencia::Par p{5, 5};
            for (int k = 0; k < 7; ++k) {
                p = Consistencia::proximaContradicao(r, p, false).value();
                ida << QStringLiteral("%1%2").arg(p.linha).arg(p.coluna);
            }
            QCOMPARE(ida.join(u(" ")), u("01 02 12 34 35 45 01"));
            const Consistencia::Par volta = Consistencia::proximaContradicao(r, {0, 1}, true).value();
            QCOMPARE(QList<int>({volta.linha, volta.coluna}), QList<int>({4, 5}));
        }
        QVERIFY(!Consistencia::proximaContradicao(Consistencia::avaliar(casos[0].m), {0, 1}, false));
        QCOMPARE(QList<long long>({Consistencia::maximoTriades(24), Consistencia::maximoTriades(25)}), QList<long long>({572, 650}));
        const Consistencia::Triade t = Consistencia::avaliar(torneio(4, ciclo3)).triades.value(0);
        QCOMPARE(QList<int>({t.a, t.b, t.c}), QList<int>({0, 1, 2}));
        // The worked example's one triad, and the same judgements seen from the other side.
        for (const auto& [e, triade] : {std::pair{kExemplo, "F1 > F2 > F3 > F1"}, {transposta(kExemplo), "F1 > F3 > F2 > F1"}})
            QCOMPARE(Veredito::linhasConsistencia(Consistencia::avaliar(e), e).mid(1),
                     QStringList({u("Tríades circulares: d = 1 de 2 possíveis; ζ = 0.50"), u("Pares sem direção (1 ou vazios): 1 de 6"),
                                  u("Tríades a rever:"), u("   ") + u(triade)}));

        // Pairs stored without their reciprocal, or off the scale, are counted apart; the cycle they would close is not.
        Analise::Matriz m = torneio(4, ciclo3);
        m.definir(0, 2, 10); // F1 over F3 and F3 over F1 at once
        m.definir(1, 3, 3);
        m.definir(3, 1, 0.33);
        m.definir(0, 3, 0);
        const Consistencia::Resultado r = Consistencia::avaliar(m);
        QCOMPARE(QList<long long>({r.d, r.irregulares}), QList<long long>({0, 3}));
        Traducoes::aplicar(1);
        QCOMPARE(Veredito::linhasConsistencia(r, m).value(3), u("Pairs not reciprocal, left out of the count: 3 (F1 × F3, F1 × F4, F2 × F4)"));
    }

    void robustezDoExemplo()
    {
        // By hand: of the 24 single changes to another level (six pairs, four others each), 19 keep F4 the single lowest.
        const Robustez::Resultado r = Robustez::avaliar(kExemplo);
        QVERIFY(r.completo() && r.raizUnica && r.folga == u("1.00"));
        QCOMPARE(QList<int>({r.raiz, r.proximo, r.mantem, r.total, r.mudam}), QList<int>({3, 1, 19, 24, 5}));

        const struct { int idioma; const char* mantem; const char* primeira; } linhas[] = {
            {1, "The root cause F4 holds under 19 of 24 single changes (79.2 %)", "   F2 × F4: 1 → 10, 2 step(s): new root cause F2"},
            {2, "La causa raíz F4 se mantiene en 19 de 24 cambios de un juicio (79.2 %)", "   F2 × F4: 1 → 10, 2 paso(s): nueva causa raíz F2"},
            {3, "A causa raiz F4 se mantém em 19 de 24 mudanças de um julgamento (79.2 %)", "   F2 × F4: 1 → 10, 2 passo(s): nova causa raiz F2"},
        };
        for (const auto& l : linhas) {
            Traducoes::aplicar(l.idioma);
            const QStringList t = Veredito::linhasRobustez(r, kExemplo);
            QCOMPARE(QStringList({t.value(1), t.value(4)}), QStringList({u(l.mantem), u(l.primeira)}));
        }
    }

    void vereditoDeConsistencia()
    {
        // Judged at random without "equal", every tournament of 4 and of 5 factors equally likely: the mean ζ.
        for (const int n : {4, 5}) {
            const int pares = n * (n - 1) / 2;
            double soma = 0;
            for (int bits = 0; bits < (1 << pares); ++bits) {
                auto dom = [&](int a, int b) {
                    const int i = std::min(a, b), j = std::max(a, b), par = i * n - i * (i + 1) / 2 + (j - i - 1);
                    return ((bits >> par) & 1) == (a < b);
                };
                soma += Consistencia::avaliar(torneio(n, dom)).zeta;
            }
            QCOMPARE(soma / (1 << pares), Veredito::zetaAoAcaso(n));
        }
        QCOMPARE(QList<double>({Veredito::zetaAoAcaso(8), Veredito::zetaAoAcaso(25)}), QList<double>({0.3, 3.0 / 26}));

        // 8 factors in order with some pairs turned round: d of 20 triads on each side of 0.9 and of 0.7.
        auto invertida = [](QList<QPair<int, int>> pares) {
            return torneio(8, [&](int a, int b) { return (a < b) != (pares.contains({a, b}) || pares.contains({b, a})); });
        };
        const QString acaso = u("; julgando ao acaso, seria 0.30 em média.");
        const struct { Analise::Matriz m; long long d; QString frase; } casos[] = {
            {invertida({{0, 3}}), 2, u("Julgamentos coerentes. ζ = 0.90") + acaso},
            {invertida({{0, 4}}), 3, u("Julgamentos com algumas contradições: reveja os pares indicados. ζ = 0.85") + acaso},
            {invertida({{0, 7}}), 6, u("Julgamentos com algumas contradições: reveja os pares indicados. ζ = 0.70") + acaso},
            {invertida({{0, 7}, {2, 4}}), 7, u("Julgamentos contraditórios: a ordem dos fatores não é confiável. ζ = 0.65") + acaso},
            // At the random mean or below: no better than chance.
            {torneio(4, ciclo3), 1, u("Julgamentos contraditórios: a ordem dos fatores não é confiável. A ordem se apoia em poucos "
                                      "julgamentos com direção: 3 de 6 pares. ζ = 0.50, não melhor do que julgar ao acaso (0.50 em média).")},
            // A third of the pairs without direction is still enough; one more is not, however high ζ.
            {torneio(6, [](int a, int b) { return a < b && a > 0; }), 0, u("Julgamentos coerentes. ζ = 1.00; julgando ao acaso, seria 0.38 em média.")},
            {torneio(6, [](int a, int b) { return a < b && a > 0 && a + b > 3; }), 0,
             u("A ordem se apoia em poucos julgamentos com direção: 9 de 15 pares. ζ = 1.00; julgando ao acaso, seria 0.38 em média.")},
        };
        for (const auto& c : casos) {
            const Consistencia::Resultado r = Consistencia::avaliar(c.m);
            QCOMPARE(r.d, c.d);
            QCOMPARE(Veredito::consistencia(r), c.frase);
        }
        // The edges on ζ as shown: 0.895 shows as 0.90 and is coherent.
        QCOMPARE(QList<int>({int(Veredito::faixa(0.8951)), int(Veredito::faixa(0.8949)), int(Veredito::faixa(0.6951)), int(Veredito::faixa(0.6949))}),
                 QList<int>({int(Veredito::Faixa::Coerente), int(Veredito::Faixa::Algumas), int(Veredito::Faixa::Algumas),
                             int(Veredito::Faixa::Contraditorio)}));
    }

    void vereditoDeFirmeza()
    {
        // Levels 0 to 4 (0.1 to 10) of the upper triangle, pair by pair.
        auto niveis = [](int n, const char* digitos) {
            QList<std::tuple<int, int, double>> j;
            for (int a = 0, k = 0; a < n; ++a)
                for (int b = a + 1; b < n; ++b)
                    j.append({a, b, Escala::kValores[digitos[k++] - '0']});
            return matriz(n, j);
        };
        const Analise::Matriz empate = matriz(4, {{0, 1, 1}, {0, 2, 10}, {0, 3, 10}, {1, 2, 10}, {1, 3, 10}, {2, 3, 5}});
        const struct { Analise::Matriz m; Veredito::Firmeza f; const char* frase; } casos[] = {
            {niveis(7, "044004304201012004214"), Veredito::Firmeza::Firme, "Causa raiz firme: nenhuma mudança de um só julgamento a tira de F6."},
            {niveis(4, "232331"), Veredito::Firmeza::Sensivel,
             "Causa raiz sensível: mudar o julgamento F1 × F2 de 1 para 5, um só passo, faz de F1 a causa raiz. Mudanças de um passo que a movem: 4."},
            {niveis(6, "034231344414010"), Veredito::Firmeza::Sensivel,
             "Causa raiz sensível: mudar o julgamento F2 × F3 de 0.2 para 0.1, um só passo, faz de F3 a causa raiz."},
            {empate, Veredito::Firmeza::Sensivel, "Causa raiz sensível: F1 e F2 empatam no menor E-Mach; não há uma causa raiz única."},
            {kExemplo, Veredito::Firmeza::Moderada,
             "Causa raiz moderada: nenhuma mudança de um passo a move; a menor que a move é F2 × F4 de 1 para 10 (2 passos), que faz de F2 a causa raiz."},
            {matriz(4, {{0, 1, 10}, {0, 2, 10}, {0, 3, 10}, {1, 2, 10}, {1, 3, 10}, {2, 3, 10}}), Veredito::Firmeza::Moderada,
             "Causa raiz moderada: nenhuma mudança de um passo a move; a menor que a move é F1 × F2 de 10 para 1 (2 passos), que deixa o menor E-Mach empatado."},
            {matriz(4, {}), Veredito::Firmeza::Recusada, ""},
        };
        for (const auto& c : casos) {
            const Robustez::Resultado r = Robustez::avaliar(c.m);
            QCOMPARE(int(Veredito::firmeza(r)), int(c.f));
            QCOMPARE(Veredito::firmeza(r, c.m), u(c.frase));
        }

        // F1 and F2 over everyone and equal to each other: both at -1.00.
        const Robustez::Resultado r = Robustez::avaliar(empate);
        QVERIFY(!r.raizUnica && r.folga == u("0.00"));
        QCOMPARE(r.raiz, 1); // the result screen's last
        Traducoes::aplicar(1);
        QCOMPARE(Veredito::linhasRobustez(r, empate).value(2), u("Tie at the lowest E-Mach: no single root cause"));
        // Untouched: the Analyse button's refusal instead of figures.
        const Analise::Matriz vazia = matriz(4, {});
        Traducoes::aplicar(2);
        QCOMPARE(Veredito::linhasRobustez(Robustez::avaliar(vazia), vazia),
                 QStringList({u("Valores incompleta!"), u("Rellenar completamente la hoja de cálculo antes de analizar")}));
    }
};

QTEST_MAIN(TstEmach)
#include "tst_emach.moc"
