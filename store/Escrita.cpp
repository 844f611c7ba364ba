#include "store/Escrita.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Escrita {

namespace {

int escreverTudo(int fd, const char* p, qsizetype n)
{
    while (n > 0) {
        const ssize_t w = ::write(fd, p, size_t(n));
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (w == 0)
            return EIO;
        p += w;
        n -= w;
    }
    return 0;
}

void sincronizarPasta(const QString& pasta)
{
    const int d = ::open(QFile::encodeName(pasta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
}

} // namespace

QString motivo(int erro)
{
    switch (erro) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QCoreApplication::translate("Escrita", "O disco está cheio.");
    case EROFS:
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("Escrita", "Não é permitido gravar nesta pasta (ela é somente para leitura ou de outro usuário).");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("Escrita", "A pasta não existe.");
    case EISDIR:
        return QCoreApplication::translate("Escrita", "Já existe uma pasta com este nome.");
    case ENAMETOOLONG:
        return QCoreApplication::translate("Escrita", "O nome do arquivo é longo demais.");
    case EIO:
        return QCoreApplication::translate("Escrita", "O disco recusou a gravação.");
    default:
        return QCoreApplication::translate("Escrita", "O sistema recusou a gravação (%1).")
            .arg(QString::fromLocal8Bit(std::strerror(erro)));
    }
}

QString mensagem(const QString& caminho, const QString& motivo)
{
    return QCoreApplication::translate("Escrita", "Não foi possível gravar o arquivo\n%1\n\n%2\n\nNenhum arquivo foi criado ou alterado.")
        .arg(QDir::toNativeSeparators(caminho), motivo);
}

QString gravar(const QString& pedido, const QByteArray& bytes, bool sincronizar)
{
    // A link keeps pointing where it did: its target is what gets replaced.
    QString caminho = pedido;
    const QFileInfo info(pedido);
    if (info.isSymLink() && !info.symLinkTarget().isEmpty())
        caminho = info.symLinkTarget();
    const QString pasta = QFileInfo(caminho).absolutePath();
    const QByteArray destino = QFile::encodeName(caminho);

    static std::atomic<unsigned> serie{0};
    QByteArray temporario;
    int fd = -1;
    while (fd < 0) {
        temporario = QFile::encodeName(pasta + QStringLiteral("/.kv-%1-%2.tmp").arg(::getpid()).arg(serie++));
        // Created with the umask's permissions, as any new file of the user.
        fd = ::open(temporario.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return motivo(errno);
    }
    struct stat antes {};
    if (::stat(destino.constData(), &antes) == 0 && S_ISREG(antes.st_mode))
        ::fchmod(fd, antes.st_mode & 07777);

    int erro = escreverTudo(fd, bytes.constData(), bytes.size());
    if (!erro && sincronizar && ::fsync(fd) != 0)
        erro = errno;
    if (::close(fd) != 0 && !erro)
        erro = errno;
    if (!erro && ::rename(temporario.constData(), destino.constData()) != 0)
        erro = errno;
    if (erro) {
        ::unlink(temporario.constData());
        return motivo(erro);
    }
    if (sincronizar)
        sincronizarPasta(pasta);
    return QString();
}

void sincronizar(const QString& caminho)
{
    const int fd = ::open(QFile::encodeName(caminho).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    sincronizarPasta(QFileInfo(caminho).absolutePath());
}

} // namespace Escrita
