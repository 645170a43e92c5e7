#include "cli/design_source.h"

#include "cli/shown_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace flange {

namespace {

// Why a file cannot be opened or read, in the engineer's words where the cause is a common one.
QString reasonOf(int error)
{
    switch (error) {
    case ENOENT: return QStringLiteral("見つかりません");
    case EACCES:
    case EPERM: return QStringLiteral("読む権限がありません");
    case ENOTDIR: return QStringLiteral("途中にフォルダーでないものがあります");
    case ENAMETOOLONG: return QStringLiteral("名前が長すぎます");
    case EISDIR: return QStringLiteral("フォルダーです");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString shownName(const QByteArray& name)
{
    return name == standardInputName ? QStringLiteral("標準入力") : shownFileName(name);
}

DesignSource failure(const QByteArray& name, const QString& reason)
{
    return {std::nullopt,
            QStringLiteral("「%1」を読み込めません（%2）。").arg(shownName(name), reason),
            std::nullopt};
}

// Reads up to one byte more than a design file may have, so that a file that is too large (or
// grew after fstat) is seen. `expected` is the size the file is thought to have.
std::optional<QByteArray> readAtMostLimit(int fd, qsizetype expected, int& error)
{
    const qsizetype limit = maxDesignFileBytes + 1;
    QByteArray bytes(std::min(limit, expected + 1), Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() == limit)
                break;
            bytes.resize(std::min(limit, bytes.size() * 2));
        }
        const ssize_t got = ::read(fd, bytes.data() + filled, std::size_t(bytes.size() - filled));
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return std::nullopt;
        }
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

DesignSource readOpened(const QByteArray& name, int fd, bool isStandardInput)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return failure(name, reasonOf(errno));
    const bool regular = S_ISREG(status.st_mode);
    if (S_ISDIR(status.st_mode))
        return failure(name, QStringLiteral("フォルダーです"));
    // A pipe or terminal is what standard input usually is; a named one is never a design file.
    if (!regular && !isStandardInput)
        return failure(name, QStringLiteral("通常のファイルではありません"));
    if (regular && status.st_size > maxDesignFileBytes)
        return failure(name,
                       QStringLiteral("1 MiB を超えています。鋼管仕口ファイルではありません"));
    // O_NONBLOCK, which kept the open from waiting on a FIFO, does not change reading a regular
    // file.
    int error = 0;
    const auto bytes = readAtMostLimit(fd, regular ? qsizetype(status.st_size) : 64 * 1024, error);
    if (!bytes)
        return failure(name, reasonOf(error));
    if (bytes->size() > maxDesignFileBytes)
        return failure(name,
                       QStringLiteral("1 MiB を超えています。鋼管仕口ファイルではありません"));
    DesignSource source{decodeDesignFile(*bytes), {}, std::nullopt};
    if (regular)
        source.identity = FileIdentity{status.st_dev, status.st_ino};
    return source;
}

} // namespace

DesignSource readDesignSource(const QByteArray& name)
{
    if (name == standardInputName)
        return readOpened(name, STDIN_FILENO, true);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failure(name, reasonOf(errno));
    DesignSource source = readOpened(name, fd, false);
    ::close(fd);
    return source;
}

ExistingFile lookUpFile(const QByteArray& name)
{
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return {};
    return {true, S_ISREG(status.st_mode), FileIdentity{status.st_dev, status.st_ino}};
}

} // namespace flange
