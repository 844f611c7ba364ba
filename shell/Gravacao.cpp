#include "shell/Gravacao.h"
#include "shell/Messages.h"
#include "shell/Traducoes.h"
#include "store/Connection.h"
#include "store/StoreError.h"

#include <QCoreApplication>

namespace Gravacao {

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

using Kind = StoreError::Kind;

struct Texto {
    Q_DECLARE_TR_FUNCTIONS(Gravacao)
};
} // namespace

Aviso aviso(const StoreError& erro, bool encerrando)
{
    QString motivo = Texto::tr("O disco recusou a gravação.");
    switch (erro.kind()) {
    case Kind::Busy: motivo = Texto::tr("O arquivo de dados CONTROLE.mdb está ocupado por outro programa."); break;
    case Kind::Full: motivo = Texto::tr("O disco está cheio."); break;
    case Kind::ReadOnly:
        motivo = Texto::tr("O arquivo de dados CONTROLE.mdb está protegido contra gravação (somente leitura).");
        break;
    case Kind::Moved:
        motivo = Texto::tr("O arquivo de dados CONTROLE.mdb foi movido, substituído ou apagado enquanto o KV estava aberto.");
        break;
    case Kind::Disk:
    case Kind::Other: break;
    }
    const QString fim = encerrando ? Texto::tr("Nada foi gravado no arquivo que está lá agora.")
                                   : Texto::tr("Nada foi gravado. O que está na tela continua aqui: resolva o problema e tente de novo.");
    return {Texto::tr("Dados não gravados"),
            motivo + u("\r\n") + fim + u("\r\n\r\n") + Texto::tr("Detalhe técnico: ") + erro.text()};
}

bool gravar(const AppState& estado, const std::function<void()>& salvar)
{
    try {
        salvar();
        return true;
    } catch (const StoreError& e) {
        // The transaction rolled back while the error unwound.
        Traducoes::aplicar(estado.IdiomaAtual);
        const Aviso a = aviso(e);
        MsgBox(a.texto, Icone::Exclamacao, a.titulo);
        return false;
    }
}

void aoEncerrar(AppState& estado)
{
    if (!estado.BancoDados.isOpen())
        return;
    Connection& c = estado.BancoDados.connection();
    try {
        c.checkFile();
    } catch (const StoreError& e) {
        if (e.kind() != Kind::Moved)
            return;
        // Written first, told after: a logout may end KV while the box is up.
        // When only its -wal or -shm went, the file is still ours, and there is nothing to tell.
        const bool nosso = c.fileStillHere();
        c.closeMoved();
        if (nosso)
            return;
        Traducoes::aplicar(estado.IdiomaAtual);
        const Aviso a = aviso(e, true);
        MsgBox(a.texto, Icone::Exclamacao, a.titulo);
    }
}

} // namespace Gravacao
