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
                for (const char* caixa : {"txtCase", "txtSintoma", "txtQtde"})
                    colar(j.c<QLineEdit>(caixa), t);
                j.c("txtCase")->setFocus(); // leaving the count box checks it, and empties a refused count
                QVERIFY(sink.count() == 0 || j.texto("txtQtde") == u("0"));
                QMetaObject::invokeMethod(j.c("cmdGravar"), "click");
                const auto linha = db.linhas("SELECT \"Case\", Sintoma, Qtde FROM Cases WHERE Numero = 2").first();
                for (int campo : {0, 1}) {
                    const QString guardado = linha[campo].toString();
                    QVERIFY(!linha[campo].isNull());
                    QVERIFY2(t.startsWith(guardado) && guardado.size() <= 80 && guardado.isValidUtf16(), qPrintable(t.left(20)));
                    if (t.size() <= 80 && t.left(80).isValidUtf16())
                        QCOMPARE(guardado, t);
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
        db.setCase(4, "c", "s", 4);
        db.estado().CaseAtual = 4;
        RecordingSink sink;
        for (int k = 0; k < amostras.size(); k += 4) {
            Janela<frmEventos> j(db);
            for (int r = 0; r < 4 && k + r < amostras.size(); ++r) {
                const QModelIndex i = j.grade()->model()->index(r, 1);
                j.grade()->setCurrentIndex(i);
                j.grade()->edit(i);
                auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
                QVERIFY(editor);
                editor->selectAll();
                editor->insert(amostras[k + r]);
                QTest::keyClick(editor, r < 3 ? Qt::Key_Down : Qt::Key_Tab);
            }
            j.w.close();
            for (int r = 0; r < 4 && k + r < amostras.size(); ++r)
                QCOMPARE(db.valor("SELECT Evento FROM Eventos4 WHERE Numero = ?", {r + 1}).toString(), amostras[k + r]);
        }
        QCOMPARE(sink.count(), 0);
        QCOMPARE(db.valor("SELECT count(*) FROM Eventos4").toInt(), 30);
    }
};

QTEST_MAIN(TstInputs)
#include "tst_inputs.moc"
