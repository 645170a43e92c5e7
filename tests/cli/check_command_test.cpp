// The command-line checker as scripts use it: arguments, exit statuses and output, on the example
// designs shipped with the program (examples/README.md lists the same outcomes).

#include "cli/check_arguments.h"
#include "cli/check_command.h"
#include "hostile_design_files.h"
#include "io/design_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

using flange::runCheckCommand;

QByteArray example(const char* file) { return QByteArray(FLANGE_EXAMPLES_DIR "/") + file; }

QJsonObject jsonOf(const QByteArray& out)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

struct Arguments {
    const char* name;
    QByteArrayList arguments;
    QByteArrayList files;
    flange::OutputFormat format;
    const char* pdf; // --pdf or --pdf-dir, whichever is given; null for none
    bool wrong;
};

void PrintTo(const Arguments& a, std::ostream* os) { *os << a.name; }

class CheckArguments : public ::testing::TestWithParam<Arguments> {};

TEST_P(CheckArguments, AreParsed)
{
    const auto& a = GetParam();
    const auto parsed = flange::parseCheckArguments(a.arguments);
    EXPECT_EQ(parsed.options.files, a.files);
    EXPECT_EQ(parsed.options.format, a.format);
    const auto pdf = parsed.options.pdfPath ? parsed.options.pdfPath : parsed.options.pdfDir;
    EXPECT_EQ(pdf.value_or("(none)"), a.pdf ? QByteArray(a.pdf) : "(none)");
    EXPECT_EQ(!parsed.error.isEmpty(), a.wrong) << parsed.error.toStdString();
}

using enum flange::OutputFormat;

INSTANTIATE_TEST_SUITE_P(
    Lines, CheckArguments,
    ::testing::Values(
        Arguments{"FileOnly", {"a.sou"}, {"a.sou"}, Plain, nullptr, false},
        Arguments{
            "FilesInOrder", {"b.sou", "--csv", "a.sou"}, {"b.sou", "a.sou"}, Csv, nullptr, false},
        Arguments{"JsonAfter", {"a.sou", "--json"}, {"a.sou"}, Json, nullptr, false},
        Arguments{"JsonLines", {"--jsonl", "a", "b"}, {"a", "b"}, JsonLines, nullptr, false},
        Arguments{"SameFormatTwice", {"--csv", "--csv", "a"}, {"a"}, Csv, nullptr, false},
        Arguments{"TwoFormats", {"--json", "--csv", "a"}, {"a"}, Csv, nullptr, true},
        Arguments{"LoneDashIsStandardInput", {"-", "--json"}, {"-"}, Json, nullptr, false},
        Arguments{"StandardInputTwice", {"-", "a", "-"}, {"-", "a", "-"}, Plain, nullptr, true},
        Arguments{"DashNamesAfterDoubleDash",
                  {"--", "--json", "-x"},
                  {"--json", "-x"},
                  Plain,
                  nullptr,
                  false},
        Arguments{"JapaneseName", {"設計 1.sou"}, {"設計 1.sou"}, Plain, nullptr, false},
        Arguments{"NonUtf8Name", {"\x90\xdd.sou"}, {"\x90\xdd.sou"}, Plain, nullptr, false},
        Arguments{"Pdf", {"--pdf", "r.pdf", "a.sou"}, {"a.sou"}, Plain, "r.pdf", false},
        Arguments{"PdfJoined", {"a.sou", "--pdf=r.pdf"}, {"a.sou"}, Plain, "r.pdf", false},
        Arguments{"PdfEmpty", {"--pdf", "", "a.sou"}, {"a.sou"}, Plain, nullptr, true},
        Arguments{"PdfJoinedEmpty", {"--pdf=", "a.sou"}, {"a.sou"}, Plain, nullptr, true},
        Arguments{"PdfLast", {"a.sou", "--pdf"}, {"a.sou"}, Plain, nullptr, true},
        Arguments{
            "PdfNamesAFileLikeAnOption", {"--pdf", "-", "a.sou"}, {"a.sou"}, Plain, "-", false},
        Arguments{
            "PdfForTwoDesigns", {"--pdf", "r.pdf", "a", "b"}, {"a", "b"}, Plain, "r.pdf", true},
        Arguments{"PdfDir", {"--pdf-dir", "out", "a", "b"}, {"a", "b"}, Plain, "out", false},
        Arguments{"PdfDirEmpty", {"--pdf-dir=", "a"}, {"a"}, Plain, nullptr, true},
        Arguments{"PdfAndPdfDir",
                  {"--pdf", "r.pdf", "--pdf-dir", "out", "a"},
                  {"a"},
                  Plain,
                  "r.pdf",
                  true},
        Arguments{"Nothing", {}, {}, Plain, nullptr, true},
        Arguments{"JsonWithoutFile", {"--json"}, {}, Json, nullptr, true},
        Arguments{"UnknownOption", {"--verbose", "a.sou"}, {"a.sou"}, Plain, nullptr, true},
        Arguments{"UnknownPdfLikeOption", {"--pdfs", "a.sou"}, {"a.sou"}, Plain, nullptr, true},
        Arguments{"SuggestWithCsv", {"--suggest", "--csv", "a"}, {"a"}, Csv, nullptr, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckCommand, JsonHoldsEveryFieldAndJudgement)
{
    const QJsonObject json = jsonOf(runCheckCommand({"--json", example("worked-example.sou")}).out);
    EXPECT_EQ(json.keys(), (QStringList{"fields", "file", "hints", "status", "step", "verdicts"}));
    EXPECT_EQ(json[u"file"].toString(), QString::fromUtf8(example("worked-example.sou")));
    const QJsonObject fields = json[u"fields"].toObject();
    EXPECT_EQ(fields.size(), 33);
    EXPECT_EQ(fields[u"boltSize"].toString(), QStringLiteral("Ｍ27"));
    EXPECT_EQ(fields[u"boltStress"].toString(), QStringLiteral("1.745"));
    EXPECT_EQ(fields[u"weldRatio"].toString(), QStringLiteral("0.941"));
    const QJsonObject verdicts = json[u"verdicts"].toObject();
    EXPECT_EQ(verdicts.keys(),
              (QStringList{"boltVerdict", "ribVerdict", "thicknessVerdict", "weldVerdict"}));
    const QJsonObject thickness = verdicts[u"thicknessVerdict"].toObject();
    EXPECT_EQ(thickness[u"text"].toString(), QStringLiteral("(cm) < t ・・ＯＫ"));
    EXPECT_EQ(thickness[u"shown"], QJsonValue(true));
}

// The hint of the worked example in both outputs; a design without hints shows no section and
// passes --strict.
TEST(CheckCommand, HintsAreListedInPlainAndJsonOutput)
{
    const QJsonObject json = jsonOf(runCheckCommand({"--json", example("worked-example.sou")}).out);
    const QJsonArray hints = json[u"hints"].toArray();
    ASSERT_EQ(hints.size(), 1);
    const QJsonObject hint = hints.first().toObject();
    const QString message =
        QStringLiteral("図－２では Ly/Lx＝1.25 のとき α0≈0.150 です（入力 0.12）。"
                       "α0 が小さいと M0 とプレート厚さを小さく見積もります。");
    EXPECT_EQ(hint[u"kind"].toString(), QStringLiteral("alpha0-below-chart"));
    EXPECT_EQ(hint[u"fields"].toArray(), (QJsonArray{"alpha0", "edgeRatio"}));
    EXPECT_EQ(hint[u"message"].toString(), message);
    EXPECT_DOUBLE_EQ(hint[u"chart"].toDouble(), 0.150);
    const QString plain = QString::fromUtf8(runCheckCommand({example("worked-example.sou")}).out);
    EXPECT_TRUE(
        plain.contains(QStringLiteral("\n［注意］\n  ") + message + QStringLiteral("\n［結論］")))
        << plain.toStdString();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile worked(QString::fromUtf8(example("worked-example.sou")));
    ASSERT_TRUE(worked.open(QIODevice::ReadOnly));
    const QString clean = dir.filePath(QStringLiteral("clean.sou"));
    QFile cleanFile(clean);
    ASSERT_TRUE(cleanFile.open(QIODevice::WriteOnly));
    cleanFile.write(worked.readAll().replace("\"0.12\"", "\"0.15\""));
    cleanFile.close();
    const auto strict = runCheckCommand({"--strict", clean.toUtf8()});
    EXPECT_EQ(strict.exitCode, flange::checkExitOk);
    EXPECT_FALSE(QString::fromUtf8(strict.out).contains(QStringLiteral("［注意］")));
}

// --suggest adds the design assistant's proposals after the conclusion and as "suggestions", and
// changes neither the outcome nor the exit status.
TEST(CheckCommand, SuggestionsJoinPlainAndJsonOutput)
{
    const auto plain = runCheckCommand({"--suggest", example("thickness-ng.sou")});
    EXPECT_EQ(plain.exitCode, flange::checkExitNg);
    EXPECT_TRUE(QString::fromUtf8(plain.out).endsWith(
        QStringLiteral("［修正案］\n"
                       "  使用フランジプレート厚さ(仮定)を 1.5 から 1.6 cm に：プレート厚さ＝1.55 "
                       "cm で ＯＫ\n"
                       "  使用本数を 8 から 10 本 に（α0 は図－２から 0.093 に）：三辺固定版 "
                       "Ly/Lx＝1.01、プレート厚さ＝1.36 cm で ＯＫ\n"
                       "  図－２の α0＝0.150 なら t＝1.73 cm（仮定 1.5 cm で ＮＧ）\n")))
        << plain.out.toStdString();

    const QJsonObject json =
        jsonOf(runCheckCommand({"--suggest", "--jsonl", example("thickness-ng.sou")}).out);
    const QJsonArray suggestions = json[u"suggestions"].toArray();
    ASSERT_EQ(suggestions.size(), 3);
    const QJsonObject count = suggestions[1].toObject();
    EXPECT_EQ(count.keys(), (QStringList{"alpha0", "field", "from", "judgement", "kind", "message",
                                         "results", "step", "to"}));
    EXPECT_EQ(count[u"step"].toString(), QStringLiteral("B-thickness"));
    EXPECT_EQ(count[u"field"].toString(), QStringLiteral("boltCount"));
    EXPECT_EQ(count[u"to"].toString(), QStringLiteral("10"));
    EXPECT_EQ(count[u"alpha0"].toObject()[u"to"].toString(), QStringLiteral("0.093"));
    EXPECT_EQ(count[u"results"].toObject()[u"requiredThickness"].toString(),
              QStringLiteral("1.36"));
    EXPECT_EQ(count[u"judgement"].toString(), QStringLiteral("ok"));

    const QJsonObject unmendable =
        jsonOf(runCheckCommand({"--suggest", "--json", example("file-format-example.sou")})
                   .out)[u"suggestions"][1]
            .toObject();
    EXPECT_EQ(unmendable[u"kind"].toString(), QStringLiteral("not-found"));
    EXPECT_TRUE(unmendable[u"to"].isNull());
    EXPECT_TRUE(unmendable[u"judgement"].isNull());
}

TEST(CheckCommand, PlainOutputListsCaptionValueAndUnit)
{
    const QString out = QString::fromUtf8(runCheckCommand({example("missing-rib-height.sou")}).out);
    for (const char* line :
         {"［ファイル］ " FLANGE_EXAMPLES_DIR "/missing-rib-height.sou\n［入力］\n",
          "  使用ボルト: Ｍ27\n", "  (t・cm)曲げモーメント: 600 t・cm\n",
          "  (cm)リブプレート（RPL）高さ: \n", "  引張応力度: 1.75 t/cm2\n",
          "  ボルト応力度比 σt/(ft0×1.5): 0.833\n",
          "  Ａ.ボルトの算定: < 1.0・・・・・・・・ＯＫ\n", "  Ｃ.リブプレート: （表示なし）\n",
          "数値が入力されていません。"})
        EXPECT_TRUE(out.contains(QString::fromUtf8(line))) << line << "\n" << out.toStdString();
}

TEST(CheckCommand, FileProblemsAreUsageErrors)
{
    for (const QByteArray& path :
         {example("no-such-design.sou"), QByteArray(FLANGE_EXAMPLES_DIR)}) {
        const auto result = runCheckCommand({path});
        EXPECT_EQ(result.exitCode, flange::checkExitUsageOrFile);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains(path)) << result.err.toStdString();
    }
}

TEST(CheckCommand, HelpNamesOptionsAndExitStatuses)
{
    const auto result = runCheckCommand({"--help"});
    EXPECT_EQ(result.exitCode, flange::checkExitOk);
    const QString help = QString::fromUtf8(result.out);
    for (const char* part : {"--json", "--jsonl", "--csv", "--pdf-dir", "--version",
                             "missing-input", "B-thickness", "\"shown\"", "\"error\"", "\"hints\"",
                             "--strict", "--suggest", "0  ok", "1  ng", "3  missing", "4  "})
        EXPECT_TRUE(help.contains(QString::fromUtf8(part))) << part;
}

// A run over several files: every file gets its line, in argument order, and the exit status is
// the run's worst (file error, then missing input, then NG).
struct Run {
    const char* name;
    std::vector<const char*> files;
    int exitCode;
    QStringList outcomes; // per JSON line: the status, or "error"
    bool strict = false;
};

void PrintTo(const Run& r, std::ostream* os) { *os << r.name; }

class CheckRuns : public ::testing::TestWithParam<Run> {};

TEST_P(CheckRuns, ReportEveryFileAndTheWorstStatus)
{
    const auto& r = GetParam();
    QByteArrayList arguments{"--jsonl"};
    if (r.strict)
        arguments += "--strict";
    for (const char* file : r.files)
        arguments += example(file);
    const auto result = runCheckCommand(arguments);
    EXPECT_EQ(result.exitCode, r.exitCode);
    QStringList outcomes;
    for (const QByteArray& line : result.out.split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonObject json = jsonOf(line);
        outcomes += json.contains(u"error") ? QStringLiteral("error") : json[u"status"].toString();
    }
    EXPECT_EQ(outcomes, r.outcomes);
    EXPECT_EQ(result.err.count('\n'), r.outcomes.count(QStringLiteral("error")))
        << result.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, CheckRuns,
    ::testing::Values(
        Run{"AllOk", {"worked-example.sou", "worked-example.sou"}, 0, {"ok", "ok"}},
        Run{"NgOverOk", {"worked-example.sou", "weld-ng.sou"}, 1, {"ok", "ng"}},
        Run{"MissingOverNg",
            {"bolt-ng.sou", "missing-rib-height.sou", "rib-ng.sou"},
            3,
            {"ng", "missing-input", "ng"}},
        Run{"UnreadableOverAll",
            {"missing-rib-height.sou", "none.sou", "weld-ng.sou"},
            2,
            {"missing-input", "error", "ng"}},
        Run{"UnreadableFirst", {"none.sou", "worked-example.sou"}, 2, {"error", "ok"}},
        // The worked example's α0 (0.12, the chart gives 0.150) raises a hint.
        Run{"StrictHintsOverOk", {"worked-example.sou"}, 4, {"ok"}, true},
        Run{"NgOverStrictHints", {"worked-example.sou", "weld-ng.sou"}, 1, {"ok", "ng"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// The plain listing ends each design with where the walk ended and how.
TEST(CheckCommand, PlainOutputConcludesWhereTheWalkEnded)
{
    const std::pair<const char*, const char*> conclusions[] = {
        {"worked-example.sou", "ＯＫ（Ｄ.溶接まで計算し、すべての判定がＯＫです）"},
        {"bolt-ng.sou", "ＮＧ（Ａ.ボルトの算定で先へ進めません）"},
        {"thickness-ng.sou", "ＮＧ（Ｂ.フランジプレート（板厚）で先へ進めません）"},
        {"weld-ng.sou", "ＮＧ（Ｄ.溶接まで計算し、ＮＧの判定があります）"},
        {"missing-rib-height.sou", "数値が入力されていません。（Ｃ.リブプレート）"},
    };
    for (const auto& [file, conclusion] : conclusions) {
        const QString plain = QString::fromUtf8(runCheckCommand({example(file)}).out);
        EXPECT_TRUE(
            plain.endsWith(QStringLiteral("\n［結論］ ") + QString::fromUtf8(conclusion) + u'\n'))
            << file << ": " << plain.toStdString();
    }
}

TEST(CheckCommand, JsonOfSeveralFilesIsAnArrayWithTheirErrors)
{
    const auto result =
        runCheckCommand({"--json", example("worked-example.sou"), example("none.sou")});
    QJsonParseError error;
    const QJsonArray array = QJsonDocument::fromJson(result.out, &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
    ASSERT_EQ(array.size(), 2);
    EXPECT_EQ(array[0][u"status"].toString(), QStringLiteral("ok"));
    EXPECT_EQ(array[1].toObject().keys(), (QStringList{"error", "file"}));
    EXPECT_TRUE(array[1][u"error"].toString().contains(QStringLiteral("none.sou")));
}

TEST(CheckCommand, CsvHasAMarkAHeaderAndOneRowPerFile)
{
    const auto result = runCheckCommand({"--csv", example("weld-ng.sou"), "--", "=1+1,x.sou"});
    ASSERT_TRUE(result.out.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(result.out.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4) << "header, two rows, nothing after the last line end";
    const QStringList header = lines[0].split(u',');
    EXPECT_EQ(header.size(), 3 + 16 + 8 + 1);
    EXPECT_EQ(header.mid(0, 4), (QStringList{"file", "step", "status", "boltTension"}));
    EXPECT_EQ(header.mid(header.size() - 3),
              (QStringList{"weldVerdict", "weldVerdictShown", "error"}));
    const QStringList weld = lines[1].split(u',');
    EXPECT_EQ(weld.size(), header.size());
    EXPECT_EQ(weld[1] + u' ' + weld[2] + u' ' + weld[header.indexOf(u"weldRatio")],
              QStringLiteral("D ng 1.411"));
    EXPECT_EQ(weld[header.indexOf(u"weldVerdictShown")], QStringLiteral("true"));
    // The unreadable file: quoted for its comma, kept from being taken as a formula.
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("\"'=1+1,x.sou\",,,")))
        << lines[2].toStdString();
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("が見つかりません。\"")))
        << lines[2].toStdString();
    EXPECT_EQ(lines[3], QString());
}

// A design file can hold any bytes; the plain listing shows control characters visibly, so a file
// cannot move the cursor, recolour the screen or pass off text as the checker's.
TEST(CheckCommand, PlainOutputShowsControlCharactersVisibly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray path = dir.filePath(QStringLiteral("escapes.sou")).toUtf8();
    QFile file(QString::fromUtf8(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"\x1b[2J\x07\x08\",\"5.73\"\r\n");
    file.close();
    const auto result = runCheckCommand({path});
    EXPECT_EQ(result.exitCode, flange::checkExitMissingInput);
    EXPECT_TRUE(result.out.contains("  使用ボルト: \\x1B[2J\\x07\\x08\n"))
        << result.out.toStdString();
    for (const char c : result.out)
        EXPECT_TRUE(uchar(c) >= 0x20 || c == '\n') << "control byte " << int(c);
    // JSON escapes them and gives the text back as it was.
    const QByteArray json = runCheckCommand({"--jsonl", path}).out;
    EXPECT_FALSE(json.contains('\x1b'));
    EXPECT_EQ(jsonOf(json)[u"fields"][u"boltSize"].toString(), QStringLiteral("\x1b[2J\x07\x08"));
}

// Names in code page 932 bytes, as archives from Windows machines hold them, are opened as given
// and shown with their odd bytes written out.
TEST(CheckCommand, NonUtf8FileNamesAreOpenedAndShown)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray name = dir.path().toUtf8() + "/\x90\xdd\x8c\x76.sou"; // 設計.sou
    QFile source(QString::fromUtf8(example("worked-example.sou")));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, bytes.constData(), std::size_t(bytes.size())), bytes.size());
    ::close(fd);
    const auto result = runCheckCommand({"--json", name});
    EXPECT_EQ(result.exitCode, flange::checkExitOk) << result.err.toStdString();
    EXPECT_EQ(jsonOf(result.out)[u"file"].toString(),
              dir.path() + QStringLiteral("/\\x90\\xDD\\x8Cv.sou"));
    const auto missing = runCheckCommand({name + ".missing"});
    EXPECT_TRUE(missing.err.contains("/\\x90\\xDD\\x8Cv.sou.missing」"))
        << missing.err.toStdString();
}

// The line after a usage error names every option of the help's synopsis.
TEST(CheckCommand, UsageLineIsTheHelpsSynopsisOnOneLine)
{
    const QStringList help = flange::checkCommandHelp().split(u'\n');
    EXPECT_EQ(flange::checkCommandUsage(),
              help[0] + u' ' + help[1].trimmed() + QStringLiteral("（詳しくは --help）"));
}

// Files that are not what Save As writes are read as the format says, and the checker names what
// reading noticed as hints of their own kinds.
TEST(CheckCommand, NamesWhatReadingAFileNoticed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& file : flange::testing::hostileDesignFiles()) {
        SCOPED_TRACE(file.name);
        const QString path = dir.filePath(QStringLiteral("hostile.sou"));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(file.bytes);
        out.close();
        const auto result = runCheckCommand({"--json", QFile::encodeName(path)});
        const QJsonObject json = jsonOf(result.out);
        QStringList kinds;
        for (const QJsonValue hint : json[u"hints"].toArray()) {
            const QString kind = hint[u"kind"].toString();
            const QString message = hint[u"message"].toString();
            kinds << kind;
            if (kind == u"unreadable-field") {
                EXPECT_TRUE(message.contains(QString::fromUtf8(file.unreadable)))
                    << message.toStdString();
                EXPECT_EQ(hint[u"fields"].toArray().size(), 1);
            }
            for (const char* departure :
                 kind == u"file-form" ? file.departures : std::vector<const char*>{})
                EXPECT_TRUE(message.contains(QString::fromUtf8(departure)))
                    << message.toStdString();
        }
        EXPECT_EQ(kinds.contains(u"unreadable-field"_qs), file.unreadable != nullptr);
        EXPECT_EQ(kinds.contains(u"file-form"_qs), !file.departures.empty());
        // Read as the format says: the inputs the walk started from are the decoded ones.
        const auto inputs = flange::decodeDesignFile(file.bytes);
        EXPECT_EQ(json[u"fields"][u"boltCount"].toString().toStdString(), inputs[2]);
    }
}

} // namespace
