#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Knows whether another copy of the program runs on the same folder: a lock
// file beside CONTROLE.mdb holds the running copy's process id.
class SegundaCopia final {
public:
    explicit SegundaCopia(const QString& pastaPrograma);
    ~SegundaCopia();

    static QString nomeArquivo(const QString& pastaPrograma);

    // Takes the lock for this copy; false when a live process holds it.
    bool assumir();
    // The process id of the copy holding the lock (0 when unknown).
    qint64 pidAtivo() const;
    // Ends the running copy by its id, forced (SIGKILL), the way the
    // forced task kill does on Windows. Never by name.
    bool encerrarAtivo() const;

private:
    std::unique_ptr<QLockFile> m_lock;
};
