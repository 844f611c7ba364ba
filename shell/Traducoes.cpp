#include "shell/Traducoes.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Traducoes {

bool aplicar(int idioma)
{
    static QTranslator* atual = nullptr;
    if (atual) {
        QCoreApplication::removeTranslator(atual);
        delete atual;
        atual = nullptr;
    }
    const char* arquivo = idioma == 2 ? "qtbase_es" : idioma == 3 ? "qtbase_pt_BR" : nullptr;
    if (!arquivo)
        return true;
    auto* t = new QTranslator(QCoreApplication::instance());
    if (!t->load(QString::fromLatin1(arquivo), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    atual = t;
    return true;
}

} // namespace Traducoes
