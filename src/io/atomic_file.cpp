#include "io/atomic_file.h"

#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <cstring>
#include <unistd.h>
#endif

namespace flange {

namespace {

#ifdef Q_OS_UNIX

// Writes every byte to the descriptor, or gives the system's reason why not. Qt's own writing
// drops the reason when part of the bytes went out before the failure (a file size limit or a
// full disk met halfway), which would leave only "Unknown error" to report.
QString writeAll(int fd, QByteArrayView bytes)
{
    const char* next = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return QString::fromLocal8Bit(std::strerror(errno));
        if (written == 0)
            return QString::fromLocal8Bit(std::strerror(EIO));
        next += written;
        left -= written;
    }
    return {};
}

#endif

} // namespace

void letWritesFailPastFileSizeLimit()
{
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

Result<void> writeFileAtomically(const QString& path, QByteArrayView bytes)
{
    // QFileInfo looks at the path without opening it, so a pipe is never waited on. A symbolic
    // link counts as what it points to, which is what would be replaced.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return FileError{.kind = FileErrorKind::NotRegularFile, .path = path};

    QSaveFile file(path);
    const auto failed = [&](const QString& reason) {
        FileError error{.kind = FileErrorKind::Unwritable, .path = path, .reason = reason};
        file.cancelWriting(); // the temporary file goes; the target is never touched
        return error;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
#ifdef Q_OS_UNIX
    // The bytes go straight to the temporary file's descriptor, past Qt's buffer, so that every
    // failure comes with the system's reason.
    if (const QString reason = writeAll(file.handle(), bytes); !reason.isEmpty())
        return failed(reason);
#else
    if (file.write(bytes.data(), bytes.size()) != bytes.size())
        return failed(file.errorString());
    // Writes land in a buffer: a full disk or a file size limit shows only when it is flushed,
    // and commit() would put the short file in place without saying so.
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return failed(file.errorString());
#endif
    if (!file.commit())
        return failed(file.errorString());
    return {};
}

} // namespace flange
