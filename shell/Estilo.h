#pragma once

#include <QProxyStyle>

// The program's style: the platform's own, except that a menu bar's overflow
// arrow is read from its file only when it is first drawn. Reading it at once
// tried every image format plugin on it (loading each, the SVG one with Qt's
// SVG library) while the main window was being built.
class Estilo final : public QProxyStyle {
public:
    // Takes `base` over; QApplication::setStyle(new Estilo(QApplication::style())).
    explicit Estilo(QStyle* base);

    QIcon standardIcon(StandardPixmap icone, const QStyleOption* opcao = nullptr,
                       const QWidget* widget = nullptr) const override;
};
