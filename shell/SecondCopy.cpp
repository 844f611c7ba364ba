#include "shell/SecondCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

namespace {
std::function<int(qint64)>& encerrador()
{
    static std::function<int(qint64)> e = [](qint64 pid) { return ::kill(pid_t(pid), SIGKILL) == 0 ? 0 : errno; };
    return e;
}

struct flock travaInteira(short tipo)
{
    struct flock f {};
    f.l_type = tipo;
    f.l_whence = SEEK_SET;
    return f;
}
} // namespace

SegundaCopia::SegundaCopia(const QString& pastaPrograma) : m_pasta(pastaPrograma) {}

SegundaCopia::~SegundaCopia()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString SegundaCopia::nomeArquivo(const QString& pastaPrograma)
{
    return QDir(pastaPrograma).filePath(QStringLiteral("KV.lock"));
}

void SegundaCopia::instalarEncerrador(std::function<int(qint64)> encerrar)
{
    encerrador() = encerrar ? std::move(encerrar) : [](qint64 pid) { return ::kill(pid_t(pid), SIGKILL) == 0 ? 0 : errno; };
}

qint64 SegundaCopia::donoDaTrava(int fd) const
{
    struct flock f = travaInteira(F_WRLCK);
    if (::fcntl(fd, F_GETLK, &f) != 0 || f.l_type == F_UNLCK || f.l_pid <= 0)
        return 0;
    // Only KV running from this program folder counts, as the system knows
    // the process; a program folder copied elsewhere has a lock of its own.
    QString exe = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(f.l_pid));
    // A copy whose file was replaced by a new install is still this program.
    if (exe.endsWith(QLatin1String(" (deleted)")))
        exe.chop(10);
    const QFileInfo programa(exe);
    const bool nossa = programa.fileName() == QLatin1String("KV")
        && QFileInfo(programa.absolutePath()).canonicalFilePath() == QFileInfo(m_pasta).canonicalFilePath();
    return nossa ? qint64(f.l_pid) : 0;
}

bool SegundaCopia::assumir()
{
    const QByteArray nome = QFile::encodeName(nomeArquivo(m_pasta));
    for (int tentativa = 0; tentativa < 3; ++tentativa) {
        int fd = ::open(nome.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) {
            // A lock file this user may not open is stale: replace it.
            ::unlink(nome.constData());
            fd = ::open(nome.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        }
        if (fd < 0)
            return true; // no lock can be made here: nothing to guard with
        struct flock f = travaInteira(F_WRLCK);
        if (::fcntl(fd, F_SETLK, &f) == 0) {
            // The text is for people; the lock itself is what counts, and it
            // guards even when the text cannot be written.
            const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
            [[maybe_unused]] const bool escrito =
                ::ftruncate(fd, 0) == 0 && ::write(fd, pid.constData(), size_t(pid.size())) == pid.size();
            m_fd = fd;
            return true;
        }
        m_pidAtivo = donoDaTrava(fd);
        ::close(fd);
        if (m_pidAtivo > 0)
            return false;
        // Held by something that is not this program: a fresh file.
        ::unlink(nome.constData());
    }
    return true;
}

QString SegundaCopia::encerrarAtivo() const
{
    const int erro = m_pidAtivo > 0 ? encerrador()(m_pidAtivo) : ESRCH;
    if (erro == 0)
        return {};
    return QStringLiteral("The running copy (process %1) could not be ended: %2")
        .arg(m_pidAtivo)
        .arg(QString::fromLocal8Bit(std::strerror(erro)));
}
