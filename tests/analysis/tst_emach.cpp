#include "analysis/Analise.h"
#include "analysis/Emach.h"
#include "store/Tables.h"
#include "tests/support/Controles.h"
#include "tests/support/TestDb.h"

#include <QLocale>
#include <QtTest>

// The worked example in both locales runs through the screen in tst_frmdados.
namespace {
// A 4 x 4 matrix (row by row, the diagonal included) in a grid extended to 6 x 8.
TabelaTextos matriz(const QStringList& celulas)
{
    TabelaTextos g(6, 8);
    for (int i = 0; i < 16; ++i)
        g.escrever(i / 4, 1 + i % 4, celulas[i]);
    return g;
}

QStringList celulas(const TabelaTextos& g, int r0, int c0, int r1, int c1)
{
    QStringList out;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            out << g.texto(r, c);
    return out;
}
} // namespace

class TstEmach : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void roundingOrderAndExtremes()
    {
        // F1: NormV 5.00, row points 1.6456 of 0..10 give NormH 0.8228 shown as
        // 0.82; E-Mach reads the text back: 5.00 / 1.82 - 1 = 1.75 (not 1.74).
        TabelaTextos g = matriz({"", "1.6456", "", "", "", "", "", "", "10", "", "", "", "5", "", "", ""});
        QCOMPARE(Emach::calcular(g, 4), Emach::Desfecho::Completo);
        QCOMPARE(celulas(g, 0, 6, 0, 7) + celulas(g, 5, 1, 5, 1) + celulas(g, 2, 7, 2, 7), QStringList({"0.82", "1.75", "5.00", "-1.00"}));

        // Extremes compare fixed-point numbers (as texts "9.5" > "21"); a text
        // that is no number counts as 0.
        QCOMPARE(Emach::moeda(QStringLiteral("-1.25")), -12500);
        g = matriz({"", "9.5", "x", "", "10.3", "", "", "", "", "", "", "21", "", "10", "n/a", ""});
        QCOMPARE(Emach::calcular(g, 4), Emach::Desfecho::Completo);
        QCOMPARE(celulas(g, 0, 5, 3, 6), QStringList({"9.5", "0.00", "10.3", "0.35", "21", "5.00", "10", "0.22"}));
        QCOMPARE(celulas(g, 4, 1, 5, 4), QStringList({"10.3", "19.5", "0", "21", "2.45", "4.64", "0.00", "5.00"}));
    }

    void refusalsAndTheirMessages()
    {
        using D = Emach::Desfecho;
        // Untouched: every row sum 0, nothing normalised.
        TabelaTextos g = matriz(QStringList(16));
        QCOMPARE(Emach::calcular(g, 4), D::LinhasIguais);
        QCOMPARE(celulas(g, 0, 5, 3, 7), QStringList({"0", "", "", "0", "", "", "0", "", "", "0", "", ""}));
        // All "the same": every sum n - 1.
        g = matriz({"", "1", "1", "1", "1", "", "1", "1", "1", "1", "", "1", "1", "1", "1", ""});
        QCOMPARE(Emach::calcular(g, 4), D::LinhasIguais);
        QCOMPARE(celulas(g, 4, 1, 4, 4), QStringList({"3", "3", "3", "3"}));
        // Equal columns, unequal rows: refused once NormH of row 0 is written.
        g = matriz({"", "1", "1", "1", "1", "", "", "", "", "", "", "", "", "", "", ""});
        QCOMPARE(Emach::calcular(g, 4), D::ColunasIguais);
        QCOMPARE(celulas(g, 0, 6, 3, 6) + celulas(g, 5, 1, 5, 4), QStringList({"5.00", "", "", "", "", "", "", ""}));

        // Title and text per language; any language but 1 and 2 is Portuguese.
        const QString en = QStringLiteral("Values incomplete|Fully populate the spreadsheet before analyzing");
        const QString pt = QStringLiteral("Valores incompletos!|Preencher totalmente a planilha antes de analizar");
        const QString es = QString::fromUtf8("|Rellenar completamente la hoja de cálculo antes de analizar");
        for (D d : {D::LinhasIguais, D::ColunasIguais})
            for (int idioma : {0, 1, 2, 3, 4}) {
                const Emach::Aviso a = Emach::aviso(d, idioma);
                const QString esperado = idioma == 1 ? en : idioma != 2 ? pt
                                       : d == D::LinhasIguais ? "Valores incompleta!" + es : "Valores incompla!" + es + u' ';
                QCOMPARE(a.titulo + u'|' + a.texto, esperado);
            }
    }

    void storedCaseRankedAsTheResultScreen()
    {
        // Stored in case 2 (row factor against column factor), the three last
        // factors tie at the top; the third row's name is Null.
        const QList<QList<double>> m = {{0, 10, 10, 10}, {0.1, 0, 1, 1}, {0.1, 1, 0, 1}, {0.1, 1, 1, 0}};
        TestDb db;
        db.setCase(2, "Bomba", "Falha", 4);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                db.exec(QStringLiteral("UPDATE Eventos2 SET %1 = ?, Evento = ? WHERE Numero = ?").arg(Tables::campoMatriz(c + 1)),
                        {m[r][c] == 0 ? QVariant() : m[r][c], r == 2 ? QVariant() : QVariant("F" + QString::number(r + 1)), r + 1});
        const Analise::Caso caso = Analise::lerCaso(db.estado().BancoDados, 2);
        QVERIFY(caso.encontrado);
        QCOMPARE(caso.matriz.nome(2) + u'|' + caso.matriz.celula(1, 0), QStringLiteral("vago|0.1"));
        const Analise::Resultado res = Analise::analisar(caso.matriz);
        QVERIFY(res.completo());
        QStringList ordem;
        for (const Analise::Fator& f : res.ranking()) {
            ordem << QString::number(f.numero) + u' ' + f.emach;
            db.exec("UPDATE Eventos2 SET emach = ? WHERE Numero = ?", {f.valorEmach(), f.numero});
        }
        QCOMPARE(ordem, QStringList({"2 4.00", "3 4.00", "4 4.00", "1 -1.00"}));
        // The same order as the result screen's query, ties included.
        QStringList consulta;
        for (const QVariantList& l : db.linhas(Tables::consultaRanking(2, 4)))
            consulta << l[0].toString();
        QCOMPARE(consulta, QStringList({"2", "3", "4", "1"}));

        // Rows another tool deleted are told apart; a number with no case is not found.
        db.setCase(3, "Vazio", QVariant(), 4);
        db.exec("DELETE FROM Eventos3 WHERE Numero > 2");
        const Analise::Caso curto = Analise::lerCaso(db.estado().BancoDados, 3);
        QCOMPARE(QList<int>({curto.qtde, curto.linhasLidas}), QList<int>({4, 2}));
        QVERIFY(!Analise::lerCaso(db.estado().BancoDados, 11).encontrado);
    }
};

QTEST_MAIN(TstEmach)
#include "tst_emach.moc"
