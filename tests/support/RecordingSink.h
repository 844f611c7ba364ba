#pragma once

#include "shell/Messages.h"

#include <QList>
#include <functional>

// Records every message box instead of showing it; installed for its lifetime.
class RecordingSink final : public MessageSink {
public:
    struct Mensagem { Icone icone; QString titulo, texto; };

    RecordingSink() : m_anterior(instalarMensagens(this)) {}
    ~RecordingSink() override { instalarMensagens(m_anterior); }
    void mostrar(Icone icone, const QString& titulo, const QString& texto) override
    {
        mensagens << Mensagem{icone, titulo, texto};
        if (aoMostrar)
            aoMostrar(mensagens.last());
    }

    QList<Mensagem> mensagens;
    std::function<void(const Mensagem&)> aoMostrar; // runs while the "box" is up
    int count() const { return int(mensagens.size()); }
    const Mensagem& ultima() const { return mensagens.last(); }
    void clear() { mensagens.clear(); }

private:
    MessageSink* m_anterior;
};
