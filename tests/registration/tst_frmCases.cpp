#include "registration/frmCases.h"
#include "shell/Fonts.h"
#include "shell/Twips.h"
#include "store/DataSource.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/TestDb.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

// A name that must reach the store untouched: quotes, SQL text, accents, emoji.
const QString kNomeAspero = u("Falha \"grave\" d'água'); DROP TABLE Cases;-- 😀");

// The next control that Tab reaches (labels take no focus).
QWidget* proximoTab(QWidget* w)
{
    for (QWidget* n = w->nextInFocusChain(); n != w; n = n->nextInFocusChain())
        if (n->focusPolicy() & Qt::TabFocus)
            return n;
    return w;
}

struct Janela {
    explicit Janela(TestDb& db) : w(db.estado())
    {
        w.show();
        QApplication::setActiveWindow(&w);
        grade = w.findChild<QTableView*>(QStringLiteral("DBGrid1"));
        txtCase = w.findChild<QLineEdit*>(QStringLiteral("txtCase"));
        txtSintoma = w.findChild<QLineEdit*>(QStringLiteral("txtSintoma"));
        txtQtde = w.findChild<QLineEdit*>(QStringLiteral("txtQtde"));
        cmdGravar = w.findChild<QAbstractButton*>(QStringLiteral("cmdGravar"));
        cmdLimpar = w.findChild<QAbstractButton*>(QStringLiteral("cmdLimpar"));
        cmdSair = w.findChild<QAbstractButton*>(QStringLiteral("cmdSair"));
    }

    // A user's double click on the row of a case (1 to 10).
    void duploClique(int caso)
    {
        const QModelIndex i = grade->model()->index(caso - 1, 1);
        grade->scrollTo(i);
        const QPoint ponto = grade->visualRect(i).center();
        // What a mouse sends: press, release, double click, release.
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, ponto);
        QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, ponto);
        QTest::mouseRelease(grade->viewport(), Qt::LeftButton, {}, ponto);
    }

    // Types a count and moves the focus on, as leaving the box does.
    void digitarQtde(const QString& texto)
    {
        txtQtde->setFocus();
        txtQtde->selectAll();
        QTest::keyClick(txtQtde, Qt::Key_Backspace);
        QTest::keyClicks(txtQtde, texto);
        txtCase->setFocus();
    }

    frmCases w;
    QTableView* grade;
    QLineEdit* txtCase;
    QLineEdit* txtSintoma;
    QLineEdit* txtQtde;
    QAbstractButton* cmdGravar;
    QAbstractButton* cmdLimpar;
    QAbstractButton* cmdSair;
};
} // namespace

class TstFrmCases : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fontes::instalarSubstituicoes();
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }
    void cleanup() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void layoutAsDrawn()
    {
        TestDb db;
        RecordingSink sink;
        Janela j(db);
        QCOMPARE(j.w.windowTitle(), u("Cadastramento de Casos  (Máximo  10)"));
        QCOMPARE(j.w.size(), QSize(Twips::px(10275), Twips::px(5745)));
        QVERIFY(j.w.isModal());

        const struct { const char* nome; int l, t, w, h; } lugares[] = {
            {"DBGrid1", 600, 300, 9075, 2520},   {"Label4", 600, 2820, 2790, 240},
            {"Label3", 1650, 3525, 690, 240},    {"txtCase", 2400, 3450, 5500, 315},
            {"Label2", 495, 3975, 1845, 465},    {"txtSintoma", 2400, 4020, 5500, 315},
            {"Label1", 1425, 4515, 915, 390},    {"txtQtde", 2400, 4590, 540, 315},
            {"cmdLimpar", 8325, 3300, 1290, 990}, {"cmdGravar", 8325, 4575, 1290, 990},
            {"cmdSair", 150, 4650, 1140, 915},
        };
        for (const auto& l : lugares) {
            auto* c = j.w.findChild<QWidget*>(QString::fromLatin1(l.nome));
            QVERIFY2(c, l.nome);
            QCOMPARE(c->geometry(), Twips::rect(l.l, l.t, l.w, l.h));
        }

        auto* label4 = j.w.findChild<QLabel*>(QStringLiteral("Label4"));
        QCOMPARE(label4->text(), u("Duplo click para escolher o case"));
        QCOMPARE(label4->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(j.w.findChild<QLabel*>(QStringLiteral("Label3"))->text(), u("Case:"));
        QVERIFY(j.w.findChild<QLabel*>(QStringLiteral("Label3"))->alignment() & Qt::AlignRight);
        QVERIFY(j.w.findChild<QLabel*>(QStringLiteral("Label2"))->wordWrap());
        QVERIFY(j.w.findChild<QLabel*>(QStringLiteral("Label1"))->wordWrap());
        QCOMPARE(j.cmdLimpar->text(), u("&Limpar histórico anterior"));
        QCOMPARE(j.cmdGravar->text(), u("&Gravar"));
        QCOMPARE(j.cmdSair->text(), u("&Voltar"));

        // Both buttons wait for a choose; the boxes start empty.
        QVERIFY(!j.cmdLimpar->isEnabled());
        QVERIFY(!j.cmdGravar->isEnabled());
        QVERIFY(j.cmdSair->isEnabled());
        QVERIFY(j.txtCase->text().isEmpty() && j.txtSintoma->text().isEmpty() && j.txtQtde->text().isEmpty());
        QCOMPARE(j.txtCase->maxLength(), 80);
        QCOMPARE(j.txtSintoma->maxLength(), 80);

        // Tab order: boxes, then clear, save and back.
        QWidget* ordem[] = {j.grade, j.txtCase, j.txtSintoma, j.txtQtde, j.cmdLimpar, j.cmdGravar, j.cmdSair};
        for (int i = 0; i + 1 < 7; ++i)
            QCOMPARE(proximoTab(ordem[i]), ordem[i + 1]);

        // The grid: ten cases in Numero order, four columns of the given widths.
        QCOMPARE(j.grade->font().pointSizeF(), 8.25);
        QCOMPARE(j.grade->model()->rowCount(), 10);
        for (int r = 0; r < 10; ++r)
            QCOMPARE(j.grade->model()->index(r, 0).data().toString(), QString::number(r + 1));
        const char* titulos[] = {"Número", "Case", "Sintoma", "Qtde"};
        const int larguras[] = {795, 3495, 3495, 705};
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(j.grade->model()->headerData(c, Qt::Horizontal).toString(), u(titulos[c]));
            QCOMPARE(j.grade->columnWidth(c), Twips::px(larguras[c]));
        }
    }

    void gridRefusesEdits()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(2, u("Original"), u("Sintoma"), 5);
        Janela j(db);
        QCOMPARE(j.grade->editTriggers(), QAbstractItemView::NoEditTriggers);
        for (int c = 0; c < 4; ++c)
            QVERIFY(!(j.grade->model()->flags(j.grade->model()->index(1, c)) & Qt::ItemIsEditable));

        j.grade->setFocus();
        j.grade->setCurrentIndex(j.grade->model()->index(1, 1));
        QTest::keyClicks(j.grade, QStringLiteral("Trocado"));
        QTest::keyClick(j.grade, Qt::Key_F2);
        QTest::keyClick(j.grade, Qt::Key_Delete);
        QTest::keyClick(j.grade, Qt::Key_Insert);
        QTest::keyClick(j.grade->viewport(), Qt::Key_Return);
        QCOMPARE(j.grade->model()->rowCount(), 10);
        QCOMPARE(j.grade->model()->index(1, 1).data().toString(), u("Original"));
        QCOMPARE(db.valor(QStringLiteral("SELECT \"Case\" FROM Cases WHERE Numero = 2")).toString(), u("Original"));
        QCOMPARE(db.valor(QStringLiteral("SELECT COUNT(*) FROM Cases")).toInt(), 10);
        QVERIFY(j.w.isVisible());
    }

    void chooseByDoubleClick()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(3, u("Atraso nas entregas"), u("Entregas fora do prazo"), 6);
        db.setCase(5, u("Sem uso"), QVariant(), 0);
        db.setCase(8, QVariant(), QVariant(), QVariant());
        Janela j(db);

        j.duploClique(3);
        QCOMPARE(j.txtCase->text(), u("Atraso nas entregas"));
        QCOMPARE(j.txtSintoma->text(), u("Entregas fora do prazo"));
        QCOMPARE(j.txtQtde->text(), u("6"));
        QCOMPARE(db.estado().CaseAtual.toInt(), 3);
        QVERIFY(j.cmdGravar->isEnabled());
        QVERIFY(j.cmdLimpar->isEnabled());

        // A case not in use is loaded but does not become current.
        j.duploClique(5);
        QCOMPARE(j.txtCase->text(), u("Sem uso"));
        QCOMPARE(j.txtSintoma->text(), QString());
        QCOMPARE(j.txtQtde->text(), u("0"));
        QVERIFY(db.estado().CaseAtual.isValid());
        QCOMPARE(db.estado().CaseAtual.toInt(), 0);
        QVERIFY(db.estado().semCase());
        QVERIFY(j.cmdGravar->isEnabled() && j.cmdLimpar->isEnabled());

        // A row without a stored count counts as not in use.
        db.estado().CaseAtual = 3;
        j.duploClique(8);
        QCOMPARE(j.txtCase->text(), QString());
        QCOMPARE(j.txtQtde->text(), u("0"));
        QCOMPARE(db.estado().CaseAtual.toInt(), 0);

        // The last row, scrolled into view.
        db.setCase(10, u("Dez"), u("S"), 25);
        j.w.Data1()->Refresh();
        j.duploClique(10);
        QCOMPARE(j.txtCase->text(), u("Dez"));
        QCOMPARE(j.txtQtde->text(), u("25"));
        QCOMPARE(db.estado().CaseAtual.toInt(), 10);
        QCOMPARE(sink.count(), 0);
    }

    void countCheckOnLeavingTheBox()
    {
        const struct { const char* digitado; const char* fica; int aviso; } casos[] = {
            {"3", "0", 1},   {"26", "0", 2},  {"25", "25", 0}, {"4", "4", 0},    {"0", "0", 0},
            {"abc", "0", 0}, {"", "0", 0},    {"1", "0", 1},   {"100", "0", 2},
            // Negative and fractional counts would break the matrix later.
            {"-5", "0", 1},  {"4.5", "0", 1}, {"12.0", "12.0", 0}, {"25.5", "0", 2},
        };
        for (int idioma : {3, 1, 2}) {
            TestDb db;
            RecordingSink sink;
            db.estado().IdiomaAtual = qint16(idioma);
            db.setCase(1, u("Um"), u("S"), 6);
            Janela j(db);
            j.duploClique(1);
            for (const auto& c : casos) {
                sink.clear();
                QString noAviso;
                sink.aoMostrar = [&](const RecordingSink::Mensagem&) { noAviso = j.txtQtde->text(); };
                j.digitarQtde(u(c.digitado));
                const QString ctx = QStringLiteral("%1 / %2").arg(idioma).arg(u(c.digitado));
                QVERIFY2(j.txtQtde->text() == u(c.fica), qPrintable(ctx + QStringLiteral(" -> ") + j.txtQtde->text()));
                if (c.aviso == 0) {
                    QVERIFY2(sink.count() == 0, qPrintable(ctx));
                    if (u(c.digitado) == u("abc") || u(c.digitado).isEmpty())
                        QCOMPARE(QApplication::focusWidget(), j.txtQtde);
                    else
                        QCOMPARE(QApplication::focusWidget(), j.txtCase);
                    continue;
                }
                QVERIFY2(sink.count() == 1, qPrintable(ctx));
                QCOMPARE(sink.ultima().icone, Icone::Exclamacao);
                QCOMPARE(noAviso, u(c.digitado)); // the message comes before the box is reset
                QCOMPARE(QApplication::focusWidget(), j.txtQtde);
                const char* titulos[2][3] = {
                    {"Limitation System!", "Sistema Limit!", "Limitação do Sistema!"},
                    {"Limitation System!", "Sistema Limit!", "Limite do Sistema!"}};
                const char* textos[2][3] = {
                    {"Minimum of 4 items by analysis.", "Mínimo de 4 artículos por el análisis.",
                     "Mínimo de 4 itens por análise."},
                    {"Permitted maximum of 25 items for analysis.",
                     "Máximo permitido de 25 elementos para el análisis.",
                     "Permitido o máximo de 25 itens por análise."}};
                QCOMPARE(sink.ultima().titulo, u(titulos[c.aviso - 1][idioma - 1]));
                QCOMPARE(sink.ultima().texto, u(textos[c.aviso - 1][idioma - 1]));
            }
        }

        // A decimal comma is read as the region reads it.
        QLocale::setDefault(QLocale(QStringLiteral("pt_BR")));
        TestDb db;
        RecordingSink sink;
        Janela j(db);
        j.duploClique(1);
        j.digitarQtde(u("4,5"));
        QCOMPARE(j.txtQtde->text(), u("0"));
        QCOMPARE(sink.count(), 1);
        j.digitarQtde(u("12"));
        QCOMPARE(j.txtQtde->text(), u("12"));
        QCOMPARE(sink.count(), 1);
    }

    void saveThenChooseAgain()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(4, u("Velho"), u("Sintoma velho"), 0);
        db.estado().CaseAtual = 2;
        Janela j(db);
        j.duploClique(4);
        QCOMPARE(db.estado().CaseAtual.toInt(), 0);

        j.txtCase->setFocus();
        j.txtCase->selectAll();
        QTest::keyClicks(j.txtCase, u("Acao corretiva"));
        QCOMPARE(j.txtCase->text(), u("Acao corretiva"));
        j.txtCase->setText(kNomeAspero);
        j.txtSintoma->setText(u("Reclamações ' \" ; -- 🚚"));
        j.digitarQtde(u("12"));
        QTest::mouseClick(j.cmdGravar, Qt::LeftButton);

        const auto linha = db.linhas(QStringLiteral("SELECT \"Case\", Sintoma, Qtde FROM Cases WHERE Numero = 4"));
        QCOMPARE(linha.first().at(0).toString(), kNomeAspero);
        QCOMPARE(linha.first().at(1).toString(), u("Reclamações ' \" ; -- 🚚"));
        QCOMPARE(linha.first().at(2).toInt(), 12);
        QCOMPARE(db.valor(QStringLiteral("SELECT COUNT(*) FROM Cases")).toInt(), 10);
        // The grid shows the saved row; the save leaves the current case alone.
        QCOMPARE(j.grade->model()->index(3, 1).data().toString(), kNomeAspero);
        QCOMPARE(j.grade->model()->index(3, 3).data().toString(), u("12"));
        QVERIFY(!j.cmdGravar->isEnabled());
        QVERIFY(j.cmdLimpar->isEnabled());
        QCOMPARE(db.estado().CaseAtual.toInt(), 0);
        QCOMPARE(db.estado().QtdeFatores.toString(), u("12"));

        // Chosen again with its count above 0, the case becomes current.
        j.duploClique(4);
        QCOMPARE(db.estado().CaseAtual.toInt(), 4);
        QCOMPARE(j.txtCase->text(), kNomeAspero);
        QVERIFY(j.cmdGravar->isEnabled());

        // At most 80 units per box, and an emoji that would be cut in two at
        // the limit is refused whole.
        j.txtCase->setText(QStringLiteral("x").repeated(100));
        QCOMPARE(j.txtCase->text().size(), 80);
        j.txtSintoma->setText(QStringLiteral("y").repeated(79));
        j.txtSintoma->end(false);
        j.txtSintoma->insert(u("😀"));
        QCOMPARE(j.txtSintoma->text(), QStringLiteral("y").repeated(79));
        j.txtSintoma->backspace();
        j.txtSintoma->insert(u("😀"));
        QCOMPARE(j.txtSintoma->text(), QStringLiteral("y").repeated(78) + u("😀"));
        j.w.cmdGravar_Click();
        QCOMPARE(db.valor(QStringLiteral("SELECT Sintoma FROM Cases WHERE Numero = 4")).toString(),
                 QStringLiteral("y").repeated(78) + u("😀"));

        // Empty boxes store the empty text, not Null.
        j.txtCase->clear();
        j.txtSintoma->clear();
        j.w.cmdGravar_Click();
        const auto vazia = db.linhas(QStringLiteral("SELECT \"Case\", Sintoma FROM Cases WHERE Numero = 4"));
        QVERIFY(!vazia.first().at(0).isNull() && vazia.first().at(0).toString().isEmpty());
        QVERIFY(!vazia.first().at(1).isNull() && vazia.first().at(1).toString().isEmpty());
        QCOMPARE(sink.count(), 0);
    }

    void saveNeverStoresARefusedCount()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(6, u("Seis"), u("S"), 8);
        Janela j(db);
        j.duploClique(6);

        // The access key presses the button while the count box keeps the focus.
        j.txtQtde->setFocus();
        j.txtQtde->setText(u("-3"));
        j.w.cmdGravar_Click();
        QCOMPARE(sink.count(), 1);
        QCOMPARE(sink.ultima().texto, u("Mínimo de 4 itens por análise."));
        QCOMPARE(db.valor(QStringLiteral("SELECT Qtde FROM Cases WHERE Numero = 6")).toInt(), 0);

        // A count above 25 that escaped the check leaves the stored one.
        db.setCase(6, u("Seis"), u("S"), 8);
        j.w.Data1()->Refresh();
        j.duploClique(6);
        j.txtCase->setFocus();
        j.txtQtde->setText(u("30"));
        j.txtCase->setText(u("Seis bis"));
        j.w.cmdGravar_Click();
        const auto linha = db.linhas(QStringLiteral("SELECT \"Case\", Qtde FROM Cases WHERE Numero = 6"));
        QCOMPARE(linha.first().at(0).toString(), u("Seis bis"));
        QCOMPARE(linha.first().at(1).toInt(), 8);

        // A count that is no number is saved as 7.
        j.duploClique(6);
        j.txtQtde->setText(u("x"));
        j.w.cmdGravar_Click();
        QCOMPARE(j.txtQtde->text(), u("7"));
        QCOMPARE(db.valor(QStringLiteral("SELECT Qtde FROM Cases WHERE Numero = 6")).toInt(), 7);
        QCOMPARE(db.estado().QtdeFatores.toString(), u("7"));
    }

    void clearHistoryOfCase10()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(10, u("Dez"), u("Sintoma dez"), 5);
        db.exec(QStringLiteral("UPDATE EventosA SET Evento = 'F' || Numero, N01 = 5, N17 = 0.2, N30 = 10, emach = 1.25"));
        db.exec(QStringLiteral("UPDATE Eventos SET Evento = 'Um', N01 = 5, emach = 2"));
        db.exec(QStringLiteral("UPDATE Eventos9 SET Evento = 'Nove', N02 = 1"));
        Janela j(db);
        j.duploClique(10);
        QCOMPARE(db.estado().CaseAtual.toInt(), 10);
        QTest::mouseClick(j.cmdLimpar, Qt::LeftButton);

        QStringList campos;
        for (int c = 1; c <= 30; ++c)
            campos << QStringLiteral("N%1").arg(c, 2, 10, QLatin1Char('0'));
        const auto linhas = db.linhas(QStringLiteral("SELECT Numero, Evento, emach, %1 FROM EventosA ORDER BY Numero")
                                          .arg(campos.join(QStringLiteral(", "))));
        QCOMPARE(linhas.size(), 30);
        for (const auto& l : linhas) {
            QVERIFY2(!l.at(1).isNull() && l.at(1).toString().isEmpty(), qPrintable(l.at(0).toString()));
            for (int i = 2; i < l.size(); ++i)
                QVERIFY2(l.at(i).isNull(), qPrintable(l.at(0).toString()));
        }
        const auto caso = db.linhas(QStringLiteral("SELECT \"Case\", Sintoma, Qtde FROM Cases WHERE Numero = 10"));
        QCOMPARE(caso.first(), (QVariantList{u("Dez"), u("Sintoma dez"), 5}));
        QCOMPARE(db.estado().CaseAtual.toInt(), 10);
        QCOMPARE(j.w.Data2()->RecordSource(), u("Select * FROM EventosA order by Numero"));
        // Other cases' tables are untouched.
        QCOMPARE(db.valor(QStringLiteral("SELECT COUNT(*) FROM Eventos WHERE Evento = 'Um' AND N01 = 5")).toInt(), 30);
        QCOMPARE(db.valor(QStringLiteral("SELECT COUNT(*) FROM Eventos9 WHERE Evento = 'Nove'")).toInt(), 30);
        QCOMPARE(sink.count(), 0);
    }

    void clearRefusedWithoutCurrentCase()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(2, u("Dois"), u("S"), 0);
        for (const char* t : {"Eventos", "Eventos2"})
            db.exec(QStringLiteral("UPDATE %1 SET Evento = 'Nome', N01 = 5, emach = 3").arg(QString::fromLatin1(t)));
        const auto antes = db.linhas(QStringLiteral("SELECT * FROM Eventos UNION ALL SELECT * FROM Eventos2"));

        // Chosen with count 0: loaded, not current.
        Janela j(db);
        j.duploClique(2);
        QCOMPARE(db.estado().CaseAtual.toInt(), 0);
        QVERIFY(j.cmdLimpar->isEnabled());
        QTest::mouseClick(j.cmdLimpar, Qt::LeftButton);
        QCOMPARE(db.linhas(QStringLiteral("SELECT * FROM Eventos UNION ALL SELECT * FROM Eventos2")), antes);
        QCOMPARE(j.w.Data2()->RecordSource(), u("Eventos"));

        // Never chosen at all.
        TestDb vazio;
        vazio.exec(QStringLiteral("UPDATE Eventos SET Evento = 'Nome', N01 = 5"));
        Janela k(vazio);
        QVERIFY(!vazio.estado().CaseAtual.isValid());
        k.w.cmdLimpar_Click();
        QCOMPARE(vazio.valor(QStringLiteral("SELECT COUNT(*) FROM Eventos WHERE Evento = 'Nome' AND N01 = 5")).toInt(), 30);
        QCOMPARE(sink.count(), 0);
    }

    void leaveWritesTheStatusBar()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(7, u("Sete 😀"), u("S"), 9);
        QStringList status;
        db.estado().escreverStatus = [&](const QString& t) { status << t; };

        // Without a choose: the label alone, NomeCase emptied, CaseAtual kept.
        db.estado().CaseAtual = 4;
        db.estado().NomeCase = u("Antigo");
        {
            Janela j(db);
            QTest::mouseClick(j.cmdSair, Qt::LeftButton);
            QVERIFY(!j.w.isVisible());
            QCOMPARE(j.w.result(), int(QDialog::Accepted));
        }
        QCOMPARE(status, QStringList{u(" Case:  ")});
        QCOMPARE(db.estado().NomeCase, QString());
        QCOMPARE(db.estado().CaseAtual.toInt(), 4);

        // After a choose: the text of the box, as it stands.
        {
            Janela j(db);
            j.duploClique(7);
            QTest::mouseClick(j.cmdSair, Qt::LeftButton);
        }
        QCOMPARE(status.last(), u(" Case:  Sete 😀"));
        QCOMPARE(db.estado().NomeCase, u("Sete 😀"));
        QCOMPARE(db.estado().CaseAtual.toInt(), 7);

        // The frame's close button skips both steps.
        status.clear();
        {
            Janela j(db);
            j.duploClique(1);
            j.w.close();
            QVERIFY(!j.w.isVisible());
        }
        QVERIFY(status.isEmpty());
        QCOMPARE(db.estado().NomeCase, u("Sete 😀"));
    }

    void captionsInThreeLanguages()
    {
        const struct { int idioma; const char* titulo; const char* l4; const char* l2; const char* l1; const char* sair;
                       const char* limpar; const char* gravar; const char* h0; const char* h2; const char* h3; } sets[] = {
            {3, "Cadastramento de Casos  (Máximo  10)", "Duplo click para escolher o case",
             "Objetivo a alcançar ou Sintoma indesejado:", "Quantidade de Fatores:", "&Voltar",
             "&Limpar histórico anterior", "&Gravar", "Número", "Sintoma", "Qtde"},
            {1, "Registration of Cases (Maximum 10)", "Double click to choose the case",
             "Goal to achieve or undesired Symptom", "Number of Factors", "Return", "Clear previous history", "Write",
             "Number", "symptom", "Amont"},
            {2, "Registro de Cases (Máximo 10)", "Haga doble clic para seleccionar el case",
             "Meta para alcanzar o síntoma no deseado:", "Número de factores:", "&Volter", "Borrar historial anterior",
             "Registro", "Número", "Sintoma", "Cantidad"},
        };
        for (const auto& s : sets) {
            TestDb db;
            db.estado().IdiomaAtual = qint16(s.idioma);
            Janela j(db);
            QCOMPARE(j.w.windowTitle(), u(s.titulo));
            QCOMPARE(j.w.findChild<QLabel*>(QStringLiteral("Label4"))->text(), u(s.l4));
            QCOMPARE(j.w.findChild<QLabel*>(QStringLiteral("Label2"))->text(), u(s.l2));
            QCOMPARE(j.w.findChild<QLabel*>(QStringLiteral("Label1"))->text(), u(s.l1));
            QCOMPARE(j.w.findChild<QLabel*>(QStringLiteral("Label3"))->text(), u("Case:"));
            QCOMPARE(j.cmdSair->text(), u(s.sair));
            QCOMPARE(j.cmdLimpar->text(), u(s.limpar));
            QCOMPARE(j.cmdGravar->text(), u(s.gravar));
            QAbstractItemModel* m = j.grade->model();
            QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), u(s.h0));
            QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), u("Case"));
            QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), u(s.h2));
            QCOMPARE(m->headerData(3, Qt::Horizontal).toString(), u(s.h3));
        }
    }
};

QTEST_MAIN(TstFrmCases)
#include "tst_frmCases.moc"
