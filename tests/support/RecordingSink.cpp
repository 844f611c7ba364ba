#include "tests/support/RecordingSink.h"

RecordingSink::RecordingSink() : m_anterior(instalarMensagens(this)) {}

RecordingSink::~RecordingSink()
{
    instalarMensagens(m_anterior);
}

void RecordingSink::mostrar(Icone icone, const QString& titulo, const QString& texto)
{
    mensagens << Mensagem{icone, titulo, texto};
    if (aoMostrar)
        aoMostrar(mensagens.last());
}
