#include "results/Printers.h"
#include "results/cMapa.h"
#include "results/frmMapa.h"
#include "results/frmResultado.h"
#include "shell/Fonts.h"
#include "store/Tables.h"
#include "tests/support/Controles.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/TestDb.h"

#include <QComboBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

// A full matrix into case 1 (row factor against column factor; 0 is empty),
// named `nomes`, made current.
void semear(TestDb& db, const QList<QList<double>>& m, const QStringList& nomes)
{
    const int n = int(m.size());
    db.setCase(1, u("Bomba"), u("Vazamento no selo"), n);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            db.exec(QStringLiteral("UPDATE Eventos SET %1 = ?, Evento = ? WHERE Numero = ?").arg(Tables::campoMatriz(c + 1)),
                    {m[r][c] == 0 ? QVariant() : m[r][c], nomes[r], r + 1});
    db.estado().CaseAtual = 1;
}

const QList<QList<double>> kExemplo = {{0, 5, 0.1, 0.1}, {0.2, 0, 5, 1}, {10, 0.2, 0, 0.1}, {10, 1, 10, 0}};

// 25 factors in five groups of five: equal within a group, and group g over
// every later group, so each group's five share one position.
QList<QList<double>> grupos()
{
    QList<QList<double>> m(25, QList<double>(25, 0));
    for (int i = 0; i < 25; ++i)
        for (int j = 0; j < 25; ++j)
            if (i != j)
                m[i][j] = i / 5 == j / 5 ? 1 : i / 5 < j / 5 ? (i / 5 == 0 ? 10 : 5) : (j / 5 == 0 ? 0.1 : 0.2);
    return m;
}

// The window abrir() builds, counted and looked at instead of shown.
struct Aberta {
    int vezes = 0;
    explicit Aberta(const std::function<void(frmMapa&)>& olhar = {})
    {
        frmMapa::instalarExibicao([this, olhar](frmMapa& w) {
            ++vezes;
            if (olhar)
                olhar(w);
        });
    }
    ~Aberta() { frmMapa::instalarExibicao(nullptr); }
};
} // namespace

class TstMapa : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fontes::instalarSubstituicoes();
        QLocale::setDefault(QLocale(u("en_US")));
        Printers::definirLista({{Printers::nomePdf(), Impressora::Tipo::Pdf}}, 0);
    }

    void exemploEmCadaIdioma()
    {
        TestDb db;
        semear(db, kExemplo, {u("F1"), u("F2"), u("F3"), u("F4")});
        // Title; the map's buttons and the result screen's; the root cause; F3's points to row and column.
        const struct { int idioma; const char *titulo, *botoes, *raiz, *dica; } idiomas[] = {
            {1, "Influence map", "&Print|&Export…|&Return|&Map", "Root Cause or principal FCS: F4",
             "Points to Row: 10.3\nPoints to Column: 15.1"},
            {2, "Mapa de influencia", "&Imprimir|&Exportar…|&Volver|&Mapa", "Causa Raíz ou principal FCS: F4",
             "Puntos de la fila: 10.3\nPuntos de la columna: 15.1"},
            {3, "Mapa de influência", "&Imprimir|&Exportar…|&Voltar|&Mapa", "Causa Raíz ou principal FCS: F4",
             "Pontos da Linha: 10.3\nPontos da Coluna: 15.1"},
        };
        for (const auto& i : idiomas) {
            db.estado().IdiomaAtual = qint16(i.idioma);
            frmResultado resultado(db.estado(), u("s"));
            auto* cmdMapa = filho<QToolButton>(&resultado, "cmdMapa");
            Aberta aberta([&](frmMapa& w) {
                const cMapa& mapa = *w.mapa();
                QStringList vistos = {w.windowTitle(), texto(&w, "cmdImprimir") + u("|") + texto(&w, "cmdExportar") + u("|")
                                                           + texto(&w, "cmdSair") + u("|") + cmdMapa->text(), mapa.titulo()};
                // NormH, NormV and class colour of F1 to F4.
                for (const cMapa::Ponto& p : mapa.pontos())
                    vistos << QStringLiteral("%1 %2/%3 %4").arg(p.nome).arg(p.x, 0, 'f', 2).arg(p.y, 0, 'f', 2).arg(p.cor, 6, 16, QChar(u'0'));
                QCOMPARE(vistos, QStringList({u(i.titulo), u(i.botoes), u(i.raiz), u("F1 0.00/5.00 ffff00"), u("F2 0.32/1.32 ffff00"),
                                              u("F3 1.61/3.66 ffff00"), u("F4 5.00/0.00 00ff00")}));
                // Hovering F3 tells its points, normalisations and E-Mach.
                const QRectF area(0, 0, 800, 600);
                const QVector<int> sob = mapa.pontosEm(mapa.posicao(2, mapa.grafico(area, &w)), area, &w);
                QCOMPARE(sob, QVector<int>({2}));
                QCOMPARE(mapa.dica(sob), u("F3\n") + u(i.dica) + u("\nNormH: 1.61\nNormV: 3.66\nEmach: 0.40"));
                QVERIFY(texto(&w, "lblRobustez").contains(u(" 19 ")));
            });
            cmdMapa->click();
            QCOMPARE(aberta.vezes, 1);
        }
    }

    void nomesNuncaSeSobrepoem()
    {
        TestDb db;
        QStringList nomes;
        for (int i = 1; i <= 25; ++i)
            nomes << QStringLiteral("Fator de número %1").arg(i);
        semear(db, grupos(), nomes);
        const Analise::Resultado r = Analise::analisar(Analise::lerCaso(db.estado().BancoDados, 1).matriz);
        QVERIFY(r.completo());
        const cMapa mapa(r, 3);
        QSet<QString> lugares;
        for (const cMapa::Ponto& p : mapa.pontos())
            lugares << p.normH + u("/") + p.normV;
        QCOMPARE(lugares.size(), 5);
        for (const QSize tamanho : {QSize(1000, 680), QSize(640, 480)}) {
            QImage img(tamanho, QImage::Format_RGB32);
            const QRectF area(0, 0, tamanho.width(), tamanho.height());
            const QRectF g = mapa.grafico(area, &img);
            const double raio = mapa.raio(&img);
            const QVector<cMapa::Rotulo> rotulos = mapa.rotulos(area, &img);
            QCOMPARE(rotulos.size(), 25);
            for (int a = 0; a < 25; ++a) {
                QVERIFY(g.contains(rotulos[a].caixa));
                for (int b = a + 1; b < 25; ++b)
                    QVERIFY2(!rotulos[a].caixa.intersects(rotulos[b].caixa), qPrintable(nomes[rotulos[a].ponto] + u(" / ") + nomes[rotulos[b].ponto]));
                for (int k = 0; k < 25; ++k) {
                    const QPointF c = mapa.posicao(k, g);
                    QVERIFY(!rotulos[a].caixa.intersects(QRectF(c - QPointF(raio, raio), QSizeF(2 * raio, 2 * raio))));
                }
            }
        }
    }

    void paginaEArquivos()
    {
        if (QStandardPaths::findExecutable(u("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF cannot be read back");
        TestDb db;
        const QStringList nomes{u("Pressão"), u("Vibração"), u("Desgaste do selo"), u("Temperatura")};
        semear(db, kExemplo, nomes);
        db.estado().IdiomaAtual = 3;
        QTemporaryDir pasta;
        Printers::instalarEscolhaArquivo([&](QWidget*) { return pasta.filePath(u("pagina.pdf")); });
        RecordingSink sink;
        Aberta aberta([&](frmMapa& w) {
            // A printer the list lacks prints nothing; then the PDF printer.
            for (const QString& impressora : {u("Canon"), Printers::nomePdf()}) {
                filho<QComboBox>(&w, "Combo1")->setEditText(impressora);
                clicar(&w, "cmdImprimir");
            }
            // PNG, SVG, PDF, then a folder that does not exist.
            for (const char* arquivo : {"mapa.png", "mapa.svg", "mapa.pdf", "falta/mapa.png"}) {
                frmMapa::instalarEscolhaExportacao([&](QWidget*) { return pasta.filePath(u(arquivo)); });
                clicar(&w, "cmdExportar");
            }
            frmMapa::instalarEscolhaExportacao(nullptr);
        });
        frmMapa::abrir(db.estado());
        Printers::instalarEscolhaArquivo(nullptr);

        const QString pagina = saidaDe(u("pdftotext"), {u("-layout"), u("-enc"), u("UTF-8"), pasta.filePath(u("pagina.pdf")), u("-")});
        for (const QString& t : nomes + QStringList{u("Mapa de influência"), u("Bomba"), u("Vazamento no selo"),
                                                    u("Tríades circulares: d = 1 de 2 possíveis; ζ = 0.50"),
                                                    u("A causa raiz Temperatura se mantém em 19 de 24"), u("Software KV (")})
            QVERIFY2(pagina.contains(t), qPrintable(t + u("\n") + pagina));
        QVERIFY(pagina.count(u'\f') <= 1);

        QFile svg(pasta.filePath(u("mapa.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString textoSvg = QString::fromUtf8(svg.readAll());
        for (const QString& n : nomes)
            QVERIFY2(textoSvg.contains(u(">") + n + u("<")), qPrintable(n));
        QVERIFY(saidaDe(u("pdftotext"), {u("-enc"), u("UTF-8"), pasta.filePath(u("mapa.pdf")), u("-")}).contains(u("Desgaste do selo")));
        QVERIFY(!QImage(pasta.filePath(u("mapa.png"))).isNull());

        // Where the page went, then the one file that could not be written: a clear message and no file at all.
        QStringList vistas;
        for (const auto& m : sink.mensagens)
            vistas << m.titulo + u("|") + m.texto;
        const QString falta = u("Mapa não exportado|Não foi possível gravar o arquivo ") + QDir::toNativeSeparators(pasta.filePath(u("falta/mapa.png")));
        QCOMPARE(vistas.mid(0, 2), QStringList({u("Verifique.....|Impressora não encontrada"),
                                                u("Mapa de influência|O mapa foi salvo em:\n") + QDir::toNativeSeparators(pasta.filePath(u("pagina.pdf")))}));
        QVERIFY2(vistas.size() == 3 && vistas[2].startsWith(falta), qPrintable(vistas.join(u'\n')));
        QVERIFY(!QFileInfo::exists(pasta.filePath(u("falta"))));
        QCOMPARE(QDir(pasta.path()).entryList(QDir::Files), QStringList({u("mapa.pdf"), u("mapa.png"), u("mapa.svg"), u("pagina.pdf")}));
    }

    void matrizRecusadaNaoAbre()
    {
        // Untouched, and all "the same": the Analyse button's message, no map.
        TestDb db;
        RecordingSink sink;
        Aberta aberta;
        const struct { double juizo; int idioma; const char* aviso; } casos[] = {
            {0, 1, "Values incomplete|Fully populate the spreadsheet before analyzing"},
            {1, 2, "Valores incompleta!|Rellenar completamente la hoja de cálculo antes de analizar"},
        };
        for (const auto& c : casos) {
            semear(db, QList<QList<double>>(4, QList<double>(4, c.juizo)), {u("a"), u("b"), u("c"), u("d")});
            db.estado().IdiomaAtual = qint16(c.idioma);
            sink.clear();
            frmMapa::abrir(db.estado());
            QCOMPARE(QString::number(sink.count()) + sink.ultima().titulo + u("|") + sink.ultima().texto, u("1") + u(c.aviso));
        }
        QCOMPARE(aberta.vezes, 0);
    }
};

QTEST_MAIN(TstMapa)
#include "tst_mapa.moc"
