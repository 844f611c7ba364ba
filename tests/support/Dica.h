#pragma once

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

// The tooltip a user gets by resting the mouse at p of w; empty when none.
inline QString dicaEm(QWidget* w, QPoint p)
{
    QToolTip::hideText();
    (void)QTest::qWaitFor([] { return !QToolTip::isVisible(); });
    QHelpEvent e(QEvent::ToolTip, p, w->mapToGlobal(p));
    QApplication::sendEvent(w, &e);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
