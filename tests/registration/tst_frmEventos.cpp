#include "registration/frmEventos.h"
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
        cmdSair = w.findChild<QAbstractButton*>(QStringLiteral("cmdSair"));
    }

    QStringList linhas() const
    {
        QStringList out;
        for (int r = 0; r < grade->model()->rowCount(); ++r)
            out << grade->model()->index(r, 0).data().toString() + QLatin1Char('=') +
                       grade->model()->index(r, 1).data().toString();
        return out;
    }

    // The cell editor open in the grid, if any.
    QLineEdit* editor() const
    {
        for (auto* e : grade->viewport()->findChildren<QLineEdit*>())
            if (!e->isHidden())
                return e;
        return nullptr;
    }

    // Starts typing a name into the factor cell of a row.
    QLineEdit* digitar(int linha, const QString& asciiTexto)
    {
        grade->setFocus();
        grade->setCurrentIndex(grade->model()->index(linha, 1));
        QTest::keyClicks(grade, asciiTexto.left(1));
        QLineEdit* e = editor();
        if (e)
            QTest::keyClicks(e, asciiTexto.mid(1));
        return e;
    }

    void clicarLinha(int linha)
    {
        const QRect r = grade->visualRect(grade->model()->index(linha, 0));
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, r.center());
    }

    void digitarQtde(const QString& texto)
    {
        txtQtde->setFocus();
        txtQtde->selectAll();
        QTest::keyClick(txtQtde, Qt::Key_Backspace);
        QTest::keyClicks(txtQtde, texto);
        txtSintoma->setFocus();
    }

    frmEventos w;
    QTableView* grade;
    QLineEdit* txtCase;
    QLineEdit* txtSintoma;
    QLineEdit* txtQtde;
    QAbstractButton* cmdSair;
};

QString evento(TestDb& db, const QString& tabela, int numero)
{
    return db.valor(QStringLiteral("SELECT Evento FROM %1 WHERE Numero = ?").arg(tabela), {numero}).toString();
}
} // namespace

class TstFrmEventos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fontes::instalarSubstituicoes();
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void layoutAsDrawn()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(3, u("Nome"), u("Sintoma"), 6);
        db.estado().CaseAtual = 3;
        Janela j(db);
        QCOMPARE(j.w.windowTitle(), u("Cadastro de Eventos"));
        QCOMPARE(j.w.size(), QSize(Twips::px(9255), Twips::px(5745)));
        QVERIFY(j.w.isModal());
        const struct { const char* nome; int l, t, w, h; } lugares[] = {
            {"Label3", 975, 450, 1065, 240},     {"txtCase", 2100, 375, 6330, 315},
            {"Label2", 225, 900, 1815, 420},     {"txtSintoma", 2100, 975, 6330, 315},
            {"Label1", 225, 1575, 1815, 240},    {"txtQtde", 2100, 1500, 540, 315},
            {"DBGrid1", 2115, 2100, 6795, 3360}, {"cmdSair", 300, 4500, 1455, 960},
        };
        for (const auto& l : lugares) {
            auto* c = j.w.findChild<QWidget*>(QString::fromLatin1(l.nome));
            QVERIFY2(c, l.nome);
            QCOMPARE(c->geometry(), Twips::rect(l.l, l.t, l.w, l.h));
        }
        for (QLineEdit* c : {j.txtCase, j.txtSintoma, j.txtQtde}) {
            QVERIFY(c->font().bold());
            QCOMPARE(c->font().pointSizeF(), 8.25);
            QCOMPARE(c->palette().color(QPalette::Base), Cores::cor(0x80000018));
        }
        QCOMPARE(j.txtCase->maxLength(), 40);
        QCOMPARE(j.txtSintoma->maxLength(), 40);
        QCOMPARE(j.cmdSair->text(), u("&Salvar e Sair"));
        QCOMPARE(j.w.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 u("Sintoma indesejado ou Objetivo a alcançar:"));
        QCOMPARE(j.w.findChild<QLabel*>(QStringLiteral("Label1"))->text(), u("Quantidade de Fatores:"));
        QCOMPARE(j.w.findChild<QLabel*>(QStringLiteral("Label3"))->text(), u("Case:"));

        // Grid first, then the button and the three boxes; the focus starts in the grid.
        QCOMPARE(QApplication::focusWidget(), j.grade);
        QWidget* ordem[] = {j.grade, j.cmdSair, j.txtCase, j.txtQtde, j.txtSintoma, j.grade};
        for (int i = 0; i + 1 < 6; ++i)
            QCOMPARE(proximoTab(ordem[i]), ordem[i + 1]);

        QCOMPARE(j.grade->font().pointSizeF(), 8.25);
        QVERIFY(j.grade->verticalHeader()->isVisible()); // record selectors
        QCOMPARE(j.grade->model()->columnCount(), 2);
        QCOMPARE(j.grade->model()->headerData(0, Qt::Horizontal).toString(), u("Número"));
        QCOMPARE(j.grade->model()->headerData(1, Qt::Horizontal).toString(), u("Evento"));
        QCOMPARE(j.grade->columnWidth(0), Twips::px(705));
        QCOMPARE(j.grade->columnWidth(1), Twips::px(5505));
    }

    void loadsTheCurrentCase()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(3, u("Atraso"), u("Entregas fora do prazo"), 12);
        db.exec(QStringLiteral("UPDATE Eventos3 SET Evento = 'E' || Numero"));
        db.estado().CaseAtual = 3;
        db.estado().QtdeFatores = 99;
        {
            Janela j(db);
            QCOMPARE(j.w.Data1()->RecordSource(), u("Select * FROM Eventos3 Where Numero <= 12 order by Numero"));
            QCOMPARE(j.w.Data1()->DatabaseName(), db.estado().caminhoBanco());
            QCOMPARE(db.estado().QtdeFatores.toInt(), 12);
            QCOMPARE(j.txtCase->text(), u("Atraso"));
            QCOMPARE(j.txtSintoma->text(), u("Entregas fora do prazo"));
            QCOMPARE(j.txtQtde->text(), u("12"));
            QCOMPARE(j.grade->model()->rowCount(), 12);
            QCOMPARE(j.grade->model()->index(11, 1).data().toString(), u("E12"));
        }

        // Count 4 shows rows 1 to 4 only, whatever the rows above hold.
        db.setCase(3, u("Atraso"), u("S"), 4);
        {
            Janela j(db);
            QCOMPARE(j.linhas(), (QStringList{u("1=E1"), u("2=E2"), u("3=E3"), u("4=E4")}));
            QCOMPARE(db.estado().QtdeFatores.toInt(), 4);
        }

        // Case 1 reads Eventos, case 10 EventosA.
        db.setCase(1, u("Um"), u("S"), 4);
        db.setCase(10, u("Dez"), u("S"), 5);
        db.exec(QStringLiteral("UPDATE Eventos SET Evento = 'um' || Numero"));
        db.exec(QStringLiteral("UPDATE EventosA SET Evento = 'dez' || Numero"));
        db.estado().CaseAtual = 1;
        {
            Janela j(db);
            QCOMPARE(j.w.Data1()->RecordSource(), u("Select * FROM Eventos Where Numero <= 4 order by Numero"));
            QCOMPARE(j.linhas().first(), u("1=um1"));
        }
        db.estado().CaseAtual = 10;
        {
            Janela j(db);
            QCOMPARE(j.w.Data1()->RecordSource(), u("Select * FROM EventosA Where Numero <= 5 order by Numero"));
            QCOMPARE(j.linhas().last(), u("5=dez5"));
        }

        // Long texts show their first 40 characters, an emoji kept whole.
        const QString longo = QStringLiteral("1234567890").repeated(5);
        db.setCase(5, longo, QStringLiteral("x").repeated(39) + u("😀fim"), 4);
        db.estado().CaseAtual = 5;
        {
            Janela j(db);
            QCOMPARE(j.txtCase->text(), longo.left(40));
            QCOMPARE(j.txtSintoma->text(), QStringLiteral("x").repeated(39));
        }

        // Null fields show empty boxes; a Null count shows no rows.
        db.setCase(6, QVariant(), QVariant(), QVariant());
        db.estado().CaseAtual = 6;
        {
            Janela j(db);
            QCOMPARE(j.txtCase->text(), QString());
            QCOMPARE(j.txtSintoma->text(), QString());
            QCOMPARE(j.txtQtde->text(), u("0"));
            QCOMPARE(j.grade->model()->rowCount(), 0);
            QCOMPARE(db.estado().QtdeFatores.toInt(), 0);
        }

        // No Cases row for the current case: empty boxes, no factor table bound.
        db.estado().CaseAtual = 0;
        db.estado().QtdeFatores = 7;
        {
            Janela j(db);
            QVERIFY(j.txtCase->text().isEmpty() && j.txtSintoma->text().isEmpty() && j.txtQtde->text().isEmpty());
            QCOMPARE(j.grade->model()->rowCount(), 0);
            QCOMPARE(j.w.Data1()->RecordSource(), u("Eventos"));
            QCOMPARE(db.estado().QtdeFatores.toInt(), 7);
        }
        QCOMPARE(sink.count(), 0);
    }

    void namesReachTheTable()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(3, u("Caso"), u("S"), 6);
        db.exec(QStringLiteral("UPDATE Eventos3 SET Evento = 'antigo' || Numero"));
        db.estado().CaseAtual = 3;
        {
            Janela j(db);
            // Typing starts an edit; nothing is written while the row stays current.
            QLineEdit* e = j.digitar(0, u("Falta de treino"));
            QVERIFY(e);
            QCOMPARE(evento(db, u("Eventos3"), 1), u("antigo1"));
            QTest::keyClick(e, Qt::Key_Return);
            j.clicarLinha(2);
            QCOMPARE(evento(db, u("Eventos3"), 1), u("Falta de treino"));

            // Emoji, quotes and SQL text stored exactly; written on the move to another row.
            const QString aspero = u("Máquina \"velha\" d'aço'); DELETE FROM Eventos3;-- 🔧");
            j.grade->setCurrentIndex(j.grade->model()->index(2, 1));
            j.grade->edit(j.grade->currentIndex());
            QVERIFY(j.editor());
            j.editor()->setText(aspero);
            QCOMPARE(evento(db, u("Eventos3"), 3), u("antigo3"));
            QTest::keyClick(j.editor(), Qt::Key_Down);
            QCOMPARE(j.grade->currentIndex().row(), 3);
            QCOMPARE(evento(db, u("Eventos3"), 3), aspero);

            // A cell committed without leaving it (focus went elsewhere) is
            // written by the next row change.
            j.grade->model()->setData(j.grade->model()->index(1, 1), u("Segundo antes"));
            QCOMPARE(evento(db, u("Eventos3"), 2), u("antigo2"));
            j.clicarLinha(4);
            QCOMPARE(evento(db, u("Eventos3"), 2), u("Segundo antes"));

            // The number column takes nothing; no row is added or removed.
            QVERIFY(!(j.grade->model()->flags(j.grade->model()->index(0, 0)) & Qt::ItemIsEditable));
            j.grade->setCurrentIndex(j.grade->model()->index(4, 0));
            QTest::keyClicks(j.grade, u("99"));
            QVERIFY(!j.editor());
            QTest::keyClick(j.grade, Qt::Key_Delete);
            QTest::keyClick(j.grade, Qt::Key_Insert);
            j.grade->setCurrentIndex(j.grade->model()->index(5, 1));
            QTest::keyClick(j.grade, Qt::Key_Down);
            QCOMPARE(j.grade->model()->rowCount(), 6);

            // The row being edited is written when the window's close button is used.
            j.digitar(5, u("Ultimo fator"));
            QVERIFY(j.editor());
            j.w.close();
            QVERIFY(!j.w.isVisible());
        }
        QCOMPARE(evento(db, u("Eventos3"), 6), u("Ultimo fator"));
        QCOMPARE(db.valor(QStringLiteral("SELECT COUNT(*) FROM Eventos3")).toInt(), 30);
        QCOMPARE(db.valor(QStringLiteral("SELECT Numero FROM Eventos3 WHERE Numero = 5")).toInt(), 5);
        QCOMPARE(evento(db, u("Eventos3"), 7), u("antigo7"));

        // ... and when "&Salvar e Sair" is clicked, the cell still open.
        {
            Janela j(db);
            j.digitar(1, u("Segundo"));
            QTest::mouseClick(j.cmdSair, Qt::LeftButton);
            QVERIFY(!j.w.isVisible());
            QCOMPARE(j.w.result(), int(QDialog::Accepted));
        }
        QCOMPARE(evento(db, u("Eventos3"), 2), u("Segundo"));

        // An edited cell that was closed but not left is written on close too.
        {
            Janela j(db);
            j.grade->setCurrentIndex(j.grade->model()->index(3, 1));
            j.grade->model()->setData(j.grade->currentIndex(), u("Quarto"));
            j.w.cmdSair_Click();
        }
        QCOMPARE(evento(db, u("Eventos3"), 4), u("Quarto"));

        // An emptied name is the empty text, not Null.
        {
            Janela j(db);
            QLineEdit* e = j.digitar(0, u("x"));
            QTest::keyClick(e, Qt::Key_Backspace);
            j.w.close();
        }
        const QVariant vazio = db.valor(QStringLiteral("SELECT Evento FROM Eventos3 WHERE Numero = 1"));
        QVERIFY(!vazio.isNull() && vazio.toString().isEmpty());
        QCOMPARE(sink.count(), 0);
    }

    void countBoxCheck()
    {
        const char* titulos[] = {"Limit System!", "Sistema Limit!", "Limite do Sistema!"};
        const char* textos[] = {"Permitted maximum of 25 items for analysis.",
                                "Máximo permitido de 25 elementos para el análisis.",
                                "Permitido o máximo de 25 itens por análise."};
        for (int idioma : {1, 2, 3}) {
            TestDb db;
            RecordingSink sink;
            db.estado().IdiomaAtual = qint16(idioma);
            db.setCase(2, u("Dois"), u("S"), 5);
            db.estado().CaseAtual = 2;
            Janela j(db);
            QString noAviso;
            sink.aoMostrar = [&](const RecordingSink::Mensagem&) { noAviso = j.txtQtde->text(); };

            j.digitarQtde(u("25"));
            QCOMPARE(j.txtQtde->text(), u("25"));
            QCOMPARE(QApplication::focusWidget(), j.txtSintoma);
            j.digitarQtde(u("3"));
            QCOMPARE(j.txtQtde->text(), u("3")); // no lower bound here
            QCOMPARE(sink.count(), 0);

            j.digitarQtde(u("26"));
            QCOMPARE(sink.count(), 1);
            QCOMPARE(sink.ultima().icone, Icone::Exclamacao);
            QCOMPARE(sink.ultima().titulo, u(titulos[idioma - 1]));
            QCOMPARE(sink.ultima().texto, u(textos[idioma - 1]));
            QCOMPARE(noAviso, u("26"));
            QCOMPARE(j.txtQtde->text(), QString());
            QCOMPARE(QApplication::focusWidget(), j.txtQtde);

            j.digitarQtde(u("abc"));
            QCOMPARE(j.txtQtde->text(), QString());
            QCOMPARE(QApplication::focusWidget(), j.txtQtde);
            j.digitarQtde(QString());
            QCOMPARE(QApplication::focusWidget(), j.txtQtde);
            QCOMPARE(sink.count(), 1);

            // Nothing typed in the boxes reaches the store or the rows shown.
            j.digitarQtde(u("9"));
            j.txtCase->setText(u("Outro nome"));
            QCOMPARE(j.grade->model()->rowCount(), 5);
            j.w.close();
            QCOMPARE(db.linhas(QStringLiteral("SELECT \"Case\", Qtde FROM Cases WHERE Numero = 2")).first(),
                     (QVariantList{u("Dois"), 5}));
        }

        // A language code outside 1 to 3 shows nothing and leaves the text.
        TestDb db;
        RecordingSink sink;
        db.estado().IdiomaAtual = 4;
        db.setCase(2, u("Dois"), u("S"), 5);
        db.estado().CaseAtual = 2;
        Janela j(db);
        j.digitarQtde(u("30"));
        QCOMPARE(sink.count(), 0);
        QCOMPARE(j.txtQtde->text(), u("30"));
    }

    void captionsInThreeLanguages()
    {
        const struct { int idioma; const char* titulo; const char* l2; const char* l1; const char* sair; const char* h0; } sets[] = {
            {3, "Cadastro de Eventos", "Sintoma indesejado ou Objetivo a alcançar:", "Quantidade de Fatores:",
             "&Salvar e Sair", "Número"},
            {1, "Registration of events", "Goal to achieve or undesired symptom", "Number of Factors",
             "Write and Return", "Number"},
            {2, "Registro dos Eventos", "Meta para alcanzar o síntoma no deseado", "Número de Factores",
             "Registro e Volver", "Número"},
        };
        for (const auto& s : sets) {
            TestDb db;
            db.setCase(1, u("Um"), u("S"), 4);
            db.estado().CaseAtual = 1;
            db.estado().IdiomaAtual = qint16(s.idioma);
            Janela j(db);
            QCOMPARE(j.w.windowTitle(), u(s.titulo));
            QCOMPARE(j.w.findChild<QLabel*>(QStringLiteral("Label2"))->text(), u(s.l2));
            QCOMPARE(j.w.findChild<QLabel*>(QStringLiteral("Label1"))->text(), u(s.l1));
            QCOMPARE(j.w.findChild<QLabel*>(QStringLiteral("Label3"))->text(), u("Case:"));
            QCOMPARE(j.cmdSair->text(), u(s.sair));
            QCOMPARE(j.grade->model()->headerData(0, Qt::Horizontal).toString(), u(s.h0));
            // The factor column keeps its name in every language.
            QCOMPARE(j.grade->model()->headerData(1, Qt::Horizontal).toString(), u("Evento"));
        }
    }
};

QTEST_MAIN(TstFrmEventos)
#include "tst_frmEventos.moc"
