// The command-line checker as scripts use it: arguments, exit statuses and output, on the example
// designs shipped with the program (examples/README.md lists the same outcomes).

#include "cli/check_command.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

namespace {

using flange::runCheckCommand;

QString example(const char* file) { return QStringLiteral(FLANGE_EXAMPLES_DIR "/") + QString::fromUtf8(file); }

QJsonObject jsonOf(const QByteArray& out)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

struct Arguments {
    const char* name;
    QStringList arguments;
    bool help;
    bool json;
    const char* designPath;
    bool wrong;
};

void PrintTo(const Arguments& a, std::ostream* os) { *os << a.name; }

class CheckArguments : public ::testing::TestWithParam<Arguments> {};

TEST_P(CheckArguments, AreParsed)
{
    const auto& a = GetParam();
    const auto parsed = flange::parseCheckArguments(a.arguments);
    EXPECT_EQ(parsed.options.help, a.help);
    EXPECT_EQ(parsed.options.json, a.json);
    EXPECT_EQ(parsed.options.designPath, QString::fromUtf8(a.designPath));
    EXPECT_EQ(!parsed.error.isEmpty(), a.wrong) << parsed.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CheckArguments,
    ::testing::Values(
        Arguments{"FileOnly", {"a.sou"}, false, false, "a.sou", false},
        Arguments{"JsonBefore", {"--json", "a.sou"}, false, true, "a.sou", false},
        Arguments{"JsonAfter", {"a.sou", "--json"}, false, true, "a.sou", false},
        Arguments{"Help", {"--help"}, true, false, "", false},
        Arguments{"ShortHelpWithFile", {"-h", "a.sou"}, true, false, "a.sou", false},
        Arguments{"FileAfterDoubleDash", {"--", "--json"}, false, false, "--json", false},
        Arguments{"JapaneseName", {"設計 1.sou"}, false, false, "設計 1.sou", false},
        Arguments{"Nothing", {}, false, false, "", true},
        Arguments{"JsonWithoutFile", {"--json"}, false, true, "", true},
        Arguments{"TwoFiles", {"a.sou", "b.sou"}, false, false, "a.sou", true},
        Arguments{"UnknownOption", {"--verbose", "a.sou"}, false, false, "a.sou", true}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExampleOutcome {
    const char* file;
    int exitCode;
    const char* step;
    const char* status;
};

void PrintTo(const ExampleOutcome& e, std::ostream* os) { *os << e.file; }

class CheckExamples : public ::testing::TestWithParam<ExampleOutcome> {};

TEST_P(CheckExamples, GiveTheirListedOutcome)
{
    const auto& e = GetParam();
    const auto result = runCheckCommand({QStringLiteral("--json"), example(e.file)});
    EXPECT_EQ(result.exitCode, e.exitCode);
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    const QJsonObject json = jsonOf(result.out);
    EXPECT_EQ(json[u"step"].toString(), QString::fromUtf8(e.step));
    EXPECT_EQ(json[u"status"].toString(), QString::fromUtf8(e.status));
    EXPECT_EQ(runCheckCommand({example(e.file)}).exitCode, e.exitCode) << "plain output, same status";
}

INSTANTIATE_TEST_SUITE_P(
    Files, CheckExamples,
    ::testing::Values(ExampleOutcome{"worked-example.sou", 0, "D", "ok"},
                      ExampleOutcome{"file-format-example.sou", 1, "A", "ng"},
                      ExampleOutcome{"bolt-ng.sou", 1, "A", "ng"},
                      ExampleOutcome{"thickness-ng.sou", 1, "B-thickness", "ng"},
                      ExampleOutcome{"rib-ng.sou", 1, "C", "ng"},
                      ExampleOutcome{"weld-ng.sou", 1, "D", "ng"},
                      ExampleOutcome{"missing-rib-height.sou", 3, "C", "missing-input"}),
    [](const auto& info) {
        std::string name = info.param.file;
        std::erase_if(name, [](char c) { return c == '-' || c == '.'; });
        return name;
    });

TEST(CheckCommand, JsonHoldsEveryFieldAndJudgement)
{
    const QJsonObject json = jsonOf(runCheckCommand({"--json", example("worked-example.sou")}).out);
    EXPECT_EQ(json.keys(), (QStringList{"fields", "hints", "status", "step", "verdicts"}));
    const QJsonObject fields = json[u"fields"].toObject();
    EXPECT_EQ(fields.size(), 33);
    EXPECT_EQ(fields[u"boltSize"].toString(), QStringLiteral("Ｍ27"));
    EXPECT_EQ(fields[u"boltStress"].toString(), QStringLiteral("1.745"));
    EXPECT_EQ(fields[u"weldRatio"].toString(), QStringLiteral("0.941"));
    const QJsonObject verdicts = json[u"verdicts"].toObject();
    EXPECT_EQ(verdicts.keys(), (QStringList{"boltVerdict", "ribVerdict", "thicknessVerdict", "weldVerdict"}));
    const QJsonObject thickness = verdicts[u"thicknessVerdict"].toObject();
    EXPECT_EQ(thickness[u"text"].toString(), QStringLiteral("(cm) < t ・・ＯＫ"));
    EXPECT_EQ(thickness[u"shown"], QJsonValue(true));
}

// The worked example types α0 0.12 where the chart gives 0.150 at 1.25: a hint that changes no
// outcome, except that --strict turns a passing run with hints into exit status 4.
TEST(CheckCommand, HintsAreListedAndOnlyStrictPassingRunsEndDifferently)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile worked(example("worked-example.sou"));
    ASSERT_TRUE(worked.open(QIODevice::ReadOnly));
    const QString clean = dir.filePath(QStringLiteral("clean.sou"));
    QFile cleanFile(clean);
    ASSERT_TRUE(cleanFile.open(QIODevice::WriteOnly));
    cleanFile.write(worked.readAll().replace("\"0.12\"", "\"0.15\""));
    cleanFile.close();

    const struct {
        QStringList arguments;
        int exitCode;
        int hints;
    } runs[] = {
        {{"--json", example("worked-example.sou")}, 0, 1},
        {{"--json", "--strict", example("worked-example.sou")}, 4, 1},
        {{"--json", "--strict", example("thickness-ng.sou")}, 1, 1},
        {{"--json", "--strict", clean}, 0, 0},
    };
    for (const auto& run : runs) {
        const auto result = runCheckCommand(run.arguments);
        EXPECT_EQ(result.exitCode, run.exitCode) << run.arguments.join(' ').toStdString();
        EXPECT_EQ(jsonOf(result.out)[u"hints"].toArray().size(), run.hints);
    }

    const QJsonObject json = jsonOf(runCheckCommand({"--json", example("worked-example.sou")}).out);
    const QJsonObject hint = json[u"hints"].toArray().first().toObject();
    const QString message = QStringLiteral("図－２では Ly/Lx＝1.25 のとき α0≈0.150 です（入力 0.12）。"
                                           "α0 が小さいと M0 とプレート厚さを小さく見積もります。");
    EXPECT_EQ(hint[u"kind"].toString(), QStringLiteral("alpha0-below-chart"));
    EXPECT_EQ(hint[u"fields"].toArray(), (QJsonArray{"alpha0", "edgeRatio"}));
    EXPECT_EQ(hint[u"message"].toString(), message);
    EXPECT_DOUBLE_EQ(hint[u"chart"].toDouble(), 0.150);
    EXPECT_EQ(json[u"fields"].toObject()[u"requiredThickness"].toString(), QStringLiteral("1.55"));

    const QString plain = QString::fromUtf8(runCheckCommand({example("worked-example.sou")}).out);
    EXPECT_TRUE(plain.contains(QStringLiteral("［注意］\n  ") + message + QStringLiteral("\n［結論］")))
        << plain.toStdString();
    EXPECT_FALSE(QString::fromUtf8(runCheckCommand({clean}).out).contains(QStringLiteral("［注意］")));
}

TEST(CheckCommand, PlainOutputListsCaptionValueAndUnit)
{
    const QString out = QString::fromUtf8(runCheckCommand({example("missing-rib-height.sou")}).out);
    for (const char* line : {"  使用ボルト: Ｍ27\n", "  (t・cm)曲げモーメント: 600 t・cm\n",
                             "  (cm)リブプレート（RPL）高さ: \n", "  引張応力度: 1.75 t/cm2\n",
                             "  ボルト応力度比 σt/(ft0×1.5): 0.833\n", "  Ａ.ボルトの算定: < 1.0・・・・・・・・ＯＫ\n",
                             "  Ｃ.リブプレート: （表示なし）\n", "数値が入力されていません。"})
        EXPECT_TRUE(out.contains(QString::fromUtf8(line))) << line << "\n" << out.toStdString();
}

TEST(CheckCommand, FileProblemsAreUsageErrors)
{
    for (const QString& path : {example("no-such-design.sou"), QStringLiteral(FLANGE_EXAMPLES_DIR)}) {
        const auto result = runCheckCommand({path});
        EXPECT_EQ(result.exitCode, flange::checkExitUsageOrFile);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(QString::fromUtf8(result.err).contains(path)) << result.err.toStdString();
    }
}

TEST(CheckCommand, HelpNamesOptionsAndExitStatuses)
{
    const auto result = runCheckCommand({"--help"});
    EXPECT_EQ(result.exitCode, flange::checkExitOk);
    const QString help = QString::fromUtf8(result.out);
    for (const char* part : {"--json", "--strict", "4  ", "missing-input", "B-thickness", "\"shown\"", "0  ok", "1  ng", "3  missing"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(part))) << part;
}

// The installed program itself: exit status, and output on the right streams.
int runProgram(const QStringList& arguments, QByteArray& out, QByteArray& err)
{
    QProcess process;
    process.start(QStringLiteral(FLANGECHECK_CLI_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    out = process.readAllStandardOutput();
    err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(CheckProgram, WorkedExampleIsOk)
{
    QByteArray out, err;
    EXPECT_EQ(runProgram({"--json", example("worked-example.sou")}, out, err), 0);
    EXPECT_TRUE(err.isEmpty());
    EXPECT_EQ(jsonOf(out)[u"status"].toString(), QStringLiteral("ok"));
}

TEST(CheckProgram, ExitStatusesReachTheShell)
{
    QByteArray out, err;
    EXPECT_EQ(runProgram({example("missing-rib-height.sou")}, out, err), 3);
    EXPECT_EQ(runProgram({example("weld-ng.sou")}, out, err), 1);
    EXPECT_EQ(runProgram({}, out, err), 2);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(err).contains(QStringLiteral("使い方"))) << err.toStdString();
}

// The report of the walked record, written by the program itself (it needs no display).
TEST(CheckProgram, PdfOptionWritesTheTwoPageReport)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("worked-example.pdf"));
    QByteArray out, err;
    EXPECT_EQ(runProgram({"--pdf", pdf, example("worked-example.sou")}, out, err), 0)
        << err.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/Count 2")) << "two pages";
    EXPECT_TRUE(QString::fromUtf8(out).contains(QStringLiteral("0.941")));

    // An NG design still gets its report; the exit status stays that of the walk.
    const QString ngPdf = dir.filePath(QStringLiteral("weld-ng.pdf"));
    EXPECT_EQ(runProgram({example("weld-ng.sou"), "--pdf=" + ngPdf}, out, err), 1);
    EXPECT_TRUE(QFileInfo(ngPdf).size() > 0);
}

TEST(CheckProgram, PdfThatCannotBeWrittenIsAFileError)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray out, err;
    // A folder cannot be replaced by the report.
    EXPECT_EQ(runProgram({"--pdf", dir.path(), example("worked-example.sou")}, out, err), 2);
    EXPECT_TRUE(QString::fromUtf8(err).contains(dir.path())) << err.toStdString();
    EXPECT_FALSE(out.isEmpty()); // the check itself is still reported
    // The option without a file name is a usage error.
    EXPECT_EQ(runProgram({example("worked-example.sou"), "--pdf"}, out, err), 2);
    EXPECT_TRUE(out.isEmpty());
}

} // namespace
