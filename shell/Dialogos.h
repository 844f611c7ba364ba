#pragma once

#include "shell/Messages.h"

#include <QString>
#include <QStringList>

class QWidget;

// The one way a window talks with the user beyond its own controls: message
// boxes, questions and file dialogs. The real answerer shows Qt's own boxes
// and dialogs (the same file dialog everywhere, in the program's language);
// tests install one that answers at once, so no test waits on a dialog.
class Respondedor {
public:
    virtual ~Respondedor() = default;
    virtual void mostrar(Icone icone, const QString& titulo, const QString& texto) = 0;
    // The chosen path; the empty text when the user cancels.
    virtual QString arquivoParaGravar(QWidget* pai, const QString& titulo, const QString& sugestao, const QString& filtro) = 0;
    virtual QString arquivoParaAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro) = 0;
    // Several files at once; none when the user cancels.
    virtual QStringList arquivosParaAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro) = 0;
    // True for Yes; No is the default answer.
    virtual bool confirmar(QWidget* pai, const QString& titulo, const QString& pergunta) = 0;
    // A question with two named answers, the first (`sim`) the default; true for it.
    virtual bool perguntar(QWidget* pai, const QString& titulo, const QString& pergunta, const QString& sim, const QString& nao) = 0;
};

QString EscolherArquivoGravar(QWidget* pai, const QString& titulo, const QString& sugestao, const QString& filtro);
QString EscolherArquivoAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro);
QStringList EscolherArquivosAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro);
bool Confirmar(QWidget* pai, const QString& titulo, const QString& pergunta);
bool Perguntar(QWidget* pai, const QString& titulo, const QString& pergunta, const QString& sim, const QString& nao);

// Installs an answerer (nullptr brings back the real dialogs); returns the previous one.
Respondedor* instalarRespondedor(Respondedor* respondedor);
