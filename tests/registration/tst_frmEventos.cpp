#include "registration/frmEventos.h"
#include "shell/Fonts.h"
#include "store/DataSource.h"
#include "tests/support/Janela.h"
#include "tests/support/RecordingSink.h"

using J = Janela<frmEventos>;

namespace {
// The grid's cell editor, when one is open.
QLineEdit* editor(J& j)
{
    auto* e = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return e && j.grade()->isAncestorOf(e) ? e : nullptr;
}

// Clicks the factor cell of a row (current already or not) and types a name
// at once, each key where the focus is, as a user does: every key arrives.
void digitarNome(J& j, int linha, const QString& ascii)
{
    j.clicar(linha, 1);
    for (const QChar ch : ascii)
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    QVERIFY(editor(j));
}

QString evento(TestDb& db, int n) { return db.valor(u("SELECT Evento FROM Eventos3 WHERE Numero = ?"), {n}).toString(); }
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
        db.setCase(4, QStringLiteral("1234567890").repeated(5), QString(39, QLatin1Char('x')) + u("😀fim"), 4);
        db.setCase(6, QVariant(), QVariant(), QVariant());
        db.exec(QStringLiteral("UPDATE Eventos4 SET Evento = 'E' || Numero"));
        // Boxes (40 characters at most, an emoji whole or not at all) and rows:
        // count 4 shows rows 1 to 4 whatever rows 5 to 30 hold.
        const struct { int caso; QString caixas, linhas; } casos[] = {
            {3, u("Atraso|Entregas fora do prazo|12"), u("1= 2= 3= 4= 5= 6= 7= 8= 9= 10= 11= 12=")},
            {4, QStringLiteral("1234567890").repeated(4) + u("|") + QString(39, QLatin1Char('x')) + u("|4"),
             u("1=E1 2=E2 3=E3 4=E4")},
            {6, u("||"), QString()}, // Null fields and count: empty boxes
            {0, u("||"), QString()},  // no Cases row: nothing loaded
        };
        for (const auto& c : casos) {
            db.estado().CaseAtual = c.caso;
            db.estado().QtdeFatores = 7;
            J j(db);
            QCOMPARE(j.caixas(), c.caixas);
            QStringList linhas;
            for (int r = 0; r < j.grade()->model()->rowCount(); ++r)
                linhas << j.celula(r, 0) + u("=") + j.celula(r, 1);
            QCOMPARE(linhas.join(u' '), c.linhas);
            // The count kept is that of the rows shown; without a Cases row it stays.
            QCOMPARE(db.estado().QtdeFatores.toInt(), c.caso ? int(c.linhas.count(u'=')) : 7);
            if (c.caso == 3)
                QCOMPARE(QApplication::focusWidget(), j.grade());
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
            // The cell current on opening; written when another row becomes
            // current, not when the cell is.
            digitarNome(j, 0, u("Falta de treino"));
            QTest::keyClick(editor(j), Qt::Key_Return);
            QCOMPARE(evento(db, 1), u("antigo1"));
            j.clicar(2, 0);
            QCOMPARE(evento(db, 1), u("Falta de treino"));

            // Nothing typed in the boxes reaches the store or the rows shown.
            j.digitar("txtQtde", u("9"), "txtCase");
            j.digitar("txtCase", u("Outro"), "txtSintoma");

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
        QCOMPARE(db.valor(QStringLiteral("SELECT \"Case\" || Qtde FROM Cases WHERE Numero = 3")).toString(), u("Caso6"));
        {
            J j(db); // so does "&Salvar e Sair"; an emptied name is the empty text
            digitarNome(j, 0, u("x"));
            QTest::keyClick(editor(j), Qt::Key_Backspace);
            digitarNome(j, 3, u("Quarto"));
            QTest::mouseClick(j.c("cmdSair"), Qt::LeftButton);
            QVERIFY(!j.w.isVisible());
        }
        QCOMPARE(evento(db, 4), u("Quarto"));
        QCOMPARE(db.valor(QStringLiteral("SELECT COUNT(*) FROM Eventos3 WHERE Numero = 1 AND Evento = ''")).toInt(), 1);
        QCOMPARE(sink.count(), 0);
    }

    void countBoxCheckInEachLanguage()
    {
        // Entry, what the box holds after (no lower bound here), whether the
        // message shows; an emptied box keeps the focus. A fourth language
        // speaks Portuguese and shows no message, so the box keeps "26".
        const struct { const char* e; const char* fica; bool aviso; } casos[] = {
            {"25", "25", false}, {"3", "3", false}, {"abc", "", false}, {"", "", false}, {"26", "", true}};
        const char* mensagens[] = {"Limit System!: Permitted maximum of 25 items for analysis.",
                                   "Sistema Limit!: Máximo permitido de 25 elementos para el análisis.",
                                   "Limite do Sistema!: Permitido o máximo de 25 itens por análise."};
        for (int idioma : {1, 2, 3, 4}) {
            TestDb db;
            RecordingSink sink;
            db.estado().IdiomaAtual = qint16(idioma);
            J j(db);
            QStringList vistos; // the box's text as each message shows, and the message
            sink.aoMostrar = [&](const RecordingSink::Mensagem& m) {
                vistos << j.texto("txtQtde") + u("|") + m.titulo + u(": ") + m.texto + (m.icone == Icone::Exclamacao ? u("") : u(" (icon)"));
            };
            for (const auto& c : casos) {
                vistos.clear();
                j.digitar("txtQtde", u(c.e), "txtSintoma");
                const bool aviso = c.aviso && idioma < 4;
                const QString fica = u(c.aviso && !aviso ? c.e : c.fica);
                QCOMPARE(QStringList({j.texto("txtQtde"), QApplication::focusWidget()->objectName()}) + vistos,
                         QStringList({fica, u(fica.isEmpty() ? "txtQtde" : "txtSintoma")})
                             + QStringList(u(c.e) + u("|") + u(aviso ? mensagens[idioma - 1] : "")).mid(!aviso));
            }
            if (idioma == 4)
                QCOMPARE(j.w.windowTitle(), u("Cadastro de Eventos"));
        }
    }
};

QTEST_MAIN(TstFrmEventos)
#include "tst_frmEventos.moc"
