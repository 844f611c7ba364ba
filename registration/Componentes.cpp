#include "registration/Componentes.h"

#include "shell/Fonts.h"
#include "shell/Twips.h"
#include "store/RecordsetModel.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

void disquete(QPainter& p, const QRectF& r, const QColor& corpo)
{
    const qreal s = r.width();
    QPainterPath contorno;
    contorno.moveTo(r.left(), r.top());
    contorno.lineTo(r.right() - s * 0.18, r.top());
    contorno.lineTo(r.right(), r.top() + s * 0.18);
    contorno.lineTo(r.right(), r.bottom());
    contorno.lineTo(r.left(), r.bottom());
    contorno.closeSubpath();
    p.setPen(QPen(corpo.darker(160), s * 0.04));
    p.setBrush(corpo);
    p.drawPath(contorno);
    // Metal shutter at the top, with its window.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0xCC, 0xD4));
    const QRectF obturador(r.left() + s * 0.22, r.top() + s * 0.04, s * 0.48, s * 0.30);
    p.drawRect(obturador);
    p.setBrush(corpo.darker(140));
    p.drawRect(QRectF(obturador.left() + s * 0.30, obturador.top() + s * 0.05, s * 0.10, s * 0.20));
    // Paper label at the bottom, with two written lines.
    const QRectF etiqueta(r.left() + s * 0.14, r.top() + s * 0.48, s * 0.72, s * 0.46);
    p.setBrush(Qt::white);
    p.drawRect(etiqueta);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), s * 0.03));
    p.drawLine(QPointF(etiqueta.left() + s * 0.08, etiqueta.top() + s * 0.14),
               QPointF(etiqueta.right() - s * 0.08, etiqueta.top() + s * 0.14));
    p.drawLine(QPointF(etiqueta.left() + s * 0.08, etiqueta.top() + s * 0.28),
               QPointF(etiqueta.right() - s * 0.20, etiqueta.top() + s * 0.28));
}

void seta(QPainter& p, const QRectF& r, const QColor& cor)
{
    // An arrow pointing left: the way back to the menu.
    const qreal s = r.width();
    QPainterPath ponta;
    ponta.moveTo(r.left(), r.center().y());
    ponta.lineTo(r.left() + s * 0.45, r.top() + s * 0.12);
    ponta.lineTo(r.left() + s * 0.45, r.top() + s * 0.34);
    ponta.lineTo(r.right(), r.top() + s * 0.34);
    ponta.lineTo(r.right(), r.top() + s * 0.66);
    ponta.lineTo(r.left() + s * 0.45, r.top() + s * 0.66);
    ponta.lineTo(r.left() + s * 0.45, r.top() + s * 0.88);
    ponta.closeSubpath();
    p.setPen(QPen(cor.darker(170), s * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(cor);
    p.drawPath(ponta);
}

void borracha(QPainter& p, const QRectF& r)
{
    const qreal s = r.width();
    // Erased lines of writing behind the eraser.
    p.setPen(QPen(QColor(0x40, 0x40, 0x90), s * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + s * 0.05, r.top() + s * 0.15), QPointF(r.left() + s * 0.40, r.top() + s * 0.15));
    p.drawLine(QPointF(r.left() + s * 0.05, r.top() + s * 0.30), QPointF(r.left() + s * 0.30, r.top() + s * 0.30));
    p.setPen(QPen(QColor(0xB0, 0xB0, 0xC8), s * 0.05, Qt::DotLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + s * 0.05, r.top() + s * 0.45), QPointF(r.left() + s * 0.45, r.top() + s * 0.45));
    // The eraser, tilted, red body and white tip.
    p.save();
    p.translate(r.left() + s * 0.58, r.top() + s * 0.62);
    p.rotate(-35);
    const QRectF corpo(-s * 0.36, -s * 0.16, s * 0.50, s * 0.32);
    const QRectF ponta(s * 0.14, -s * 0.16, s * 0.24, s * 0.32);
    p.setPen(QPen(QColor(0x60, 0x20, 0x20), s * 0.035));
    p.setBrush(QColor(0xE0, 0x40, 0x40));
    p.drawRect(corpo);
    p.setBrush(QColor(0xF4, 0xF0, 0xE8));
    p.drawRect(ponta);
    p.restore();
}

} // namespace

QValidator::State TextoInteiro::validate(QString& texto, int& pos) const
{
    // The length limit counts UTF-16 units and can cut a pasted emoji in
    // half: drop the half left over, so the text is cut at the limit whole.
    for (int i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            texto.remove(i, 1);
            if (pos > i)
                --pos;
            --i;
        }
    }
    return Acceptable;
}

void prepararJanela(QDialog* janela, const char* nome, const QString& titulo, int largura, int altura)
{
    janela->setObjectName(QString::fromLatin1(nome));
    janela->setWindowTitle(titulo);
    janela->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    janela->setModal(true);
    janela->setFont(Fontes::fonte(QStringLiteral("MS Sans Serif"), 8.25));
    Twips::tamanhoCliente(janela, largura, altura);
}

AoSairDaCaixa::AoSairDaCaixa(QWidget* caixa, std::function<void()> verificar)
    : QObject(caixa), m_verificar(std::move(verificar))
{
    caixa->installEventFilter(this);
}

bool AoSairDaCaixa::eventFilter(QObject* alvo, QEvent* e)
{
    if (e->type() == QEvent::FocusOut && !m_verificando) {
        const auto motivo = static_cast<QFocusEvent*>(e)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason) {
            m_verificando = true;
            m_verificar();
            m_verificando = false;
        }
    }
    return QObject::eventFilter(alvo, e);
}

void desenharFigura(QPainter& p, const QRectF& q, Figura figura)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    switch (figura) {
    case Figura::Gravar:
        disquete(p, q, QColor(0x20, 0x40, 0xA0));
        break;
    case Figura::Limpar:
        borracha(p, q);
        break;
    case Figura::Voltar:
        seta(p, q.adjusted(0, q.height() * 0.1, 0, -q.height() * 0.1), QColor(0x30, 0xA0, 0x40));
        break;
    case Figura::SalvarSair: {
        disquete(p, QRectF(q.topLeft(), q.size() * 0.8), QColor(0x20, 0x40, 0xA0));
        const qreal s = q.width() * 0.55;
        seta(p, QRectF(q.right() - s, q.bottom() - s, s, s), QColor(0x30, 0xA0, 0x40));
        break;
    }
    }
    p.restore();
}

BotaoFigura::BotaoFigura(Figura figura, const QString& texto, QWidget* parent)
    : QPushButton(texto, parent), m_figura(figura)
{
    // No button of these windows answers Enter from a text box: a stray Enter
    // must not clear a case's history.
    setAutoDefault(false);
}

void BotaoFigura::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    p.drawControl(QStyle::CE_PushButtonBevel, opt);

    QRect area = rect().adjusted(4, 4, -4, -4);
    if (isDown())
        area.translate(1, 1);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
    const QRect medida = fontMetrics().boundingRect(area, flags, text());
    const int lado = qBound(8, area.height() - medida.height() - 2, 32);

    // The picture is drawn once into a pixmap so the style can grey it out.
    const qreal dpr = devicePixelRatioF();
    QPixmap figura(QSize(lado, lado) * dpr);
    figura.setDevicePixelRatio(dpr);
    figura.fill(Qt::transparent);
    {
        QPainter fp(&figura);
        desenharFigura(fp, QRectF(1, 1, lado - 2, lado - 2), m_figura);
    }
    if (!isEnabled())
        figura = style()->generatedIconPixmap(QIcon::Disabled, figura, &opt);
    const int topo = area.top() + qMax(0, (area.height() - lado - medida.height() - 2) / 2);
    p.drawPixmap(area.left() + (area.width() - lado) / 2, topo, figura);

    const QRect areaTexto(area.left(), topo + lado + 2, area.width(), area.bottom() - topo - lado - 1);
    p.drawItemText(areaTexto, flags, palette(), isEnabled(), text(), QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect foco;
        foco.initFrom(this);
        foco.rect = rect().adjusted(3, 3, -3, -3);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, foco);
    }
}

SeletorRegistro::SeletorRegistro(QTableView* grade) : QHeaderView(Qt::Vertical, grade), m_grade(grade)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
}

QSize SeletorRegistro::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    s.setWidth(Twips::px(225));
    return s;
}

void SeletorRegistro::paintSection(QPainter* p, const QRect& rect, int logicalIndex) const
{
    // The style leaves its own clip behind; keep it off the selector mark.
    p->save();
    QHeaderView::paintSection(p, rect, logicalIndex);
    p->restore();
    if (!m_grade->currentIndex().isValid() || m_grade->currentIndex().row() != logicalIndex)
        return;
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(Qt::NoPen);
    p->setBrush(palette().color(QPalette::ButtonText));
    const QPointF c = QRectF(rect).center();
    const auto* modelo = qobject_cast<const RecordsetModel*>(m_grade->model());
    if (modelo && modelo->pendingRow() == logicalIndex) {
        // A pencil: the row holds an edit not yet written.
        p->translate(c);
        p->rotate(-45);
        p->drawRect(QRectF(-4, -1.5, 7, 3));
        QPolygonF ponta;
        ponta << QPointF(-4, -1.5) << QPointF(-6.5, 0) << QPointF(-4, 1.5);
        p->drawPolygon(ponta);
    } else {
        QPolygonF seta;
        seta << QPointF(c.x() - 2.5, c.y() - 4) << QPointF(c.x() + 2.5, c.y()) << QPointF(c.x() - 2.5, c.y() + 4);
        p->drawPolygon(seta);
    }
    p->restore();
}

GradeDados::GradeDados(QWidget* parent) : QTableView(parent)
{
    setVerticalHeader(new SeletorRegistro(this));
    verticalHeader()->setDefaultSectionSize(Twips::px(240));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(false);
    setCornerButtonEnabled(false);
}

void GradeDados::setLarguraColuna(int coluna, int twips)
{
    setColumnWidth(coluna, Twips::px(twips));
}

void GradeDados::concluirEdicao()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    // The open editor is the one child of the viewport not yet hidden.
    const auto filhos = viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* editor : filhos) {
        if (editor->isHidden())
            continue;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void GradeDados::currentChanged(const QModelIndex& atual, const QModelIndex& anterior)
{
    QTableView::currentChanged(atual, anterior);
    verticalHeader()->viewport()->update();
}

void GradeDados::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    QTableView::dataChanged(topLeft, bottomRight, roles);
    // The selector shows a pencil while a row holds an unwritten edit.
    verticalHeader()->viewport()->update();
}
