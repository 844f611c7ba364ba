#include "registration/frmEventos.h"
#include "shell/Fonts.h"
#include "store/DataSource.h"
#include "tests/registration/Janela.h"
#include "tests/support/RecordingSink.h"

using J = Janela<frmEventos>;

namespace {
QStringList linhas(J& j)
{
    QStringList out;
    for (int r = 0; r < j.grade()->model()->rowCount(); ++r)
        out << j.celula(r, 0) + QLatin1Char('=') + j.celula(r, 1);
    return out;
}

// The cell editor open in the grid, if any.
QLineEdit* editor(J& j)
{
    for (auto* e : j.grade()->viewport()->findChildren<QLineEdit*>())
        if (!e->isHidden())
            return e;
    return nullptr;
}

// Types a name into the factor cell of a row, as a user starts typing there.
void digitarNome(J& j, int linha, const QString& ascii)
{
    j.grade()->setFocus();
    j.grade()->setCurrentIndex(j.grade()->model()->index(linha, 1));
    QTest::keyClicks(j.grade(), ascii.left(1));
    QVERIFY(editor(j));
    QTest::keyClicks(editor(j), ascii.mid(1));
}

QString evento(TestDb& db, int numero)
{
    return db.valor(QStringLiteral("SELECT Evento FROM Eventos3 WHERE Numero = ?"), {numero}).toString();
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

    void loadsTheCurrentCase()
    {
        TestDb db;
        RecordingSink sink;
        db.setCase(3, u("Atraso"), u("Entregas fora do prazo"), 12);
        db.setCase(1, u("Um"), u("S"), 4);
        db.setCase(10, u("Dez"), u("S"), 5);
        db.setCase(5, QStringLiteral("1234567890").repeated(5), QStringLiteral("x").repeated(39) + u("😀fim"), 4);
        db.setCase(6, QVariant(), QVariant(), QVariant());
        for (const char* t : {"Eventos3", "Eventos", "EventosA"})
            db.exec(QStringLiteral("UPDATE %1 SET Evento = '%1.' || Numero").arg(QString::fromLatin1(t)));
        db.estado().CaseAtual = 3;
        {
            J j(db);
            QCOMPARE(j.w.Data1()->RecordSource(), u("Select * FROM Eventos3 Where Numero <= 12 order by Numero"));
            QCOMPARE(db.estado().QtdeFatores.toInt(), 12);
            QCOMPARE(QStringList({j.texto("txtCase"), j.texto("txtSintoma"), j.texto("txtQtde")}),
                     QStringList({u("Atraso"), u("Entregas fora do prazo"), u("12")}));
            QCOMPARE(linhas(j).size(), 12);
            QCOMPARE(QApplication::focusWidget(), j.grade());
        }
        // Count 4 shows rows 1 to 4 only, whatever the rows above hold.
        db.setCase(3, u("Atraso"), u("S"), 4);
        {
            J j(db);
            QCOMPARE(linhas(j), QStringList({u("1=Eventos3.1"), u("2=Eventos3.2"), u("3=Eventos3.3"), u("4=Eventos3.4")}));
        }
        db.estado().CaseAtual = 1;
        {
            J j(db);
            QCOMPARE(j.w.Data1()->RecordSource(), u("Select * FROM Eventos Where Numero <= 4 order by Numero"));
            QCOMPARE(linhas(j).first(), u("1=Eventos.1"));
        }
        db.estado().CaseAtual = 10;
        {
            J j(db);
            QCOMPARE(linhas(j).last(), u("5=EventosA.5"));
        }
        // 40 characters shown, an emoji kept whole or not at all.
        db.estado().CaseAtual = 5;
        {
            J j(db);
            QCOMPARE(j.texto("txtCase"), QStringLiteral("1234567890").repeated(4));
            QCOMPARE(j.texto("txtSintoma"), QStringLiteral("x").repeated(39));
        }
        // Null fields show empty boxes; a Null count shows no rows.
        db.estado().CaseAtual = 6;
        {
            J j(db);
            QCOMPARE(QStringList({j.texto("txtCase"), j.texto("txtSintoma"), j.texto("txtQtde")}),
                     QStringList({QString(), QString(), u("0")}));
            QCOMPARE(linhas(j), QStringList());
        }
        // No Cases row for the current case: empty boxes, no table bound.
        db.estado().CaseAtual = 0;
        db.estado().QtdeFatores = 7;
        {
            J j(db);
            QVERIFY(j.texto("txtCase").isEmpty() && j.texto("txtQtde").isEmpty());
            QCOMPARE(j.w.Data1()->RecordSource(), u("Eventos"));
            QCOMPARE(linhas(j), QStringList());
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
            J j(db);
            // Written when another row becomes current, not before.
            digitarNome(j, 0, u("Falta de treino"));
            QCOMPARE(evento(db, 1), u("antigo1"));
            j.clicar(2, 0);
            QCOMPARE(evento(db, 1), u("Falta de treino"));

            const QString aspero = u("Máquina \"velha\" d'aço'); DELETE FROM Eventos3;-- 🔧");
            j.grade()->setCurrentIndex(j.grade()->model()->index(2, 1));
            j.grade()->edit(j.grade()->currentIndex());
            editor(j)->setText(aspero);
            QTest::keyClick(editor(j), Qt::Key_Down);
            QCOMPARE(evento(db, 3), aspero);

            // A cell committed without leaving its row waits for the row change.
            j.grade()->model()->setData(j.grade()->model()->index(1, 1), u("Segundo"));
            QCOMPARE(evento(db, 2), u("antigo2"));
            j.clicar(4, 1);
            QCOMPARE(evento(db, 2), u("Segundo"));

            // The number column takes nothing; no row is added or removed.
            j.grade()->setCurrentIndex(j.grade()->model()->index(4, 0));
            QTest::keyClicks(j.grade(), u("99"));
            QVERIFY(!editor(j));
            for (Qt::Key k : {Qt::Key_Delete, Qt::Key_Insert, Qt::Key_End, Qt::Key_Down})
                QTest::keyClick(j.grade(), k);
            QCOMPARE(j.grade()->model()->rowCount(), 6);

            // The close button writes the row being edited.
            digitarNome(j, 5, u("Ultimo"));
            j.w.close();
        }
        QCOMPARE(evento(db, 6), u("Ultimo"));
        QCOMPARE(evento(db, 7), u("antigo7"));
        QCOMPARE(db.valor(QStringLiteral("SELECT COUNT(*) FROM Eventos3")).toInt(), 30);
        {
            J j(db); // and so does "&Salvar e Sair", the cell still open
            digitarNome(j, 3, u("Quarto"));
            QTest::mouseClick(j.c("cmdSair"), Qt::LeftButton);
            QVERIFY(!j.w.isVisible());
        }
        QCOMPARE(evento(db, 4), u("Quarto"));
        {
            J j(db); // an emptied name is the empty text
            digitarNome(j, 0, u("x"));
            QTest::keyClick(editor(j), Qt::Key_Backspace);
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
        for (int idioma : {1, 2, 3, 4}) {
            TestDb db;
            RecordingSink sink;
            db.estado().IdiomaAtual = qint16(idioma);
            db.setCase(2, u("Dois"), u("S"), 5);
            db.estado().CaseAtual = 2;
            J j(db);
            QString noAviso;
            sink.aoMostrar = [&](const RecordingSink::Mensagem&) { noAviso = j.texto("txtQtde"); };

            j.digitar("txtQtde", u("25"), "txtSintoma");
            j.digitar("txtQtde", u("3"), "txtSintoma"); // no lower bound here
            QCOMPARE(j.texto("txtQtde"), u("3"));
            QCOMPARE(QApplication::focusWidget(), j.c("txtSintoma"));
            for (const char* e : {"abc", ""}) {
                j.digitar("txtQtde", u(e), "txtSintoma");
                QCOMPARE(j.texto("txtQtde"), QString());
                QCOMPARE(QApplication::focusWidget(), j.c("txtQtde"));
            }
            j.digitar("txtQtde", u("26"), "txtSintoma");
            if (idioma == 4) { // no message, and the text stays
                QCOMPARE(sink.count(), 0);
                QCOMPARE(j.texto("txtQtde"), u("26"));
                continue;
            }
            QCOMPARE(sink.count(), 1);
            QCOMPARE(sink.ultima().icone, Icone::Exclamacao);
            QCOMPARE(sink.ultima().titulo, u(titulos[idioma - 1]));
            QCOMPARE(sink.ultima().texto, u(textos[idioma - 1]));
            QCOMPARE(noAviso, u("26"));
            QCOMPARE(j.texto("txtQtde"), QString());
            QCOMPARE(QApplication::focusWidget(), j.c("txtQtde"));

            // Nothing typed in the boxes reaches the store or the rows shown.
            j.digitar("txtQtde", u("9"), "txtCase");
            j.digitar("txtCase", u("Outro"), "txtSintoma");
            QCOMPARE(j.grade()->model()->rowCount(), 5);
            j.w.close();
            QCOMPARE(db.linhas(QStringLiteral("SELECT \"Case\", Qtde FROM Cases WHERE Numero = 2")).first(),
                     (QVariantList{u("Dois"), 5}));
        }
    }

    void captionsInThreeLanguages()
    {
        const QStringList esperado[] = {
            {u("Cadastro de Eventos"), u("Sintoma indesejado ou Objetivo a alcançar:"), u("Quantidade de Fatores:"),
             u("Case:"), u("&Salvar e Sair"), u("Número"), u("Evento")},
            {u("Registration of events"), u("Goal to achieve or undesired symptom"), u("Number of Factors"),
             u("Case:"), u("Write and Return"), u("Number"), u("Evento")},
            {u("Registro dos Eventos"), u("Meta para alcanzar o síntoma no deseado"), u("Número de Factores"),
             u("Case:"), u("Registro e Volver"), u("Número"), u("Evento")},
        };
        for (int idioma : {3, 1, 2}) {
            TestDb db;
            db.estado().IdiomaAtual = qint16(idioma);
            J j(db);
            const QStringList visto{j.w.windowTitle(), j.texto("Label2"), j.texto("Label1"), j.texto("Label3"),
                                    j.texto("cmdSair"), j.titulo(0), j.titulo(1)};
            QCOMPARE(visto, esperado[idioma % 3]);
        }
    }
};

QTEST_MAIN(TstFrmEventos)
#include "tst_frmEventos.moc"
