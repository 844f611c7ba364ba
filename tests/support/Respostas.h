#pragma once

#include "shell/Dialogos.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <functional>

// Answers every message box, question and file dialog at once instead of
// showing it, and records each; installed for its lifetime.
struct Respostas final : Respondedor {
    struct Mensagem { Icone icone; QString titulo, texto; };
    QList<Mensagem> mensagens;
    std::function<void(const Mensagem&)> aoMostrar; // runs while the "box" is up
    QString arquivo; // what every file dialog returns ("" is a cancel)
    QStringList arquivos; // what a dialog of several files returns, when given
    bool sim = true; // the answer to every question
    QStringList pedidos; // the title of each dialog or question, "|" and its suggestion or question
    QStringList janelas; // the name of the window each dialog or question belongs to

    Respostas() : m_anterior(instalarRespondedor(this)) {}
    ~Respostas() override { instalarRespondedor(m_anterior); }
    int count() const { return int(mensagens.size()); }
    const Mensagem& ultima() const { return mensagens.last(); }
    void clear() { mensagens.clear(); }

    void mostrar(Icone icone, const QString& titulo, const QString& texto) override
    {
        mensagens << Mensagem{icone, titulo, texto};
        if (aoMostrar)
            aoMostrar(mensagens.last());
    }
    QString arquivoParaGravar(QWidget* pai, const QString& t, const QString& sugestao, const QString&) override
    {
        pedir(pai, t + u'|' + sugestao);
        return arquivo;
    }
    QString arquivoParaAbrir(QWidget* pai, const QString& t, const QString&, const QString&) override
    {
        pedir(pai, t);
        return arquivo;
    }
    // Several files: `arquivos` when given, else `arquivo` alone.
    QStringList arquivosParaAbrir(QWidget* pai, const QString& t, const QString&, const QString&) override
    {
        pedir(pai, t);
        return !arquivos.isEmpty() ? arquivos : arquivo.isEmpty() ? QStringList() : QStringList{arquivo};
    }
    bool confirmar(QWidget* pai, const QString& t, const QString& pergunta) override
    {
        pedir(pai, t + u'|' + pergunta);
        return sim;
    }
    bool perguntar(QWidget* pai, const QString& t, const QString& pergunta, const QString&, const QString&) override
    {
        pedir(pai, t + u'|' + pergunta);
        return sim;
    }

private:
    void pedir(QWidget* pai, const QString& pedido)
    {
        pedidos << pedido;
        janelas << (pai ? pai->window()->objectName() : QString());
    }
    Respondedor* m_anterior;
};
