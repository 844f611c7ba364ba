// Whatever a user types or pastes into a box or a grid cell: no crash, names
// stored exactly (or cut at their limits), counts refused with their messages.
#include "registration/frmCases.h"
#include "registration/frmEventos.h"
#include "results/Printers.h"
#include "results/frmResultado.h"
#include "shell/Fonts.h"
#include "store/Regional.h"
#include "tests/support/Janela.h"
#include "tests/support/RecordingSink.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLocale>

namespace {
QStringList amostras()
{
    return {u("abc"), u("-5"), u("4,5"), u("4.5"), u("1.000"), u("1,000"), u("12"), QString(10000, QLatin1Char('x')),
            QString(10000, QLatin1Char('9')), u("'; DROP TABLE Cases; --"), u("\"aspas\" e 'apóstrofos'"),
            u("ação é ñ ü"), u("😀🚀 emoji"), QString(79, QLatin1Char('a')) + u("😀"), u(""), u("   ")};
}

// True when s is whole UTF-16: no surrogate left without its pair.
bool inteiro(const QString& s)
{
    for (int i = 0; i < s.size(); ++i) {
        if (s[i].isHighSurrogate()) {
            if (i + 1 >= s.size() || !s[i + 1].isLowSurrogate())
                return false;
            ++i;
        } else if (s[i].isLowSurrogate()) {
            return false;
        }
    }
    return true;
}

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

    void registroDeCasos_data()
    {
        QTest::addColumn<QString>("local");
        QTest::newRow("en_US") << "en_US";
        QTest::newRow("pt_BR") << "pt_BR";
    }

    void registroDeCasos()
    {
        QFETCH(QString, local);
        QLocale::setDefault(QLocale(local));
        TestDb db;
        db.setCase(2, "velho", "sintoma", 6);
        RecordingSink sink;
        for (const QString& t : amostras()) {
            Janela<frmCases> j(db);
            j.clicar(1, 1, true);
            colar(j.c<QLineEdit>("txtCase"), t);
            colar(j.c<QLineEdit>("txtSintoma"), t);
            sink.clear();
            colar(j.c<QLineEdit>("txtQtde"), t);
            j.c("txtCase")->setFocus(); // leaving the count box checks it
            const QString qtde = j.texto("txtQtde");
            const auto v = Regional::toNumber(qtde);
            QVERIFY2(v && (*v == 0 || (*v >= 4 && *v <= 25 && *v == int(*v))), qPrintable(t.left(20) + " -> " + qtde));
            if (sink.count() > 0) {
                QCOMPARE(qtde, u("0"));
                QVERIFY(sink.ultima().titulo == u("Limitação do Sistema!") || sink.ultima().titulo == u("Limite do Sistema!"));
            }
            QMetaObject::invokeMethod(j.c("cmdGravar"), "click");
            const auto linha = db.linhas("SELECT \"Case\", Sintoma, Qtde FROM Cases WHERE Numero = 2").first();
            for (int campo : {0, 1}) {
                const QString guardado = linha[campo].toString();
                QVERIFY(!linha[campo].isNull());
                QVERIFY2(t.startsWith(guardado) && guardado.size() <= 80 && inteiro(guardado), qPrintable(t.left(20)));
                if (t.size() <= 80 && inteiro(t.left(80)))
                    QCOMPARE(guardado, t);
            }
            const int q = linha[2].toInt();
            QVERIFY(q == 0 || (q >= 4 && q <= 25));
        }
        QCOMPARE(db.valor("SELECT count(*) FROM Cases").toInt(), 10);
    }

    void registroDeFatores()
    {
        TestDb db;
        db.setCase(4, "c", "s", 4);
        db.estado().CaseAtual = 4;
        RecordingSink sink;
        const QStringList nomes = amostras();
        for (int k = 0; k < nomes.size(); k += 4) {
            Janela<frmEventos> j(db);
            QTableView* g = j.grade();
            for (int r = 0; r < 4 && k + r < nomes.size(); ++r) {
                const QModelIndex i = g->model()->index(r, 1);
                g->setCurrentIndex(i);
                g->edit(i);
                auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
                QVERIFY(editor);
                editor->selectAll();
                editor->insert(nomes[k + r]);
                QTest::keyClick(editor, r < 3 ? Qt::Key_Down : Qt::Key_Tab);
            }
            // The count box takes anything and stores nothing.
            for (const QString& t : {u("abc"), u("-1"), u("26"), u("1.000"), QString(10000, QLatin1Char('7')), u("😀")}) {
                colar(j.c<QLineEdit>("txtQtde"), t);
                j.c("DBGrid1")->setFocus();
            }
            j.w.close();
            for (int r = 0; r < 4 && k + r < nomes.size(); ++r)
                QCOMPARE(db.valor("SELECT Evento FROM Eventos4 WHERE Numero = ?", {r + 1}).toString(), nomes[k + r]);
            QCOMPARE(db.valor("SELECT Qtde FROM Cases WHERE Numero = 4").toInt(), 4);
        }
        for (const auto& m : sink.mensagens)
            QCOMPARE(m.titulo, u("Limite do Sistema!"));
        QCOMPARE(db.valor("SELECT count(*) FROM Eventos4").toInt(), 30);
    }

    void nomeDeImpressora()
    {
        TestDb db;
        db.setCase(1, "c", "s", 4);
        db.estado().CaseAtual = 1;
        db.estado().QtdeFatores = 4;
        Printers::definirLista({{u("Escritorio"), Impressora::Tipo::Cups}, {Printers::nomePdf(), Impressora::Tipo::Pdf}}, 1);
        int pedidos = 0;
        Printers::instalarEscolhaArquivo([&](QWidget*) { ++pedidos; return QString(); });
        RecordingSink sink;
        frmResultado r(db.estado(), u("s"));
        for (const QString& t : {QString(10000, QLatin1Char('z')), u("😀😀😀😀😀"), u("'; DROP TABLE Cases; --"), u("")}) {
            sink.clear();
            r.findChild<QComboBox*>(u("Combo1"))->setEditText(t);
            QMetaObject::invokeMethod(r.findChild<QAbstractButton*>(u("cmdPrinter")), "click");
            QCOMPARE(sink.count(), 1);
            QCOMPARE(sink.ultima().texto, u("Impressora não encontrada"));
            QCOMPARE(sink.ultima().titulo, u("Verifique....."));
        }
        QCOMPARE(pedidos, 0);
        QCOMPARE(Printers::atual().DeviceName, Printers::nomePdf());
        Printers::instalarEscolhaArquivo(nullptr);
        Printers::reiniciar();
    }
};

QTEST_MAIN(TstInputs)
#include "tst_inputs.moc"
