#include "shell/FatalError.h"
#include "shell/Messages.h"

#include <cstdlib>
#include <exception>

namespace ErroFatal {

namespace {
std::function<void(int)>& terminador()
{
    static std::function<void(int)> t = [](int code) { std::_Exit(code); };
    return t;
}
} // namespace

void relatar(const QString& texto)
{
    MsgBox(texto, Icone::Critico, QStringLiteral("KV"));
    terminador()(1);
}

void instalarTerminador(std::function<void(int)> t)
{
    terminador() = t ? std::move(t) : [](int code) { std::_Exit(code); };
}

} // namespace ErroFatal

KvApplication::KvApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KvApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ErroFatal::relatar(QString::fromStdString(e.what()));
    } catch (...) {
        ErroFatal::relatar(QStringLiteral("Unknown error."));
    }
    return false;
}
