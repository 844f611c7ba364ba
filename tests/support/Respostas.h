#pragma once

#include "shell/Dialogos.h"

#include <QStringList>

// Answers every file dialog and question at once instead of showing it;
// installed for its lifetime.
class Respostas final : public Respondedor {
public:
    Respostas();
    ~Respostas() override;
    QString arquivoParaGravar(QWidget*, const QString& titulo, const QString& sugestao, const QString&) override;
    QString arquivoParaAbrir(QWidget*, const QString& titulo, const QString&, const QString&) override;
    bool confirmar(QWidget*, const QString& titulo, const QString& pergunta) override;

    QString arquivo; // what every file dialog returns ("" is a cancel)
    bool sim = true; // the answer to every question
    QStringList pedidos; // "title|suggestion" of each file dialog, "title|question" of each question

private:
    Respondedor* m_anterior;
};
