// The store: the new file's rows, the query texts and their row orders,
// regional numbers, the errors of table access, and when the grid's model
// writes. (Saves that fail midway leave nothing: the failed-save tests prove
// it through the screens.)
#include "store/DataSource.h"
#include "store/Database.h"
#include "store/Generator.h"
#include "store/Recordset.h"
#include "store/RecordsetModel.h"
#include "store/Regional.h"
#include "store/StoreError.h"
#include "store/Tables.h"
#include "tests/support/Controles.h"
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
        QCOMPARE(db.linhas("SELECT Idioma, VersaoBD FROM Parametro"), (QList<QVariantList>{{3, u("KV 22.12.15 / 1.0")}}));
        // Ten empty cases with count 0; ten tables of 30 empty rows, numbered,
        // with Numero, Evento, N01..N30 and emach.
        QCOMPARE(db.valor("SELECT group_concat(Numero || IFNULL(\"Case\", '') || IFNULL(Sintoma, '') || typeof(Qtde) "
                          "|| Qtde, ' ') FROM Cases").toString(),
                 u("1integer0 2integer0 3integer0 4integer0 5integer0 6integer0 7integer0 8integer0 9integer0 10integer0"));
        const char* tabelas[] = {"Eventos", "Eventos2", "Eventos3", "Eventos4", "Eventos5",
                                 "Eventos6", "Eventos7", "Eventos8", "Eventos9", "EventosA"};
        QString vazias = u("SELECT COUNT(*), SUM(Numero) FROM %1 WHERE Evento IS NULL AND emach IS NULL");
        for (int c = 1; c <= 30; ++c)
            vazias += QStringLiteral(" AND N%1 IS NULL").arg(c, 2, 10, QLatin1Char('0'));
        for (int caso = 1; caso <= 10; ++caso) {
            const QString t = u(tabelas[caso - 1]);
            QCOMPARE(db.linhas(vazias.arg(t)), (QList<QVariantList>{{30, 465}}));
            QCOMPARE(db.linhas(u("SELECT * FROM %1").arg(t)).first().size(), 33);
            // The query texts, letter by letter.
            QCOMPARE(Tables::TabelaEventos(caso), t);
            QCOMPARE(Tables::consultaFatores(caso, 7), "Select * FROM " + t + " Where Numero <= 7 order by Numero");
            QCOMPARE(Tables::consultaLimpeza(caso), "Select * FROM " + t + " order by Numero");
            QCOMPARE(Tables::consultaRanking(caso, 25), "Select * FROM " + t + (caso == 1 ? " WHERE Numero <= 25 ORDER BY -Emach"
                                                                                        : " Where Numero <= 25 order by -Emach"));
        }
        QCOMPARE(db.valor("PRAGMA journal_mode").toString(), u("wal"));
        QCOMPARE(Tables::consultaCases(), u("Select * FROM Cases order by Numero"));
        QCOMPARE(Tables::TabelaEventos(QVariant(u("10"))) + Tables::campoMatriz(1) + Tables::campoMatriz(30), u("EventosAN01N30"));
        for (const QVariant& fora : {QVariant(0), QVariant(11), QVariant()})
            QVERIFY(Tables::TabelaEventos(fora).isEmpty());
        // The generator never overwrites a file that is there.
        QVERIFY_THROWS_EXCEPTION(StoreError, Generator::criarBanco(db.caminho()));
    }

    void ordemDasLinhas()
    {
        // Rows above n hold older names and scores; they never show. Descending
        // score; a Null score sorts first, as minus Null is Null; 1 and 3 tie.
        TestDb db;
        for (const char* t : {"Eventos", "Eventos2"})
            db.exec(u("UPDATE %1 SET emach = CASE WHEN Numero IN (1, 3) THEN 2 WHEN Numero = 2 THEN NULL "
                      "WHEN Numero = 4 THEN -1 ELSE Numero * 0.5 END").arg(u(t)));
        auto numeros = [&](const QString& sql) {
            QList<int> ordem;
            Recordset rs = db.estado().BancoDados.OpenRecordset(sql, dbOpenDynaset);
            for (rs.MoveFirst(); !rs.eof(); rs.MoveNext())
                ordem << rs.Fields("Numero").toInt();
            return ordem;
        };
        QCOMPARE(numeros(Tables::consultaFatores(1, 4)), QList<int>({1, 2, 3, 4}));
        for (int caso : {1, 2}) {
            const QList<int> ordem = numeros(Tables::consultaRanking(caso, 4));
            QVERIFY(ordem == QList<int>({2, 1, 3, 4}) || ordem == QList<int>({2, 3, 1, 4}));
        }
    }

    void numerosNoFormatoRegional()
    {
        for (const char* local : {"pt_BR", "en_US"}) {
            QLocale::setDefault(QLocale(u(local)));
            const bool virgula = *local == 'p';
            auto r = [&](const char* texto) { return virgula ? u(texto).replace(QChar(u'.'), QChar(u',')) : u(texto); };
            const QString dois = r("0.2");
            QVERIFY(Regional::isNumeric(dois) && Regional::isNumeric(u(" 10 ")));
            QVERIFY(!Regional::isNumeric(QString()) && !Regional::isNumeric(u("abc")));
            QCOMPARE(*Regional::toNumber(dois), 0.2);
            // No group separator; what rounds to zero has no sign.
            QCOMPARE(QStringList({Regional::numberText(5.2), Regional::numberText(5 + 0.1 + 0.1), Regional::numberText(21),
                                  Regional::numberText(0), Regional::numberText(12345.5), Regional::format00(-1),
                                  Regional::format00(-0.004), Regional::format00(-0.0049), Regional::format00(-0.0),
                                  Regional::format00(0.004), Regional::format00(-0.006), Regional::format00(4)}),
                     r("5.2 5.2 21 0 12345.5 -1.00 0.00 0.00 0.00 0.00 -0.01 4.00").split(u' '));
            QCOMPARE(QList<long long>({Regional::roundHalfEven(2.5), Regional::roundHalfEven(3.5)}), QList<long long>({2, 4}));

            // The store turns a regional text into the field's number; a text
            // that is no number stores 0.
            TestDb db;
            Recordset rs = db.estado().BancoDados.OpenRecordset(Tables::consultaFatores(2, 4), dbOpenDynaset);
            rs.MoveFirst();
            rs.Edit();
            rs.setField("N01", dois);
            rs.setField("N02", u("abc"));
            rs.setField("emach", r("-1.00"));
            rs.Update();
            QCOMPARE(db.linhas("SELECT N01, N02, emach FROM Eventos2 WHERE Numero = 1"), (QList<QVariantList>{{0.2, 0.0, -1.0}}));
            Recordset cs = db.estado().BancoDados.OpenRecordset("Cases");
            cs.setIndex("PrimaryKey");
            cs.Seek("=", 2);
            cs.Edit();
            cs.setField("Qtde", u("12"));
            cs.Update();
            QCOMPARE(db.valor("SELECT typeof(Qtde) || Qtde FROM Cases WHERE Numero = 2").toString(), u("integer12"));
        }
    }

    void acessoPorTabelaEErros()
    {
        TestDb db;
        Recordset cs = db.estado().BancoDados.OpenRecordset("Cases", dbOpenTable);
        QVERIFY_THROWS_EXCEPTION(StoreError, cs.Seek("=", 1)); // no index yet
        cs.setIndex("PrimaryKey");
        cs.Seek("=", 10);
        QVERIFY(!cs.NoMatch());
        QCOMPARE(cs.Fields("numero").toInt(), 10); // names are not case-sensitive
        for (const QVariant& fora : {QVariant(11), QVariant()}) {
            cs.Seek("=", fora);
            QVERIFY(cs.NoMatch());
            QVERIFY_THROWS_EXCEPTION(StoreError, cs.Fields("Case"));
        }
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
        // Both kinds of open work on the same file; a missing file is never created by an open.
        QVERIFY(DBEngine::Workspaces(0).OpenDatabase(db.caminho(), false, false, "Access 2000;").isOpen());
        const QString ausente = db.pasta() + "/ausente.mdb";
        QVERIFY_THROWS_EXCEPTION(StoreError, DBEngine::Workspaces(0).OpenDatabase(ausente, false, false, ";pwd=TarnBeck"));
        QVERIFY(!QFile::exists(ausente));
    }

    void modeloDaGradeSoGravaQuandoATelaPede()
    {
        // The view's submit writes nothing: the screen writes, on a row change
        // or on leaving, and can tell of a failure.
        TestDb db;
        DataSource ds;
        ds.setDatabaseName(db.caminho());
        ds.setRecordSource(Tables::consultaFatores(3, 4));
        RecordsetModel m(&ds, {{"Numero", u("Número"), false}, {"Evento", "Evento", true}});
        ds.Refresh();
        QVERIFY(!(m.flags(m.index(0, 0)) & Qt::ItemIsEditable) && !m.setData(m.index(0, 0), 99));
        QVERIFY(m.setData(m.index(0, 1), u("Temperatura ção")) && m.submit());
        QVERIFY(db.valor("SELECT Evento FROM Eventos3 WHERE Numero = 1").isNull());
        m.writePending();
        QCOMPARE(db.valor("SELECT Evento FROM Eventos3 WHERE Numero = 1").toString(), u("Temperatura ção"));
    }
};

QTEST_GUILESS_MAIN(TstStore)
#include "tst_store.moc"
