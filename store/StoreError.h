#pragma once

#include <QString>
#include <stdexcept>

// Every failure of the store reaches the caller as this exception, carrying
// the engine's own text. Nothing in the store shows a window.
class StoreError final : public std::runtime_error {
public:
    explicit StoreError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};
