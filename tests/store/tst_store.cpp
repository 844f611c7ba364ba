// The store: the new file's rows, the query texts and their row orders, Null
// against the empty text, regional numbers, and all-or-nothing walks.
#include "store/Connection.h"
#include "store/DataSource.h"
#include "store/Database.h"
#include "store/Generator.h"
#include "store/Recordset.h"
#include "store/RecordsetModel.h"
#include "store/Regional.h"
#include "store/StoreError.h"
#include "store/Tables.h"
#include "tests/support/TestDb.h"

#include <QFile>
#include <QLocale>
#include <QTest>

class TstStore : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void novoArquivoTemExatamenteAsLinhas()
    {
        TestDb db(false);
        QCOMPARE(db.linhas("SELECT Idioma, VersaoBD FROM Parametro").size(), 1);
        QCOMPARE(db.valor("SELECT Idioma FROM Parametro").toInt(), 3);
        QVERIFY(!db.valor("SELECT VersaoBD FROM Parametro").toString().isEmpty());

        const auto cases = db.linhas("SELECT Numero, \"Case\", Sintoma, Qtde FROM Cases ORDER BY Numero");
        QCOMPARE(cases.size(), 10);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(cases[i][0].toInt(), i + 1);
            QVERIFY(cases[i][1].isNull());
            QVERIFY(cases[i][2].isNull());
            QVERIFY(!cases[i][3].isNull());
            QCOMPARE(cases[i][3].toInt(), 0);
        }

        for (int caso = 1; caso <= 10; ++caso) {
            const QString t = Tables::TabelaEventos(caso);
            const auto rows = db.linhas(QStringLiteral("SELECT * FROM %1 ORDER BY Numero").arg(t));
            QCOMPARE(rows.size(), 30);
            QCOMPARE(rows.first().size(), 33); // Numero, Evento, N01..N30, emach
            for (int r = 0; r < 30; ++r) {
                QCOMPARE(rows[r][0].toInt(), r + 1);
                for (int f = 1; f < 33; ++f)
                    QVERIFY2(rows[r][f].isNull(), qPrintable(t));
            }
        }
        QCOMPARE(db.valor("PRAGMA journal_mode").toString(), QStringLiteral("wal"));
        // The generator never overwrites a file that is there.
        QVERIFY_THROWS_EXCEPTION(StoreError, Generator::criarBanco(db.caminho()));
    }

    void tabelasEConsultasLetraPorLetra()
    {
        const QStringList tabelas = {"Eventos",  "Eventos2", "Eventos3", "Eventos4", "Eventos5",
                                     "Eventos6", "Eventos7", "Eventos8", "Eventos9", "EventosA"};
        for (int caso = 1; caso <= 10; ++caso) {
            const QString t = tabelas[caso - 1];
            QCOMPARE(Tables::TabelaEventos(caso), t);
            QCOMPARE(Tables::consultaFatores(caso, 7), "Select * FROM " + t + " Where Numero <= 7 order by Numero");
            QCOMPARE(Tables::consultaLimpeza(caso), "Select * FROM " + t + " order by Numero");
            if (caso > 1)
                QCOMPARE(Tables::consultaRanking(caso, 25), "Select * FROM " + t + " Where Numero <= 25 order by -Emach");
        }
        QCOMPARE(Tables::consultaRanking(1, 4), QStringLiteral("Select * FROM Eventos WHERE Numero <= 4 ORDER BY -Emach"));
        QCOMPARE(Tables::consultaFatores(3, 12), QStringLiteral("Select * FROM Eventos3 Where Numero <= 12 order by Numero"));
        QCOMPARE(Tables::consultaCases(), QStringLiteral("Select * FROM Cases order by Numero"));
        QVERIFY(Tables::TabelaEventos(0).isEmpty());
        QVERIFY(Tables::TabelaEventos(11).isEmpty());
        QVERIFY(Tables::TabelaEventos(QVariant()).isEmpty());
        QCOMPARE(Tables::TabelaEventos(QVariant(QStringLiteral("10"))), QStringLiteral("EventosA"));
        QCOMPARE(Tables::campoMatriz(1), QStringLiteral("N01"));
        QCOMPARE(Tables::campoMatriz(30), QStringLiteral("N30"));
    }

    void ordemDasLinhas()
    {
        TestDb db;
        // Rows above n hold older names and scores; they never show.
        for (int r = 1; r <= 30; ++r)
            db.exec("UPDATE Eventos SET Evento = ?, emach = ? WHERE Numero = ?", {QStringLiteral("F%1").arg(r), r * 0.5, r});
        db.exec("UPDATE Eventos SET emach = 2 WHERE Numero IN (1, 3)");   // a tie
        db.exec("UPDATE Eventos SET emach = NULL WHERE Numero = 2");      // never analysed
        db.exec("UPDATE Eventos SET emach = -1 WHERE Numero = 4");
        for (int r = 1; r <= 30; ++r)
            db.exec("UPDATE Eventos2 SET Evento = ?, emach = ? WHERE Numero = ?", {QStringLiteral("F%1").arg(r), r == 2 ? QVariant() : QVariant(r == 3 || r == 1 ? 2.0 : r == 4 ? -1.0 : r * 0.5), r});

        Recordset lista = db.estado().BancoDados.OpenRecordset(Tables::consultaFatores(1, 4), dbOpenDynaset);
        QCOMPARE(lista.RecordCount(), 4);
        lista.MoveFirst();
        for (int r = 1; r <= 4; ++r, lista.MoveNext())
            QCOMPARE(lista.Fields("Numero").toInt(), r);
        QVERIFY(lista.eof());

        // Descending score; a Null score sorts first, as minus Null is Null.
        for (int caso : {1, 2}) {
            Recordset rk = db.estado().BancoDados.OpenRecordset(Tables::consultaRanking(caso, 4), dbOpenDynaset);
            QList<int> ordem;
            for (rk.MoveFirst(); !rk.eof(); rk.MoveNext())
                ordem << rk.Fields("Numero").toInt();
            QCOMPARE(ordem.size(), 4);
            QCOMPARE(ordem.first(), 2);
            QCOMPARE(ordem.last(), 4);
            QCOMPARE(QSet<int>(ordem.begin() + 1, ordem.begin() + 3), (QSet<int>{1, 3}));
        }
    }

    void nuloETextoVazioFicamSeparados()
    {
        TestDb db;
        Recordset rs = db.estado().BancoDados.OpenRecordset(Tables::consultaFatores(3, 4), dbOpenDynaset);
        rs.MoveFirst();
        rs.Edit();
        rs.setField("Evento", QStringLiteral(""));
        rs.setField("N02", QVariant());
        rs.Update();
        rs.MoveNext();
        rs.Edit();
        rs.setField("Evento", QVariant());
        rs.Update();
        QCOMPARE(db.valor("SELECT typeof(Evento) FROM Eventos3 WHERE Numero = 1").toString(), QStringLiteral("text"));
        QCOMPARE(db.valor("SELECT typeof(Evento) FROM Eventos3 WHERE Numero = 2").toString(), QStringLiteral("null"));
        QCOMPARE(db.valor("SELECT typeof(N02) FROM Eventos3 WHERE Numero = 1").toString(), QStringLiteral("null"));

        Recordset back = db.estado().BancoDados.OpenRecordset(Tables::consultaFatores(3, 4), dbOpenDynaset);
        back.MoveFirst();
        QVERIFY(!back.Fields("Evento").isNull());
        QCOMPARE(back.Fields("Evento").toString(), QString());
        back.MoveNext();
        QVERIFY(back.Fields("Evento").isNull());

        // Names are kept exactly, whatever they hold.
        const QString nome = QString::fromUtf8("O'Brien \"x\"; DROP TABLE Cases; -- ação 😀");
        Recordset cs = db.estado().BancoDados.OpenRecordset("Cases");
        cs.setIndex("PrimaryKey");
        cs.Seek("=", 5);
        QVERIFY(!cs.NoMatch());
        cs.Edit();
        cs.setField("Case", nome);
        cs.Update();
        QCOMPARE(db.valor("SELECT \"Case\" FROM Cases WHERE Numero = 5").toString(), nome);
        QCOMPARE(db.valor("SELECT count(*) FROM Cases").toInt(), 10);
    }

    void numerosNoFormatoRegional_data()
    {
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("dois");
        QTest::addColumn<QString>("soma");
        QTest::addColumn<QString>("menosUm");
        QTest::newRow("virgula") << "pt_BR" << "0,2" << "5,2" << "-1,00";
        QTest::newRow("ponto") << "en_US" << "0.2" << "5.2" << "-1.00";
    }

    void numerosNoFormatoRegional()
    {
        QFETCH(QString, local);
        QFETCH(QString, dois);
        QFETCH(QString, soma);
        QFETCH(QString, menosUm);
        QLocale::setDefault(QLocale(local));

        QVERIFY(Regional::isNumeric(dois));
        QCOMPARE(*Regional::toNumber(dois), 0.2);
        QCOMPARE(Regional::numberText(5.2), soma);
        QCOMPARE(Regional::numberText(5 + 0.1 + 0.1), soma);
        QCOMPARE(Regional::numberText(21), QStringLiteral("21"));
        QCOMPARE(Regional::numberText(0), QStringLiteral("0"));
        QCOMPARE(Regional::numberText(12345.5).size(), 7); // no group separator
        QCOMPARE(Regional::format00(-1), menosUm);
        // What rounds to zero has no sign, as the database holds it.
        for (double quaseZero : {-0.004, -0.0049, -0.0, 0.004})
            QCOMPARE(Regional::format00(quaseZero), QStringLiteral("0") + dois.at(1) + QStringLiteral("00"));
        QCOMPARE(Regional::format00(-0.006), QStringLiteral("-0") + dois.at(1) + QStringLiteral("01"));
        QCOMPARE(Regional::format00(4), QStringLiteral("4") + dois.at(1) + QStringLiteral("00"));
        QVERIFY(!Regional::isNumeric(QString()));
        QVERIFY(!Regional::isNumeric(QStringLiteral("abc")));
        QVERIFY(Regional::isNumeric(QStringLiteral(" 10 ")));
        QCOMPARE(Regional::roundHalfEven(2.5), 2LL);
        QCOMPARE(Regional::roundHalfEven(3.5), 4LL);

        // The store turns a regional text into the field's number; a text
        // that is no number stores 0.
        TestDb db;
        Recordset rs = db.estado().BancoDados.OpenRecordset(Tables::consultaFatores(2, 4), dbOpenDynaset);
        rs.MoveFirst();
        rs.Edit();
        rs.setField("N01", dois);
        rs.setField("N02", QStringLiteral("abc"));
        rs.setField("emach", menosUm);
        rs.Update();
        const auto row = db.linhas("SELECT N01, N02, emach FROM Eventos2 WHERE Numero = 1").first();
        QCOMPARE(row[0].toDouble(), 0.2);
        QCOMPARE(row[1].toDouble(), 0.0);
        QVERIFY(!row[1].isNull());
        QCOMPARE(row[2].toDouble(), -1.0);

        Recordset cs = db.estado().BancoDados.OpenRecordset("Cases");
        cs.setIndex("PrimaryKey");
        cs.Seek("=", 2);
        cs.Edit();
        cs.setField("Qtde", QStringLiteral("12"));
        cs.Update();
        QCOMPARE(db.valor("SELECT Qtde FROM Cases WHERE Numero = 2").toInt(), 12);
        QCOMPARE(db.valor("SELECT typeof(Qtde) FROM Cases WHERE Numero = 2").toString(), QStringLiteral("integer"));
    }

    void caminhadaFalhaNaoDeixaNada()
    {
        TestDb db;
        db.exec("UPDATE Eventos4 SET N01 = 5 WHERE Numero <= 30");
        DataSource ds;
        ds.setDatabaseName(db.caminho());
        ds.setRecordSource(Tables::consultaLimpeza(4));
        ds.Refresh();
        Recordset& rs = ds.Recordset();
        try {
            Transaction t(ds.connection());
            rs.MoveFirst();
            for (int k = 0; k < 30; ++k) {
                if (k == 17)
                    throw StoreError("interrupted");
                rs.Edit();
                rs.setField("N01", QVariant());
                rs.Update();
                rs.MoveNext();
            }
            t.commit();
            QFAIL("the walk should have stopped");
        } catch (const StoreError&) {
        }
        QCOMPARE(db.valor("SELECT count(*) FROM Eventos4 WHERE N01 = 5").toInt(), 30);

        {
            Transaction t(ds.connection());
            ds.Refresh();
            ds.Recordset().MoveFirst();
            for (int k = 0; k < 30 && !ds.Recordset().eof(); ++k) {
                ds.Recordset().Edit();
                ds.Recordset().setField("N01", QVariant());
                ds.Recordset().Update();
                ds.Recordset().MoveNext();
            }
            t.commit();
        }
        QCOMPARE(db.valor("SELECT count(*) FROM Eventos4 WHERE N01 IS NULL").toInt(), 30);
    }

    void acessoPorTabelaEErros()
    {
        TestDb db;
        Recordset cs = db.estado().BancoDados.OpenRecordset("Cases", dbOpenTable);
        QVERIFY_THROWS_EXCEPTION(StoreError, cs.Seek("=", 1)); // no index yet
        cs.setIndex("PrimaryKey");
        QCOMPARE(cs.Index(), QStringLiteral("PrimaryKey"));
        cs.Seek("=", 10);
        QVERIFY(!cs.NoMatch());
        QCOMPARE(cs.Fields("numero").toInt(), 10); // names are not case-sensitive
        cs.Seek("=", 11);
        QVERIFY(cs.NoMatch());
        QVERIFY_THROWS_EXCEPTION(StoreError, cs.Fields("Case"));
        cs.Seek("=", QVariant());
        QVERIFY(cs.NoMatch());
        cs.Seek("=", 1);
        QVERIFY_THROWS_EXCEPTION(StoreError, cs.Fields("Nada"));
        QVERIFY_THROWS_EXCEPTION(StoreError, cs.setField("Case", "x")); // not editing
        QVERIFY_THROWS_EXCEPTION(StoreError, cs.Update());
        QVERIFY_THROWS_EXCEPTION(StoreError, db.estado().BancoDados.OpenRecordset("Inexistente"));

        try {
            db.estado().BancoDados.OpenRecordset("Select * FROM Nada order by Numero", dbOpenDynaset);
            QFAIL("a query on a missing table must fail");
        } catch (const StoreError& e) {
            QVERIFY(e.text().contains("Nada"));
        }

        // Both kinds of open work on the same file, and a missing file is
        // never created by an open.
        Database outra = DBEngine::Workspaces(0).OpenDatabase(db.caminho(), false, false, "Access 2000;");
        QVERIFY(outra.isOpen());
        const QString ausente = db.pasta() + "/ausente.mdb";
        QVERIFY_THROWS_EXCEPTION(StoreError, DBEngine::Workspaces(0).OpenDatabase(ausente, false, false, ";pwd=TarnBeck"));
        QVERIFY(!QFile::exists(ausente));
    }

    void modeloDaGradeGravaNaTrocaDeLinha()
    {
        TestDb db;
        db.exec("UPDATE Eventos3 SET Evento = 'velho' WHERE Numero = 2");
        DataSource ds;
        ds.setDatabaseName(db.caminho());
        ds.setRecordSource(Tables::consultaFatores(3, 4));
        RecordsetModel m(&ds, {{"Numero", QString::fromUtf8("Número"), false}, {"Evento", "Evento", true}});
        ds.Refresh();
        QCOMPARE(m.rowCount(), 4);
        QCOMPARE(m.data(m.index(1, 1)).toString(), QStringLiteral("velho"));
        QVERIFY(m.data(m.index(0, 1)).isNull());
        QVERIFY(!(m.flags(m.index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(!m.setData(m.index(0, 0), 99));

        QVERIFY(m.setData(m.index(0, 1), QString::fromUtf8("Temperatura ção")));
        QVERIFY(m.setData(m.index(1, 1), QStringLiteral("novo")));
        QVERIFY(m.submit()); // the view's submit writes nothing: the screen writes, and can tell of a failure
        QVERIFY(db.valor("SELECT Evento FROM Eventos3 WHERE Numero = 1").isNull());
        QCOMPARE(m.data(m.index(0, 1)).toString(), QString::fromUtf8("Temperatura ção"));
        m.writePending();
        QCOMPARE(db.valor("SELECT Evento FROM Eventos3 WHERE Numero = 1").toString(), QString::fromUtf8("Temperatura ção"));
        QCOMPARE(db.valor("SELECT Evento FROM Eventos3 WHERE Numero = 2").toString(), QStringLiteral("novo"));
        QVERIFY(!m.hasPendingEdits());
        QVERIFY(m.setHeaderData(1, Qt::Horizontal, "symptom"));
        QCOMPARE(m.headerData(1, Qt::Horizontal).toString(), QStringLiteral("symptom"));
        QCOMPARE(db.valor("SELECT count(*) FROM Eventos3").toInt(), 30);
    }
};

QTEST_GUILESS_MAIN(TstStore)
#include "tst_store.moc"
