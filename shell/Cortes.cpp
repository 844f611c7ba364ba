#include "shell/Cortes.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QTextLayout>
#include <QToolTip>

namespace {

// The lines of a text wrapped at a width: each line's range in the text.
QList<QTextLine> linhas(QTextLayout& layout, qreal largura)
{
    QList<QTextLine> r;
    layout.beginLayout();
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
        l.setLineWidth(largura);
        r.append(l);
    }
    layout.endLayout();
    return r;
}

int linhasQueCabem(const QFontMetrics& fm, int altura)
{
    return qMax(1, altura / qMax(1, fm.lineSpacing()));
}

class DicaCelula final : public QObject {
public:
    explicit DicaCelula(QAbstractItemView* vista) : QObject(vista), m_vista(vista) {}
    bool eventFilter(QObject* alvo, QEvent* e) override
    {
        if (e->type() != QEvent::ToolTip)
            return QObject::eventFilter(alvo, e);
        auto* ajuda = static_cast<QHelpEvent*>(e);
        const QModelIndex i = m_vista->indexAt(ajuda->pos());
        const QString texto = i.data().toString();
        // The style keeps a small margin at each side of a cell's text.
        const int margem = m_vista->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_vista) + 1;
        const QFont fonte = i.data(Qt::FontRole).isValid() ? i.data(Qt::FontRole).value<QFont>() : m_vista->font();
        const int livre = m_vista->visualRect(i).width() - 2 * margem;
        if (i.isValid() && QFontMetrics(fonte).horizontalAdvance(texto) > livre)
            QToolTip::showText(ajuda->globalPos(), texto, m_vista->viewport());
        else
            QToolTip::hideText();
        return true;
    }

private:
    QAbstractItemView* m_vista;
};

} // namespace

bool RotuloCortado::cortado() const
{
    const QRect area = contentsRect();
    const QFontMetrics fm(font());
    if (!wordWrap())
        return fm.horizontalAdvance(text()) > area.width();
    QTextLayout layout(text(), font());
    return linhas(layout, area.width()).size() > linhasQueCabem(fm, area.height());
}

void RotuloCortado::paintEvent(QPaintEvent* e)
{
    if (!cortado()) {
        QLabel::paintEvent(e);
        return;
    }
    // The lines that fit, the last one cut short with an ellipsis.
    QPainter p(this);
    p.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const QFontMetrics fm(font());
    const int cabem = wordWrap() ? linhasQueCabem(fm, area.height()) : 1;
    QTextLayout layout(text(), font());
    const QList<QTextLine> todas = linhas(layout, wordWrap() ? area.width() : 1e6);
    int y = area.top();
    for (int k = 0; k < cabem && k < todas.size(); ++k) {
        const QTextLine& l = todas[k];
        QString parte = text().mid(l.textStart(), k + 1 < cabem ? l.textLength() : -1);
        if (k + 1 == cabem)
            parte = fm.elidedText(parte.simplified(), Qt::ElideRight, area.width());
        p.drawText(QRect(area.left(), y, area.width(), fm.lineSpacing()),
                   int(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop, parte.trimmed());
        y += fm.lineSpacing();
    }
}

bool RotuloCortado::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (cortado())
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(e);
}

void dicaNasCelulasCortadas(QAbstractItemView* vista)
{
    vista->viewport()->installEventFilter(new DicaCelula(vista));
}
