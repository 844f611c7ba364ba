#pragma once

#include <QString>
#include <functional>

// Knows whether another copy of the program runs from the same folder. The
// running copy holds a lock on the file KV.lock beside CONTROLE.mdb; the lock
// belongs to the process and ends with it however it ends, so a file left
// empty, garbled, copied from another folder or written on another machine
// never stops a start. The copy to end is asked of the system, never read
// from the file's text.
class SegundaCopia final {
public:
    explicit SegundaCopia(const QString& pastaPrograma);
    ~SegundaCopia();
    SegundaCopia(const SegundaCopia&) = delete;
    SegundaCopia& operator=(const SegundaCopia&) = delete;

    static QString nomeArquivo(const QString& pastaPrograma);

    // Takes the lock for this copy; false when KV running from this same
    // program folder holds it. A lock held by anything else is stale: this
    // copy puts a fresh lock file in its place.
    bool assumir();
    // The process id of the copy found running by assumir (0 when none).
    qint64 pidAtivo() const { return m_pidAtivo; }
    // Ends that copy by its id, forced (SIGKILL), the way the forced task kill
    // does on Windows; never by name. An empty text, or why it failed.
    QString encerrarAtivo() const;

    // Tests replace how a process is ended: 0 or an errno value.
    static void instalarEncerrador(std::function<int(qint64 pid)> encerrar);

private:
    qint64 donoDaTrava(int fd) const;

    QString m_pasta;
    int m_fd = -1;
    qint64 m_pidAtivo = 0;
};
