#pragma once

// Writes made to fail, for the tables of every path that writes a file. Root passes permission
// checks, so a read-only folder would not stop these tests when run as root; the failures come
// from other means: a file size limit in a child process (as a full disk or a quota would stop the
// write), a folder that is a file, and targets that are not regular files (a pipe, a folder, a
// device of the test's own like /dev/full, so that a faulty write never touches the real one).

#include "io/atomic_file.h"
#include "io/result.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace flange::testing {

// Runs `write` in a child process whose files may not grow past `limitBytes` (RLIM_INFINITY for no
// limit). The child starts with SIGXFSZ's default disposition, which ends a process at the limit,
// and then does what both programs do first (letWritesFailPastFileSizeLimit), so a write past the
// limit is to fail with EFBIG; a child killed by the signal reports nothing. Returns what `write` returned in the child; a FileError of kind Unwritable and reason "child failed"
// when the child did not report back.
inline std::optional<FileError> underFileSizeLimit(rlim_t limitBytes,
                                                   const std::function<Result<void>()>& write)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return FileError{.kind = FileErrorKind::Unwritable, .reason = "pipe failed"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        ::signal(SIGXFSZ, SIG_DFL);
        letWritesFailPastFileSizeLimit();
        const rlimit limit{limitBytes, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Result<void> outcome = write();
        const QByteArray report = outcome ? QByteArray("ok")
                                          : QByteArray::number(int(outcome.error().kind)) + '\n'
                                                + outcome.error().path.toUtf8() + '\n'
                                                + outcome.error().reason.toUtf8();
        [[maybe_unused]] const auto sent = ::write(channel[1], report.constData(), report.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    QByteArray report;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (report == "ok")
        return std::nullopt;
    const QList<QByteArray> parts = report.split('\n');
    if (parts.size() != 3)
        return FileError{.kind = FileErrorKind::Unwritable, .reason = "child failed"};
    return FileError{.kind = FileErrorKind(parts[0].toInt()),
                     .path = QString::fromUtf8(parts[1]),
                     .reason = QString::fromUtf8(parts[2])};
}

// A failing write: the target's name in the folder of failingTargets, the size limit, the kind
// of error expected and, where it is known, the system's reason.
struct WriteFailure {
    const char* name;
    const char* target;
    rlim_t sizeLimit;
    FileErrorKind kind;
    const char* reason = nullptr;
};

inline void PrintTo(const WriteFailure& w, std::ostream* os) { *os << w.name; }

// The rows every write path is tested with. `existing` is the name of a regular file that stands
// in the folder before the write.
inline std::vector<WriteFailure> writeFailures(const char* existing)
{
    // 40 bytes let part of the file be written before the limit stops it.
    return {{"FileSizeLimit", existing, 40, FileErrorKind::Unwritable, "File too large"},
            {"FolderIsAFile", "plain/new", RLIM_INFINITY, FileErrorKind::Unwritable},
            {"MissingFolder", "nowhere/new", RLIM_INFINITY, FileErrorKind::Unwritable},
            {"Pipe", "pipe", RLIM_INFINITY, FileErrorKind::NotRegularFile},
            {"Folder", "folder", RLIM_INFINITY, FileErrorKind::NotRegularFile},
            {"DeviceFull", "full", RLIM_INFINITY, FileErrorKind::NotRegularFile}};
}

// Fills `folder` with the targets of writeFailures besides `existing`: a regular file "plain", a
// pipe, a folder and, where the user may make devices (root), a full device like /dev/full.
// Returns false when the device could not be made.
inline bool makeFailingTargets(const QString& folder)
{
    const QDir dir(folder);
    QFile plain(dir.filePath("plain"));
    plain.open(QIODevice::WriteOnly);
    plain.write("a file, not a folder");
    plain.close();
    ::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600);
    dir.mkdir("folder");
    return ::mknod(QFile::encodeName(dir.filePath("full")).constData(), S_IFCHR | 0666,
                   makedev(1, 7))
           == 0;
}

// What stands at a path: its kind and, for a regular file, its bytes.
inline QByteArray snapshot(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return "missing";
    if (!S_ISREG(status.st_mode))
        return "mode " + QByteArray::number(status.st_mode & S_IFMT);
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ? file.readAll() : "unreadable";
}

// Runs one row of writeFailures: `write` writes to the target path it is given, in a folder that
// holds `existing` and the targets of makeFailingTargets. Checks that the failure is reported with
// its kind, the path and (for Unwritable) the system's reason, and that the folder is exactly as
// it was: the existing file unchanged and no temporary or partial file left.
inline void expectWriteFailure(const WriteFailure& w, const char* existing,
                               const std::function<Result<void>(const QString&)>& write)
{
    QTemporaryDir dir;
    QFile old(dir.filePath(existing));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("what was written before");
    old.close();
    if (!makeFailingTargets(dir.path()) && QByteArray(w.target) == "full")
        GTEST_SKIP() << "making a device file needs root";
    const QString target = dir.filePath(w.target);
    const QByteArray before = snapshot(target);
    const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

    const auto error = underFileSizeLimit(w.sizeLimit, [&] { return write(target); });

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind, w.kind) << error->reason.toStdString();
    EXPECT_EQ(error->path, target);
    if (w.kind == FileErrorKind::Unwritable) {
        EXPECT_FALSE(error->reason.isEmpty()) << "the system's reason is passed on";
        EXPECT_NE(error->reason, QStringLiteral("Unknown error"));
    }
    if (w.reason) {
        EXPECT_EQ(error->reason, QString::fromUtf8(w.reason));
    }
    EXPECT_EQ(snapshot(target), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), entries)
        << "no temporary or partial file is left behind";
}

} // namespace flange::testing
