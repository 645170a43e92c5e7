// Reading and writing design files on disk: what reaches the disk, and the files Open must refuse
// with a message instead of reading them.

#include "io/design_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

using flange::DesignInputs;
using flange::readDesignFile;
using flange::writeDesignFile;

const DesignInputs workedExample{"Ｍ27", "5.73", "8",   "30",  "1.4", "21.63", "40",  "0.9", "15",
                                 "0.6",  "15",   "5",   "600", "1.6", "2.2",   "0.9", "0.12"};

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

    // Reads a file that must be refused: the message names it and the inputs come back empty.
    static void expectRefused(const QString& path)
    {
        DesignInputs inputs = workedExample;
        const auto result = readDesignFile(path, inputs);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains(QDir::toNativeSeparators(path))) << result.error.toStdString();
        EXPECT_EQ(inputs, DesignInputs{});
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
    ASSERT_TRUE(writeDesignFile(path, inputs).ok);

    DesignInputs read;
    const auto result = readDesignFile(path, read);
    EXPECT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_EQ(read, inputs);
}

TEST_F(DesignFileDisk, NameWithoutExtensionIsUsedAsTyped)
{
    ASSERT_TRUE(writeDesignFile(pathOf("joint"), workedExample).ok);
    EXPECT_TRUE(QFile::exists(pathOf("joint")));
    EXPECT_FALSE(QFile::exists(pathOf("joint.sou")));
    EXPECT_EQ(contentsOf(pathOf("joint")), *flange::encodeDesignFile(workedExample).bytes);
}

TEST_F(DesignFileDisk, SavingReplacesAnExistingFile)
{
    const QString path = pathOf("design.sou");
    store(path, QByteArray(5000, 'x'));
    ASSERT_TRUE(writeDesignFile(path, workedExample).ok);
    EXPECT_EQ(contentsOf(path), *flange::encodeDesignFile(workedExample).bytes);
}

TEST_F(DesignFileDisk, RefusedTextWritesNothing)
{
    DesignInputs inputs = workedExample;
    inputs[14] = "2.2\"";
    const QString fresh = pathOf("fresh.sou");
    const auto result = writeDesignFile(fresh, inputs);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("(cm)使用フランジプレート厚さ(仮定)")))
        << result.error.toStdString();
    EXPECT_FALSE(QFile::exists(fresh));

    const QString existing = pathOf("existing.sou");
    const QByteArray before = *flange::encodeDesignFile(workedExample).bytes;
    store(existing, before);
    inputs[14] = "2.2";
    inputs[5] = "21.63€";
    EXPECT_FALSE(writeDesignFile(existing, inputs).ok);
    EXPECT_EQ(contentsOf(existing), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no stray temporary file";
}

TEST_F(DesignFileDisk, UnwritablePlaceIsNamed)
{
    const QString path = pathOf("no-such-folder/design.sou");
    const auto result = writeDesignFile(path, workedExample);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QDir::toNativeSeparators(path))) << result.error.toStdString();
}

TEST_F(DesignFileDisk, FileOfExactlyTheLimitIsRead)
{
    QByteArray bytes = *flange::encodeDesignFile(workedExample).bytes;
    bytes.append(flange::maxDesignFileBytes - bytes.size(), ' ');
    const QString path = pathOf("limit.sou");
    store(path, bytes);
    DesignInputs inputs;
    EXPECT_TRUE(readDesignFile(path, inputs).ok);
    EXPECT_EQ(inputs, workedExample);
}

TEST_F(DesignFileDisk, FileOverTheLimitIsRefused)
{
    QByteArray bytes = *flange::encodeDesignFile(workedExample).bytes;
    bytes.append(flange::maxDesignFileBytes + 1 - bytes.size(), ' ');
    const QString path = pathOf("large.sou");
    store(path, bytes);
    expectRefused(path);
}

TEST_F(DesignFileDisk, MissingFileIsRefused) { expectRefused(pathOf("missing.sou")); }

TEST_F(DesignFileDisk, FolderIsRefused)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.sou"));
    expectRefused(pathOf("folder.sou"));
}

#ifdef Q_OS_UNIX
TEST_F(DesignFileDisk, PipeIsRefusedWithoutWaitingForAWriter)
{
    const QString path = pathOf("pipe.sou");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    expectRefused(path);
}

TEST_F(DesignFileDisk, UnreadableFileIsRefused)
{
    const QString path = pathOf("locked.sou");
    store(path, *flange::encodeDesignFile(workedExample).bytes);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
    if (QFile file(path); file.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "permissions do not stop this user from reading";
    expectRefused(path);
}
#endif

} // namespace
