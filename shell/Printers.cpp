#include "shell/Printers.h"
#include "shell/ModuloImpressao.h"

namespace Printers {

namespace {

struct Estado {
    bool lido = false;
    QList<Impressora> lista;
    int atual = 0;
};

Estado& estado()
{
    static Estado e;
    return e;
}

void lerSistema(Estado& e)
{
    e.lista.clear();
    e.atual = -1;
    const ModuloImpressao::Funcoes& cups = ModuloImpressao::funcoes();
    const QString padrao = cups.impressoraPadrao();
    const QStringList nomes = cups.impressoras();
    for (const QString& nome : nomes) {
        if (nome == padrao && !padrao.isEmpty())
            e.atual = int(e.lista.size());
        e.lista.append({nome, Impressora::Tipo::Cups});
    }
    e.lista.append({nomePdf(), Impressora::Tipo::Pdf});
    if (e.atual < 0)
        e.atual = int(e.lista.size()) - 1;
    e.lido = true;
}

Estado& pronto()
{
    Estado& e = estado();
    if (!e.lido)
        lerSistema(e);
    return e;
}

} // namespace

QString nomePdf()
{
    return QStringLiteral("KV PDF");
}

const QList<Impressora>& lista()
{
    return pronto().lista;
}

const Impressora& atual()
{
    Estado& e = pronto();
    return e.lista.at(e.atual);
}

void definirAtual(int indice)
{
    Estado& e = pronto();
    if (indice >= 0 && indice < e.lista.size())
        e.atual = indice;
}

void definirLista(const QList<Impressora>& lista, int atual)
{
    Estado& e = estado();
    e.lista = lista;
    if (e.lista.isEmpty())
        e.lista.append({nomePdf(), Impressora::Tipo::Pdf});
    e.atual = (atual >= 0 && atual < e.lista.size()) ? atual : int(e.lista.size()) - 1;
    e.lido = true;
}

void reiniciar()
{
    lerSistema(estado());
}

QString nomeProposto(const QString& nomeCase, const QDate& data)
{
    QString nome = nomeCase.simplified();
    for (const QChar c : QStringLiteral("/\\:*?\"<>|"))
        nome.replace(c, u'-');
    if (nome.isEmpty())
        nome = QStringLiteral("Resultado Emach");
    if (data.isValid())
        nome += u' ' + data.toString(Qt::ISODate);
    return nome + QStringLiteral(".pdf");
}

} // namespace Printers

bool Selecionar_Impressora(const QString& nome)
{
    const QString procurado = nome.left(8).toUpper();
    const QList<Impressora>& todas = Printers::lista();
    for (int i = 0; i < todas.size(); ++i) {
        if (todas.at(i).DeviceName.left(8).toUpper() == procurado) {
            Printers::definirAtual(i);
            return true;
        }
    }
    return false;
}
