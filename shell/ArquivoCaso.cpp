#include "shell/ArquivoCaso.h"

#include "shell/Dialogos.h"
#include "shell/Gravacao.h"
#include "shell/Messages.h"
#include "store/CasoXlsx.h"
#include "store/Database.h"
#include "store/Escrita.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace ArquivoCaso {

namespace {
struct Texto {
    Q_DECLARE_TR_FUNCTIONS(ArquivoCaso)
};

// The folder of the last file the user chose, for the next dialog.
QString& pasta()
{
    static QString p = QDir::homePath();
    return p;
}

void lembrarPasta(const QString& arquivo)
{
    pasta() = QFileInfo(arquivo).absolutePath();
}

QString nomeSugerido(const CasoCsv::Exportacao& d)
{
    QString nome = d.nome.trimmed();
    nome.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    if (nome.isEmpty() || nome.startsWith(u'.'))
        nome = QStringLiteral("case%1").arg(d.caso);
    return QDir(pasta()).filePath(nome + QStringLiteral(".csv"));
}
} // namespace

Mensagens mensagens()
{
    Mensagens m;
    m.botaoExportar = Texto::tr("E&xportar…");
    m.botaoImportar = Texto::tr("&Importar…");
    m.tituloExportar = Texto::tr("Exportar case");
    m.tituloImportar = Texto::tr("Importar case");
    m.filtro = Texto::tr("Arquivos CSV (*.csv);;Todos os arquivos (*)");
    m.semFatores = Texto::tr("O case %1 não tem fatores para exportar.");
    m.confirmar = Texto::tr("O case %1 (%2) já tem %3 fatores.\nSubstituí-los pelos %4 fatores do arquivo?");
    m.importado = Texto::tr("%1 fatores e %2 julgamentos importados para o case %3.");
    m.falhaGravar = Texto::tr("O case não pôde ser gravado:\n%1\n\nNada foi alterado.");
    return m;
}

QString exportar(QWidget* janela, int idioma, const CasoCsv::Exportacao& dados)
{
    const Mensagens m = mensagens();
    if (dados.n <= 0) {
        MsgBox(m.semFatores.arg(dados.caso), Icone::Exclamacao, m.tituloExportar);
        return QString();
    }
    const QString filtro = Texto::tr("Arquivos CSV (*.csv);;Planilhas do Excel (*.xlsx);;Todos os arquivos (*)");
    const QString arquivo = EscolherArquivoGravar(janela, m.tituloExportar, nomeSugerido(dados), filtro);
    if (arquivo.isEmpty())
        return QString();
    lembrarPasta(arquivo);
    // The name's ending chooses the format; anything but .xlsx is CSV.
    const bool planilha = QFileInfo(arquivo).suffix().compare(QStringLiteral("xlsx"), Qt::CaseInsensitive) == 0;
    const QString erro = planilha ? CasoXlsx::salvar(arquivo, dados, idioma) : CasoCsv::salvar(arquivo, CasoCsv::escrever(dados, idioma));
    if (!erro.isEmpty()) {
        MsgBox(Escrita::mensagem(arquivo, erro), Icone::Exclamacao, m.tituloExportar);
        return QString();
    }
    return arquivo;
}

std::optional<CasoCsv::Caso> importar(QWidget* janela, AppState& estado, int caso,
                                      const std::function<void(const CasoCsv::Caso&)>& aoGravar)
{
    const Mensagens m = mensagens();
    const QString arquivo = EscolherArquivoAbrir(janela, m.tituloImportar, pasta(), m.filtro);
    if (arquivo.isEmpty())
        return std::nullopt;
    lembrarPasta(arquivo);

    const CasoCsv::Leitura leitura = CasoCsv::lerArquivo(arquivo);
    if (!leitura.valida()) {
        MsgBox(CasoCsv::descrever(leitura), Icone::Exclamacao, m.tituloImportar);
        return std::nullopt;
    }
    const CasoCsv::Caso& dados = leitura.caso;
    try {
        if (CasoCsv::temFatores(estado.BancoDados, caso)) {
            Recordset cases = estado.BancoDados.OpenRecordset(QStringLiteral("Cases"), dbOpenTable);
            cases.setIndex(QStringLiteral("PrimaryKey"));
            cases.Seek(QStringLiteral("="), caso);
            const QString pergunta = m.confirmar.arg(QString::number(caso), cases.Fields(QStringLiteral("Case")).toString(),
                                                     cases.Fields(QStringLiteral("Qtde")).toString(),
                                                     QString::number(dados.n()));
            if (!Confirmar(janela, m.tituloImportar, pergunta))
                return std::nullopt;
        }
    } catch (const StoreError& e) {
        MsgBox(m.falhaGravar.arg(e.text()), Icone::Exclamacao, m.tituloImportar);
        return std::nullopt;
    }
    if (!Gravacao::gravar(estado, [&] { CasoCsv::gravar(estado.BancoDados, caso, dados); }))
        return std::nullopt;
    if (estado.caseAtual() == caso)
        estado.QtdeFatores = QString::number(dados.n());
    if (aoGravar)
        aoGravar(dados);
    QString lido = m.importado.arg(dados.n()).arg(dados.julgamentos()).arg(caso);
    if (leitura.windows1252)
        lido += QStringLiteral("\n\n")
            + Texto::tr("O arquivo não estava em UTF-8: foi lido como Windows-1252, a codificação antiga do Windows.");
    MsgBox(lido, Icone::Informacao, m.tituloImportar);
    return dados;
}

} // namespace ArquivoCaso
