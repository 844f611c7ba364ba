#include "shell/Restauracao.h"

#include "shell/Dialogos.h"
#include "shell/Encerramento.h"
#include "shell/Gravacao.h"
#include "shell/Messages.h"
#include "store/Recuperacao.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

namespace Restauracao {

namespace {
QString nomeDoCase(const Database& banco, int caso)
{
    Recordset cases = banco.OpenRecordset(QStringLiteral("Cases"), dbOpenTable);
    cases.setIndex(QStringLiteral("PrimaryKey"));
    cases.Seek(QStringLiteral("="), caso);
    return cases.NoMatch() ? QString() : cases.Fields(QStringLiteral("Case")).toString();
}
} // namespace

void aoIniciar(AppState& estado, QWidget* janela)
{
    if (!estado.BancoDados.isOpen())
        return;
    const Database& banco = estado.BancoDados;
    const QString titulo = QCoreApplication::translate("Restauracao", "Julgamentos não gravados");
    try {
        Recuperacao::limparTemporarios(banco);
        const Recuperacao::Leitura l = Recuperacao::ler(banco);
        if (l.estado == Recuperacao::Estado::Nenhum)
            return;
        if (l.estado != Recuperacao::Estado::Valido) {
            const QString guardado = QDir::toNativeSeparators(Recuperacao::porDeLado(banco));
            MsgBox((l.estado == Recuperacao::Estado::Danificado
                        ? QCoreApplication::translate("Restauracao", "O arquivo de recuperação de julgamentos está danificado e não foi usado.")
                        : QCoreApplication::translate("Restauracao", "O arquivo de recuperação de julgamentos é de outro arquivo de dados, ou de um case que "
                             "mudou depois, e não foi usado."))
                       + QStringLiteral("\n\n") + QCoreApplication::translate("Restauracao", "Ele foi guardado como:\n%1").arg(guardado),
                   Icone::Exclamacao, titulo);
            return;
        }
        const Recuperacao::Dados& d = l.dados;
        if (Recuperacao::matrizGravada(banco, d) == d.valores) {
            Recuperacao::remover(banco);
            return;
        }
        const QString quando = QLocale().toString(d.quando.toLocalTime(), QLocale::ShortFormat);
        const QString pergunta = QCoreApplication::translate("Restauracao", "O KV foi encerrado sem gravar os julgamentos do case %1 (%2), feitos até %3.\n\n"
                                    "Restaurá-los agora?")
                                     .arg(d.caso)
                                     .arg(nomeDoCase(banco, d.caso), quando);
        if (!Perguntar(janela, titulo, pergunta, QCoreApplication::translate("Restauracao", "&Restaurar"), QCoreApplication::translate("Restauracao", "&Descartar"))) {
            // Closed by a logout, not answered: asked again at the next start.
            if (!Encerramento::encerrando())
                Recuperacao::remover(banco);
            return;
        }
        // A failed save was told, and the file stays for the next start.
        if (Gravacao::gravar(estado, [&] { Recuperacao::aplicar(banco, d); }))
            Recuperacao::remover(banco);
    } catch (const StoreError& e) {
        const Aviso a = Gravacao::aviso(e);
        MsgBox(a.texto, Icone::Exclamacao, a.titulo);
    }
}

} // namespace Restauracao
