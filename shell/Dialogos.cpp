#include "shell/Dialogos.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {
QStringList terminacoes(const QString& filtro)
{
    QStringList t;
    for (const auto& m : QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).globalMatch(filtro))
        t << m.captured(1).toLower();
    return t;
}

// The type chosen in the dialog is the type written: a name without an ending,
// or with the ending of another type of the list, takes the chosen one's; so
// does a name with an ending the list lacks, unless the list takes any file.
QString comTerminacao(const QString& arquivo, const QString& escolhido, const QString& filtro)
{
    const QStringList desta = terminacoes(escolhido);
    const QString fim = QFileInfo(arquivo).suffix().toLower();
    if (arquivo.isEmpty() || desta.size() != 1 || fim == desta.first())
        return arquivo;
    if (terminacoes(filtro).contains(fim))
        return arquivo.left(arquivo.size() - fim.size()) + desta.first();
    if (fim.isEmpty() || !filtro.contains(QStringLiteral("(*)")))
        return arquivo + u'.' + desta.first();
    return arquivo;
}

// Qt's own file dialog rather than the desktop's: it looks and behaves the
// same everywhere and speaks the program's language.
constexpr QFileDialog::Options kArquivo = QFileDialog::DontUseNativeDialog;

// What a screen reader meets in a box besides its text: the icon, named by
// what it tells, and the row of buttons.
void nomearCaixa(QMessageBox& box)
{
    const char* const icone = box.icon() == QMessageBox::Critical      ? QT_TRANSLATE_NOOP("Mensagens", "Erro")
                              : box.icon() == QMessageBox::Information ? QT_TRANSLATE_NOOP("Mensagens", "Informação")
                              : box.icon() == QMessageBox::Question    ? QT_TRANSLATE_NOOP("Mensagens", "Pergunta")
                                                                       : QT_TRANSLATE_NOOP("Mensagens", "Aviso");
    for (QLabel* l : box.findChildren<QLabel*>())
        if (!l->pixmap().isNull())
            l->setAccessibleName(QCoreApplication::translate("Mensagens", icone));
    if (auto* botoes = box.findChild<QDialogButtonBox*>())
        botoes->setAccessibleName(QCoreApplication::translate("Mensagens", "Botões"));
}

class Dialogos final : public Respondedor {
public:
    void mostrar(Icone icone, const QString& titulo, const QString& texto) override
    {
        QString visto = texto;
        visto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        const QMessageBox::Icon tipo = icone == Icone::Critico      ? QMessageBox::Critical
                                       : icone == Icone::Informacao ? QMessageBox::Information
                                                                    : QMessageBox::Warning;
        QMessageBox box(tipo, titulo, visto, QMessageBox::Ok, QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        nomearCaixa(box);
        box.exec();
    }
    QString arquivoParaGravar(QWidget* pai, const QString& titulo, const QString& sugestao, const QString& filtro) override
    {
        QString escolhido;
        const QString arquivo = QFileDialog::getSaveFileName(pai, titulo, sugestao, filtro, &escolhido, kArquivo);
        return comTerminacao(arquivo, escolhido, filtro);
    }
    QString arquivoParaAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro) override
    {
        return QFileDialog::getOpenFileName(pai, titulo, pasta, filtro, nullptr, kArquivo);
    }
    QStringList arquivosParaAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro) override
    {
        return QFileDialog::getOpenFileNames(pai, titulo, pasta, filtro, nullptr, kArquivo);
    }
    bool confirmar(QWidget* pai, const QString& titulo, const QString& pergunta) override
    {
        QMessageBox box(QMessageBox::Question, titulo, pergunta, QMessageBox::Yes | QMessageBox::No, pai);
        box.setDefaultButton(QMessageBox::No);
        box.setTextFormat(Qt::PlainText);
        nomearCaixa(box);
        return box.exec() == QMessageBox::Yes;
    }
    bool perguntar(QWidget* pai, const QString& titulo, const QString& pergunta, const QString& sim, const QString& nao) override
    {
        QMessageBox box(QMessageBox::Question, titulo, pergunta, QMessageBox::NoButton, pai);
        QPushButton* botaoSim = box.addButton(sim, QMessageBox::AcceptRole);
        box.setEscapeButton(box.addButton(nao, QMessageBox::RejectRole));
        box.setDefaultButton(botaoSim);
        box.setTextFormat(Qt::PlainText);
        nomearCaixa(box);
        box.exec();
        return box.clickedButton() == botaoSim;
    }
};

Dialogos g_dialogos;
Respondedor* g_respondedor = &g_dialogos;
} // namespace

void MsgBox(const QString& texto, Icone icone, const QString& titulo)
{
    g_respondedor->mostrar(icone, titulo, texto);
}

QString EscolherArquivoGravar(QWidget* pai, const QString& titulo, const QString& sugestao, const QString& filtro)
{
    return g_respondedor->arquivoParaGravar(pai, titulo, sugestao, filtro);
}

QString EscolherArquivoAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro)
{
    return g_respondedor->arquivoParaAbrir(pai, titulo, pasta, filtro);
}

QStringList EscolherArquivosAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro)
{
    return g_respondedor->arquivosParaAbrir(pai, titulo, pasta, filtro);
}

bool Confirmar(QWidget* pai, const QString& titulo, const QString& pergunta)
{
    return g_respondedor->confirmar(pai, titulo, pergunta);
}

bool Perguntar(QWidget* pai, const QString& titulo, const QString& pergunta, const QString& sim, const QString& nao)
{
    return g_respondedor->perguntar(pai, titulo, pergunta, sim, nao);
}

Respondedor* instalarRespondedor(Respondedor* respondedor)
{
    Respondedor* antes = g_respondedor == &g_dialogos ? nullptr : g_respondedor;
    g_respondedor = respondedor ? respondedor : &g_dialogos;
    return antes;
}
