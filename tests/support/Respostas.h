#pragma once

#include "shell/Dialogos.h"

#include <QStringList>

// Answers every file dialog and question at once instead of showing it;
// installed for its lifetime.
struct Respostas final : Respondedor {
    QString arquivo; // what every file dialog returns ("" is a cancel)
    QStringList arquivos; // what a dialog of several files returns, when given
    bool sim = true; // the answer to every question
    QStringList pedidos; // the title of each dialog, "|" and its suggestion or question

    Respostas() : m_anterior(instalarRespondedor(this)) {}
    ~Respostas() override { instalarRespondedor(m_anterior); }
    QString arquivoParaGravar(QWidget*, const QString& t, const QString& sugestao, const QString&) override
    {
        pedidos << t + u'|' + sugestao;
        return arquivo;
    }
    QString arquivoParaAbrir(QWidget*, const QString& t, const QString&, const QString&) override
    {
        pedidos << t;
        return arquivo;
    }
    QStringList arquivosParaAbrir(QWidget* pai, const QString& t, const QString& pasta, const QString& filtro) override
    {
        if (arquivos.isEmpty())
            return Respondedor::arquivosParaAbrir(pai, t, pasta, filtro);
        pedidos << t;
        return arquivos;
    }
    bool confirmar(QWidget*, const QString& t, const QString& pergunta) override
    {
        pedidos << t + u'|' + pergunta;
        return sim;
    }

private:
    Respondedor* m_anterior;
};
