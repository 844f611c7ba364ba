// The module behind ModuloImpressao: everything KV asks of Qt Print Support
// and Qt SVG.
#include "shell/ModuloImpressao.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSvgGenerator>

namespace {

bool imprimir(const QString& impressora, const QString& documento, const QPageLayout& pagina,
              const std::function<bool(QPagedPaintDevice&)>& pintar)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(impressora);
    printer.setDocName(documento);
    // A printer that cannot come that close to the edge keeps its own
    // smallest margins; size and orientation are set on their own for that.
    printer.setPageSize(pagina.pageSize());
    printer.setPageOrientation(pagina.orientation());
    if (!printer.setPageMargins(pagina.margins(), pagina.units()))
        printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
    return pintar(printer);
}

bool gravarSvg(QIODevice* destino, const QSize& tamanho, const QString& titulo,
               const std::function<void(QPainter&)>& desenhar)
{
    QSvgGenerator svg;
    svg.setOutputDevice(destino);
    svg.setSize(tamanho);
    svg.setViewBox(QRectF(QPointF(0, 0), QSizeF(tamanho)));
    svg.setResolution(96);
    svg.setTitle(titulo);
    QPainter p;
    if (!p.begin(&svg))
        return false;
    desenhar(p);
    return p.end();
}

const ModuloImpressao::Funcoes kFuncoes{
    [] { return QPrinterInfo::defaultPrinterName(); },
    [] { return QPrinterInfo::availablePrinterNames(); },
    [](const QString& impressora) { return QPrinterInfo::printerInfo(impressora).defaultPageSize(); },
    imprimir,
    gravarSvg,
};

} // namespace

extern "C" Q_DECL_EXPORT const ModuloImpressao::Funcoes* kv_modulo_impressao()
{
    return &kFuncoes;
}
