// The team's combination of several members' matrices, worked out by hand.
#include "analysis/Equipe.h"
#include "store/Regional.h"
#include "tests/support/Controles.h"

#include <QLocale>
#include <QtTest>

namespace {
constexpr int V = Equipe::kSemNivel;

// A member of n factors from the upper triangle's levels, row by row; the mirror takes the opposite level.
Equipe::Membro membro(int n, const QList<int>& acima, const QString& nome = u("M"))
{
    Equipe::Membro m{nome, QVector<int>(n * n, V)};
    int k = 0;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j, ++k)
            if (acima.value(k, V) != V) {
                m.niveis[i * n + j] = acima[k];
                m.niveis[j * n + i] = -acima[k];
            }
    return m;
}

QStringList fatores(int n)
{
    QStringList f;
    for (int i = 1; i <= n; ++i)
        f << u("F%1").arg(i);
    return f;
}

// The team's upper triangle, row by row, "." for an empty pair.
QString acima(const Equipe::Resultado& r)
{
    QStringList l;
    for (int i = 0; i < r.n; ++i)
        for (int j = i + 1; j < r.n; ++j)
            l << (r.nivel(i, j) == V ? u(".") : QString::number(r.nivel(i, j)));
    return l.join(u' ');
}

QString emachs(const Analise::Resultado& a)
{
    QStringList l;
    for (const Analise::Fator& f : a.fatores)
        l << Regional::format00(f.emach);
    return l.join(u' ');
}

QString tres(double x) { return QString::number(x, 'f', 3); }

// The worked example: (F1,F2) 5, (F1,F3) 0.1, (F1,F4) 0.1, (F2,F3) 5, (F2,F4) 1, (F3,F4) 0.1.
const QList<int> kExemplo = {1, -2, -2, 1, 0, -2};
} // namespace

class TstEquipe : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void threeMembersOfTheWorkedExample()
    {
        // A and B judge as the worked example; C flips (F2,F3) from 5 to 0.2.
        QList<int> flip = kExemplo;
        flip[3] = -1;
        const Equipe::Resultado r = Equipe::combinar(fatores(4), {membro(4, kExemplo), membro(4, kExemplo), membro(4, flip)});
        // Medians: (F2,F3) of {1, 1, -1} is 1, every other pair as all three judged it:
        // the worked example again, E-Mach 4.00 0.00 0.40 -1.00.
        QCOMPARE(acima(r), u("1 -2 -2 1 0 -2"));
        QCOMPARE(emachs(r.analise), u("4.00 0.00 0.40 -1.00"));
        // Spread 2 on (F2,F3) alone; the rest follow in matrix order.
        QStringList ordem;
        for (const Equipe::Par& p : r.pares)
            ordem << u("%1%2:%3").arg(p.linha + 1).arg(p.coluna + 1).arg(p.dispersao);
        QCOMPARE(ordem.join(u' '), u("23:2 12:0 13:0 14:0 24:0 34:0"));
        QVERIFY(r.paresADiscutir().size() == 1 && r.paresADiscutir()[0].niveis == QVector<int>({1, 1, -1}));
        // C by hand: rows 5.2 1.4 15.1 21, columns 20.2 11 10.3 1.2; NormH 0.97 0.00 3.49 5.00,
        // NormV 5.00 2.58 2.39 0.00; E-Mach 5/1.97-1, 2.58/1-1, 2.39/4.49-1, 0/6-1.
        QCOMPARE(emachs(r.membros[2].analise), u("1.54 1.58 -0.47 -1.00"));
        QCOMPARE(QList<int>({r.membros[0].raiz, r.membros[1].raiz, r.membros[2].raiz}), QList<int>({3, 3, 3}));
        // Ranks (1 = highest E-Mach): A and B 1 3 2 4, C 2 1 3 4; sums 4 7 7 12 around 7.5:
        // S = 12.25 + 0.25 + 0.25 + 20.25 = 33, W = 12 S / (9 (64 - 4)) = 396/540 = 0.733,
        // chi-square 3 x 3 x W = 6.6 with 3 degrees of freedom, p = 0.086.
        QCOMPARE(tres(r.kendall.W) + u(" ") + tres(r.kendall.quiQuadrado) + u(" ") + QString::number(r.kendall.grausLiberdade)
                     + u(" ") + tres(r.kendall.p),
                 u("0.733 6.600 3 0.086"));
        QCOMPARE(Equipe::concordancia(r.kendall), ResumoEquipe::Concordancia::Forte);
        QVERIFY(r.robustez.completo() && r.robustez.raiz == 3);
        // What the case and the session keep: the team matrix as stored values.
        const CasoCsv::Caso c = Equipe::caso(r, fatores(4));
        QCOMPARE(c.valores, QVector<double>({0, 5, 0.1, 0.1, 0.2, 0, 5, 1, 10, 0.2, 0, 0.1, 10, 1, 10, 0}));
        const ResumoEquipe s = Equipe::resumo(r, fatores(4), {u("A"), u("B"), u("C")});
        QVERIFY(s.mesmaMatriz(c.valores));
        QVERIFY(s.paresADiscutir.size() == 1 && s.paresADiscutir[0].fatorLinha + s.paresADiscutir[0].fatorColuna == u("F2F3"));
    }

    void kendallAndChiSquare()
    {
        // Identical rankings agree fully.
        const Equipe::Kendall um = Equipe::kendall({{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}});
        QCOMPARE(tres(um.W) + u(" ") + tres(um.quiQuadrado) + u(" ") + tres(um.p), u("1.000 12.000 0.017"));
        // Three executives ranking six applicants, the classic of the nonparametric texts:
        // sums 8 14 11 11 11 8 around 10.5, S = 25.5, W = 306/1890 = 0.162, chi-square 2.429 (5 df), p = 0.787.
        const Equipe::Kendall e = Equipe::kendall({{1, 6, 3, 2, 5, 4}, {1, 5, 6, 4, 2, 3}, {6, 3, 2, 5, 4, 1}});
        QCOMPARE(tres(e.W) + u(" ") + tres(e.quiQuadrado) + u(" ") + tres(e.p), u("0.162 2.429 0.787"));
        // With ties: 1 2 3 4; 1 2.5 2.5 4; 2 1 3 4. Sums 4 5.5 8.5 12 around 7.5, S = 37.5; one pair
        // tied gives 2^3 - 2 = 6, so W = 450 / (9 x 60 - 3 x 6) = 450/522 = 0.862 (0.833 uncorrected),
        // chi-square 7.759 with 3 df, p = 0.051.
        const Equipe::Kendall t = Equipe::kendall({{1, 2, 3, 4}, {1, 2.5, 2.5, 4}, {2, 1, 3, 4}});
        QCOMPARE(tres(t.W) + u(" ") + tres(t.quiQuadrado) + u(" ") + tres(t.p), u("0.862 7.759 0.051"));
        // Ties take their mean place: E-Machs 4.00 0.00 0.00 -1.00 rank 1 2.5 2.5 4.
        QCOMPARE(Equipe::postos({400, 0, 0, -100}), QVector<double>({1, 2.5, 2.5, 4}));
        // Fewer than two rankings, or every factor tied in every ranking: no W.
        QVERIFY(!Equipe::kendall({{1, 2, 3, 4}}).calculado && !Equipe::kendall({{2.5, 2.5, 2.5, 2.5}, {2.5, 2.5, 2.5, 2.5}}).calculado);
        // The survival function against closed forms: 2 df is e^(-x/2); 1 df at 3.84 is the 5 % point;
        // both branches (series below a + 1, fraction above) and the far tail.
        QCOMPARE(QString::number(Equipe::quiQuadradoCauda(3, 2), 'g', 12), QString::number(std::exp(-1.5), 'g', 12));
        QCOMPARE(tres(Equipe::quiQuadradoCauda(3.84, 1)) + u(" ") + tres(Equipe::quiQuadradoCauda(20, 24)), u("0.050 0.697"));
        QCOMPARE(QString::number(Equipe::quiQuadradoCauda(100, 24), 'e', 3), u("3.004e-11"));
        QCOMPARE(Equipe::quiQuadradoCauda(0, 5), 1.0);
        // The bands' edges.
        using C = ResumoEquipe::Concordancia;
        auto banda = [](double w) { return Equipe::concordancia({true, w, 0, 1, 1}); };
        QCOMPARE(QList<C>({banda(0.7), banda(0.6999), banda(0.3), banda(0.2999)}), QList<C>({C::Forte, C::Moderada, C::Moderada, C::Fraca}));
    }

    void evenCountsEmptyPairsLeftOutAndMatching()
    {
        // Two members: 1.5 goes to 1, -1.5 to -1, -0.5 to 0; 2 and -2 meet at 0; a pair of one member
        // is that member's, spread 0; (F2,F4) is judged by nobody and stays empty.
        const Equipe::Resultado r
            = Equipe::combinar(fatores(4), {membro(4, {1, -2, -2, 2, V, 1}), membro(4, {2, -1, 1, -2, V, V})});
        QCOMPARE(acima(r), u("1 -1 0 0 . 1"));
        QCOMPARE(QList<double>({double(r.nivel(1, 0)), r.matriz.valor(2, 0), r.matriz.valor(3, 0), r.matriz.valor(3, 1)}), QList<double>({-1, 5, 1, 0}));
        QString ordem;
        for (const Equipe::Par& p : r.pares)
            ordem += u("%1%2:%3 ").arg(p.linha + 1).arg(p.coluna + 1).arg(p.dispersao);
        QCOMPARE(ordem, u("23:4 14:3 12:1 13:1 34:0 24:-1 "));
        // Four levels -2 -1 2 2: the middle two -1 and 2 give 0.5, which goes to 0.
        QCOMPARE(QList<int>({Equipe::mediana({2, -2, 2, -1}), Equipe::mediana({V, V})}), QList<int>({0, V}));
        // A member whose rows all sum alike cannot be analysed: named apart, out of W.
        const Equipe::Resultado f = Equipe::combinar(
            fatores(4), {membro(4, kExemplo), membro(4, {0, 0, 0, 0, 0, 0}), membro(4, kExemplo)});
        QVERIFY(f.foraDoW == QVector<int>({1}) && f.membros[1].raiz == -1);
        QCOMPARE(tres(f.kendall.W), u("1.000"));
        const ResumoEquipe s = Equipe::resumo(f, fatores(4), {u("A"), u("B"), u("C")});
        QCOMPARE(s.foraDoW, QStringList({u("B")}));
        // Left with one analysable member, there is no W at all.
        QCOMPARE(Equipe::concordancia(Equipe::combinar(fatores(4), {membro(4, kExemplo), membro(4, {})}).kendall),
                 ResumoEquipe::Concordancia::SemW);

        // Any order, blanks around the names ignored; the letters' case counts.
        const Equipe::Correspondencia c = Equipe::corresponder(fatores(4), {u(" F3"), u("F1 "), u("F4"), u("F2")});
        QVERIFY(c.confere() && c.posicao == QVector<int>({2, 0, 3, 1}));
        const Equipe::Correspondencia d = Equipe::corresponder(fatores(4), {u("F1"), u("f2"), u("F3"), u("F4"), u("F5")});
        QCOMPARE(d.faltam.join(u',') + u("|") + d.sobram.join(u','), u("F2|f2,F5"));
        // A name twice on one side is one missing on the other.
        QCOMPARE(Equipe::corresponder({u("A"), u("A"), u("B"), u("C")}, {u("A"), u("B"), u("C"), u("D")}).faltam, QStringList({u("A")}));
    }

    void twelveMembersOfTwentyFive()
    {
        // One base matrix; member k moves the pairs whose index is k modulo 12 by up to two levels.
        const int n = 25;
        QList<int> base;
        unsigned s = 7;
        for (int k = 0; k < n * (n - 1) / 2; ++k) {
            s = s * 1103515245u + 12345u;
            base << int((s >> 16) % 5) - 2;
        }
        QVector<Equipe::Membro> ms;
        for (int k = 0; k < 12; ++k) {
            QList<int> l = base;
            for (int p = k; p < l.size(); p += 12)
                l[p] = std::clamp(l[p] + (k % 2 ? 2 : -2), -2, 2);
            ms << membro(n, l, u("M%1").arg(k + 1));
        }
        const Equipe::Resultado r = Equipe::combinar(fatores(n), ms);
        // Each pair moved by one member only: 11 against 1 keeps the base level.
        QCOMPARE(acima(r), acima(Equipe::combinar(fatores(n), {membro(n, base), membro(n, base)}, false)));
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                QCOMPARE(r.nivel(i, j), i == j ? V : -r.nivel(j, i));
        QCOMPARE(r.pares.size(), 300);
        for (int k = 1; k < r.pares.size(); ++k) {
            const Equipe::Par& a = r.pares[k - 1];
            const Equipe::Par& b = r.pares[k];
            QVERIFY(a.dispersao > b.dispersao || (a.dispersao == b.dispersao && a.linha * n + a.coluna < b.linha * n + b.coluna));
        }
        QVERIFY(r.analise.completo() && r.robustez.completo());
        QCOMPARE(QList<int>({r.robustez.total, r.kendall.grausLiberdade}), QList<int>({1200, 24}));
        QCOMPARE(r.kendall.quiQuadrado, 12 * 24 * r.kendall.W);
        QVERIFY(r.kendall.W > 0.3 && r.kendall.W <= 1);
    }
};

QTEST_GUILESS_MAIN(TstEquipe)
#include "tst_equipe.moc"
