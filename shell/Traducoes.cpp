#include "shell/Traducoes.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Traducoes {

namespace {
struct Instalados {
    int idioma = 0;
    bool completo = true;
    QTranslator* qt = nullptr;
    QTranslator* kv = nullptr;
};

Instalados& instalados()
{
    static Instalados i;
    return i;
}

void remover(QTranslator*& t)
{
    if (!t)
        return;
    QCoreApplication::removeTranslator(t);
    delete t;
    t = nullptr;
}

// Null when the language needs no such file; false when it is missing.
bool instalar(QTranslator*& t, const char* arquivo, const QString& pasta)
{
    if (!arquivo)
        return true;
    t = new QTranslator(QCoreApplication::instance());
    if (!t->load(QString::fromLatin1(arquivo), pasta)) {
        delete t;
        t = nullptr;
        return false;
    }
    QCoreApplication::installTranslator(t);
    return true;
}
} // namespace

bool aplicar(int idioma)
{
    // Portuguese is the language the texts are written in: it needs none of
    // KV's files, while Qt's texts are written in English.
    struct Arquivos { int codigo; const char* qt; const char* kv; };
    Arquivos a{3, "qtbase_pt_BR", nullptr};
    switch (idioma) {
    case 1: a = {1, nullptr, "kv_en"}; break;
    case 2: a = {2, "qtbase_es", "kv_es"}; break;
    default: break;
    }
    Instalados& i = instalados();
    if (i.idioma == a.codigo)
        return i.completo;
    remover(i.kv);
    remover(i.qt);
    i.idioma = a.codigo;
    i.completo = instalar(i.qt, a.qt, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    i.completo = instalar(i.kv, a.kv, QStringLiteral(":/i18n")) && i.completo;
    return i.completo;
}

} // namespace Traducoes
