// Every writer onto a full disk and into a read-only folder: the user is told what happened, no file is left at the
// chosen name (the one there stays as it was), and KV goes on. The full disk is a file-size limit in a child process.
#include "results/Printers.h"
#include "results/frmMapa.h"
#include "results/frmResultado.h"
#include "tests/support/Janela.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/Respostas.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <csignal>
#include <cstdio>

#include <sys/resource.h>
#include <unistd.h>

namespace {
const QStringList kArquivos{u("caso.csv"), u("caso.xlsx"), u("relatorio.pdf"), u("mapa.png"), u("mapa.svg"),
                            u("mapa.pdf"), u("pagina.pdf")};

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

// The child: each writer aims at `alvo`, and every message it gets is printed, one a line.
int escrever(const QString& alvo, bool cheio)
{
    ::signal(SIGXFSZ, SIG_IGN);
    TestDb db;
    db.exemplo(1, {u("Pressão"), u("Vibração"), u("Desgaste"), u("Temperatura")});
    db.estado().CaseAtual = 1;
    db.estado().QtdeFatores = 4;
    Printers::definirLista({}, 0);
    RecordingSink sink;
    Respostas respostas;
    QString pdf;
    Printers::instalarEscolhaArquivo([&](QWidget*) { return pdf; });
    frmResultado resultado(db.estado(), u("Vazamento"));
    auto sob = [&](const QString& arquivo, const std::function<void()>& acao) {
        respostas.arquivo = pdf = QDir(alvo).filePath(arquivo);
        frmMapa::instalarEscolhaExportacao([&](QWidget*) { return pdf; });
        restringir(cheio, true);
        acao();
        restringir(cheio, false);
    };
    sob(kArquivos[0], [&] { clicar(&resultado, "cmdExportar"); });
    sob(kArquivos[1], [&] { clicar(&resultado, "cmdExportar"); });
    sob(kArquivos[2], [&] { clicar(&resultado, "cmdPrinter"); });
    frmMapa::instalarExibicao([&](frmMapa& mapa) {
        for (int i = 3; i < 6; ++i)
            sob(kArquivos[i], [&] { clicar(&mapa, "cmdExportar"); });
        sob(kArquivos[6], [&] { clicar(&mapa, "cmdImprimir"); });
    });
    frmMapa::abrir(db.estado());
    for (const auto& m : sink.mensagens)
        std::printf("%s|%s\n", qPrintable(m.titulo), qPrintable(QString(m.texto).replace(u'\n', u'~')));
    std::puts("vivo");
    return 0;
}
} // namespace

class TstArquivos : public QObject {
    Q_OBJECT
private slots:
    void escritoresDizemOQueHouveENadaDeixam()
    {
        const struct { bool cheio; const char* motivo; } casos[] = {
            {true, "O disco está cheio."},
            {false, "Não é permitido gravar nesta pasta (ela é somente para leitura ou de outro usuário)."},
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
            p.start(QCoreApplication::applicationFilePath(), {u("escrever"), alvo, c.cheio ? u("cheio") : u("leitura")});
            QVERIFY(p.waitForFinished(-1));
            const QStringList linhas = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
            QFile::setPermissions(alvo, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            // KV went on to the end, and said of each file that it could not be written, and why.
            QVERIFY2(p.exitCode() == 0 && linhas.value(kArquivos.size()) == u("vivo"), qPrintable(linhas.join(u'\n') + p.readAllStandardError()));
            for (int i = 0; i < kArquivos.size(); ++i) {
                const QString esperado = QDir::toNativeSeparators(QDir(alvo).filePath(kArquivos[i])) + u("~~") + u(c.motivo) + u("~~");
                QVERIFY2(linhas[i].contains(esperado) && linhas[i].endsWith(u("Nenhum arquivo foi criado ou alterado.")),
                         qPrintable(linhas[i]));
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
    if (argc == 4 && QByteArray(argv[1]) == "escrever")
        return escrever(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]) == "cheio");
    TstArquivos t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_arquivos.moc"
