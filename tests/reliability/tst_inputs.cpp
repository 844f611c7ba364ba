// Whatever a user types or pastes into a box or a grid cell: no crash, names
// stored exactly (or cut at their limits), a count stored only whole and in range.
#include "registration/frmCases.h"
#include "registration/frmEventos.h"
#include "shell/Fonts.h"
#include "tests/support/Janela.h"
#include "tests/support/RecordingSink.h"

#include <QAbstractItemModel>
#include <QLocale>

namespace {
const QStringList amostras{u("abc"), u("-5"), u("4,5"), u("4.5"), u("1.000"), u("1,000"), u("12"),
                           QString(10000, QLatin1Char('x')), QString(10000, QLatin1Char('9')), u("'; DROP TABLE Cases; --"),
                           u("\"aspas\" e 'apóstrofos'"), u("ação é ñ ü"), u("😀🚀 emoji"),
                           QString(79, QLatin1Char('a')) + u("😀"), u(""), u("   ")};

// Pastes into a box as a user does: select all, then insert.
void colar(QLineEdit* e, const QString& t)
{
    e->setFocus();
    e->selectAll();
    e->insert(t);
}
} // namespace

class TstInputs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fontes::instalarSubstituicoes(); }
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void registroDeCasos()
    {
        for (const char* local : {"en_US", "pt_BR"}) {
            QLocale::setDefault(QLocale(u(local)));
            TestDb db;
            db.setCase(2, "velho", "sintoma", 6);
            RecordingSink sink;
            for (const QString& t : amostras) {
                Janela<frmCases> j(db);
                j.clicar(1, 1, true);
                sink.clear();
                for (auto* caixa : {j.c<QLineEdit>("txtCase"), j.c<QLineEdit>("txtSintoma"), j.c<QLineEdit>("txtQtde")}) {
                    caixa->setFocus(); // pasted as a user does: select all, then insert
                    caixa->selectAll();
                    caixa->insert(t);
                }
                j.c("txtCase")->setFocus(); // leaving the count box checks it, and empties a refused count
                QVERIFY(sink.count() == 0 || j.texto("txtQtde") == u("0"));
                QMetaObject::invokeMethod(j.c("cmdGravar"), "click");
                const auto linha = db.linhas("SELECT \"Case\", Sintoma, Qtde FROM Cases WHERE Numero = 2").first();
                for (int campo : {0, 1}) {
                    const QString g = linha[campo].toString();
                    QVERIFY2(!linha[campo].isNull() && t.startsWith(g) && g.size() <= 80 && g.isValidUtf16() && (g == t || t.size() > 80),
                             qPrintable(t.left(20)));
                }
                const double q = linha[2].toDouble();
                QVERIFY2(q == 0 || (q >= 4 && q <= 25 && q == int(q)), qPrintable(t.left(20) + u(" -> ") + linha[2].toString()));
            }
            QCOMPARE(db.valor("SELECT count(*) FROM Cases").toInt(), 10);
        }
    }

    void registroDeFatores()
    {
        TestDb db;
        db.setCase(4, "c", "s", int(amostras.size()));
        db.estado().CaseAtual = 4;
        RecordingSink sink;
        Janela<frmEventos> j(db);
        for (int r = 0; r < amostras.size(); ++r) {
            const QModelIndex i = j.grade()->model()->index(r, 1);
            j.grade()->setCurrentIndex(i);
            j.grade()->edit(i);
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(editor);
            editor->selectAll();
            editor->insert(amostras[r]);
            QTest::keyClick(editor, r + 1 < amostras.size() ? Qt::Key_Down : Qt::Key_Tab);
        }
        j.w.close();
        QStringList guardados;
        for (const auto& l : db.linhas("SELECT Evento FROM Eventos4 WHERE Numero <= ? ORDER BY Numero", {amostras.size()}))
            guardados << l[0].toString();
        QCOMPARE(guardados, amostras);
        QCOMPARE(sink.count(), 0);
        QCOMPARE(db.valor("SELECT count(*) FROM Eventos4").toInt(), 30);
    }
};

QTEST_MAIN(TstInputs)
#include "tst_inputs.moc"
