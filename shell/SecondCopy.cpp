#include "shell/SecondCopy.h"

#include <QDir>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

SegundaCopia::SegundaCopia(const QString& pastaPrograma)
    : m_lock(std::make_unique<QLockFile>(nomeArquivo(pastaPrograma)))
{
    // A lock held by a live process never goes stale with age; one left by a
    // process that died is taken over.
    m_lock->setStaleLockTime(0);
}

SegundaCopia::~SegundaCopia() = default;

QString SegundaCopia::nomeArquivo(const QString& pastaPrograma)
{
    return QDir(pastaPrograma).filePath(QStringLiteral("KV.lock"));
}

bool SegundaCopia::assumir()
{
    return m_lock->tryLock(0);
}

qint64 SegundaCopia::pidAtivo() const
{
    qint64 pid = 0;
    QString host, app;
    if (!m_lock->getLockInfo(&pid, &host, &app))
        return 0;
    return pid;
}

bool SegundaCopia::encerrarAtivo() const
{
    const qint64 pid = pidAtivo();
    if (pid <= 0 || pid == qint64(::getpid()))
        return false;
    return ::kill(pid_t(pid), SIGKILL) == 0;
}
