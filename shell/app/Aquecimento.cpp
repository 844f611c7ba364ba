#include "shell/app/Aquecimento.h"

#include <QSqlDatabase>
#include <QString>
#include <fontconfig/fontconfig.h>

Aquecimento::Aquecimento() : m_fontes([] { FcInit(); }) {}

Aquecimento::~Aquecimento()
{
    if (m_fontes.joinable())
        m_fontes.join();
}

void Aquecimento::concluir()
{
    // Loading Qt's plugin and SQLite is most of the database's open; the
    // library stays loaded for the store's own connection.
    const QString nome = QStringLiteral("kv-aquecimento");
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
    QSqlDatabase::removeDatabase(nome);
    if (m_fontes.joinable())
        m_fontes.join();
}
