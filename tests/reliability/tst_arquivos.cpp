// Every writer onto a full disk and into a read-only folder: the user is told what happened, no file is left at the
// chosen name (the one there stays as it was), and KV goes on. The full disk is a file-size limit in a child process.
#include "shell/Printers.h"
#include "shell/Restauracao.h"
#include "shell/Traducoes.h"
#include "shell/Vigia.h"
#include "store/Connection.h"
#include "store/Generator.h"
#include "store/Recuperacao.h"
#include "results/frmMapa.h"
#include "results/frmResultado.h"
#include "tests/support/Janela.h"
#include "tests/support/Respostas.h"

#include <QDir>
#include <QProcess>
#include <csignal>
#include <cstdio>

#include <sys/resource.h>
#include <unistd.h>

namespace {
const QStringList kArquivos{u("caso.csv"), u("caso.xlsx"), u("relatorio.pdf"), u("completo.pdf"), u("mapa.png"),
                            u("mapa.svg"), u("mapa.pdf"), u("pagina.pdf")};

// The full disk (`cheio`) or the folder that cannot be written (for root, who writes anywhere, as nobody).
void restringir(bool cheio, bool ligar)
{
    if (cheio) {
        const rlimit r{ligar ? rlim_t(16) : RLIM_INFINITY, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &r);
    } else if (::getuid() == 0) {
        [[maybe_unused]] const int e = ::seteuid(ligar ? 65534 : 0);
    }
}

// The child: each writer aims at `alvo`, and every message it gets, in the language `idioma`, is printed, one a line.
int escrever(const QString& alvo, bool cheio, int idioma)
{
    ::signal(SIGXFSZ, SIG_IGN);
    Traducoes::aplicar(idioma);
    TestDb db;
    db.estado().IdiomaAtual = qint16(idioma);
    db.exemplo(1, {u("Pressão"), u("Vibração"), u("Desgaste"), u("Temperatura")}, true);
    Printers::definirLista({}, 0);
    Respostas respostas;
    frmResultado resultado(db.estado(), u("Vazamento"));
    auto sob = [&](const QString& arquivo, const std::function<void()>& acao) {
        respostas.arquivo = QDir(alvo).filePath(arquivo);
        restringir(cheio, true);
        acao();
        restringir(cheio, false);
    };
    sob(kArquivos[0], [&] { clicar(&resultado, "cmdExportar"); });
    sob(kArquivos[1], [&] { clicar(&resultado, "cmdExportar"); });
    sob(kArquivos[2], [&] { clicar(&resultado, "cmdPrinter"); });
    sob(kArquivos[3], [&] { clicar(&resultado, "cmdRelatorio"); });
    Modal<frmMapa> aberta([&](frmMapa& mapa) {
        for (int i = 4; i < 7; ++i)
            sob(kArquivos[i], [&] { clicar(&mapa, "cmdExportar"); });
        sob(kArquivos[7], [&] { clicar(&mapa, "cmdImprimir"); });
    });
    frmMapa::abrir(db.estado());
    for (const auto& m : respostas.mensagens)
        std::printf("%s|%s\n", qPrintable(m.titulo), qPrintable(QString(m.texto).replace(u'\n', u'~')));
    std::puts("vivo");
    return 0;
}
} // namespace

class TstArquivos : public QObject {
    Q_OBJECT
private slots:
    void recuperacaoOferecidaRestauradaOuPostaDeLado()
    {
        TestDb db;
        db.exemplo(2);
        const Database& banco = db.estado().BancoDados;
        const QString arquivo = Recuperacao::caminho(db.caminho());
        const QString matriz = u("SELECT N01, N02 FROM Eventos2 WHERE Numero <= 2 ORDER BY Numero");
        const QString antes = db.texto(matriz);
        // The screen's matrix with one pair judged anew, as its writer leaves it.
        auto guardar = [&](const std::function<void(Recuperacao::Dados&)>& mudar = {}) {
            Recuperacao::Dados d = Recuperacao::doCaso(banco, 2);
            d.valores = Recuperacao::matrizGravada(banco, d);
            d.valores[1] = 10;
            d.valores[4] = 0.1;
            d.quando = QDateTime::currentDateTime();
            if (mudar)
                mudar(d);
            Recuperacao::Gravador g(banco);
            g.guardar(d);
        };
        Respostas respostas;
        for (const bool sim : {false, true}) { // declined: dropped, nothing written; then restored through the save path
            guardar();
            respostas.sim = sim;
            respostas.pedidos.clear();
            Restauracao::aoIniciar(db.estado(), nullptr);
            QCOMPARE(respostas.pedidos.size(), 1);
            QVERIFY2(respostas.pedidos[0].startsWith(u("Julgamentos não gravados|O KV foi encerrado sem gravar os julgamentos do case 2 (Bomba, 3), feitos até "))
                         && respostas.pedidos[0].endsWith(u("\n\nRestaurá-los agora?")), qPrintable(respostas.pedidos[0]));
            QCOMPARE(db.texto(matriz), sim ? u("0|10|0.1|0|") : antes);
            QVERIFY(!QFile::exists(arquivo) && respostas.count() == 0);
        }
        // What is stored already just goes, without a question.
        guardar([](Recuperacao::Dados&) {});
        respostas.pedidos.clear();
        Restauracao::aoIniciar(db.estado(), nullptr);
        QVERIFY(respostas.pedidos.isEmpty() && !QFile::exists(arquivo));

        // A save that fails part-way writes nothing and keeps the file for the next start.
        guardar([](Recuperacao::Dados& d) { d.valores[1] = 5; d.valores[4] = 0.2; d.valores[2 * 4 + 3] = 1; d.valores[3 * 4 + 2] = 1; });
        db.exec(u("CREATE TRIGGER r BEFORE UPDATE ON Eventos2 WHEN NEW.Numero = 3 BEGIN SELECT RAISE(ABORT, 'no'); END"));
        Restauracao::aoIniciar(db.estado(), nullptr);
        db.exec(u("DROP TRIGGER r"));
        QVERIFY(respostas.count() == 1 && respostas.ultima().titulo == u("Dados não gravados") && QFile::exists(arquivo));
        QCOMPARE(db.texto(matriz), u("0|10|0.1|0|"));

        // Damaged, of another database, of a case whose factors changed: set aside with a message, never applied.
        const struct { std::function<void()> estragar; const char* mensagem; } ruins[] = {
            {[&] { QFile f(arquivo); f.open(QIODevice::ReadWrite); f.seek(f.size() - 3); f.write("9"); }, "está danificado"},
            {[&] { guardar([](Recuperacao::Dados& d) { d.banco = u("/outro/CONTROLE.mdb"); d.inode += 1; }); }, "é de outro arquivo de dados"},
            {[&] { guardar([](Recuperacao::Dados& d) { d.fatores[0] = u("Z"); }); }, "é de outro arquivo de dados, ou de um case que mudou"},
        };
        for (const auto& r : ruins) {
            r.estragar();
            respostas.clear();
            respostas.pedidos.clear();
            Restauracao::aoIniciar(db.estado(), nullptr);
            QVERIFY2(respostas.count() == 1 && respostas.ultima().texto.contains(u(r.mensagem)) && respostas.pedidos.isEmpty(), qPrintable(respostas.ultima().texto));
            const QString posto = respostas.ultima().texto.section(QLatin1Char('\n'), -1);
            QVERIFY(!QFile::exists(arquivo) && QFile::exists(posto) && posto.startsWith(arquivo + u("-posto-de-lado-")));
            QFile::remove(posto);
            QCOMPARE(db.texto(matriz), u("0|10|0.1|0|"));
        }
        // A count another tool stored as 3.6 is four factors, as the matrix screen opens it.
        db.exec(u("UPDATE Cases SET Qtde = 3.6 WHERE Numero = 2"));
        QCOMPARE(Recuperacao::doCaso(banco, 2).n(), 4);
    }

    void logApagadoRefeitoEAvisado()
    {
        // KV's own connection alone on the file, as in the running program.
        QTemporaryDir dir;
        AppState estado;
        const QString banco = dir.filePath(u("CONTROLE.mdb"));
        Generator::criarBanco(banco);
        estado.BancoDados = DBEngine::Workspaces(0).OpenDatabase(banco);
        estado.BancoDados.connection().exec(u("UPDATE Cases SET \"Case\" = 'antes' WHERE Numero = 1"));
        Respostas sink;
        Vigia::verificar(estado);
        QCOMPARE(sink.count(), 0);
        for (const char* fim : {"-wal", "-shm"})
            QVERIFY(QFile::remove(banco + u(fim)));
        estado.BancoDados.connection().exec(u("UPDATE Cases SET \"Case\" = 'depois' WHERE Numero = 1"));
        Vigia::verificar(estado);
        QVERIFY2(sink.count() == 1 && sink.ultima().texto.contains(u("foi apagado por outro programa.\n\nO KV já gravou no CONTROLE.mdb tudo o que estava nele")),
                 qPrintable(sink.ultima().texto));
        // Both made afresh, and a copy of the three files as a kill would leave them holds everything.
        QVERIFY(QFile::exists(banco + u("-wal")) && QFile::exists(banco + u("-shm")));
        estado.BancoDados.connection().exec(u("UPDATE Cases SET Sintoma = 'novo' WHERE Numero = 1"));
        for (const char* fim : {"", "-wal", "-shm"})
            QVERIFY(QFile::copy(banco + u(fim), dir.filePath(u("copia.mdb")) + u(fim)));
        QCOMPARE(saidaDe(u("sqlite3"), {dir.filePath(u("copia.mdb")), u("SELECT \"Case\", Sintoma FROM Cases WHERE Numero = 1")}),
                 u("depois|novo\n"));
        Vigia::verificar(estado);
        QCOMPARE(sink.count(), 1);
    }

    void escritoresDizemOQueHouveENadaDeixam()
    {
        const struct { bool cheio; const char* idioma; const char* motivo; } casos[] = {
            {true, "1", "~could not be written.~~The disk is full.~~No file was created or changed."},
            {false, "3", "~~Não é permitido gravar nesta pasta (ela é somente para leitura ou de outro usuário).~~"
                         "Nenhum arquivo foi criado ou alterado."},
        };
        for (const auto& c : casos) {
            QTemporaryDir dir;
            const QString alvo = dir.filePath(u("alvo"));
            QVERIFY(QDir().mkdir(alvo) && gravarArquivo(QDir(alvo).filePath(kArquivos[0]), "antigo"));
            if (!c.cheio) {
                QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
                QFile::setPermissions(alvo, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
            }
            QProcess p;
            p.start(QCoreApplication::applicationFilePath(), {u("escrever"), alvo, c.cheio ? u("cheio") : u("leitura"), u(c.idioma)});
            QVERIFY(p.waitForFinished(-1));
            const QStringList linhas = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
            QFile::setPermissions(alvo, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            // KV went on to the end, and said of each file that it could not be written, and why, in the user's language.
            QVERIFY2(p.exitCode() == 0 && linhas.value(kArquivos.size()) == u("vivo"), qPrintable(linhas.join(u'\n') + p.readAllStandardError()));
            for (int i = 0; i < kArquivos.size(); ++i) {
                const QString esperado = QDir::toNativeSeparators(QDir(alvo).filePath(kArquivos[i])) + u(c.motivo);
                QVERIFY2(linhas[i].endsWith(esperado), qPrintable(linhas[i]));
            }
            QCOMPARE(QDir(alvo).entryList(QDir::Files | QDir::Hidden), QStringList{kArquivos[0]});
            QFile antigo(QDir(alvo).filePath(kArquivos[0]));
            QVERIFY(antigo.open(QIODevice::ReadOnly) && antigo.readAll() == "antigo");
        }
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "escrever")
        return escrever(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]) == "cheio", QByteArray(argv[4]).toInt());
    TstArquivos t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_arquivos.moc"
