#include "cli/design_source.h"

#include "cli/shown_text.h"
#include "io/descriptor_read.h"
#include "io/reading_hints.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace flange {

namespace {

// Why a file cannot be opened or read: the kind the engineer is told, and the system's reason in
// the engineer's words where the cause is a common one.
FileError errorOf(const QByteArray& name, int error)
{
    FileError failure;
    failure.kind = FileErrorKind::Unreadable;
    failure.path = name == standardInputName ? QStringLiteral("標準入力") : shownFileName(name);
    switch (error) {
    case ENOENT: failure.kind = FileErrorKind::NotFound; break;
    case EISDIR: failure.kind = FileErrorKind::Folder; break;
    case EACCES:
    case EPERM: failure.reason = QStringLiteral("読む権限がありません"); break;
    case ENOTDIR: failure.reason = QStringLiteral("途中にフォルダーでないものがあります"); break;
    default: failure.reason = QString::fromLocal8Bit(std::strerror(error)); break;
    }
    return failure;
}

DesignSource failure(const QByteArray& name, int error)
{
    return {errorOf(name, error), std::nullopt, {}};
}

DesignSource failure(const QByteArray& name, FileErrorKind kind)
{
    FileError error = errorOf(name, 0);
    error.kind = kind;
    error.reason.clear();
    return {error, std::nullopt, {}};
}

DesignSource readOpened(const QByteArray& name, int fd, bool isStandardInput)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return failure(name, errno);
    const bool regular = S_ISREG(status.st_mode);
    if (S_ISDIR(status.st_mode))
        return failure(name, FileErrorKind::Folder);
    // A pipe or terminal is what standard input usually is; a named one is never a design file.
    if (!regular && !isStandardInput)
        return failure(name, FileErrorKind::NotRegularFile);
    if (regular && status.st_size > maxDesignFileBytes)
        return failure(name, FileErrorKind::TooLarge);
    // O_NONBLOCK, which kept the open from waiting on a FIFO, does not change reading a regular
    // file.
    // Standard input may have been left non-blocking by whoever started the checker; its data is
    // then still to come, and is waited for.
    const DescriptorRead read =
        readDesignBytes(fd, regular ? qsizetype(status.st_size) : 64 * 1024);
    if (read.error != 0)
        return failure(name, read.error);
    if (read.bytes.size() > maxDesignFileBytes)
        return failure(name, FileErrorKind::TooLarge);
    DesignSource source{decodeDesignFile(read.bytes), std::nullopt, readingHints(read.bytes)};
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
        return failure(name, errno);
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
