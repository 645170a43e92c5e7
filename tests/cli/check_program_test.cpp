// The checker as a process: exit statuses reach the shell, standard error carries only the
// checker's own messages, standard input is read for "-", and reports are written where they may
// be and refused where they would destroy a design or block.

#include "cli/qt_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
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

// How standard input reaches the program.
struct Input {
    QByteArray data;
    QString file = {};          // a file instead of `data`
    bool late = false;          // `data` only comes once the program has had time to read, on a
                                // non-blocking pipe
    QStringList variables = {}; // the environment: "NAME=value" sets, "-NAME" removes
};

// Runs the program without the session's XDG_RUNTIME_DIR, where Qt would speak up if let.
Finished runProgram(const QStringList& arguments, const Input& input = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    for (const QString& variable : input.variables) {
        if (variable.startsWith(u'-'))
            environment.remove(variable.mid(1));
        else
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    }
    process.setProcessEnvironment(environment);
    if (!input.file.isEmpty())
        process.setStandardInputFile(input.file);
    if (input.late)
        process.setChildProcessModifier(
            [] { ::fcntl(STDIN_FILENO, F_SETFL, ::fcntl(STDIN_FILENO, F_GETFL) | O_NONBLOCK); });
    process.start(QStringLiteral(FLANGECHECK_CLI_PATH), arguments);
    if (input.file.isEmpty()) {
        if (input.late && process.waitForStarted())
            QThread::msleep(500);
        process.write(input.data);
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
    const Finished fromInput = runProgram({"--jsonl", "-"}, {contentsOf(example("weld-ng.sou"))});
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
                                     {contentsOf(example("worked-example.sou"))});
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
    const Finished finished = runProgram(arguments, {{}, input});
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

// Environments and names meant to trip the checker up: it needs no display and takes no option
// for Qt, waits for standard input that comes late, shows every name so that no two look alike,
// and never prints a report with a number cut off. DIR holds a.sou (the worked example), files
// named ESC.sou, "\x1B.sou" (literally) and "rtl" U+202E "gpj.sou", and huge.sou, whose bending
// moment of 1e40 gives results too long for their places on the report.
struct Hostile {
    const char* name;
    QStringList variables; // as for Input
    QStringList arguments;
    int exitCode;
    QStringList out = {}; // texts the listing holds (DIR replaced)
    QStringList err = {}; // texts standard error holds
    bool lateInput = false;
    bool report = false; // DIR/r.pdf is written
};

void PrintTo(const Hostile& h, std::ostream* os) { *os << h.name; }

class HostileRuns : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileRuns, AreCheckedAsEverywhereElse)
{
    const auto& h = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray worked = contentsOf(example("worked-example.sou"));
    for (const char* name : {"a.sou", "\x1B.sou", "\\x1B.sou", "rtl\u202Egpj.sou"}) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(worked) == worked.size());
    }
    QFile huge(dir.filePath(QStringLiteral("huge.sou")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(QByteArray(worked).replace("\"600\"", "\"1e40\""));
    huge.close();

    QStringList arguments = h.arguments;
    arguments.replaceInStrings(QStringLiteral("DIR"), dir.path());
    const Finished finished =
        runProgram(arguments, {h.lateInput ? worked : QByteArray(), {}, h.lateInput, h.variables});
    EXPECT_EQ(finished.exitCode, h.exitCode) << finished.err.toStdString();
    const QString out = QString::fromUtf8(finished.out);
    for (QString text : h.out)
        EXPECT_TRUE(out.contains(text.replace(QStringLiteral("DIR"), dir.path())))
            << text.toStdString() << " not in\n"
            << finished.out.toStdString();
    for (const QString& text : h.err)
        EXPECT_TRUE(QString::fromUtf8(finished.err).contains(text))
            << text.toStdString() << " not in\n"
            << finished.err.toStdString();
    expectOwnMessagesOnly(finished.err);
    EXPECT_EQ(isTwoPagePdf(dir.filePath(QStringLiteral("r.pdf"))), h.report);
}

// Qt cannot go on after a fatal message: the checker says so and ends with status 2 rather than
// aborting without a word; any other message of Qt's stays off standard error.
TEST(QtMessages, OnlyAFatalOneIsShownAndEndsTheRun)
{
    EXPECT_EXIT(
        {
            flange::takeQtMessage(QtWarningMsg, {}, QStringLiteral("a notice"));
            flange::takeQtMessage(QtFatalMsg, {}, QStringLiteral("no platform\nsecond line"));
        },
        ::testing::ExitedWithCode(2),
        "^flangecheck-cli: .*no platform\nflangecheck-cli: .*second line\n$");
}

const QStringList reportOfA{"--pdf", "DIR/r.pdf", "DIR/a.sou"};

INSTANTIATE_TEST_SUITE_P(
    Runs, HostileRuns,
    ::testing::Values(
        Hostile{"XcbWithoutDisplay",
                {"-DISPLAY", "QT_QPA_PLATFORM=xcb"},
                reportOfA,
                0,
                {},
                {},
                false,
                true},
        Hostile{"WaylandWithoutCompositor",
                {"-WAYLAND_DISPLAY", "QT_QPA_PLATFORM=wayland"},
                reportOfA,
                0,
                {},
                {},
                false,
                true},
        Hostile{"Eglfs", {"QT_QPA_PLATFORM=eglfs"}, reportOfA, 0, {}, {}, false, true},
        Hostile{
            "MisspeltPlatform", {"QT_QPA_PLATFORM=ofscreen"}, reportOfA, 0, {}, {}, false, true},
        Hostile{"EveryWarningFatal",
                {"QT_FATAL_WARNINGS=1", "QT_FATAL_CRITICALS=1", "QT_QPA_PLATFORMTHEME=nothing"},
                reportOfA,
                0,
                {},
                {},
                false,
                true},
        // Designs named like options of Qt's are designs, and these are not there.
        Hostile{"QtOptionsAsDesignNames",
                {"QT_QPA_PLATFORM=xcb", "-DISPLAY"},
                {"--pdf-dir", "DIR/out", "--", "-platform", "xcb"},
                2,
                {},
                {"「-platform」", "「xcb」"}},
        Hostile{"LateNonBlockingInput", {}, {"--jsonl", "-"}, 0, {"\"file\":\"-\""}, {}, true},
        Hostile{"ControlAndItsEscapeShownApart",
                {},
                {"DIR/\x1B.sou", "DIR/\\x1B.sou"},
                0,
                {"［ファイル］ DIR/\\x1B.sou\n", "［ファイル］ DIR/\\\\x1B.sou\n"}},
        Hostile{"RightToLeftOverride",
                {},
                {"DIR/rtl\u202Egpj.sou"},
                0,
                {"［ファイル］ DIR/rtl\\u202Egpj.sou\n"}},
        Hostile{"NumberTooLongForTheReport",
                {},
                {"--pdf", "DIR/r.pdf", "DIR/huge.sou"},
                2,
                {"1e40"},
                {"計算書を「", "の値が長すぎて、計算書の欄に収まりません"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
