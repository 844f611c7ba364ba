#include "shell/Printer.h"
#include "shell/Printers.h"
#include "shell/Dialogos.h"
#include "shell/ModuloImpressao.h"
#include "store/Escrita.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QLocale>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <cerrno>

namespace {

constexpr int kTwipsPorPolegada = 1440;

QFont fonteDe(const QString& nome, double pontos, bool negrito)
{
    QFont f(nome);
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    return f;
}

// A paint device at 1440 dots an inch: metrics measured on it are in twips.
const QImage& reguaTwips()
{
    static const QImage img = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        const int porMetro = int(std::lround(kTwipsPorPolegada / 0.0254));
        i.setDotsPerMeterX(porMetro);
        i.setDotsPerMeterY(porMetro);
        return i;
    }();
    return img;
}

QFontMetricsF metricas(const QString& nome, double pontos, bool negrito)
{
    return QFontMetricsF(fonteDe(nome, pontos, negrito), &reguaTwips());
}

} // namespace

void Printer::colocar(ItemColocado item, int x, int y, int largura, int altura)
{
    item.x = x;
    item.y = y;
    item.largura = largura;
    item.altura = altura;
    item.pagina = m_pagina;
    m_itens.append(item);
}

void Printer::NewPage()
{
    ++m_pagina;
    m_x = 0;
    m_y = 0;
}

void Printer::setPage(int pagina)
{
    m_pagina = std::max(0, pagina - 1);
}

void Printer::PaintPicture(const QImage& figura, int x, int y, int largura, int altura)
{
    ItemColocado item;
    item.tipo = ItemColocado::Tipo::Figura;
    item.figura = figura;
    colocar(item, x, y, largura, altura);
}

void Printer::PaintPicture(const ItemColocado::Desenho& desenho, int x, int y, int largura, int altura)
{
    ItemColocado item;
    item.tipo = ItemColocado::Tipo::Desenho;
    item.desenho = desenho;
    colocar(item, x, y, largura, altura);
}

void Printer::Print(const QString& texto, bool ficarNaLinha)
{
    if (!texto.isEmpty()) {
        ItemColocado item;
        item.x = m_x;
        item.y = m_y;
        item.texto = texto;
        item.fonte = m_fonte;
        item.tamanho = m_tamanho;
        item.negrito = m_negrito;
        item.pagina = m_pagina;
        m_itens.append(item);
    }
    if (ficarNaLinha) {
        m_x += TextWidth(texto);
    } else {
        m_x = 0;
        m_y += TextHeight();
    }
}

int Printer::TextHeight() const
{
    return int(std::lround(metricas(m_fonte, m_tamanho, m_negrito).lineSpacing()));
}

int Printer::TextWidth(const QString& texto) const
{
    return int(std::lround(metricas(m_fonte, m_tamanho, m_negrito).horizontalAdvance(texto)));
}

bool Printer::EndDoc(QWidget* janela)
{
    const QList<ItemColocado> itens = std::exchange(m_itens, {});
    m_x = 0;
    m_y = 0;
    m_pagina = 0;
    m_arquivo.clear();
    m_falha.clear();
    return imprimir(itens, Printers::atual(), janela, &m_arquivo, m_titulo, m_nomeProposto, &m_falha);
}

void Printer::setPerguntaPdf(const QString& titulo, const QString& nomeProposto)
{
    m_titulo = titulo;
    m_nomeProposto = nomeProposto;
}

QString Printer::nomeDocumento()
{
    return QStringLiteral("KV Resultado Emach");
}

QPageLayout Printer::pagina()
{
    // Portrait Letter with the usual sixth of an inch that printers cannot
    // reach: the third column starts at 9000 twips and its longest word needs
    // about 2600 more, which an A4 sheet is too narrow for.
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(240, 240, 240, 240) / 20.0, QPageLayout::Point);
}

QPageLayout Printer::paginaDe(const Impressora& impressora)
{
    QPageSize papel;
    if (impressora.tipo == Impressora::Tipo::Cups)
        papel = ModuloImpressao::funcoes().papel(impressora.DeviceName);
    if (!papel.isValid())
        papel = QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                            : QPageSize::A4);
    QPageLayout pagina = Printer::pagina();
    pagina.setPageSize(papel, pagina.margins());
    return pagina;
}

QSizeF Printer::areaTwips(const Impressora& impressora)
{
    return paginaDe(impressora).paintRect(QPageLayout::Inch).size() * kTwipsPorPolegada;
}

double Printer::escala(const QList<ItemColocado>& itens, const QSizeF& areaTwips)
{
    double direita = 0;
    double fundo = 0;
    for (const ItemColocado& i : itens) {
        if (i.tipo != ItemColocado::Tipo::Texto) {
            direita = std::max(direita, double(i.x + i.largura));
            fundo = std::max(fundo, double(i.y + i.altura));
        } else {
            const QFontMetricsF m = metricas(i.fonte, i.tamanho, i.negrito);
            direita = std::max(direita, i.x + m.horizontalAdvance(i.texto));
            fundo = std::max(fundo, i.y + m.lineSpacing());
        }
    }
    double f = 1;
    if (direita > areaTwips.width())
        f = areaTwips.width() / direita;
    if (fundo > areaTwips.height())
        f = std::min(f, areaTwips.height() / fundo);
    return f;
}

namespace {

// Paints the placed items page by page; false when the device refused.
bool pintar(QPagedPaintDevice& dispositivo, const QList<ItemColocado>& itens)
{
    QPainter p;
    if (!p.begin(&dispositivo))
        return false;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A layout wider or longer than the printable area of this paper shrinks
    // as a whole.
    const double f = Printer::escala(itens, dispositivo.pageLayout().paintRect(QPageLayout::Inch).size() * kTwipsPorPolegada);
    p.scale(f, f);
    const double escalaX = dispositivo.logicalDpiX() / double(kTwipsPorPolegada);
    const double escalaY = dispositivo.logicalDpiY() / double(kTwipsPorPolegada);
    p.setPen(Qt::black);
    auto desenhar = [&](const ItemColocado& item) {
        const QPointF canto(item.x * escalaX, item.y * escalaY);
        const QRectF caixa(canto, QSizeF(item.largura * escalaX, item.altura * escalaY));
        if (item.tipo == ItemColocado::Tipo::Figura) {
            p.drawImage(caixa, item.figura);
        } else if (item.tipo == ItemColocado::Tipo::Desenho) {
            p.save();
            item.desenho(p, caixa);
            p.restore();
        } else {
            p.setFont(fonteDe(item.fonte, item.tamanho, item.negrito));
            // The position is the top of the line; QPainter writes on the baseline.
            const QFontMetricsF fm(p.font(), &dispositivo);
            p.drawText(canto + QPointF(0, fm.ascent()), item.texto);
        }
    };
    int ultima = 0;
    for (const ItemColocado& item : itens)
        ultima = std::max(ultima, item.pagina);
    // Page by page: a footer written after the body of its page still lands on it.
    for (int pagina = 0; pagina <= ultima; ++pagina) {
        if (pagina > 0 && !dispositivo.newPage()) {
            p.end();
            return false;
        }
        for (const ItemColocado& item : itens)
            if (item.pagina == pagina)
                desenhar(item);
    }
    return p.end();
}

} // namespace

bool Printer::imprimir(const QList<ItemColocado>& itens, const Impressora& impressora, QWidget* janela,
                       QString* arquivo, const QString& titulo, const QString& nomeProposto, QString* falha)
{
    QString motivo;
    const QPageLayout desejada = paginaDe(impressora);
    if (impressora.tipo == Impressora::Tipo::Pdf) {
        const QString proposto = nomeProposto.isEmpty() ? Printers::nomeProposto({}, QDate()) : nomeProposto;
        const QString destino = EscolherArquivoGravar(janela, titulo, QDir::home().filePath(proposto), QStringLiteral("PDF (*.pdf)"));
        if (destino.isEmpty())
            return false;
        // The page is made in memory and written whole by the one checked path.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1200);
        pdf.setTitle(nomeDocumento());
        pdf.setPageLayout(desejada);
        motivo = pintar(pdf, itens) ? Escrita::gravar(destino, buffer.data()) : Escrita::motivo(ENOMEM);
        if (motivo.isEmpty()) {
            if (arquivo)
                *arquivo = destino;
            return true;
        }
        motivo = Escrita::mensagem(destino, motivo);
    } else {
        if (ModuloImpressao::funcoes().imprimir(impressora.DeviceName, nomeDocumento(), desejada,
                                                [&](QPagedPaintDevice& printer) { return pintar(printer, itens); }))
            return true;
        motivo = QCoreApplication::translate("Printer", "A impressora %1 não aceitou o documento. Nada foi impresso.")
                     .arg(impressora.DeviceName);
    }
    if (falha)
        *falha = motivo;
    return false;
}

void Printer::imprimirEm(QWidget* janela, const QString& impressora, const std::function<void(Printer&)>& escrever,
                         const AvisoPdf& pdf)
{
    if (!Selecionar_Impressora(impressora)) {
        // Portuguese in every language, like the start-up error box: not translated.
        MsgBox(QStringLiteral("Impressora não encontrada"), Icone::Critico, QStringLiteral("Verifique....."));
        return;
    }
    Printer prn;
    escrever(prn);
    prn.setPerguntaPdf(pdf.pergunta, pdf.nomeProposto);
    if (prn.EndDoc(janela)) {
        if (!prn.arquivoGravado().isEmpty())
            MsgBox(pdf.salvoEm + QStringLiteral("\n") + QDir::toNativeSeparators(prn.arquivoGravado()), Icone::Informacao, pdf.titulo);
    } else if (!prn.falha().isEmpty()) {
        // The program goes on: a printer or a disk that fails is told, never the end of the run.
        const bool pdfEmbutida = Printers::atual().tipo == Impressora::Tipo::Pdf;
        MsgBox(prn.falha(), Icone::Exclamacao, pdfEmbutida ? pdf.titulo : QCoreApplication::translate("Printer", "Impressão"));
    }
}
