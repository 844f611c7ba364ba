// The case register and the factor register.
#include "registration/frmCases.h"
#include "registration/frmEventos.h"
#include "shell/Fonts.h"
#include "tests/support/Dica.h"
#include "tests/support/Janela.h"
#include "tests/support/Respostas.h"

#include <QClipboard>
#include <QHeaderView>
#include <QScrollBar>
#include <QTemporaryDir>

using J = Janela<frmCases>;
using JE = Janela<frmEventos>;

namespace {
int atual(TestDb& db) { return db.estado().CaseAtual.toInt(); }
// Whether "&Gravar" and "&Limpar histórico anterior" can be pressed, as "10".
QString ativos(J& j) { return QString::number(j.c("cmdGravar")->isEnabled()) + QString::number(j.c("cmdLimpar")->isEnabled()); }
// Fills the three boxes without leaving them.
void preencher(J& j, const QString& caso, const QString& sintoma, const QString& qtde)
{
    j.c<QLineEdit>("txtCase")->setText(caso);
    j.c<QLineEdit>("txtSintoma")->setText(sintoma);
    j.c<QLineEdit>("txtQtde")->setText(qtde);
}

// A Cases row as "case|symptom|count", Null shown as "~".
QString guardado(TestDb& db, int numero)
{
    return db.valor(QStringLiteral("SELECT IFNULL(\"Case\", '~') || '|' || IFNULL(Sintoma, '~') || '|' || "
                                   "IFNULL(Qtde, '~') FROM Cases WHERE Numero = ?"), {numero}).toString();
}

// The grid's cell editor, when one is open.
QLineEdit* editor(JE& j)
{
    auto* e = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return e && j.grade()->isAncestorOf(e) ? e : nullptr;
}

// Clicks a row's factor cell (current or not) and types at once, each key where the focus is: every key arrives.
void digitarNome(JE& j, int linha, const QString& ascii)
{
    j.clicar(linha, 1);
    for (const QChar ch : ascii)
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    QVERIFY(editor(j));
}

QString evento(TestDb& db, int n) { return db.valor(u("SELECT Evento FROM Eventos3 WHERE Numero = ?"), {n}).toString(); }
} // namespace

class TstRegistros : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fontes::instalarSubstituicoes();
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void chooseThenSave()
    {
        TestDb db;
        Respostas sink;
        const QString longo = u("Paradas da linha de envase por falha de vedação nas válvulas de enchimento");
        db.setCase(3, longo, u("Entregas fora do prazo"), 6);
        db.setCase(5, u("Sem uso"), QVariant(), 0);
        db.setCase(8, QVariant(), QVariant(), QVariant());
        J j(db);
        QCOMPARE(ativos(j), u("00"));
        // A double click on the record selector chooses that case.
        QHeaderView* seletor = j.grade()->verticalHeader();
        const QPoint p(seletor->width() / 2, seletor->sectionViewportPosition(2) + seletor->sectionSize(2) / 2);
        QTest::mouseClick(seletor->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(seletor->viewport(), Qt::LeftButton, {}, p);
        QCOMPARE(j.caixas() + u(" ") + QString::number(atual(db)) + u(" ") + ativos(j), longo + u("|Entregas fora do prazo|6 3 11"));
        // The cut name whole as a tooltip; a name that fits has none.
        QCOMPARE(dicaEm(j.grade()->viewport(), j.grade()->visualRect(j.grade()->model()->index(2, 1)).center()), longo);
        QCOMPARE(dicaEm(j.grade()->viewport(), j.grade()->visualRect(j.grade()->model()->index(2, 0)).center()), QString());
        // "&Gravar" pressed to leave a refused count: the message takes the release, and the button must not stay down.
        j.c("txtQtde")->setFocus();
        j.c<QLineEdit>("txtQtde")->setText(u("3"));
        QTest::mousePress(j.c("cmdGravar"), Qt::LeftButton);
        QCOMPARE(sink.count(), 1);
        QTRY_VERIFY(!j.c<QAbstractButton>("cmdGravar")->isDown());
        QCOMPARE(guardado(db, 3), longo + u("|Entregas fora do prazo|6"));
        // Count 0, or Null, loads the case but makes none current.
        j.clicar(4, 2, true);
        QCOMPARE(j.caixas(), u("Sem uso||0"));
        QVERIFY(db.estado().CaseAtual.isValid() && db.estado().semCase());
        db.estado().CaseAtual = 3;
        j.clicar(7, 0, true);
        QCOMPARE(j.caixas() + u(" ") + QString::number(atual(db)), u("||0 0"));

        // The grid takes no typing, adding or deleting.
        j.grade()->setCurrentIndex(j.grade()->model()->index(2, 1));
        QTest::keyClicks(j.grade(), u("Trocado"));
        for (Qt::Key k : {Qt::Key_F2, Qt::Key_Delete, Qt::Key_Insert})
            QTest::keyClick(j.grade(), k);
        QVERIFY(j.celula(2, 1) + QString::number(j.grade()->model()->rowCount()) == longo + u("10") && j.w.isVisible());
        // Space and Enter choose the current row as the double click does.
        QTest::keyClick(j.grade(), Qt::Key_Space);
        QCOMPARE(j.caixas() + u(" ") + QString::number(atual(db)), longo + u("|Entregas fora do prazo|6 3"));
        j.grade()->setCurrentIndex(j.grade()->model()->index(7, 1));
        QTest::keyClick(j.grade(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(j.caixas() + u(" ") + QString::number(atual(db)), u("||0 0"));

        // Saving case 8.
        preencher(j, u("Ação"), u("Reclamações"), QString());
        j.digitar("txtQtde", u("12"), "txtCase");
        QTest::mouseClick(j.c("cmdGravar"), Qt::LeftButton);
        QCOMPARE(guardado(db, 8) + db.valor("SELECT typeof(Qtde) FROM Cases WHERE Numero = 8").toString(),
                 u("Ação|Reclamações|12integer"));
        // Saving leaves the current case alone; the count goes along.
        QCOMPARE(QStringList({j.celula(7, 1), j.celula(7, 3), ativos(j), QString::number(atual(db)), db.estado().QtdeFatores.toString()}),
                 QStringList({u("Ação"), u("12"), u("01"), u("0"), u("12")}));
        j.clicar(7, 1, true);
        QCOMPARE(atual(db), 8);

        // 80 characters a box, a count over 25 keeps the stored one; empty boxes store "", a count that is no number 7.
        preencher(j, QString(100, QLatin1Char('x')), QString(100, QLatin1Char('y')), u("30"));
        j.w.cmdGravar_Click();
        QCOMPARE(guardado(db, 8), QString(80, QLatin1Char('x')) + u("|") + QString(80, QLatin1Char('y')) + u("|12"));
        preencher(j, QString(), QString(), u("x"));
        j.w.cmdGravar_Click();
        QCOMPARE(guardado(db, 8), u("||7"));

        // Saved by its access key from the count box: the count is checked first, so a refused one never reaches the store.
        j.c("txtQtde")->setFocus();
        j.c<QLineEdit>("txtQtde")->setText(u("-3"));
        j.w.cmdGravar_Click();
        QCOMPARE(sink.count(), 2);
        QCOMPARE(guardado(db, 8), u("||0"));
    }

    void clearHistory()
    {
        TestDb db;
        Respostas sink;
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
        const QString limpas = u("SELECT COUNT(*) FROM EventosA WHERE Evento = '' AND COALESCE(emach, N01, N17, N30) IS NULL");
        QCOMPARE(db.valor(limpas).toString() + u(" ") + guardado(db, 10), u("30 Dez|Sintoma dez|5"));
        QVERIFY(db.linhas(outros) == antes && sink.count() == 0);
    }

    void leaveWritesTheStatusBar()
    {
        TestDb db;
        Respostas sink;
        db.setCase(7, u("Sete 😀"), u("S"), 9);
        QStringList status;
        db.estado().escreverStatus = [&](const QString& t) { status << t; };
        db.estado().CaseAtual = 4;
        db.estado().NomeCase = u("Antigo");
        // Row chosen (-1 none), then status bar, NomeCase and CaseAtual after leaving.
        const struct { int linha; const char* depois; } passos[] = {
            {-1, " Case:  ||4"}, // without a choose: the label alone
            {6, " Case:  Sete 😀|Sete 😀|7"},
            {0, " Case:  ||0"}, // the title bar's X leaves the same way
        };
        for (const auto& p : passos) {
            J j(db);
            if (p.linha >= 0)
                j.clicar(p.linha, 1, true);
            if (p.linha)
                QTest::mouseClick(j.c("cmdSair"), Qt::LeftButton);
            else
                j.w.close();
            QVERIFY(!j.w.isVisible());
            QCOMPARE(QStringList({status.last(), db.estado().NomeCase, QString::number(atual(db))}).join(u'|'), u(p.depois));
        }
        QCOMPARE(status.size(), 3);
    }

    // The row that is current goes out and another row's case comes in; the two buttons sit in free space.
    void exportAndImportTheCurrentRow()
    {
        TestDb db;
        Respostas respostas;
        QTemporaryDir dir;
        respostas.arquivo = dir.filePath(u("um.csv"));
        db.exemplo(1);
        J j(db);
        emEspacoLivre(j.w, {"cmdImportar", "cmdExportar"});
        j.clicar(0, 2);
        QTest::mouseClick(j.c("cmdExportar"), Qt::LeftButton);
        j.clicar(1, 1, true);
        QTest::mouseClick(j.c("cmdImportar"), Qt::LeftButton);
        QCOMPARE(respostas.ultima().texto, u("4 fatores e 6 julgamentos importados para o case 2."));
        QCOMPARE(j.caixas() + u(" ") + j.celula(1, 1) + j.celula(1, 3), u("Bomba, 3|-Pressão baixa|4 Bomba, 34"));
    }

    void loadsTheCurrentCase()
    {
        TestDb db;
        Respostas sink;
        db.setCase(3, u("Atraso"), u("Entregas fora do prazo"), 12);
        db.setCase(4, QStringLiteral("1234567890").repeated(5), QString(39, QLatin1Char('x')) + u("😀fim"), 4);
        db.setCase(6, QVariant(), QVariant(), QVariant());
        db.exec(QStringLiteral("UPDATE Eventos4 SET Evento = 'E' || Numero"));
        // Boxes (40 characters at most, an emoji whole or not at all); count 4 shows rows 1 to 4 whatever 5 to 30 hold.
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
            JE j(db);
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
        Respostas sink;
        db.setCase(3, u("Caso"), u("S"), 6);
        db.exec(QStringLiteral("UPDATE Eventos3 SET Evento = 'antigo' || Numero"));
        db.estado().CaseAtual = 3;
        {
            JE j(db);
            // The cell current on opening; written when another row becomes current, not when the cell is.
            digitarNome(j, 0, u("Falta de treino"));
            j.clicar(0, 0);
            QCOMPARE(evento(db, 1), u("antigo1"));
            j.clicar(2, 0);
            QCOMPARE(evento(db, 1), u("Falta de treino"));

            // Nothing typed in the boxes reaches the store or the rows shown.
            j.digitar("txtQtde", u("9"), "txtCase");
            j.digitar("txtCase", u("Outro"), "txtSintoma");

            // The close button writes the row being edited.
            digitarNome(j, 5, u("Ultimo"));
            j.w.close();
        }
        QCOMPARE(QStringList({evento(db, 6), evento(db, 7), db.valor("SELECT COUNT(*) || MAX(Numero) FROM Eventos3").toString(),
                              guardado(db, 3)}).join(u' '), u("Ultimo antigo7 3030 Caso|S|6"));
        {
            JE j(db); // so does "&Salvar e Sair"; an emptied name is the empty text
            digitarNome(j, 0, u("x"));
            QTest::keyClick(editor(j), Qt::Key_Backspace);
            digitarNome(j, 3, u("Quarto"));
            QTest::mouseClick(j.c("cmdSair"), Qt::LeftButton);
            QVERIFY(!j.w.isVisible());
        }
        QCOMPARE(evento(db, 4) + db.valor("SELECT typeof(Evento) FROM Eventos3 WHERE Numero = 1").toString() + evento(db, 1), u("Quartotext"));
        QCOMPARE(sink.count(), 0);
    }

    // Typed as in a spreadsheet: each name, Enter or Tab, the next name; a pasted list fills the rows downward.
    void namesByEnterTabAndPaste()
    {
        TestDb db;
        Respostas sink;
        db.setCase(3, u("Caso"), u("S"), 4);
        db.estado().CaseAtual = 3;
        JE j(db);
        auto nomes = [&] { return db.valor("SELECT group_concat(Evento, ',') FROM Eventos3 WHERE Numero <= 4").toString(); };
        auto teclar = [](const QString& texto, Qt::Key tecla, Qt::KeyboardModifiers mods = {}) {
            for (const QChar ch : texto) // each key where the focus is, as a user's keys go
                QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
            QTest::keyClick(QApplication::focusWidget(), tecla, mods);
            QCoreApplication::processEvents(); // the editor hands its Enter on through the event loop
        };
        // Enter writes the row and goes to the next name; on the last row it stays and writes.
        for (const char* nome : {"A", "B", "C", "D"})
            teclar(u(nome), Qt::Key_Return);
        QCOMPARE(nomes() + QString::number(j.grade()->currentIndex().row()) + QString::number(j.grade()->currentIndex().column()), u("A,B,C,D31"));

        // Tab and Shift+Tab stop only at names; past the last one Tab leaves for "Salvar e Sair", before the first Shift+Tab
        // goes back to the symptom box.
        j.grade()->setCurrentIndex(j.grade()->model()->index(1, 1));
        teclar(u("T2"), Qt::Key_Tab);
        teclar(u("T3"), Qt::Key_Tab);
        QCOMPARE(j.grade()->currentIndex(), j.grade()->model()->index(3, 1));
        teclar(u("T4"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), j.c("cmdSair"));
        j.grade()->setFocus();
        for (int i = 0; i < 3; ++i)
            teclar(QString(), Qt::Key_Backtab, Qt::ShiftModifier);
        teclar(u("T1"), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), j.c("txtSintoma"));
        // Keys where nothing can be typed do nothing: the number column keeps the current cell, loses no name and
        // no row is added or removed.
        j.grade()->setCurrentIndex(j.grade()->model()->index(2, 0));
        teclar(u("99x "), Qt::Key_Delete);
        teclar(QString(), Qt::Key_Insert);
        QCOMPARE(nomes() + QString::number(j.grade()->currentIndex().row()) + QString::number(bool(editor(j))),
                 u("T1,T2,T3,T42") + u("0"));
        QCOMPARE(j.grade()->model()->rowCount(), 4);

        // A pasted list, trimmed, from the current row down, in one write; with an editor open as well.
        QApplication::clipboard()->setText(u("  Calor \r\nFrio\n"));
        j.grade()->setCurrentIndex(j.grade()->model()->index(2, 1));
        QTest::keyClick(j.grade(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(nomes(), u("T1,T2,Calor,Frio"));
        digitarNome(j, 0, u("meio"));
        QTest::keyClick(editor(j), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(nomes() + QString::number(sink.count()), u("Calor,Frio,Calor,Frio0"));
        // More lines than rows left: refused with a message, nothing written.
        QApplication::clipboard()->setText(u("1\n2\n3\n"));
        j.grade()->setCurrentIndex(j.grade()->model()->index(2, 1));
        QTest::keyClick(j.grade(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(nomes() + QString::number(sink.count()), u("Calor,Frio,Calor,Frio1"));
        QCOMPARE(sink.ultima().titulo + u(": ") + sink.ultima().texto,
                 u("Nomes não colados: São 3 nomes para colar a partir da linha 3, mas só cabem 2: o case tem 4 fatores. "
                   "Nada foi colado."));
    }

    void countBoxesCheckedOnLeavingInEachLanguage()
    {
        // Register ('C' cases, 'E' factors), entry, what the box holds after, message (0 none, 1 minimum, 2 maximum).
        // Negative and fractional counts would break the matrix later; the factor register has no lower bound.
        const struct { char tela; const char* e; const char* fica; int aviso; } casos[] = {
            {'C', "3", "0", 1},  {'C', "26", "0", 2}, {'C', "25", "25", 0}, {'C', "4", "4", 0}, {'C', "0", "0", 0},
            {'C', "abc", "0", 0}, {'C', "", "0", 0}, {'C', "100", "0", 2}, {'C', "-5", "0", 1}, {'C', "4.5", "0", 1},
            {'C', "12.0", "12.0", 0}, {'C', "25.5", "0", 2}, {'E', "25", "25", 0}, {'E', "3", "3", 0}, {'E', "abc", "", 0},
            {'E', "", "", 0}, {'E', "26", "", 2},
        };
        // Per language: the minimum, the case register's maximum, the factor register's maximum.
        const char* avisos[][3] = {
            {"Limitation System!: Minimum of 4 items by analysis.",
             "Limitation System!: Permitted maximum of 25 items for analysis.",
             "Limit System!: Permitted maximum of 25 items for analysis."},
            {"Sistema Limit!: Mínimo de 4 artículos por el análisis.",
             "Sistema Limit!: Máximo permitido de 25 elementos para el análisis.",
             "Sistema Limit!: Máximo permitido de 25 elementos para el análisis."},
            {"Limitação do Sistema!: Mínimo de 4 itens por análise.",
             "Limite do Sistema!: Permitido o máximo de 25 itens por análise.",
             "Limite do Sistema!: Permitido o máximo de 25 itens por análise."},
        };
        for (int idioma : {1, 2, 3, 4}) {
            TestDb db;
            Respostas sink;
            db.estado().IdiomaAtual = qint16(idioma);
            QStringList vistos, esperados; // "entry|box|focus" after leaving, each message after the box's text then
            auto conferir = [&](auto& j, char tela, const char* depois) {
                sink.aoMostrar = [&](const Respostas::Mensagem& m) {
                    vistos << j.texto("txtQtde") + u("|") + m.titulo + u(": ") + m.texto + (m.icone == Icone::Exclamacao ? u("") : u(" (icon)"));
                };
                for (const auto& c : casos) {
                    if (c.tela != tela)
                        continue;
                    j.digitar("txtQtde", u(c.e), depois);
                    vistos << QStringList({u(c.e), j.texto("txtQtde"), QApplication::focusWidget()->objectName()}).join(u'|');
                    // A fourth language speaks Portuguese and shows no message, so the factor box keeps "26".
                    const bool aviso = c.aviso && idioma < 4;
                    const QString fica = u(c.aviso && !aviso ? c.e : c.fica);
                    if (aviso)
                        esperados << u(c.e) + u("|") + u(avisos[idioma - 1][c.aviso - 1 + (tela == 'E')]);
                    // A changed or emptied box keeps the focus.
                    esperados << QStringList({u(c.e), fica, u(u(c.e) != fica || fica.isEmpty() ? "txtQtde" : depois)}).join(u'|');
                }
                sink.aoMostrar = nullptr;
            };
            if (idioma < 4) {
                J j(db);
                conferir(j, 'C', "txtCase");
                // The label whole, and the ten cases at once without a scroll bar.
                auto* l4 = j.c<QLabel>("Label4");
                QVERIFY(l4->width() >= l4->fontMetrics().horizontalAdvance(l4->text()));
                QVERIFY(!j.grade()->verticalScrollBar()->isVisible());
                QVERIFY(j.grade()->visualRect(j.grade()->model()->index(9, 3)).bottom() < j.grade()->viewport()->height());
            }
            JE e(db);
            conferir(e, 'E', "txtSintoma");
            QCOMPARE(vistos, esperados);
            if (idioma == 4)
                QCOMPARE(e.w.windowTitle(), u("Cadastro de Eventos"));
        }
    }
};

QTEST_MAIN(TstRegistros)
#include "tst_registros.moc"
