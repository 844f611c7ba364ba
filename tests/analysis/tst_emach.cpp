#include "analysis/Emach.h"

#include <QLocale>
#include <QtTest>

namespace {
// Texts are written with a point and shown in the locale under test.
QString loc(const char* texto)
{
    QString t = QString::fromLatin1(texto);
    return t.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// An n x n matrix in a grid extended to n+2 rows and n+4 columns; cells
// given row by row, "" for empty, the diagonal included.
TabelaTextos matriz(int n, const QList<QStringList>& linhas)
{
    TabelaTextos g(n + 2, n + 4);
    for (int r = 0; r < n; ++r)
        for (int c = 1; c <= n; ++c)
            g.escrever(r, c, loc(qPrintable(linhas[r][c - 1])));
    return g;
}

// The worked example: F1..F4, judgements above the diagonal, mirrors below.
TabelaTextos exemplo()
{
    return matriz(4, {{"", "5", "0.1", "0.1"},
                      {"0.2", "", "5", "1"},
                      {"10", "0.2", "", "0.1"},
                      {"10", "1", "10", ""}});
}

QStringList coluna(const TabelaTextos& g, int c, int de, int ate)
{
    QStringList out;
    for (int r = de; r <= ate; ++r)
        out << g.texto(r, c);
    return out;
}

QStringList linha(const TabelaTextos& g, int r, int de, int ate)
{
    QStringList out;
    for (int c = de; c <= ate; ++c)
        out << g.texto(r, c);
    return out;
}

QStringList locs(std::initializer_list<const char*> textos)
{
    QStringList out;
    for (const char* t : textos)
        out << loc(t);
    return out;
}
} // namespace

class TstEmach : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void workedExample_data();
    void workedExample();
    void emachComesFromTheDisplayedNormalisations();
    void extremesCompareNumbersNotTexts();
    void refusals_data();
    void refusals();
    void partlyFilledAndForeignTexts();
    void refusalMessages();
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
    TabelaTextos g = exemplo();
    QCOMPARE(Emach::calcular(g, 4), Emach::Desfecho::Completo);

    QCOMPARE(coluna(g, 5, 0, 3), locs({"5.2", "6.2", "10.3", "21"}));
    QCOMPARE(coluna(g, 6, 0, 3), locs({"0.00", "0.32", "1.61", "5.00"}));
    QCOMPARE(coluna(g, 7, 0, 3), locs({"4.00", "0.00", "0.40", "-1.00"}));
    QCOMPARE(linha(g, 4, 1, 4), locs({"20.2", "6.2", "15.1", "1.2"}));
    QCOMPARE(linha(g, 5, 1, 4), locs({"5.00", "1.32", "3.66", "0.00"}));
    // The corner below the result columns and the name column stay empty;
    // the matrix is untouched.
    QCOMPARE(linha(g, 4, 5, 7), QStringList({"", "", ""}));
    QCOMPARE(linha(g, 5, 5, 7), QStringList({"", "", ""}));
    QCOMPARE(coluna(g, 0, 0, 5), QStringList({"", "", "", "", "", ""}));
    QCOMPARE(linha(g, 2, 1, 4), locs({"10", "0.2", "", "0.1"}));
}

void TstEmach::emachComesFromTheDisplayedNormalisations()
{
    // F1 has the largest column points (NormV 5.00) and row points 1.6456 of
    // 0..10, so its unrounded NormH is 0.8228: shown 0.82, E-Mach 5/1.82 - 1.
    TabelaTextos g = matriz(4, {{"", "1.6456", "", ""},
                                {"", "", "", ""},
                                {"10", "", "", ""},
                                {"5", "", "", ""}});
    QCOMPARE(Emach::calcular(g, 4), Emach::Desfecho::Completo);
    QCOMPARE(g.texto(0, 6), QStringLiteral("0.82"));
    QCOMPARE(g.texto(5, 1), QStringLiteral("5.00"));
    QCOMPARE(g.texto(0, 7), QStringLiteral("1.75"));
    // The smallest column points give NormV 0.00 and E-Mach -1.00 whatever
    // the row points (F3 has the largest).
    QCOMPARE(g.texto(5, 3), QStringLiteral("0.00"));
    QCOMPARE(g.texto(2, 7), QStringLiteral("-1.00"));
}

void TstEmach::extremesCompareNumbersNotTexts()
{
    QCOMPARE(Emach::moeda(QStringLiteral("5.2")), 52000);
    QCOMPARE(Emach::moeda(QStringLiteral("0.1")), 1000);
    QCOMPARE(Emach::moeda(QStringLiteral("-1.25")), -12500);
    QCOMPARE(Emach::moeda(QStringLiteral("")), 0);
    QLocale::setDefault(QLocale(QStringLiteral("pt_BR")));
    QCOMPARE(Emach::moeda(QStringLiteral("10,3")), 103000);

    // As texts "9.5" > "10.3" > "10"; as numbers the range is 9.5 to 21.
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    TabelaTextos g = matriz(4, {{"", "9.5", "", ""},
                                {"10.3", "", "", ""},
                                {"", "", "", "21"},
                                {"", "10", "", ""}});
    QCOMPARE(Emach::calcular(g, 4), Emach::Desfecho::Completo);
    QCOMPARE(coluna(g, 5, 0, 3), QStringList({"9.5", "10.3", "21", "10"}));
    QCOMPARE(coluna(g, 6, 0, 3), QStringList({"0.00", "0.35", "5.00", "0.22"}));
    // Column points 10.3, 19.5, 0, 21: the minimum is the empty column 3.
    QCOMPARE(linha(g, 4, 1, 4), QStringList({"10.3", "19.5", "0", "21"}));
    QCOMPARE(linha(g, 5, 1, 4), QStringList({"2.45", "4.64", "0.00", "5.00"}));
}

void TstEmach::refusals_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<QStringList>>("celulas");
    QTest::addColumn<int>("desfecho");
    QTest::addColumn<QStringList>("pontosLinha");
    QTest::addColumn<QStringList>("normH");

    QTest::newRow("untouched matrix") << 4
                                      << QList<QStringList>{{"", "", "", ""}, {"", "", "", ""}, {"", "", "", ""}, {"", "", "", ""}}
                                      << int(Emach::Desfecho::LinhasIguais) << QStringList{"0", "0", "0", "0"}
                                      << QStringList{"", "", "", ""};
    QTest::newRow("all the same") << 4
                                  << QList<QStringList>{{"", "1", "1", "1"}, {"1", "", "1", "1"}, {"1", "1", "", "1"}, {"1", "1", "1", ""}}
                                  << int(Emach::Desfecho::LinhasIguais) << QStringList{"3", "3", "3", "3"}
                                  << QStringList{"", "", "", ""};
    // Column points 1, 1, 1, 1 but row points 3, 1, 0, 0: refused after the
    // NormH of row 0 is written.
    QTest::newRow("equal columns") << 4
                                   << QList<QStringList>{{"", "1", "1", "1"}, {"1", "", "", ""}, {"", "", "", ""}, {"", "", "", ""}}
                                   << int(Emach::Desfecho::ColunasIguais) << QStringList{"3", "1", "0", "0"}
                                   << QStringList{"5.00", "", "", ""};
}

void TstEmach::refusals()
{
    QFETCH(int, n);
    QFETCH(QList<QStringList>, celulas);
    QFETCH(int, desfecho);
    QFETCH(QStringList, pontosLinha);
    QFETCH(QStringList, normH);

    TabelaTextos g = matriz(n, celulas);
    QCOMPARE(int(Emach::calcular(g, n)), desfecho);
    QCOMPARE(coluna(g, n + 1, 0, n - 1), pontosLinha);
    QCOMPARE(coluna(g, n + 2, 0, n - 1), normH);
    // No NormV and no E-Mach when refused.
    QCOMPARE(linha(g, n + 1, 1, n), QStringList(n, QString()));
    QCOMPARE(coluna(g, n + 3, 0, n - 1), QStringList(n, QString()));
}

void TstEmach::partlyFilledAndForeignTexts()
{
    // Empty cells and texts that are no number count as 0; a partly filled
    // matrix is analysed.
    TabelaTextos g = matriz(4, {{"", "5", "x", ""},
                                {"0.2", "", "", ""},
                                {"", "", "", "n/a"},
                                {"", "", "", ""}});
    QCOMPARE(Emach::calcular(g, 4), Emach::Desfecho::Completo);
    QCOMPARE(coluna(g, 5, 0, 3), QStringList({"5", "0.2", "0", "0"}));
    QCOMPARE(linha(g, 4, 1, 4), QStringList({"0.2", "5", "0", "0"}));
    QCOMPARE(coluna(g, 7, 0, 3), QStringList({"-0.97", "3.17", "-1.00", "-1.00"}));
}

void TstEmach::refusalMessages()
{
    using D = Emach::Desfecho;
    const QString en = QStringLiteral("Fully populate the spreadsheet before analyzing");
    const QString es = QString::fromUtf8("Rellenar completamente la hoja de cálculo antes de analizar");
    const QString pt = QStringLiteral("Preencher totalmente a planilha antes de analizar");
    for (D d : {D::LinhasIguais, D::ColunasIguais}) {
        QCOMPARE(Emach::aviso(d, 1).titulo, QStringLiteral("Values incomplete"));
        QCOMPARE(Emach::aviso(d, 1).texto, en);
        for (int idioma : {3, 0, 4}) {
            QCOMPARE(Emach::aviso(d, idioma).titulo, QStringLiteral("Valores incompletos!"));
            QCOMPARE(Emach::aviso(d, idioma).texto, pt);
        }
    }
    QCOMPARE(Emach::aviso(D::LinhasIguais, 2).titulo, QStringLiteral("Valores incompleta!"));
    QCOMPARE(Emach::aviso(D::LinhasIguais, 2).texto, es);
    QCOMPARE(Emach::aviso(D::ColunasIguais, 2).titulo, QStringLiteral("Valores incompla!"));
    QCOMPARE(Emach::aviso(D::ColunasIguais, 2).texto, es + QLatin1Char(' '));
}

QTEST_MAIN(TstEmach)
#include "tst_emach.moc"
