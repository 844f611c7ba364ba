#include "shell/ModuloImpressao.h"

#include <QCoreApplication>
#include <QLibrary>
#include <stdexcept>

namespace ModuloImpressao {

const Funcoes& funcoes()
{
    static const Funcoes* carregadas = [] {
        QLibrary modulo(QCoreApplication::applicationDirPath() + QStringLiteral("/libkv_impressao.so"));
        using Entrada = const Funcoes* (*)();
        const auto entrada = reinterpret_cast<Entrada>(modulo.resolve("kv_modulo_impressao"));
        if (!entrada)
            throw std::runtime_error(modulo.errorString().toStdString());
        return entrada();
    }();
    return *carregadas;
}

} // namespace ModuloImpressao
