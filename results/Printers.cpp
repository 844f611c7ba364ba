#include "results/Printers.h"

#include <QDir>
#include <QFileDialog>
#include <QPrinterInfo>

namespace Printers {

namespace {

struct Estado {
    bool lido = false;
    QList<Impressora> lista;
    int atual = 0;
    EscolhaArquivo escolha;
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
    const QString padrao = QPrinterInfo::defaultPrinterName();
    const QStringList nomes = QPrinterInfo::availablePrinterNames();
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

QString dialogo(QWidget* janela, const QString& titulo, const QString& nome)
{
    // Qt's own dialog rather than the desktop's, so it looks and behaves
    // the same everywhere and speaks the program's language.
    return QFileDialog::getSaveFileName(janela, titulo,
                                        QDir::home().filePath(nome.isEmpty() ? nomeProposto({}, QDate()) : nome),
                                        QStringLiteral("PDF (*.pdf)"), nullptr, QFileDialog::DontUseNativeDialog);
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

void instalarEscolhaArquivo(EscolhaArquivo escolha)
{
    estado().escolha = std::move(escolha);
}

QString escolherArquivo(QWidget* janela, const QString& titulo, const QString& nome)
{
    const Estado& e = estado();
    return e.escolha ? e.escolha(janela) : dialogo(janela, titulo, nome);
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
