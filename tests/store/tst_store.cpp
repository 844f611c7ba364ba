// The store: the new file, the query texts, regional numbers;
// a case to and from CSV, its refusals with nothing changed, and a fuzz of the reader.
#include "analysis/Analise.h"
#include "shell/ArquivoCaso.h"
#include "shell/Traducoes.h"
#include "store/CasoCsv.h"
#include "store/Generator.h"
#include "store/Regional.h"
#include "store/StoreError.h"
#include "store/Tables.h"
#include "tests/support/Controles.h"
#include "tests/support/Respostas.h"
#include "tests/support/TestDb.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <optional>

#include <sys/stat.h>

namespace {

// Names a file must quote or guard.
const QStringList kNomes{QString::fromUtf8("Selo \"velho\""), QString::fromUtf8("Rotor;eixo"),
                         QString::fromUtf8("Vibração\nforte"), QString::fromUtf8("=Ímã+1")};

// The file of the worked example as a pt_BR user gets it.
const char* const kArquivoPt =
    "\xEF\xBB\xBF"
    "Case;Bomba, 3\r\n"
    "Objetivo a alcançar ou Sintoma indesejado;'-Pressão baixa\r\n"
    "Quantidade de Fatores;4\r\n"
    "\r\n"
    ";\"Selo \"\"velho\"\"\";\"Rotor;eixo\";\"Vibração\nforte\";'=Ímã+1\r\n"
    "\"Selo \"\"velho\"\"\";;5;0,1;0,1\r\n"
    "\"Rotor;eixo\";0,2;;5;1\r\n"
    "\"Vibração\nforte\";10;0,2;;0,1\r\n"
    "'=Ímã+1;10;1;10;\r\n"
    "\r\n"
    "Fatores;Pontos da Linha;Pontos da Coluna;Normatização H 0-5;Normatização V 0-5;Emach;Classe\r\n"
    "\"Selo \"\"velho\"\"\";5,2;20,2;0,00;5,00;4,00;Efeito\r\n"
    "\"Vibração\nforte\";10,3;15,1;1,61;3,66;0,40;Efeito\r\n"
    "\"Rotor;eixo\";6,2;6,2;0,32;1,32;0,00;Efeito\r\n"
    "'=Ímã+1;21;1,2;5,00;0,00;-1,00;Causa Raíz ou principal FCS\r\n";

const char* const kBase = ",A,B,C,D\nA,,5,0.1,0.1\nB,0.2,,5,1\nC,10,0.2,,0.1\nD,10,1,10,\n";

// A fresh database with a recorder for messages and an answerer for dialogs.
struct Cena {
    TestDb db;
    Respostas respostas;
    QTemporaryDir dir;
    // The file every dialog now answers with.
    void arquivo(const QByteArray& bytes)
    {
        QVERIFY(gravarArquivo(respostas.arquivo = dir.filePath(QStringLiteral("caso.csv")), bytes));
    }
    std::optional<CasoCsv::Caso> importar(int caso) { return ArquivoCaso::importar(nullptr, db.estado(), caso); }
    QString exportar(int caso, int idioma = 3)
    {
        Traducoes::aplicar(idioma);
        return ArquivoCaso::exportar(nullptr, idioma, Analise::exportacao(db.estado().BancoDados, caso));
    }
};

// A checked case written out and read back must be the same case.
CasoCsv::Exportacao paraExportar(const CasoCsv::Caso& c)
{
    CasoCsv::Exportacao e;
    e.nome = c.nome;
    e.sintoma = c.sintoma;
    e.n = c.n();
    e.fatores = c.fatores;
    for (double v : c.valores)
        e.celulas << (v == 0 ? QString() : QLocale().toString(v));
    return e;
}
} // namespace

class TstStore : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void exemploIdaEVoltaEPlanilha()
    {
        for (const char* local : {"pt_BR", "en_US"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(local)));
            Cena c;
            c.db.exemplo(1, kNomes);
            c.respostas.arquivo = c.dir.filePath(QStringLiteral("saida.csv"));
            QCOMPARE(c.exportar(1), c.respostas.arquivo);
            QVERIFY(c.respostas.pedidos.value(0).startsWith(u("Exportar case|")) && c.respostas.pedidos.value(0).endsWith(u("/Bomba, 3.csv")));
            QFile f(c.respostas.arquivo);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QString esperado = u(kArquivoPt);
            if (QLatin1String(local) == QLatin1String("en_US"))
                esperado.replace(u',', u'.').replace(u';', u',').replace(u("Case,Bomba. 3"), u("Case,\"Bomba, 3\""))
                    .replace(u("\"Rotor,eixo\""), u("Rotor;eixo"));
            QCOMPARE(QString::fromUtf8(f.readAll()), esperado);

            // Into case 2, in the other locale: the same names, matrix and count, no E-Mach.
            QLocale::setDefault(QLocale(QLatin1String(local) == QLatin1String("pt_BR") ? u("en_US") : u("pt_BR")));
            QVERIFY(c.importar(2));
            QCOMPARE(c.respostas.ultima().texto, u("4 fatores e 6 julgamentos importados para o case 2."));
            c.db.exec("UPDATE Eventos SET emach = NULL");
            QCOMPARE(c.db.conteudo(2, 4).mid(2), c.db.conteudo(1, 4).mid(2));
        }

        // Names a spreadsheet would turn into numbers or dates stay texts; judgements and figures are numbers.
        QLocale::setDefault(QLocale(u("pt_BR")));
        Cena c;
        c.db.exemplo(1, {u("007"), u("1/5"), u("3.50"), u("=Ímã+1")});
        c.respostas.arquivo = c.dir.filePath(u("caso.xlsx"));
        QCOMPARE(c.exportar(1), c.respostas.arquivo);
        const QString celulas = saidaDe(u("python3"), {QFINDTESTDATA("../support/ler_xlsx.py"), c.respostas.arquivo});
        for (const char* e : {"B1\ts\tBomba, 3", "B2\ts\t-Pressão baixa", "B3\tn\t4", "B5\ts\t007", "C5\ts\t1/5", "D5\ts\t3.50",
                              "E5\ts\t=Ímã+1", "A7\ts\t1/5", "C6\tn\t5", "D6\tn\t0.1", "B7\tn\t0.2", "A12\ts\t007", "F12\tn\t4",
                              "G12\ts\tEfeito", "A15\ts\t=Ímã+1", "F15\tn\t-1", "G15\ts\tCausa Raíz ou principal FCS"})
            QVERIFY2(celulas.contains(u(e) + u("\n")), qPrintable(u(e) + u("\n") + celulas));
        // The count, 12 judgements and 5 figures for each of the 4 factors; nothing else is a number.
        QCOMPARE(celulas.count(u("\tn\t")), 1 + 12 + 4 * 5);

        // In a CSV file too, each guarded, and read back as it was.
        CasoCsv::Caso caso;
        caso.fatores = {u("=1+1"), u("+1"), u("-1"), u("@SOMA(A1)"), u("\tx"), u("\ry"), u("'=x"), u("''+y"), u("'a"), u("a=b")};
        caso.valores.fill(0, 100);
        const QString texto = QString::fromUtf8(CasoCsv::escrever(paraExportar(caso), 3));
        QVERIFY2(texto.contains(u(";'=1+1;'+1;'-1;'@SOMA(A1);'\tx;\"'\ry\";''=x;'''+y;'a;a=b\r\n")), qPrintable(texto));
        QCOMPARE(CasoCsv::ler(texto.toUtf8()).caso.fatores, caso.fatores);
    }

    void recusasNaoMudamNada()
    {
        const QByteArray base(kBase);
        auto trocar = [&](const char* de, const char* para) { return QByteArray(base).replace(de, para); };
        QByteArray nomes26(",");
        for (int i = 0; i < 26; ++i)
            nomes26 += "F" + QByteArray::number(i) + ",";
        // The file ("/" a folder, which cannot be read) and the message it gets.
        const struct { QByteArray arquivo; const char* mensagem; } casos[] = {
            {QByteArray(), "O arquivo está vazio.\n\nNada foi alterado."},
            {QByteArray("\xEF\xBB\xBF \r\n\t\r\n"), "O arquivo está vazio."},
            {QByteArray("PK\x03\x04\x00\x00", 6), "O arquivo não é um texto CSV."},
            {QByteArray(CasoCsv::kTamanhoMaximo + 1, 'A'), "O arquivo tem mais de 1 MB"},
            // Not a regular file: refused before it is opened, so a pipe cannot hold the window.
            {QByteArray("/"), "Isto não é um arquivo comum (é uma pasta, um dispositivo ou um canal): nada foi lido."},
            {QByteArray("|"), "Isto não é um arquivo comum"},
            {QByteArray("/dev/zero"), "Isto não é um arquivo comum"},
            // UTF-8 but for one byte, and UTF-16 with a lone surrogate: damaged, never read as another encoding.
            {trocar("\nC,", "\nC\xE3,").replace(",A,", ",A\xC3\xA7\xC3\xA3o,").replace("\nA,", "\nA\xC3\xA7\xC3\xA3o,"),
             "Linha 4, coluna 2: 0xE3 não é um caractere válido em UTF-8: o arquivo está danificado"},
            {"\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(u",M\xD800todo,B\n"), 20),
             "Linha 1, coluna 3: 0xD800 não é um caractere válido em UTF-16: o arquivo está danificado"},
            {QByteArray(",A,B,C\nA,,5,1\nB,0.2,,1\nC,1,1,\n"), "Linha 1, coluna 1: a matriz tem 3 fatores; o mínimo é 4"},
            {nomes26, "Linha 1, coluna 1: a matriz tem 26 fatores; o máximo é 25"},
            {trocar("\nB,", "\n ,"), "Linha 3, coluna 1: falta o nome do fator"},
            {QByteArray(base).replace("A", QByteArray(81, 'a')), "Linha 2, coluna 1: o texto tem 81 caracteres; o máximo é 80"},
            {trocar("C", "a"), "Linha 4, coluna 1: o nome \"a\" já aparece na linha 2"},
            {trocar(",B,C", ",X,C"), "Linha 1, coluna 3: o nome \"X\" do cabeçalho não é o da linha 3 (\"B\")"},
            {trocar("B,0.2,,5", "B,0.2,,7"), "Linha 3, coluna 4: \"7\" não é um dos níveis 10; 5; 1; 0,2; 0,1 (ou 1/5; 1/10)"},
            {trocar("A,,5", "A,1,5"), "Linha 2, coluna 2: a diagonal (o fator contra ele mesmo) fica vazia"},
            {trocar("B,0.2", "B,5"), "Linha 3, coluna 2: 5 não é o recíproco de 5 (linha 2, coluna 3)"},
            {trocar("D,10,1,10,\n", ""), "Linha 5, coluna 1: falta a linha do fator 4 (\"D\")"},
            {base + "E,1,1,1,1\n", "Linha 6, coluna 1: linha a mais: a matriz tem 4 fatores"},
            {trocar("0.1,0.1\n", "0.1,0.1,,9\n"), "Linha 2, coluna 7: valor fora da matriz"},
            {trocar("\nA,", "\n\"A,"), "Linha 2, coluna 1: aspas abertas e nunca fechadas"},
            {trocar("\nA,", "\n\"A\"x,"), "Linha 2, coluna 1: texto depois das aspas de fechamento"},
            {"Case,x\nQtde,4x\n\n" + base, "Linha 2, coluna 2: a quantidade de fatores \"4x\" não é um número inteiro"},
            {"Case,x\nNumber of Factors:,5\n" + base, "Linha 2, coluna 2: a quantidade de fatores 5 não confere com os 4 fatores da matriz"},
            {"Case," + QByteArray(81, 'c') + "\n" + base, "Linha 1, coluna 2: o texto tem 81 caracteres"},
            {QByteArray("Case;x\r\n\r\n"), "Linha 3, coluna 1: falta a matriz"},
            {trocar("5", "7").replace("0.2", "3").replace("0.1", "x"), "Nada foi importado: o arquivo tem 7 problemas.\n\nLinha 2, coluna 3: \"7\""},
        };
        QLocale::setDefault(QLocale(u("pt_BR")));
        for (const auto& [arquivo, mensagem] : casos) {
            Cena c;
            c.db.exemplo(2, kNomes);
            const QString antes = c.db.conteudo(2);
            c.arquivo(arquivo);
            if (arquivo == "/" || arquivo == "/dev/zero")
                c.respostas.arquivo = arquivo == "/" ? c.dir.path() : u("/dev/zero");
            if (arquivo == "|")
                QVERIFY(::mkfifo(QFile::encodeName(c.respostas.arquivo = c.dir.filePath(u("fila"))).constData(), 0600) == 0);
            QVERIFY(!c.importar(2) && c.respostas.count() == 1);
            QVERIFY2(c.respostas.ultima().texto.contains(u(mensagem)), qPrintable(c.respostas.ultima().texto));
            QVERIFY(!u(mensagem).startsWith(u("Nada foi importado")) || c.respostas.ultima().texto.endsWith(u("… e mais 2.")));
            QCOMPARE(c.db.conteudo(2), antes);
            QCOMPARE(c.respostas.pedidos, QStringList{u("Importar case")}); // no question
        }
    }

    void formasAceitas()
    {
        const QByteArray base(kBase);
        const QList<QPair<QByteArray, QString>> casos{
            {base, u("6|0.2")},
            {"\xEF\xBB\xBF" + QByteArray(base).replace(',', ';').replace('.', ',').replace("\n", "\r\n"), u("6|0.2")},
            {QByteArray(base).replace(',', '\t').replace("0.2", "1/5").replace("0.1", " 1/10 "), u("6|0.2")},
            // one side of each pair is mirrored; a spreadsheet pads rows with separators
            {"Case,x,,,\n,,,,\n,A,B,C,D,,\nA,,5,0.1,0.1,,\nB,,,5,1,,\nC,,,,0.1,,\nD,,,,,,\n,,,,,,\n", u("6|0.2")},
            {",A,B,C,D\nA\nB,,,5\nC,10\nD", u("2|0")},
            {",\xC1gua \x96 1,B,C,D\n\xC1gua \x96 1,,5,0.1,0.1\nB,0.2,,5,1\nC,10,0.2,,0.1\nD,10,1,10,\n", u("6|0.2")}, // Windows-1252
        };
        for (const auto& [bytes, esperado] : casos) {
            const CasoCsv::Leitura l = CasoCsv::ler(bytes);
            QVERIFY2(l.valida(), qPrintable(CasoCsv::descrever(l)));
            QCOMPARE(QString::number(l.caso.julgamentos()) + u'|' + QString::number(l.caso.valor(1, 0)), esperado);
            QCOMPARE(l.caso.fatores.last(), u("D"));
        }
        QCOMPARE(CasoCsv::ler(casos.last().first).caso.fatores.first(), u("Água – 1"));
        // Only a file with no UTF-8 in it is read as Windows-1252, and the message says so.
        Cena c;
        c.arquivo(casos.last().first);
        QVERIFY(c.importar(3));
        QVERIFY(c.respostas.ultima().texto.endsWith(u("\n\nO arquivo não estava em UTF-8: foi lido como Windows-1252, a codificação antiga do Windows.")));
    }

    void substituirPedeConfirmacao()
    {
        Cena c;
        c.db.setCase(4, u("Vazio"), QVariant(), 0);
        c.arquivo("Case,Novo\n" + QByteArray(kBase));
        QVERIFY(c.importar(4)); // nothing to lose: no question
        c.db.exemplo(2, kNomes);
        const QString antes = c.db.conteudo(2);
        c.respostas.sim = false;
        QVERIFY(!c.importar(2));
        QCOMPARE(c.db.conteudo(2), antes);
        QCOMPARE(c.respostas.pedidos.last(),
                 u("Importar case|O case 2 (Bomba, 3) já tem 4 fatores.\nSubstituí-los pelos 4 fatores do arquivo?"));
        c.respostas.sim = true;
        c.db.estado().CaseAtual = 2;
        QVERIFY(c.importar(2));
        // Rows above n cleared as the reset clears them.
        QCOMPARE(c.db.conteudo(2), c.db.conteudo(4).replace(u("4|Novo"), u("2|Novo")));
        QVERIFY(c.db.conteudo(2).endsWith(u("30||") + u("~|").repeated(31)));
        QCOMPARE(c.db.estado().QtdeFatores.toString() + QString::number(c.respostas.count()), u("42"));
    }

    void falhasDeExportarEDeGravar()
    {
        Cena c;
        QVERIFY(c.exportar(5, 1).isEmpty() && c.respostas.pedidos.isEmpty());
        QCOMPARE(c.respostas.ultima().texto, u("Case 5 has no factors to export."));
        c.db.exemplo(5, kNomes);
        c.respostas.arquivo = QStringLiteral("/nonexistent-kv-folder/x.csv");
        QVERIFY(c.exportar(5, 1).isEmpty());
        QVERIFY(c.respostas.ultima().texto.startsWith(u("The file\n/nonexistent-kv-folder/x.csv\ncould not be written.")));
        QVERIFY(c.respostas.ultima().texto.endsWith(u("No file was created or changed.")));
        // A store that cannot write (another writer holds the file) changes nothing.
        const QString antes = c.db.conteudo(5);
        c.arquivo(kBase);
        c.db.exec("BEGIN IMMEDIATE");
        QVERIFY(!c.importar(5));
        c.db.exec("ROLLBACK");
        QVERIFY(c.respostas.ultima().texto.startsWith(u("O arquivo de dados CONTROLE.mdb está ocupado por outro programa.")));
        QCOMPARE(c.db.conteudo(5), antes);
    }

    // Random and mutated files: no crash, no hang, and whatever is accepted is
    // a case of 4 to 25 factors that survives its own round trip.
    void fuzz()
    {
        QRandomGenerator g(1604);
        const QByteArray pedacos[] = {";", ",", "\"", "\r\n", "\n", "\t", "0,1", "0.2", "1/10", "10", "=", "'", "",
                                      QByteArray(1, '\0'), "\xC3", "\xFF", "Case", "Qtde,", "\xEF\xBB\xBF"};
        int aceitos = 0;
        for (int i = 0; i < 100000; ++i) {
            QByteArray b(i % 2 ? kArquivoPt : kBase);
            for (int k = g.bounded(6); k > 0; --k) {
                const int p = g.bounded(int(b.size()) + 1), qual = g.bounded(3);
                qual == 0 ? b.insert(p, pedacos[g.bounded(int(std::size(pedacos)))])
                          : qual == 1 ? b.remove(p, g.bounded(1, 40)) : b.insert(p, char(g.bounded(256)));
            }
            const CasoCsv::Leitura l = CasoCsv::ler(b);
            if (!l.valida())
                continue;
            ++aceitos;
            const CasoCsv::Caso& c = l.caso;
            const CasoCsv::Leitura volta = CasoCsv::ler(CasoCsv::escrever(paraExportar(c), 1 + i % 3));
            QVERIFY2(c.n() >= 4 && c.n() <= 25 && volta.valida() && volta.caso.fatores == c.fatores
                         && volta.caso.valores == c.valores && volta.caso.nome == c.nome && volta.caso.sintoma == c.sintoma,
                     b.toPercentEncoding().constData());
        }
        QVERIFY2(aceitos > 1000 && aceitos < 99000, qPrintable(QString::number(aceitos)));
    }

    void novoArquivoENumeros()
    {
        TestDb db(false);
        QCOMPARE(db.linhas("SELECT Idioma, VersaoBD FROM Parametro"), (QList<QVariantList>{{3, u("KV 22.12.15 / 1.0")}}));
        QCOMPARE(db.valor("SELECT COUNT(*) FROM Cases WHERE typeof(Qtde) = 'integer'").toInt(), 10);
        const char* tabelas[] = {"Eventos", "Eventos2", "Eventos3", "Eventos4", "Eventos5",
                                 "Eventos6", "Eventos7", "Eventos8", "Eventos9", "EventosA"};
        for (int caso = 1; caso <= 10; ++caso) {
            // An empty case with count 0; 30 numbered rows, Evento, N01..N30 and emach all Null.
            QString vazio = QString::number(caso) + u("|~|~|0|");
            for (int r = 1; r <= 30; ++r)
                vazio += QString::number(r) + u("|") + u("~|").repeated(32);
            QCOMPARE(db.conteudo(caso), vazio);
            // The query texts, letter by letter.
            const QString t = u(tabelas[caso - 1]);
            QCOMPARE(Tables::TabelaEventos(caso), t);
            QCOMPARE(Tables::consultaFatores(caso, 7), "Select * FROM " + t + " Where Numero <= 7 order by Numero");
            QCOMPARE(Tables::consultaLimpeza(caso), "Select * FROM " + t + " order by Numero");
            QCOMPARE(Tables::consultaRanking(caso, 25), "Select * FROM " + t + (caso == 1 ? " WHERE Numero <= 25 ORDER BY -Emach"
                                                                                        : " Where Numero <= 25 order by -Emach"));
        }
        QCOMPARE(db.valor("PRAGMA journal_mode").toString() + Tables::consultaCases(), u("walSelect * FROM Cases order by Numero"));
        QCOMPARE(Tables::TabelaEventos(QVariant(u("10"))) + Tables::campoMatriz(1) + Tables::campoMatriz(30), u("EventosAN01N30"));
        for (const QVariant& fora : {QVariant(0), QVariant(11), QVariant()})
            QVERIFY(Tables::TabelaEventos(fora).isEmpty());
        // The generator never overwrites a file that is there.
        QVERIFY_THROWS_EXCEPTION(StoreError, Generator::criarBanco(db.caminho()));

        for (const char* local : {"pt_BR", "en_US"}) {
            QLocale::setDefault(QLocale(u(local)));
            auto r = [&](const char* texto) { return *local == 'p' ? u(texto).replace(u'.', u',') : u(texto); };
            QVERIFY(Regional::isNumeric(r("0.2")) && Regional::isNumeric(u(" 10 ")) && !Regional::isNumeric(QString()) && !Regional::isNumeric(u("abc")));
            QCOMPARE(*Regional::toNumber(r("0.2")), 0.2);
            // No group separator; what rounds to zero has no sign.
            QCOMPARE(QStringList({Regional::numberText(5.2), Regional::numberText(5 + 0.1 + 0.1), Regional::numberText(21),
                                  Regional::numberText(0), Regional::numberText(12345.5), Regional::format00(-1),
                                  Regional::format00(-0.004), Regional::format00(-0.0049), Regional::format00(-0.0),
                                  Regional::format00(0.004), Regional::format00(-0.006), Regional::format00(4)}),
                     r("5.2 5.2 21 0 12345.5 -1.00 0.00 0.00 0.00 0.00 -0.01 4.00").split(u' '));
            QCOMPARE(QList<long long>({Regional::roundHalfEven(2.5), Regional::roundHalfEven(3.5)}), QList<long long>({2, 4}));
        }
    }
};

QTEST_GUILESS_MAIN(TstStore)
#include "tst_store.moc"
