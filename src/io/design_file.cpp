#include "io/design_file.h"

#include "calc/field_catalog.h"
#include "io/atomic_file.h"
#include "io/cp932_text.h"
#include "io/descriptor_read.h"
#include "io/design_fields.h"
#include "io/reading_hints.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace flange {

namespace {

constexpr std::size_t fieldsInFirstRecord = 7;

QString captionOf(std::size_t index)
{
    const std::string_view caption = inputFieldInfos()[index].caption;
    return QString::fromUtf8(caption);
}

// Why a text cannot be stored, or nothing when it can.
std::optional<FileError> refusalOf(const QString& text)
{
    if (text.contains(u'"'))
        return FileError{.kind = FileErrorKind::QuoteInText};
    if (!encodeCp932(text))
        return FileError{.kind = FileErrorKind::UnstorableCharacter,
                         .character = firstUnstorableCharacter(text)};
    return std::nullopt;
}

// What the bytes of a design file were read into, or why they could not be.
using BytesRead = Result<QByteArray>;

BytesRead failedRead(FileErrorKind kind, const QString& path, const QString& reason = {})
{
    return FileError{.kind = kind, .path = path, .reason = reason};
}

#ifdef Q_OS_UNIX

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Reads the file through a descriptor opened without waiting (a pipe would otherwise block until
// a writer comes) and judges the kind and size of what was actually opened, not of what stood at
// the path a moment before.
BytesRead readBytes(const QByteArray& nativePath, const QString& path)
{
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return failedRead(FileErrorKind::NotFound, path);
        if (error == ENXIO) // a socket, or a device without its driver
            return failedRead(FileErrorKind::NotRegularFile, path);
        return failedRead(FileErrorKind::Unreadable, path, systemReason(error));
    }
    const auto closed = [fd](BytesRead result) {
        ::close(fd);
        return result;
    };
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return closed(failedRead(FileErrorKind::Unreadable, path, systemReason(errno)));
    if (S_ISDIR(status.st_mode))
        return closed(failedRead(FileErrorKind::Folder, path));
    if (!S_ISREG(status.st_mode))
        return closed(failedRead(FileErrorKind::NotRegularFile, path));
    if (status.st_size > maxDesignFileBytes)
        return closed(failedRead(FileErrorKind::TooLarge, path));
    DescriptorRead read = readDesignBytes(fd, qsizetype(status.st_size));
    if (read.error != 0)
        return closed(failedRead(FileErrorKind::Unreadable, path, systemReason(read.error)));
    return closed(std::move(read.bytes));
}

#else

BytesRead readBytes(const QByteArray& nativePath, const QString& path)
{
    const QFileInfo info(QFile::decodeName(nativePath));
    if (!info.exists())
        return failedRead(FileErrorKind::NotFound, path);
    if (info.isDir())
        return failedRead(FileErrorKind::Folder, path);
    if (!info.isFile())
        return failedRead(FileErrorKind::NotRegularFile, path);
    if (info.size() > maxDesignFileBytes)
        return failedRead(FileErrorKind::TooLarge, path);
    QFile file(QFile::decodeName(nativePath));
    if (!file.open(QIODevice::ReadOnly))
        return failedRead(FileErrorKind::Unreadable, path, file.errorString());
    QByteArray bytes = file.read(maxDesignFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failedRead(FileErrorKind::Unreadable, path, file.errorString());
    return bytes;
}

#endif

} // namespace

Result<QByteArray> encodeDesignFile(const DesignInputs& inputs)
{
    if (!cp932Available())
        return FileError{.kind = FileErrorKind::NoConverter};
    QByteArray bytes;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const QString text = QString::fromStdString(inputs[i]);
        if (auto refusal = refusalOf(text)) {
            refusal->field = captionOf(i);
            return *std::move(refusal);
        }
        bytes += '"';
        bytes += *encodeCp932(text);
        bytes += '"';
        const bool endsRecord = i + 1 == fieldsInFirstRecord || i + 1 == inputs.size();
        bytes += endsRecord ? "\r\n" : ",";
    }
    return bytes;
}

DesignInputs decodeDesignFile(QByteArrayView bytes)
{
    DesignInputs inputs;
    const auto fields = splitDesignFields(bytes, inputs.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (const auto text = decodeCp932(fields[i]))
            inputs[i] = text->toStdString();
    }
    return inputs;
}

Result<DesignFileRead> readDesignFile(const QString& path)
{
    return readDesignFile(QFile::encodeName(path), path);
}

Result<DesignFileRead> readDesignFile(const QByteArray& nativePath, const QString& shownPath)
{
    const BytesRead bytes = readBytes(nativePath, shownPath);
    if (!bytes)
        return bytes.error();
    if (bytes.value().size() > maxDesignFileBytes)
        return failedRead(FileErrorKind::TooLarge, shownPath).error();
    DesignFileRead read{.inputs = decodeDesignFile(bytes.value()), .hints = {}};
    for (std::size_t i = 0; i < read.inputs.size(); ++i) {
        if (QString::fromStdString(read.inputs[i]).size() > maxInputLength) {
            FileError refused = failedRead(FileErrorKind::FieldTooLong, shownPath).error();
            refused.field = captionOf(i);
            return refused;
        }
    }
    read.hints = readingHints(bytes.value());
    return read;
}

Result<void> writeDesignFile(const QString& path, const DesignInputs& inputs)
{
    const Result<QByteArray> encoded = encodeDesignFile(inputs);
    if (!encoded)
        return encoded.error();
    return writeFileAtomically(path, encoded.value());
}

} // namespace flange
