#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QWidget;

// The one way a window asks for a file or for a yes-or-no answer. The real
// answerer shows Qt's dialogs; tests install one that answers at once, so no
// test waits on a dialog.
class Respondedor {
public:
    virtual ~Respondedor() = default;
    // The chosen path; the empty text when the user cancels.
    virtual QString arquivoParaGravar(QWidget* pai, const QString& titulo, const QString& sugestao, const QString& filtro) = 0;
    virtual QString arquivoParaAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro) = 0;
    // Several files at once; none when the user cancels.
    virtual QStringList arquivosParaAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro)
    {
        const QString um = arquivoParaAbrir(pai, titulo, pasta, filtro);
        return um.isEmpty() ? QStringList() : QStringList{um};
    }
    // True for Yes; No is the default answer.
    virtual bool confirmar(QWidget* pai, const QString& titulo, const QString& pergunta) = 0;
    // A question with two named answers, the first (`sim`) the default; true for it.
    virtual bool perguntar(QWidget* pai, const QString& titulo, const QString& pergunta, const QString& sim, const QString& nao)
    {
        Q_UNUSED(sim);
        Q_UNUSED(nao);
        return confirmar(pai, titulo, pergunta);
    }
};

QString EscolherArquivoGravar(QWidget* pai, const QString& titulo, const QString& sugestao, const QString& filtro);
QString EscolherArquivoAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro);
QStringList EscolherArquivosAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro);
bool Confirmar(QWidget* pai, const QString& titulo, const QString& pergunta);
bool Perguntar(QWidget* pai, const QString& titulo, const QString& pergunta, const QString& sim, const QString& nao);

// Installs an answerer (nullptr brings back the real dialogs); returns the previous one.
Respondedor* instalarRespondedor(Respondedor* respondedor);
