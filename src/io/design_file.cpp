#include "io/design_file.h"

#include "calc/field_catalog.h"
#include "io/atomic_file.h"
#include "io/cp932_text.h"
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
    return QString::fromUtf8(caption.data(), qsizetype(caption.size()));
}

// Why a text cannot be stored, or nothing when it can.
std::optional<FileError> refusalOf(const QString& text)
{
    if (text.contains(u'"'))
        return FileError{FileErrorKind::QuoteInText, {}, {}, {}, {}};
    if (!encodeCp932(text))
        return FileError{
            FileErrorKind::UnstorableCharacter, {}, {}, firstUnstorableCharacter(text), {}};
    return std::nullopt;
}

DesignFileRead failedRead(FileErrorKind kind, const QString& path, const QString& reason = {})
{
    return {{}, FileError{kind, path, {}, {}, reason}, {}};
}

#ifdef Q_OS_UNIX

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Reads the file through a descriptor opened without waiting (a pipe would otherwise block until
// a writer comes) and judges the kind and size of what was actually opened, not of what stood at
// the path a moment before.
DesignFileRead readBytes(const QByteArray& nativePath, const QString& path, QByteArray& bytes)
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
    const auto closed = [fd](DesignFileRead result) {
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
    // One byte more than allowed shows a file that grew after its size was looked at.
    bytes.resize(maxDesignFileBytes + 1);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, std::size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return closed(failedRead(FileErrorKind::Unreadable, path, systemReason(errno)));
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return closed({});
}

#else

DesignFileRead readBytes(const QByteArray& nativePath, const QString& path, QByteArray& bytes)
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
    bytes = file.read(maxDesignFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failedRead(FileErrorKind::Unreadable, path, file.errorString());
    return {};
}

#endif

} // namespace

EncodedDesign encodeDesignFile(const DesignInputs& inputs)
{
    EncodedDesign result;
    if (!cp932Available()) {
        result.refusal = FileError{FileErrorKind::NoConverter, {}, {}, {}, {}};
        return result;
    }
    QByteArray bytes;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const QString text = QString::fromStdString(inputs[i]);
        if (auto refusal = refusalOf(text)) {
            refusal->field = captionOf(i);
            result.refusal = std::move(refusal);
            return result;
        }
        bytes += '"';
        bytes += *encodeCp932(text);
        bytes += '"';
        const bool endsRecord = i + 1 == fieldsInFirstRecord || i + 1 == inputs.size();
        bytes += endsRecord ? "\r\n" : ",";
    }
    result.bytes = bytes;
    return result;
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

DesignFileRead readDesignFile(const QString& path)
{
    return readDesignFile(QFile::encodeName(path), path);
}

DesignFileRead readDesignFile(const QByteArray& nativePath, const QString& shownPath)
{
    QByteArray bytes;
    DesignFileRead result = readBytes(nativePath, shownPath, bytes);
    if (result.error)
        return result;
    if (bytes.size() > maxDesignFileBytes)
        return failedRead(FileErrorKind::TooLarge, shownPath);
    result.inputs = decodeDesignFile(bytes);
    for (std::size_t i = 0; i < result.inputs.size(); ++i) {
        if (QString::fromStdString(result.inputs[i]).size() > maxInputLength) {
            DesignFileRead refused = failedRead(FileErrorKind::FieldTooLong, shownPath);
            refused.error->field = captionOf(i);
            return refused;
        }
    }
    result.hints = readingHints(bytes);
    return result;
}

FileOutcome writeDesignFile(const QString& path, const DesignInputs& inputs)
{
    const EncodedDesign encoded = encodeDesignFile(inputs);
    if (!encoded.bytes)
        return encoded.refusal;
    return writeFileAtomically(path, *encoded.bytes);
}

} // namespace flange
