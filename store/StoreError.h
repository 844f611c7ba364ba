#pragma once

#include <QSqlError>
#include <QString>
#include <stdexcept>

// Every failure of the store reaches the caller as this exception, carrying
// the engine's own text and what kind of trouble it is, so a window can tell
// the user in plain words. Nothing in the store shows a window.
class StoreError final : public std::runtime_error {
public:
    enum class Kind { Other, Busy, Full, ReadOnly, Moved, Disk };

    explicit StoreError(const QString& text, Kind kind = Kind::Other)
        : std::runtime_error(text.toStdString()), m_kind(kind) {}
    // SQLite's result code says the kind: busy 5 and locked 6, full 13,
    // read-only 8, I/O 10 and cannot-open 14.
    explicit StoreError(const QSqlError& e) : StoreError(e.text(), kindOf(e.nativeErrorCode().toInt())) {}

    QString text() const { return QString::fromStdString(what()); }
    Kind kind() const { return m_kind; }

private:
    static Kind kindOf(int code)
    {
        switch (code & 0xFF) {
        case 5: case 6: return Kind::Busy;
        case 13: return Kind::Full;
        case 8: return Kind::ReadOnly;
        case 10: case 14: return Kind::Disk;
        default: return Kind::Other;
        }
    }
    Kind m_kind;
};
