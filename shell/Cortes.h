#pragma once

#include <QLabel>

class QAbstractItemView;

// A text that does not fit its box never vanishes without a sign: it ends in
// an ellipsis, and the whole text shows as a tooltip.

// A word-wrapped label: when its text needs more lines than the box holds,
// the last line that fits ends in an ellipsis. text() stays the whole text.
class RotuloCortado final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // True when the text does not fit the box.
    bool cortado() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;
};

// The whole text of a cell as a tooltip, for the cells the view cuts.
void dicaNasCelulasCortadas(QAbstractItemView* vista);
