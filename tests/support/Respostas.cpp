#include "tests/support/Respostas.h"

Respostas::Respostas() : m_anterior(instalarRespondedor(this)) {}

Respostas::~Respostas()
{
    instalarRespondedor(m_anterior);
}

QString Respostas::arquivoParaGravar(QWidget*, const QString& titulo, const QString& sugestao, const QString&)
{
    pedidos << titulo + u'|' + sugestao;
    return arquivo;
}

QString Respostas::arquivoParaAbrir(QWidget*, const QString& titulo, const QString&, const QString&)
{
    pedidos << titulo;
    return arquivo;
}

bool Respostas::confirmar(QWidget*, const QString& titulo, const QString& pergunta)
{
    pedidos << titulo + u'|' + pergunta;
    return sim;
}
