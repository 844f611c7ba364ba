// The team window: members' files combined, shown, refused, saved into the case, exported and printed.
#include "registration/frmCases.h"
#include "registration/frmEquipe.h"
#include "shell/Printers.h"
#include "shell/Fonts.h"
#include "shell/Twips.h"
#include "tests/support/Janela.h"
#include "tests/support/Respostas.h"

#include <QComboBox>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {
const QStringList kFatores{u("Temperatura"), u("Pressão"), u("Vibração"), u("Desgaste")};
using Juizo = std::tuple<int, int, const char*>; // factors of kFatores (0-based) and the value
// The worked example: (1,2) 5, (1,3) 0.1, (1,4) 0.1, (2,3) 5, (2,4) 1, (3,4) 0.1.
const QList<Juizo> kExemplo{{0, 1, "5"}, {0, 2, "0.1"}, {0, 3, "0.1"}, {1, 2, "5"}, {1, 3, "1"}, {2, 3, "0.1"}};
const QList<Juizo> kVirado{{0, 1, "5"}, {0, 2, "0.1"}, {0, 3, "0.1"}, {1, 2, "0.2"}, {1, 3, "1"}, {2, 3, "0.1"}}; // (2,3) 0.2 instead of 5

// A member's file: the factors in the order given (indexes into kFatores, or other names), each
// judgement in its row and column there; the reader mirrors it.
QString membro(const QTemporaryDir& d, const QString& nome, const QStringList& ordem, const QList<Juizo>& juizos)
{
    QVector<QStringList> linhas(ordem.size());
    for (int i = 0; i < ordem.size(); ++i)
        linhas[i] = QStringList(int(ordem.size()), QString());
    for (const auto& [a, b, v] : juizos) {
        const int i = int(ordem.indexOf(kFatores.value(a))), j = int(ordem.indexOf(kFatores.value(b)));
        if (i >= 0 && j >= 0)
            linhas[i][j] = u(v);
    }
    QString t = u(";") + ordem.join(u';') + u("\r\n");
    for (int i = 0; i < ordem.size(); ++i)
        t += ordem[i] + u(";") + linhas[i].join(u';') + u("\r\n");
    const QString caminho = d.filePath(nome + u(".csv"));
    gravarArquivo(caminho, t.toUtf8());
    return caminho;
}

void nomear(TestDb& db, int caso)
{
    db.setCase(caso, u("Bomba"), u("Vazamento"), 4);
    for (int i = 0; i < 4; ++i)
        db.exec(u("UPDATE %1 SET Evento = ? WHERE Numero = ?").arg(Tables::TabelaEventos(caso)), {kFatores[i], i + 1});
}

QString linha(QTableWidget* t, int r)
{
    QStringList l;
    for (int c = 0; c < t->columnCount(); ++c)
        l << (t->item(r, c) ? t->item(r, c)->text().trimmed() : QString());
    return l.join(u'|');
}

QString coluna(QTableWidget* t, int c)
{
    QStringList l;
    for (int r = 0; r < t->rowCount(); ++r)
        l << t->item(r, c)->text().trimmed();
    return l.join(u'|');
}
} // namespace

class TstFrmEquipe : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Fontes::instalarSubstituicoes();
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void threeMembersCombinedShownAndSaved()
    {
        TestDb db;
        Respostas resp;
        QTemporaryDir d;
        nomear(db, 4);
        const QStringList inverso{kFatores[3], kFatores[2], kFatores[1], kFatores[0]};
        resp.arquivos = {membro(d, u("ana"), kFatores, kExemplo), membro(d, u("bruno"), kFatores, kExemplo),
                         membro(d, u("carla"), inverso, kVirado)};
        frmEquipe w(db.estado(), 4);
        w.show();
        clicar(&w, "cmdAdicionar");
        QCOMPARE(resp.count(), 0);
        auto* membros = filho<QTableWidget>(&w, u("grdMembros"));
        auto* ranking = filho<QTableWidget>(&w, u("grdRanking"));
        auto* pares = filho<QTableWidget>(&w, u("grdPares"));
        QCOMPARE(coluna(membros, 0) + u(" / ") + coluna(membros, 1), u("ana|bruno|carla / Desgaste|Desgaste|Desgaste"));
        // The median gives the worked example back: E-Mach 4.00 0.00 0.40 -1.00, in the result screen's order and colours.
        QCOMPARE(linha(ranking, 0) + u(" ") + linha(ranking, 1), u("Temperatura|4.00|Efeito Vibração|0.40|Efeito"));
        QCOMPARE(linha(ranking, 3), u("Desgaste|-1.00|Causa Raíz ou principal FCS"));
        QCOMPARE(Cores::valor(ranking->item(2, 0)->background().color()), 0xFFFF00u);
        QCOMPARE(Cores::valor(ranking->item(3, 1)->background().color()), 0x00FF00u);
        QCOMPARE(texto(&w, u("lblConcordancia")),
                 u("W de Kendall = 0.733; qui-quadrado = 6.600 com 3 graus de liberdade; p = 0.086\n"
                   "Os membros concordam fortemente na ordem dos fatores."));
        // The firmness in words, then its figures.
        QVERIFY(texto(&w, u("lblRobustez")).startsWith(u("Causa raiz moderada: nenhuma mudança de um passo a move; a menor que a move "
                                                         "é Pressão × Desgaste de 1 para 10 (2 passos), que faz de Pressão a causa raiz.\n\n"
                                                         "Firmeza da causa raiz\nA causa raiz Desgaste se mantém em ")));
        QCOMPARE(linha(pares, 0) + u(" ") + linha(pares, 1), u("Pressão|Vibração|5|5|0.2|5|2 Temperatura|Pressão|5|5|5|5|0"));
        QVERIFY(pares->item(0, 0)->background() != pares->item(1, 0)->background());
        // A member renamed in place heads the pairs' column.
        membros->item(0, 0)->setText(u("Ana Lima"));
        QCOMPARE(pares->horizontalHeaderItem(2)->text(), u("Ana Lima"));

        // A save the store refuses keeps the window as it is; the retry saves.
        const QString antes = db.conteudo(4);
        db.exec(u("CREATE TRIGGER r BEFORE UPDATE ON Eventos4 WHEN NEW.Numero = 3 BEGIN SELECT RAISE(ABORT, 'no'); END"));
        clicar(&w, "cmdGravar");
        QCOMPARE(resp.ultima().titulo, u("Dados não gravados"));
        QCOMPARE(db.conteudo(4), antes);
        QVERIFY(!w.gravou() && db.estado().equipes.empty() && w.quantidadeMembros() == 3);
        db.exec(u("DROP TRIGGER r"));
        resp.clear();
        clicar(&w, "cmdGravar");
        QCOMPARE(resp.pedidos.size(), 1); // no question: the case held no judgement
        QCOMPARE(resp.ultima().texto, u("A matriz da equipe foi gravada no case 4: 4 fatores, 6 pares julgados. "
                                        "Analise o case para ver o seu resultado."));
        QCOMPARE(db.texto(u("SELECT Evento, N01, N02, N03, N04, emach FROM Eventos4 WHERE Numero <= 4 ORDER BY Numero")),
                 u("Temperatura|~|5|0.1|0.1|~|Pressão|0.2|~|5|1|~|Vibração|10|0.2|~|0.1|~|Desgaste|10|1|10|~|~|"));
        // The session keeps the team's figures for the report, for as long as the matrix is theirs.
        const ResumoEquipe& s = db.estado().equipes.at(4);
        QCOMPARE(s.membros, QStringList({u("Ana Lima"), u("bruno"), u("carla")}));
        QCOMPARE(QString::number(s.W, 'f', 3) + u(" ") + s.paresADiscutir.value(0).fatorLinha, u("0.733 Pressão"));
        QVERIFY(s.mesmaMatriz(CasoCsv::lerArquivo(resp.arquivos[0]).caso.valores));
        QVERIFY(Equipe::vigente(s, Analise::lerCaso(db.estado().BancoDados, 4).matriz));
        db.exec(u("UPDATE Eventos4 SET N02 = 10 WHERE Numero = 1"));
        QVERIFY(!Equipe::vigente(s, Analise::lerCaso(db.estado().BancoDados, 4).matriz));

        // Now the case holds judgements: replaced only after a yes.
        resp.sim = false;
        const QString gravado = db.conteudo(4);
        membros->setCurrentCell(2, 0);
        clicar(&w, "cmdRemover");
        QCOMPARE(coluna(membros, 0), u("Ana Lima|bruno"));
        clicar(&w, "cmdGravar");
        QVERIFY(resp.pedidos.last().endsWith(u("O case 4 (Bomba) já tem julgamentos. Substituí-los pela matriz da equipe de 2 membros?")));
        QCOMPARE(db.conteudo(4), gravado);
    }

    void refusedFilesAndTeamSizesChangeNothing()
    {
        TestDb db;
        Respostas resp;
        QTemporaryDir d;
        db.exemplo(5, kFatores);
        const QString antes = db.conteudo(5);
        frmEquipe w(db.estado(), 5);
        for (const char* b : {"cmdGravar", "cmdExportar", "cmdImprimir"})
            clicar(&w, b);
        QCOMPARE(resp.count(), 3);
        QCOMPARE(resp.ultima().texto, u("Uma equipe tem de 2 a 12 membros; esta tem 0."));
        QCOMPARE(w.adicionar({membro(d, u("um"), kFatores, kExemplo)}), 1);
        clicar(&w, "cmdGravar");
        QCOMPARE(resp.ultima().texto, u("Uma equipe tem de 2 a 12 membros; esta tem 1."));

        // Names that differ, a count that differs and a bad cell: none added, all named in one message.
        resp.clear();
        const QString nomes = membro(d, u("nomes"), {kFatores[0], kFatores[1], kFatores[2], u("Desgastes")}, kExemplo);
        const QString cinco = membro(d, u("cinco"), kFatores + QStringList{u("Ruído")}, kExemplo);
        QList<Juizo> ruim = kExemplo;
        ruim[0] = {0, 1, "7"};
        const QString celula = membro(d, u("celula"), kFatores, ruim);
        QCOMPARE(w.adicionar({nomes, cinco, celula}), 0);
        QCOMPARE(resp.count(), 1);
        const QString recusa = resp.ultima().texto;
        QVERIFY2(recusa.startsWith(nomes + u(" não foi adicionado: os seus fatores não são os deste case (4 no case, 4 no arquivo).\n"
                                             "Faltam no arquivo: \"Desgaste\"\nSobram no arquivo: \"Desgastes\"\n\n")
                                   + cinco + u(" não foi adicionado: os seus fatores não são os deste case (4 no case, 5 no arquivo).\n"
                                               "Sobram no arquivo: \"Ruído\"\n\n")
                                   + celula + u(" não foi adicionado:\nNada foi importado: o arquivo tem 1 problema.")),
                 qPrintable(recusa));
        QVERIFY(recusa.contains(u("\"7\" não é um dos níveis")));

        // Thirteen members are refused whole: 1 + 12 files.
        QStringList doze;
        for (int i = 0; i < 12; ++i)
            doze << membro(d, u("m%1").arg(i), kFatores, kExemplo);
        QCOMPARE(w.adicionar(doze), 0);
        QCOMPARE(resp.ultima().texto, u("Uma equipe tem no máximo 12 membros; com estes 12 arquivos seriam 13. Nenhum foi adicionado."));
        QCOMPARE(w.adicionar(doze.mid(1)), 11);
        QCOMPARE(w.quantidadeMembros(), 12);
        QVERIFY(db.conteudo(5) == antes && resp.pedidos.isEmpty());
    }

    void fromTheRegisterThenExportedAndPrinted()
    {
        TestDb db;
        Respostas resp;
        QTemporaryDir d;
        db.setCase(6, u("Novo"), u("Ruído"), 0);
        // The first member's names and order; the second, in another order, is matched to them.
        const QStringList ordem{kFatores[2], kFatores[0], kFatores[3], kFatores[1]};
        resp.arquivos = {membro(d, u("a"), ordem, kExemplo), membro(d, u("b"), kFatores, kVirado)};
        Modal<frmEquipe> aberta([](frmEquipe& w) {
            w.cmdAdicionar_Click();
            w.cmdGravar_Click();
        });
        Janela<frmCases> j(db);
        QCOMPARE(Twips::rect(4005, 4575, 1290, 990), j.c("cmdEquipe")->geometry());
        j.clicar(5, 1);
        clicar(&j.w, "cmdEquipe");
        QCOMPARE(aberta.vezes, 1);
        QCOMPARE(db.texto(u("SELECT Evento FROM Eventos6 WHERE Numero <= 4 ORDER BY Numero")), ordem.join(u'|') + u("|"));
        QCOMPARE(j.celula(5, 3), u("4"));
        QCOMPARE(db.valor(u("SELECT \"Case\" FROM Cases WHERE Numero = 6")).toString(), u("Novo"));
        // Both judged (Vibração, Pressão) differently: 1 and -1 meet at "the same".
        QCOMPARE(db.valor(u("SELECT N04 FROM Eventos6 WHERE Numero = 1")).toDouble(), 1.0);

        // Another team, in case 4, exported and printed.
        nomear(db, 4);
        frmEquipe w(db.estado(), 4);
        w.adicionar({membro(d, u("=ana"), kFatores, kExemplo), membro(d, u("bruno"), kFatores, kVirado)});
        resp.arquivo = d.filePath(u("equipe.csv"));
        clicar(&w, "cmdExportar");
        QCOMPARE(resp.pedidos.last(), u("Exportar julgamento da equipe|") + QDir::toNativeSeparators(d.filePath(u("Bomba - equipe.csv"))));
        QFile f(resp.arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        // The team's file is a case file too: its matrix is the team's, read back as any member's.
        const CasoCsv::Leitura l = CasoCsv::ler(bytes);
        QVERIFY(l.valida() && Equipe::corresponder(kFatores, l.caso.fatores).confere());
        QCOMPARE(l.caso.valor(1, 2), 1.0); // 5 and 0.2: a mean of 0, "the same"
        const QString t = QString::fromUtf8(bytes);
        QVERIFY2(t.contains(u("\r\n\r\nFator,Fator,'=ana,bruno,Equipe,Dispersão\r\nPressão,Vibração,5,0.2,1,2\r\n")), qPrintable(t));

        // The page, on the PDF printer, read back.
        Printers::definirLista({{Printers::nomePdf(), Impressora::Tipo::Pdf}}, 0);
        const QString pdf = d.filePath(u("equipe.pdf"));
        resp.arquivo = pdf;
        filho<QComboBox>(&w, u("Combo1"))->setEditText(Printers::nomePdf());
        clicar(&w, "cmdImprimir");
        Printers::reiniciar();
        const QString pagina = saidaDe(u("pdftotext"), {u("-layout"), pdf, u("-")}).simplified();
        for (const char* s : {"Julgamento em equipe", "Membros: =ana, bruno", "W de Kendall = 0.700",
                              "Os membros concordam fortemente na ordem dos fatores.", "Temperatura 1.78 Efeito",
                              "Desgaste -1.00 Causa Raíz ou principal FCS", "Pares a discutir",
                              "Pressão × Vibração: equipe 1, dispersão 2 =ana 5; bruno 0.2"})
            QVERIFY2(pagina.contains(u(s)), s);
    }
};

QTEST_MAIN(TstFrmEquipe)
#include "tst_frmequipe.moc"
