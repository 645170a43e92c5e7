// The checker as a process: exit statuses reach the shell, standard error carries only the
// checker's own messages, standard input is read for "-", and reports are written where they may
// be and refused where they would destroy a design or block.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString example(const char* file)
{
    return QStringLiteral(FLANGE_EXAMPLES_DIR "/") + QString::fromUtf8(file);
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

struct Finished {
    int exitCode = -1; // -1 when the program crashed or had to be stopped
    QByteArray out;
    QByteArray err;
};

// Runs the program without the session's XDG_RUNTIME_DIR, where Qt would speak up if let.
Finished runProgram(const QStringList& arguments, const QByteArray& standardInput = {},
                    const QString& standardInputFile = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    process.setProcessEnvironment(environment);
    if (!standardInputFile.isEmpty())
        process.setStandardInputFile(standardInputFile);
    process.start(QStringLiteral(FLANGECHECK_CLI_PATH), arguments);
    if (standardInputFile.isEmpty()) {
        process.write(standardInput);
        process.closeWriteChannel();
    }
    Finished finished;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "the checker did not finish";
        return finished;
    }
    finished.out = process.readAllStandardOutput();
    finished.err = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        finished.exitCode = process.exitCode();
    return finished;
}

// Each line of standard error is one of the checker's own messages.
void expectOwnMessagesOnly(const QByteArray& err)
{
    for (const QByteArray& line : err.split('\n'))
        EXPECT_TRUE(line.isEmpty() || line.startsWith("flangecheck-cli: ")
                    || line.startsWith("使い方: "))
            << line.toStdString();
}

TEST(CheckProgram, ExitStatusesAndStandardInputReachTheShell)
{
    EXPECT_EQ(runProgram({"--json", example("worked-example.sou")}).exitCode, 0);
    EXPECT_EQ(runProgram({example("missing-rib-height.sou")}).exitCode, 3);
    const Finished fromInput = runProgram({"--jsonl", "-"}, contentsOf(example("weld-ng.sou")));
    EXPECT_EQ(fromInput.exitCode, 1);
    const QJsonObject json = QJsonDocument::fromJson(fromInput.out).object();
    EXPECT_EQ(json[u"file"].toString() + u' ' + json[u"step"].toString(), QStringLiteral("- D"));
    const Finished usage = runProgram({});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_TRUE(usage.out.isEmpty());
    EXPECT_TRUE(usage.err.contains("使い方")) << usage.err.toStdString();
    // A listing that could not be written is no success.
    QProcess full;
    full.setStandardOutputFile(QStringLiteral("/dev/full"));
    full.start(QStringLiteral(FLANGECHECK_CLI_PATH), {example("worked-example.sou")});
    ASSERT_TRUE(full.waitForFinished(20000));
    EXPECT_EQ(full.exitCode(), 2);
    EXPECT_TRUE(full.readAllStandardError().contains("標準出力に書き込めませんでした"));
    const Finished version = runProgram({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("flangecheck-cli ")) << version.out.toStdString();
}

bool isTwoPagePdf(const QString& path)
{
    const QByteArray bytes = contentsOf(path);
    return bytes.startsWith("%PDF") && bytes.contains("/Count 2");
}

// The reports of the walked records, written by the program itself (it needs no display).
TEST(CheckProgram, WritesReportsQuietly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("worked-example.pdf"));
    const Finished one = runProgram({"--pdf", pdf, example("worked-example.sou")});
    EXPECT_EQ(one.exitCode, 0);
    EXPECT_TRUE(one.err.isEmpty()) << one.err.toStdString();
    EXPECT_TRUE(isTwoPagePdf(pdf));
    EXPECT_TRUE(one.out.contains("0.941"));

    // One report per design, NG ones too, named after the design; standard input as "stdin".
    const QString reports = dir.filePath(QStringLiteral("reports"));
    const Finished many = runProgram({"--pdf-dir", reports, example("weld-ng.sou"), "-"},
                                     contentsOf(example("worked-example.sou")));
    EXPECT_EQ(many.exitCode, 1);
    EXPECT_TRUE(many.err.isEmpty()) << many.err.toStdString();
    for (const char* name : {"weld-ng.pdf", "stdin.pdf"})
        EXPECT_TRUE(isTwoPagePdf(reports + u'/' + QString::fromUtf8(name))) << name;
}

// A file size limit (`ulimit -f`) met while the report is written is a write failure like a full
// disk, with the system's reason; with SIGXFSZ's default disposition it would end the checker
// without a word.
TEST(CheckProgram, FileSizeLimitFailsTheReportWithItsReason)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess process;
    process.setChildProcessModifier([] {
        ::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{4096, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    process.start(QStringLiteral(FLANGECHECK_CLI_PATH),
                  {"--pdf", pdf, example("worked-example.sou")});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 2);
    const QByteArray err = process.readAllStandardError();
    EXPECT_TRUE(err.contains("File too large")) << err.toStdString();
    expectOwnMessagesOnly(err);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Targets that must never be written: each is refused before anything is written, the design and
// whatever stands at the target stay as they were, and the message names the reason.
struct Refusal {
    const char* name;
    QStringList arguments; // DIR stands for a temporary folder holding a.sou and the targets
    int exitCode;
    const char* reason;
    const char* standardInput = ""; // a file of DIR for standard input
};

void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

class ReportTargets : public ::testing::TestWithParam<Refusal> {};

TEST_P(ReportTargets, AreRefused)
{
    const auto& r = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString design = dir.filePath(QStringLiteral("a.sou"));
    ASSERT_TRUE(QFile::copy(example("worked-example.sou"), design));
    const QByteArray before = contentsOf(design);
    ASSERT_EQ(::link(QFile::encodeName(design).constData(),
                     QFile::encodeName(dir.filePath(QStringLiteral("link.sou"))).constData()),
              0);
    ASSERT_TRUE(QFile::copy(example("bolt-ng.sou"), dir.filePath(QStringLiteral("b.pdf"))));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600),
              0);

    QStringList arguments = r.arguments;
    arguments.replaceInStrings(QStringLiteral("DIR"), dir.path());
    const QString input =
        *r.standardInput ? dir.filePath(QString::fromUtf8(r.standardInput)) : QString();
    // A FIFO opened for writing would block here until the test gives up.
    const Finished finished = runProgram(arguments, {}, input);
    EXPECT_EQ(finished.exitCode, r.exitCode);
    const QString reason = QString::fromUtf8(r.reason).replace(QStringLiteral("DIR"), dir.path());
    EXPECT_TRUE(QString::fromUtf8(finished.err).contains(reason)) << finished.err.toStdString();
    expectOwnMessagesOnly(finished.err);
    EXPECT_EQ(contentsOf(design), before);
    EXPECT_EQ(contentsOf(dir.filePath(QStringLiteral("b.pdf"))),
              contentsOf(example("bolt-ng.sou")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("nowhere"))));
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ReportTargets,
    ::testing::Values(
        Refusal{"TheDesignItself", {"--pdf", "DIR/a.sou", "DIR/a.sou"}, 2, "設計ファイルそのもの"},
        Refusal{"TheDesignByAnotherPath",
                {"--pdf", "DIR/./a.sou", "DIR/a.sou"},
                2,
                "設計ファイルそのもの"},
        Refusal{"AHardLinkToTheDesign",
                {"--pdf", "DIR/link.sou", "DIR/a.sou"},
                2,
                "設計ファイルそのもの"},
        Refusal{"TheDesignOnStandardInput",
                {"--pdf", "DIR/link.sou", "-"},
                2,
                "設計ファイルそのもの",
                "a.sou"},
        Refusal{"AFifo", {"--pdf", "DIR/fifo", "DIR/a.sou"}, 2, "通常のファイルではありません"},
        Refusal{"AFolder", {"--pdf", "DIR", "DIR/a.sou"}, 2, "通常のファイルではありません"},
        Refusal{"AMissingFolder",
                {"--pdf", "DIR/nowhere/a.pdf", "DIR/a.sou"},
                2,
                "書き出せませんでした"},
        Refusal{"NoName", {"--pdf", "", "DIR/a.sou"}, 2, "--pdf のあとに"},
        // The report of a.sou would be DIR/a.pdf; b.pdf is a design of the run and is never a target.
        Refusal{"ADesignOfTheRunInTheFolder",
                {"--pdf-dir", "DIR", "DIR/a.sou", "DIR/b.pdf"},
                2,
                "「DIR/b.pdf」に書き出せません（設計ファイルそのもの"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
