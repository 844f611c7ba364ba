#include "shell/Gravacao.h"
#include "shell/Messages.h"
#include "store/Connection.h"
#include "store/StoreError.h"

namespace Gravacao {

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

using Kind = StoreError::Kind;

// Per language (English, Spanish, Portuguese): the title, the reason for
// each kind of failure, the two endings and the label of the store's text.
struct Textos {
    const char* titulo;
    const char* ocupado;
    const char* cheio;
    const char* somenteLeitura;
    const char* movido;
    const char* disco;
    const char* tenteDeNovo;
    const char* aoEncerrar;
    const char* detalhe;
};

const Textos kTextos[3] = {
    {"Data not saved", "The data file CONTROLE.mdb is busy: another program is writing to it.", "The disk is full.",
     "The data file CONTROLE.mdb is read-only.",
     "The data file CONTROLE.mdb was moved, replaced or deleted while KV was open.", "The disk refused the write.",
     "Nothing was saved. What is on the screen stays here: fix the problem and try again.",
     "Nothing was written to the file that stands there now.", "Technical detail: "},
    {"Datos no guardados", "El archivo de datos CONTROLE.mdb está ocupado por otro programa.", "El disco está lleno.",
     "El archivo de datos CONTROLE.mdb es de solo lectura.",
     "El archivo de datos CONTROLE.mdb fue movido, sustituido o borrado mientras KV estaba abierto.",
     "El disco rechazó la escritura.",
     "No se guardó nada. Lo que está en la pantalla sigue aquí: resuelva el problema e inténtelo de nuevo.",
     "No se escribió nada en el archivo que está allí ahora.", "Detalle técnico: "},
    {"Dados não gravados", "O arquivo de dados CONTROLE.mdb está ocupado por outro programa.", "O disco está cheio.",
     "O arquivo de dados CONTROLE.mdb está protegido contra gravação (somente leitura).",
     "O arquivo de dados CONTROLE.mdb foi movido, substituído ou apagado enquanto o KV estava aberto.",
     "O disco recusou a gravação.",
     "Nada foi gravado. O que está na tela continua aqui: resolva o problema e tente de novo.",
     "Nada foi gravado no arquivo que está lá agora.", "Detalhe técnico: "},
};
} // namespace

Aviso aviso(const StoreError& erro, int idioma, bool encerrando)
{
    const Textos& t = kTextos[idioma == 1 ? 0 : idioma == 2 ? 1 : 2];
    const char* motivo = t.disco;
    switch (erro.kind()) {
    case Kind::Busy: motivo = t.ocupado; break;
    case Kind::Full: motivo = t.cheio; break;
    case Kind::ReadOnly: motivo = t.somenteLeitura; break;
    case Kind::Moved: motivo = t.movido; break;
    case Kind::Disk:
    case Kind::Other: break;
    }
    return {u(t.titulo), u(motivo) + u("\r\n") + u(encerrando ? t.aoEncerrar : t.tenteDeNovo) + u("\r\n\r\n")
                             + u(t.detalhe) + erro.text()};
}

bool gravar(const AppState& estado, const std::function<void()>& salvar)
{
    try {
        salvar();
        return true;
    } catch (const StoreError& e) {
        // The transaction rolled back while the error unwound.
        const Aviso a = aviso(e, estado.IdiomaAtual);
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
        const Aviso a = aviso(e, estado.IdiomaAtual, true);
        MsgBox(a.texto, Icone::Exclamacao, a.titulo);
    }
}

} // namespace Gravacao
