#include "shell/Estilo.h"

#include <QIconEngine>
#include <QPointer>
#include <QWidget>

namespace {
// An icon of the style that asks the style for it the first time it is needed.
class IconeAdiado final : public QIconEngine {
public:
    IconeAdiado(const QStyle* estilo, QStyle::StandardPixmap qual, const QWidget* widget)
        : m_estilo(estilo), m_qual(qual), m_widget(const_cast<QWidget*>(widget))
    {
    }

    void paint(QPainter* p, const QRect& r, QIcon::Mode m, QIcon::State s) override { icone().paint(p, r, Qt::AlignCenter, m, s); }
    QSize actualSize(const QSize& t, QIcon::Mode m, QIcon::State s) override { return icone().actualSize(t, m, s); }
    QPixmap pixmap(const QSize& t, QIcon::Mode m, QIcon::State s) override { return icone().pixmap(t, m, s); }
    QPixmap scaledPixmap(const QSize& t, QIcon::Mode m, QIcon::State s, qreal escala) override
    {
        return icone().pixmap(t, escala, m, s);
    }
    QList<QSize> availableSizes(QIcon::Mode m, QIcon::State s) override { return icone().availableSizes(m, s); }
    bool isNull() override { return icone().isNull(); }
    QString key() const override { return QStringLiteral("KvAdiado"); }
    QIconEngine* clone() const override { return new IconeAdiado(*this); }

private:
    const QIcon& icone()
    {
        if (!m_pronto) {
            m_icone = m_estilo->standardIcon(m_qual, nullptr, m_widget);
            m_pronto = true;
        }
        return m_icone;
    }

    const QStyle* m_estilo;
    QStyle::StandardPixmap m_qual;
    QPointer<QWidget> m_widget;
    QIcon m_icone;
    bool m_pronto = false;
};
} // namespace

Estilo::Estilo(QStyle* base) : QProxyStyle(base) {}

QIcon Estilo::standardIcon(StandardPixmap icone, const QStyleOption* opcao, const QWidget* widget) const
{
    if ((icone == SP_ToolBarHorizontalExtensionButton || icone == SP_ToolBarVerticalExtensionButton) && !opcao)
        return QIcon(new IconeAdiado(baseStyle(), icone, widget));
    return QProxyStyle::standardIcon(icone, opcao, widget);
}
