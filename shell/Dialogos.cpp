#include "shell/Dialogos.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
class Dialogos final : public Respondedor {
public:
    QString arquivoParaGravar(QWidget* pai, const QString& titulo, const QString& sugestao, const QString& filtro) override
    {
        return QFileDialog::getSaveFileName(pai, titulo, sugestao, filtro);
    }
    QString arquivoParaAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro) override
    {
        return QFileDialog::getOpenFileName(pai, titulo, pasta, filtro);
    }
    bool confirmar(QWidget* pai, const QString& titulo, const QString& pergunta) override
    {
        QMessageBox box(QMessageBox::Question, titulo, pergunta, QMessageBox::Yes | QMessageBox::No, pai);
        box.setDefaultButton(QMessageBox::No);
        box.setTextFormat(Qt::PlainText);
        return box.exec() == QMessageBox::Yes;
    }
};

Dialogos g_dialogos;
Respondedor* g_respondedor = &g_dialogos;
} // namespace

QString EscolherArquivoGravar(QWidget* pai, const QString& titulo, const QString& sugestao, const QString& filtro)
{
    return g_respondedor->arquivoParaGravar(pai, titulo, sugestao, filtro);
}

QString EscolherArquivoAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro)
{
    return g_respondedor->arquivoParaAbrir(pai, titulo, pasta, filtro);
}

bool Confirmar(QWidget* pai, const QString& titulo, const QString& pergunta)
{
    return g_respondedor->confirmar(pai, titulo, pergunta);
}

Respondedor* instalarRespondedor(Respondedor* respondedor)
{
    Respondedor* antes = g_respondedor == &g_dialogos ? nullptr : g_respondedor;
    g_respondedor = respondedor ? respondedor : &g_dialogos;
    return antes;
}
