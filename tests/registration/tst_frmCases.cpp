#include "registration/frmCases.h"
#include "shell/Fonts.h"
#include "store/DataSource.h"
#include "store/Regional.h"
#include "tests/registration/Janela.h"
#include "tests/support/RecordingSink.h"

using J = Janela<frmCases>;

namespace {
// A name that must reach the store untouched: quotes, SQL text, accents, emoji.
const QString kAspero = u("Falha \"grave\" d'água'); DROP TABLE Cases;-- 😀");

bool habilitados(J& j) { return j.c("cmdGravar")->isEnabled() && j.c("cmdLimpar")->isEnabled(); }
} // namespace

class TstFrmCases : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fontes::instalarSubstituicoes();
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void chooseByDoubleClick()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(3, u("Atraso"), u("Entregas fora do prazo"), 6);
        db.setCase(5, u("Sem uso"), QVariant(), 0);
        db.setCase(8, QVariant(), QVariant(), QVariant());
        db.setCase(10, u("Dez"), u("S"), 25);
        J j(db);
        QCOMPARE(j.grade()->model()->rowCount(), 10);
        QCOMPARE(j.celula(9, 0), u("10"));
        QVERIFY(!j.c("cmdGravar")->isEnabled() && !j.c("cmdLimpar")->isEnabled());

        j.clicar(2, 1, true);
        QCOMPARE(QStringList({j.texto("txtCase"), j.texto("txtSintoma"), j.texto("txtQtde")}),
                 QStringList({u("Atraso"), u("Entregas fora do prazo"), u("6")}));
        QCOMPARE(db.estado().CaseAtual.toInt(), 3);
        QVERIFY(habilitados(j));

        // A case not in use, or without a stored count, loads but is not current.
        j.clicar(4, 2, true);
        QCOMPARE(QStringList({j.texto("txtCase"), j.texto("txtSintoma"), j.texto("txtQtde")}),
                 QStringList({u("Sem uso"), QString(), u("0")}));
        QVERIFY(db.estado().CaseAtual.isValid() && db.estado().semCase());
        db.estado().CaseAtual = 3;
        j.clicar(7, 0, true);
        QCOMPARE(j.texto("txtQtde"), u("0"));
        QCOMPARE(db.estado().CaseAtual.toInt(), 0);
        j.clicar(9, 3, true); // scrolled into view
        QCOMPARE(db.estado().CaseAtual.toInt(), 10);

        // The grid takes no typing, adding or deleting.
        j.grade()->setFocus();
        j.grade()->setCurrentIndex(j.grade()->model()->index(2, 1));
        QTest::keyClicks(j.grade(), u("Trocado"));
        for (Qt::Key k : {Qt::Key_F2, Qt::Key_Delete, Qt::Key_Insert, Qt::Key_Return})
            QTest::keyClick(j.grade(), k);
        QCOMPARE(j.celula(2, 1), u("Atraso"));
        QCOMPARE(j.grade()->model()->rowCount(), 10);
        QCOMPARE(db.valor(QStringLiteral("SELECT \"Case\" FROM Cases WHERE Numero = 3")).toString(), u("Atraso"));
        QVERIFY(j.w.isVisible());
        QCOMPARE(sink.count(), 0);
    }

    void countCheckOnLeavingTheBox()
    {
        // Entry, what the box holds after, message (0 none, 1 minimum, 2 maximum).
        const struct { const char* e; const char* fica; int aviso; } casos[] = {
            {"3", "0", 1},  {"26", "0", 2},  {"25", "25", 0}, {"4", "4", 0},  {"0", "0", 0},
            {"abc", "0", 0}, {"", "0", 0},   {"100", "0", 2},
            // Negative and fractional counts would break the matrix later.
            {"-5", "0", 1}, {"4.5", "0", 1}, {"12.0", "12.0", 0}, {"25.5", "0", 2},
        };
        const char* titulos[2][3] = {{"Limitation System!", "Sistema Limit!", "Limitação do Sistema!"},
                                     {"Limitation System!", "Sistema Limit!", "Limite do Sistema!"}};
        const char* textos[2][3] = {
            {"Minimum of 4 items by analysis.", "Mínimo de 4 artículos por el análisis.", "Mínimo de 4 itens por análise."},
            {"Permitted maximum of 25 items for analysis.", "Máximo permitido de 25 elementos para el análisis.",
             "Permitido o máximo de 25 itens por análise."}};
        for (int idioma : {1, 2, 3}) {
            TestDb db;
            RecordingSink sink;
            db.estado().IdiomaAtual = qint16(idioma);
            J j(db);
            QString noAviso;
            sink.aoMostrar = [&](const RecordingSink::Mensagem&) { noAviso = j.texto("txtQtde"); };
            for (const auto& c : casos) {
                sink.clear();
                j.digitar("txtQtde", u(c.e), "txtCase");
                const QByteArray ctx = QByteArray::number(idioma) + " " + c.e;
                QVERIFY2(j.texto("txtQtde") == u(c.fica), ctx);
                QVERIFY2(sink.count() == (c.aviso ? 1 : 0), ctx);
                // Refused or not numeric, the box keeps the focus.
                const bool volta = c.aviso || !Regional::isNumeric(u(c.e));
                QVERIFY2(QApplication::focusWidget() == j.c(volta ? "txtQtde" : "txtCase"), ctx);
                if (!c.aviso)
                    continue;
                QCOMPARE(sink.ultima().icone, Icone::Exclamacao);
                QCOMPARE(noAviso, u(c.e)); // the box is reset after the message
                QCOMPARE(sink.ultima().titulo, u(titulos[c.aviso - 1][idioma - 1]));
                QCOMPARE(sink.ultima().texto, u(textos[c.aviso - 1][idioma - 1]));
            }
        }
        // A decimal comma is read as the region reads it.
        QLocale::setDefault(QLocale(QStringLiteral("pt_BR")));
        TestDb db;
        RecordingSink sink;
        J j(db);
        j.digitar("txtQtde", u("4,5"), "txtCase");
        j.digitar("txtQtde", u("12"), "txtCase");
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        QCOMPARE(j.texto("txtQtde"), u("12"));
        QCOMPARE(sink.count(), 1);
    }

    void saveThenChooseAgain()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(4, u("Velho"), u("Sintoma velho"), 0);
        db.estado().CaseAtual = 2;
        J j(db);
        j.clicar(3, 1, true);
        QCOMPARE(db.estado().CaseAtual.toInt(), 0);
        j.digitar("txtCase", u("Acao"), "txtSintoma");
        QCOMPARE(j.texto("txtCase"), u("Acao"));
        j.c<QLineEdit>("txtCase")->setText(kAspero);
        j.c<QLineEdit>("txtSintoma")->setText(u("Reclamações ' ; 🚚"));
        j.digitar("txtQtde", u("12"), "txtCase");
        QTest::mouseClick(j.c("cmdGravar"), Qt::LeftButton);

        const QString linha = QStringLiteral("SELECT \"Case\", Sintoma, Qtde FROM Cases WHERE Numero = 4");
        QCOMPARE(db.linhas(linha).first(), (QVariantList{kAspero, u("Reclamações ' ; 🚚"), 12}));
        QCOMPARE(j.celula(3, 1), kAspero);
        QCOMPARE(j.celula(3, 3), u("12"));
        QVERIFY(!j.c("cmdGravar")->isEnabled() && j.c("cmdLimpar")->isEnabled());
        QCOMPARE(db.estado().CaseAtual.toInt(), 0); // saving leaves the current case alone
        QCOMPARE(db.estado().QtdeFatores.toString(), u("12"));
        j.clicar(3, 1, true);
        QCOMPARE(db.estado().CaseAtual.toInt(), 4);
        QVERIFY(habilitados(j));

        // 80 units a box; an emoji cut in two at the limit is refused whole.
        auto* sintoma = j.c<QLineEdit>("txtSintoma");
        j.c<QLineEdit>("txtCase")->setText(QStringLiteral("x").repeated(100));
        sintoma->setText(QStringLiteral("y").repeated(79));
        sintoma->end(false);
        sintoma->insert(u("😀"));
        QCOMPARE(sintoma->text().size(), 79);
        sintoma->backspace();
        sintoma->insert(u("😀"));
        j.w.cmdGravar_Click();
        QCOMPARE(db.linhas(linha).first(),
                 (QVariantList{QStringLiteral("x").repeated(80), QStringLiteral("y").repeated(78) + u("😀"), 12}));

        // Empty boxes store the empty text; a count over 25 leaves the stored
        // one; a count that is no number is saved as 7.
        j.c<QLineEdit>("txtCase")->clear();
        j.c<QLineEdit>("txtSintoma")->clear();
        j.c<QLineEdit>("txtQtde")->setText(u("30"));
        j.w.cmdGravar_Click();
        QCOMPARE(db.linhas(linha).first(), (QVariantList{QString(""), QString(""), 12}));
        QVERIFY(!db.valor(QStringLiteral("SELECT \"Case\" FROM Cases WHERE Numero = 4")).isNull());
        j.c<QLineEdit>("txtQtde")->setText(u("x"));
        j.w.cmdGravar_Click();
        QCOMPARE(db.valor(QStringLiteral("SELECT Qtde FROM Cases WHERE Numero = 4")).toInt(), 7);
        QCOMPARE(db.estado().QtdeFatores.toString(), u("7"));
        QCOMPARE(sink.count(), 0);

        // The access key saves while the count box keeps the focus: the
        // count is checked first, so a refused one never reaches the store.
        j.c("txtQtde")->setFocus();
        j.c<QLineEdit>("txtQtde")->setText(u("-3"));
        j.w.cmdGravar_Click();
        QCOMPARE(sink.count(), 1);
        QCOMPARE(db.valor(QStringLiteral("SELECT Qtde FROM Cases WHERE Numero = 4")).toInt(), 0);
    }

    void clearHistory()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(10, u("Dez"), u("Sintoma dez"), 5);
        db.setCase(2, u("Dois"), u("S"), 0);
        for (const char* t : {"EventosA", "Eventos", "Eventos2"})
            db.exec(QStringLiteral("UPDATE %1 SET Evento = 'F' || Numero, N01 = 5, N17 = 0.2, N30 = 10, emach = 1.25")
                        .arg(QString::fromLatin1(t)));
        const QString outros = QStringLiteral("SELECT * FROM Eventos UNION ALL SELECT * FROM Eventos2");
        const auto antes = db.linhas(outros);

        // No current case, never chosen or chosen with count 0: nothing is touched.
        J j(db);
        j.w.cmdLimpar_Click();
        j.clicar(1, 1, true);
        QTest::mouseClick(j.c("cmdLimpar"), Qt::LeftButton);
        QCOMPARE(db.linhas(outros), antes);

        j.clicar(9, 1, true);
        QTest::mouseClick(j.c("cmdLimpar"), Qt::LeftButton);
        QCOMPARE(j.w.Data2()->RecordSource(), u("Select * FROM EventosA order by Numero"));
        QStringList nulos;
        for (int c = 1; c <= 30; ++c)
            nulos << QStringLiteral("N%1 IS NULL").arg(c, 2, 10, QLatin1Char('0'));
        nulos << QStringLiteral("emach IS NULL") << QStringLiteral("Evento = ''");
        QCOMPARE(db.valor(QStringLiteral("SELECT COUNT(*) FROM EventosA WHERE ") + nulos.join(u(" AND "))).toInt(), 30);
        QCOMPARE(db.linhas(QStringLiteral("SELECT \"Case\", Sintoma, Qtde FROM Cases WHERE Numero = 10")).first(),
                 (QVariantList{u("Dez"), u("Sintoma dez"), 5}));
        QCOMPARE(db.estado().CaseAtual.toInt(), 10);
        QCOMPARE(db.linhas(outros), antes);
        QCOMPARE(sink.count(), 0);
    }

    void leaveWritesTheStatusBar()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(7, u("Sete 😀"), u("S"), 9);
        QStringList status;
        db.estado().escreverStatus = [&](const QString& t) { status << t; };
        db.estado().CaseAtual = 4;
        db.estado().NomeCase = u("Antigo");
        {
            J j(db); // without a choose: the label alone
            QTest::mouseClick(j.c("cmdSair"), Qt::LeftButton);
            QVERIFY(!j.w.isVisible());
        }
        QCOMPARE(status, QStringList{u(" Case:  ")});
        QCOMPARE(db.estado().NomeCase, QString());
        QCOMPARE(db.estado().CaseAtual.toInt(), 4);
        {
            J j(db);
            j.clicar(6, 1, true);
            QTest::mouseClick(j.c("cmdSair"), Qt::LeftButton);
        }
        QCOMPARE(status.last(), u(" Case:  Sete 😀"));
        QCOMPARE(db.estado().NomeCase, u("Sete 😀"));
        {
            J j(db); // the frame's close button skips both steps
            j.clicar(0, 1, true);
            j.w.close();
            QVERIFY(!j.w.isVisible());
        }
        QCOMPARE(status.size(), 2);
        QCOMPARE(db.estado().NomeCase, u("Sete 😀"));
    }

    void captionsInThreeLanguages()
    {
        const char* nomes[] = {"", "Label4", "Label2", "Label1", "Label3", "cmdSair", "cmdLimpar", "cmdGravar"};
        const QStringList esperado[] = {
            {u("Cadastramento de Casos  (Máximo  10)"), u("Duplo click para escolher o case"),
             u("Objetivo a alcançar ou Sintoma indesejado:"), u("Quantidade de Fatores:"), u("Case:"), u("&Voltar"),
             u("&Limpar histórico anterior"), u("&Gravar"), u("Número"), u("Case"), u("Sintoma"), u("Qtde")},
            {u("Registration of Cases (Maximum 10)"), u("Double click to choose the case"),
             u("Goal to achieve or undesired Symptom"), u("Number of Factors"), u("Case:"), u("Return"),
             u("Clear previous history"), u("Write"), u("Number"), u("Case"), u("symptom"), u("Amont")},
            {u("Registro de Cases (Máximo 10)"), u("Haga doble clic para seleccionar el case"),
             u("Meta para alcanzar o síntoma no deseado:"), u("Número de factores:"), u("Case:"), u("&Volter"),
             u("Borrar historial anterior"), u("Registro"), u("Número"), u("Case"), u("Sintoma"), u("Cantidad")},
        };
        for (int idioma : {3, 1, 2}) {
            TestDb db;
            db.estado().IdiomaAtual = qint16(idioma);
            J j(db);
            QStringList visto{j.w.windowTitle()};
            for (int i = 1; i < 8; ++i)
                visto << j.texto(nomes[i]);
            for (int c = 0; c < 4; ++c)
                visto << j.titulo(c);
            QCOMPARE(visto, esperado[idioma % 3]);
        }
    }
};

QTEST_MAIN(TstFrmCases)
#include "tst_frmCases.moc"
