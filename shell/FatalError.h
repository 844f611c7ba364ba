#pragma once

#include <QApplication>
#include <functional>

// A failure of the store or the printer outside start-up is not handled where
// it happens: it unwinds to the event loop, where this report shows one
// critical box with the error text and ends the program.
namespace ErroFatal {

// Shows the report and ends the program (through the installed terminator).
void relatar(const QString& texto);

// Tests replace how the program ends; the default ends the process at once.
void instalarTerminador(std::function<void(int)> terminador);

} // namespace ErroFatal

class KvApplication final : public QApplication {
public:
    KvApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
