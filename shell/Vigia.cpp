#include "shell/Vigia.h"

#include "shell/Messages.h"
#include "store/Connection.h"

#include <QGuiApplication>
#include <QTimer>

namespace Vigia {

namespace {
bool g_mostrando = false;
bool g_falhaAvisada = false;
} // namespace

void verificar(AppState& estado)
{
    // A box already up keeps the loop turning: one look at a time.
    if (g_mostrando || !estado.BancoDados.isOpen())
        return;
    Connection& c = estado.BancoDados.connection();
    const Connection::Log log = c.refazerLog();
    const bool refeito = c.logsRefeitosNaoAvisados() > 0;
    const bool falhou = log == Connection::Log::Falhou && !std::exchange(g_falhaAvisada, true);
    if (log != Connection::Log::Falhou)
        g_falhaAvisada = false;
    if (!refeito && !falhou)
        return;
    const QString oQue = QCoreApplication::translate(
        "Vigia", "Um arquivo que o KV mantém ao lado de CONTROLE.mdb enquanto está aberto (CONTROLE.mdb-wal ou "
                 "CONTROLE.mdb-shm) foi apagado por outro programa.");
    const QString fazer = falhou
        ? QCoreApplication::translate("Vigia", "O KV não conseguiu criá-lo de novo agora: outro programa está com o "
                                               "CONTROLE.mdb aberto. Para não perder nada, feche esse programa, saia do "
                                               "KV pelo menu Sair (ao sair, o KV grava tudo no CONTROLE.mdb) e abra o KV de novo.")
        : QCoreApplication::translate("Vigia", "O KV já gravou no CONTROLE.mdb tudo o que estava nele e o criou de novo: "
                                               "nada foi perdido, e você pode continuar trabalhando. Se foi um programa de "
                                               "limpeza ou de cópia, configure-o para não apagar esses arquivos.");
    g_mostrando = true;
    MsgBox(oQue + QStringLiteral("\n\n") + fazer, falhou ? Icone::Exclamacao : Icone::Informacao,
           QCoreApplication::translate("Vigia", "Arquivo de dados"));
    g_mostrando = false;
}

void instalar(AppState& estado)
{
    auto* relogio = new QTimer(qApp);
    QObject::connect(relogio, &QTimer::timeout, [&estado] { verificar(estado); });
    relogio->start(2000);
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, [&estado](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive)
            verificar(estado);
    });
}

} // namespace Vigia
