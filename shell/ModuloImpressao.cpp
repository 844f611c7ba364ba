#include "shell/ModuloImpressao.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QtDebug>

namespace ModuloImpressao {

namespace {

// Without the module there are no queues and nothing reaches one; KV PDF
// still writes, and a print or SVG picture fails with its own message.
const Funcoes kSemModulo{
    [] { return QString(); },
    [] { return QStringList(); },
    [](const QString&) { return QPageSize(); },
    [](const QString&, const QString&, const QPageLayout&, const std::function<bool(QPagedPaintDevice&)>&) { return false; },
    [](QIODevice*, const QSize&, const QString&, const std::function<void(QPainter&)>&) { return false; },
};

} // namespace

const Funcoes& carregar(const QString& caminho)
{
    QLibrary modulo(caminho);
    using Entrada = const Funcoes* (*)();
    const auto entrada = reinterpret_cast<Entrada>(modulo.resolve("kv_modulo_impressao"));
    const Funcoes* funcoes = entrada ? entrada() : nullptr;
    if (!funcoes) {
        qWarning("KV: printing unavailable: %s", qPrintable(modulo.errorString()));
        return kSemModulo;
    }
    return *funcoes;
}

const Funcoes& funcoes()
{
    static const Funcoes& carregadas = carregar(QCoreApplication::applicationDirPath() + QStringLiteral("/libkv_impressao.so"));
    return carregadas;
}

} // namespace ModuloImpressao
