#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QSize;

// Qt's print support and SVG writer live in a module of their own
// (libkv_impressao.so beside the program), loaded on the first print or SVG
// picture: linked into KV they cost every start the loading of two libraries.
namespace ModuloImpressao {

struct Funcoes {
    QString (*impressoraPadrao)();
    QStringList (*impressoras)();
    // The queue's own paper; invalid when it names none.
    QPageSize (*papel)(const QString& impressora);
    // Sets up the queue for the page and has `pintar` paint on it; false
    // when the queue refused.
    bool (*imprimir)(const QString& impressora, const QString& documento, const QPageLayout& pagina,
                     const std::function<bool(QPagedPaintDevice&)>& pintar);
    // Writes `desenhar`'s picture as SVG into `destino`; false when the
    // painter could not start or finish.
    bool (*gravarSvg)(QIODevice* destino, const QSize& tamanho, const QString& titulo,
                      const std::function<void(QPainter&)>& desenhar);
};

// The module's functions, loaded on first use from beside the program.
const Funcoes& funcoes();
// The module at `caminho`; one that is missing or foreign gives functions
// that find no queue and fail every print and SVG picture.
const Funcoes& carregar(const QString& caminho);

} // namespace ModuloImpressao
