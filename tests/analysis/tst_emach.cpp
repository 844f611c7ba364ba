#include "analysis/Emach.h"

#include <QLocale>
#include <QtTest>

namespace {
// A 4 x 4 matrix (row by row, the diagonal included) in a grid extended to
// 6 x 8; texts written with a point, stored in the locale under test.
TabelaTextos matriz(const QStringList& celulas)
{
    TabelaTextos g(6, 8);
    for (int i = 0; i < 16; ++i)
        g.escrever(i / 4, 1 + i % 4, QString(celulas[i]).replace(QLatin1Char('.'), QLocale().decimalPoint()));
    return g;
}

// Cells of a rectangle, row by row, with the point as separator.
QStringList celulas(const TabelaTextos& g, int r0, int c0, int r1, int c1)
{
    QStringList out;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            out << g.texto(r, c).replace(QLocale().decimalPoint(), QStringLiteral("."));
    return out;
}
} // namespace

class TstEmach : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void workedExample_data();
    void workedExample();
    void roundingOrderAndExtremes();
    void refusalsAndTheirMessages();
};

void TstEmach::workedExample_data()
{
    QTest::addColumn<QString>("localidade");
    QTest::newRow("decimal point") << QStringLiteral("en_US");
    QTest::newRow("decimal comma") << QStringLiteral("pt_BR");
}

void TstEmach::workedExample()
{
    QFETCH(QString, localidade);
    QLocale::setDefault(QLocale(localidade));
    TabelaTextos g = matriz({"", "5", "0.1", "0.1", "0.2", "", "5", "1", "10", "0.2", "", "0.1", "10", "1", "10", ""});
    QCOMPARE(Emach::calcular(g, 4), Emach::Desfecho::Completo);
    // Points to row, NormH and E-Mach of F1..F4.
    QCOMPARE(celulas(g, 0, 5, 3, 7), QStringList({"5.2", "0.00", "4.00", "6.2", "0.32", "0.00", "10.3", "1.61", "0.40", "21",
                                                  "5.00", "-1.00"}));
    // Points to column and NormV; the corner and the name column stay empty.
    QCOMPARE(celulas(g, 4, 0, 5, 7), QStringList({"", "20.2", "6.2", "15.1", "1.2", "", "", "", "", "5.00", "1.32", "3.66",
                                                  "0.00", "", "", ""}));
    QCOMPARE(celulas(g, 2, 1, 2, 4), QStringList({"10", "0.2", "", "0.1"}));
    // The texts carry the regional separator.
    const QString p = QLocale().decimalPoint();
    QCOMPARE(QStringList({g.texto(2, 5), g.texto(2, 6)}), QStringList({"10" + p + "3", "1" + p + "61"}));
}

void TstEmach::roundingOrderAndExtremes()
{
    // F1 has the largest column points (NormV 5.00) and row points 1.6456 of
    // 0..10: NormH 0.8228 shows as 0.82, and the E-Mach comes from the
    // displayed text: 5.00 / 1.82 - 1 = 1.75 (not 5 / 1.8228 - 1 = 1.74).
    TabelaTextos g = matriz({"", "1.6456", "", "", "", "", "", "", "10", "", "", "", "5", "", "", ""});
    QCOMPARE(Emach::calcular(g, 4), Emach::Desfecho::Completo);
    QCOMPARE(celulas(g, 0, 6, 0, 7), QStringList({"0.82", "1.75"}));
    QCOMPARE(g.texto(5, 1), QStringLiteral("5.00"));
    // The smallest column points give NormV 0.00 and E-Mach -1.00.
    QCOMPARE(celulas(g, 2, 7, 2, 7), QStringList({"-1.00"}));

    // Extremes compare numbers (as texts "9.5" > "21"); texts that are no
    // number count as 0.
    QCOMPARE(Emach::moeda(QStringLiteral("5.2")), 52000);
    QCOMPARE(Emach::moeda(QStringLiteral("-1.25")), -12500);
    g = matriz({"", "9.5", "x", "", "10.3", "", "", "", "", "", "", "21", "", "10", "n/a", ""});
    QCOMPARE(Emach::calcular(g, 4), Emach::Desfecho::Completo);
    QCOMPARE(celulas(g, 0, 5, 3, 6), QStringList({"9.5", "0.00", "10.3", "0.35", "21", "5.00", "10", "0.22"}));
    QCOMPARE(celulas(g, 4, 1, 5, 4), QStringList({"10.3", "19.5", "0", "21", "2.45", "4.64", "0.00", "5.00"}));
}

void TstEmach::refusalsAndTheirMessages()
{
    using D = Emach::Desfecho;
    // Untouched: every row sum 0, nothing normalised.
    TabelaTextos g = matriz(QStringList(16, QString()));
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

    const QString es = QString::fromUtf8("Rellenar completamente la hoja de cálculo antes de analizar");
    for (D d : {D::LinhasIguais, D::ColunasIguais}) {
        QCOMPARE(Emach::aviso(d, 1).titulo, QStringLiteral("Values incomplete"));
        QCOMPARE(Emach::aviso(d, 1).texto, QStringLiteral("Fully populate the spreadsheet before analyzing"));
        for (int idioma : {3, 0, 4}) {
            QCOMPARE(Emach::aviso(d, idioma).titulo, QStringLiteral("Valores incompletos!"));
            QCOMPARE(Emach::aviso(d, idioma).texto, QStringLiteral("Preencher totalmente a planilha antes de analizar"));
        }
    }
    QCOMPARE(Emach::aviso(D::LinhasIguais, 2).titulo, QStringLiteral("Valores incompleta!"));
    QCOMPARE(Emach::aviso(D::LinhasIguais, 2).texto, es);
    QCOMPARE(Emach::aviso(D::ColunasIguais, 2).titulo, QStringLiteral("Valores incompla!"));
    QCOMPARE(Emach::aviso(D::ColunasIguais, 2).texto, es + QLatin1Char(' '));
}

QTEST_MAIN(TstEmach)
#include "tst_emach.moc"
