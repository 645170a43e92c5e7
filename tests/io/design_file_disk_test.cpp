// Reading and writing design files on disk: what reaches the disk, the files Open must refuse
// instead of reading them, and the writes that fail without touching the file already there.

#include "io/design_file.h"
#include "worked_example.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include "write_failures.h"

#include <sys/stat.h>
#endif

namespace {

using flange::DesignInputs;
using flange::FileErrorKind;
using flange::readDesignFile;
using flange::writeDesignFile;

const DesignInputs& workedExample = flange::testing::workedExampleFile();

class DesignFileDisk : public ::testing::Test {
protected:
    QString pathOf(const QString& name) const { return dir.filePath(name); }

    static QByteArray contentsOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void store(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // Reads a file that must be refused: the error names it and no inputs come back.
    static void expectRefused(const QString& path, FileErrorKind kind)
    {
        const auto result = readDesignFile(path);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().kind, kind);
        EXPECT_EQ(result.error().path, path);
    }

    QTemporaryDir dir;
};

TEST_F(DesignFileDisk, SavedDesignOpensWithTheSameTexts)
{
    DesignInputs inputs = workedExample;
    inputs[12] = "1,200";
    inputs[3] = "";
    inputs[0] = "Ｍ３６";
    const QString path = pathOf("design.sou");
    ASSERT_TRUE(writeDesignFile(path, inputs).ok());

    const auto result = readDesignFile(path);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value().inputs, inputs);
}

TEST_F(DesignFileDisk, NameWithoutExtensionIsUsedAsTyped)
{
    ASSERT_TRUE(writeDesignFile(pathOf("joint"), workedExample).ok());
    EXPECT_TRUE(QFile::exists(pathOf("joint")));
    EXPECT_FALSE(QFile::exists(pathOf("joint.sou")));
    EXPECT_EQ(contentsOf(pathOf("joint")), flange::encodeDesignFile(workedExample).value());
}

TEST_F(DesignFileDisk, SavingReplacesAnExistingFile)
{
    const QString path = pathOf("design.sou");
    store(path, QByteArray(5000, 'x'));
    ASSERT_TRUE(writeDesignFile(path, workedExample).ok());
    EXPECT_EQ(contentsOf(path), flange::encodeDesignFile(workedExample).value());
}

TEST_F(DesignFileDisk, RefusedTextWritesNothing)
{
    DesignInputs inputs = workedExample;
    inputs[14] = "2.2\"";
    const QString fresh = pathOf("fresh.sou");
    const auto result = writeDesignFile(fresh, inputs);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().kind, FileErrorKind::QuoteInText);
    EXPECT_EQ(result.error().field, QStringLiteral("(cm)使用フランジプレート厚さ(仮定)"));
    EXPECT_FALSE(QFile::exists(fresh));

    const QString existing = pathOf("existing.sou");
    const QByteArray before = flange::encodeDesignFile(workedExample).value();
    store(existing, before);
    inputs[14] = "2.2";
    inputs[5] = "21.63€";
    EXPECT_FALSE(writeDesignFile(existing, inputs).ok());
    EXPECT_EQ(contentsOf(existing), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "no stray temporary file";
}

TEST_F(DesignFileDisk, FileOfExactlyTheLimitIsRead)
{
    QByteArray bytes = flange::encodeDesignFile(workedExample).value();
    bytes.append(flange::maxDesignFileBytes - bytes.size(), ' ');
    const QString path = pathOf("limit.sou");
    store(path, bytes);
    const auto result = readDesignFile(path);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value().inputs, workedExample);
}

TEST_F(DesignFileDisk, FileOverTheLimitIsRefused)
{
    QByteArray bytes = flange::encodeDesignFile(workedExample).value();
    bytes.append(flange::maxDesignFileBytes + 1 - bytes.size(), ' ');
    const QString path = pathOf("large.sou");
    store(path, bytes);
    expectRefused(path, FileErrorKind::TooLarge);
}

TEST_F(DesignFileDisk, MissingFileIsRefused)
{
    expectRefused(pathOf("missing.sou"), FileErrorKind::NotFound);
}

TEST_F(DesignFileDisk, FolderIsRefused)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.sou"));
    expectRefused(pathOf("folder.sou"), FileErrorKind::Folder);
}

#ifdef Q_OS_UNIX
TEST_F(DesignFileDisk, PipeIsRefusedWithoutWaitingForAWriter)
{
    const QString path = pathOf("pipe.sou");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    expectRefused(path, FileErrorKind::NotRegularFile);
}

TEST_F(DesignFileDisk, UnreadableFileIsRefused)
{
    const QString path = pathOf("locked.sou");
    store(path, flange::encodeDesignFile(workedExample).value());
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
    if (QFile file(path); file.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "permissions do not stop this user from reading";
    expectRefused(path, FileErrorKind::Unreadable);
}

using flange::testing::WriteFailure;

class DesignFileWriteFailure : public ::testing::TestWithParam<WriteFailure> {};

TEST_P(DesignFileWriteFailure, IsReportedAndLeavesWhatWasThere)
{
    flange::testing::expectWriteFailure(GetParam(), "design.sou", [](const QString& target) {
        return writeDesignFile(target, workedExample);
    });
}

INSTANTIATE_TEST_SUITE_P(Targets, DesignFileWriteFailure,
                         ::testing::ValuesIn(flange::testing::writeFailures("design.sou")),
                         [](const auto& info) { return std::string(info.param.name); });
#endif

} // namespace
