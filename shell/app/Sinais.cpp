#include "shell/app/Sinais.h"

#include "shell/Encerramento.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QWidget>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace Sinais {

namespace {
int g_tubo[2] = {-1, -1};

QtMessageHandler g_mensagens = nullptr;

// Qt's X11 platform says this, then ends the process with exit(): the last
// moment the windows' data are still there to be saved.
void aoMensagem(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto)
{
    g_mensagens(tipo, contexto, texto);
    if (tipo == QtWarningMsg && texto.startsWith(QLatin1String("The X11 connection broke"))
        && QThread::currentThread() == qApp->thread())
        Encerramento::salvarTudo();
}

void aoSinal(int sinal)
{
    const int antes = errno;
    const char c = char(sinal);
    [[maybe_unused]] const ssize_t n = ::write(g_tubo[1], &c, 1);
    errno = antes;
}
} // namespace

bool encerrando()
{
    return Encerramento::encerrando();
}

void encerrar()
{
    // A second signal while the screens are closing: the user insists.
    if (Encerramento::encerrando()) {
        QCoreApplication::exit(0);
        return;
    }
    Encerramento::marcarEncerrando();
    // Top-most first, each through its own close action; one that refuses
    // (its save failed, and it said so) stops the walk, and KV ends anyway.
    while (QWidget* janela = QApplication::activeModalWidget()) {
        if (!janela->close() && janela->isVisible())
            break;
    }
    QCoreApplication::exit(0);
}

void instalar()
{
    if (::pipe2(g_tubo, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* aviso = new QSocketNotifier(g_tubo[0], QSocketNotifier::Read, qApp);
    QObject::connect(aviso, &QSocketNotifier::activated, [] {
        char lidos[16];
        while (::read(g_tubo[0], lidos, sizeof lidos) > 0) {
        }
        encerrar();
    });
    struct sigaction acao {};
    acao.sa_handler = aoSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    for (const int sinal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(sinal, &acao, nullptr);
    g_mensagens = qInstallMessageHandler(aoMensagem);
}

} // namespace Sinais
