#include "io/atomic_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace flange {

Result<void> writeFileAtomically(const QString& path, QByteArrayView bytes)
{
    // QFileInfo looks at the path without opening it, so a pipe is never waited on. A symbolic
    // link counts as what it points to, which is what would be replaced.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return FileError{.kind = FileErrorKind::NotRegularFile, .path = path};

    QSaveFile file(path);
    const auto failed = [&] {
        FileError error{
            .kind = FileErrorKind::Unwritable, .path = path, .reason = file.errorString()};
        file.cancelWriting(); // the temporary file goes; the target is never touched
        return error;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    if (file.write(bytes.data(), bytes.size()) != bytes.size())
        return failed();
    // Writes land in a buffer: a full disk or a file size limit shows only when it is flushed,
    // and commit() would put the short file in place without saying so.
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return failed();
    if (!file.commit())
        return failed();
    return {};
}

} // namespace flange
