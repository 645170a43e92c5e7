#include "cli/check_command.h"

#include "calc/hints.h"
#include "cli/design_walk.h"
#include "cli/file_error_message.h"
#include "cli/walk_report.h"
#include "io/design_file.h"
#include "report/report_pdf.h"

namespace flange {

namespace {

const QString programName = QStringLiteral("flangecheck-cli");

int exitStatusOf(WalkStatus status)
{
    switch (status) {
    case WalkStatus::Ok: return checkExitOk;
    case WalkStatus::Ng: return checkExitNg;
    case WalkStatus::MissingInput: return checkExitMissingInput;
    }
    return checkExitUsageOrFile;
}

CheckCommandResult failure(const QString& message)
{
    return {checkExitUsageOrFile, {}, QStringLiteral("%1: %2\n").arg(programName, message).toUtf8()};
}

} // namespace

ParsedCheckArguments parseCheckArguments(const QStringList& arguments)
{
    ParsedCheckArguments parsed;
    CheckOptions& options = parsed.options;
    bool onlyFilesFollow = false;
    bool pdfPathFollows = false;
    for (const QString& argument : arguments) {
        if (pdfPathFollows) {
            options.pdfPath = argument;
            pdfPathFollows = false;
        } else if (!onlyFilesFollow && argument == QStringLiteral("--")) {
            onlyFilesFollow = true;
        } else if (!onlyFilesFollow && argument.startsWith(u'-') && argument.size() > 1) {
            if (argument == QStringLiteral("--json"))
                options.json = true;
            else if (argument == QStringLiteral("--strict"))
                options.strict = true;
            else if (argument == QStringLiteral("--pdf"))
                pdfPathFollows = true;
            else if (argument.startsWith(QStringLiteral("--pdf=")))
                options.pdfPath = argument.mid(6);
            else if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h"))
                options.help = true;
            else if (parsed.error.isEmpty())
                parsed.error = QStringLiteral("知らないオプション「%1」です。").arg(argument);
        } else if (options.designPath.isEmpty()) {
            options.designPath = argument;
        } else if (parsed.error.isEmpty()) {
            parsed.error = QStringLiteral("設計ファイルは1つだけ指定してください。");
        }
    }
    if ((pdfPathFollows || (options.pdfPath.isEmpty() && arguments.contains(QStringLiteral("--pdf="))))
        && parsed.error.isEmpty())
        parsed.error = QStringLiteral("--pdf のあとに出力する PDF ファイル名を指定してください。");
    if (!options.help && options.designPath.isEmpty() && parsed.error.isEmpty())
        parsed.error = QStringLiteral("設計ファイルを指定してください。");
    return parsed;
}

QString checkCommandHelp()
{
    return QStringLiteral(
        "使い方: flangecheck-cli [--json] [--strict] [--pdf 出力.pdf] 設計ファイル.sou\n"
        "\n"
        "鋼管仕口ファイル（.sou）を開き、画面で「計　　算」と「next >>」を順に押したときと同じように\n"
        "計算を進めます。ファイルを開いた直後と同じく、結果はすべて空、判定は表示なしから始めます。\n"
        "\n"
        "  Ａ.ボルトの算定 → Ｂ.フランジプレート（形状） → Ｂ.フランジプレート（板厚）\n"
        "  → Ｃ.リブプレート → Ｄ.溶接\n"
        "\n"
        "各段階で計算し、その段階の「next >>」が有効になったときだけ次の段階へ進みます。\n"
        "必要な入力が空の段階（「数値が入力されていません。」）、判定がＮＧで「next >>」が\n"
        "無効のままの段階、またはＤ.溶接の計算のあとで止まります。\n"
        "\n"
        "オプション:\n"
        "  --json      結果を次の形の JSON で出力します（UTF-8）。\n"
        "                {\"step\": \"A\" | \"B-shape\" | \"B-thickness\" | \"C\" | \"D\",\n"
        "                 \"status\": \"ok\" | \"ng\" | \"missing-input\",\n"
        "                 \"fields\": {入力17項目と結果16項目の文字列、boltSize から weldRatio まで},\n"
        "                 \"verdicts\": {\"boltVerdict\": {\"text\": 判定の文字列, \"shown\": true | false},\n"
        "                              \"thicknessVerdict\": ..., \"ribVerdict\": ..., \"weldVerdict\": ...},\n"
        "                 \"hints\": [{\"kind\": \"alpha0-below-chart\" | \"ratio-outside-chart\"\n"
        "                                 | \"unreadable-number\" | \"geometry\",\n"
        "                            \"fields\": [関係する項目名], \"message\": 注意の文,\n"
        "                            \"chart\": 図－２の α0（alpha0-below-chart のみ）}, ...]}\n"
        "              step は止まった段階です。status が \"ok\" になるのは、Ｄ.溶接まで計算し\n"
        "              4つの判定がすべてＯＫのときだけです。\n"
        "              --json がなければ、入力・結果・判定を1行ずつ（見出し、値、単位）出力し、\n"
        "              注意があれば「［注意］」に1件ずつ、最後に結論を出力します。\n"
        "  --strict    判定がすべてＯＫでも注意があれば終了コード 4 で終わります。\n"
        "  --pdf 出力.pdf\n"
        "              計算のあと、その時点の設計データで計算書（A4 縦 2 ページ）を\n"
        "              PDF に書き出します。印刷と同じ描き方です。書き出せなければ終了コード 2。\n"
        "  -h, --help  この説明を出力します。\n"
        "  --          これより後ろは、- で始まっていてもファイル名とみなします。\n"
        "\n"
        "終了コード:\n"
        "  0  ok             Ｄ.溶接まで計算し、すべての判定がＯＫ\n"
        "  1  ng             ＮＧの判定で止まった、またはＤ.溶接の計算でＮＧの判定がある\n"
        "  2                 引数の誤り、または設計ファイルを読めない（理由を標準エラーに出力）\n"
        "  3  missing-input  必要な入力が空の段階で止まった\n"
        "  4                 --strict のとき、すべての判定がＯＫだが注意がある\n"
        "\n"
        "注意（判定には影響しません）: 図－２で読める α0 より 0.005 を超えて小さい α0、\n"
        "図－２の範囲（Ly/Lx 0.5～4.0）の外の Ly/Lx、数値として読めない入力、\n"
        "組み立てられない形状（ボルト孔が管やフランジの縁にかかる、孔が重なる など）。\n");
}

CheckCommandResult runCheckCommand(const QStringList& arguments)
{
    const ParsedCheckArguments parsed = parseCheckArguments(arguments);
    const CheckOptions& options = parsed.options;
    if (options.help)
        return {checkExitOk, checkCommandHelp().toUtf8(), {}};
    if (!parsed.error.isEmpty())
        return failure(parsed.error
                       + QStringLiteral("\n使い方: flangecheck-cli [--json] [--strict] [--pdf 出力.pdf] 設計ファイル.sou"
                                        "（詳しくは --help）"));

    const DesignFileRead read = readDesignFile(options.designPath);
    if (read.error)
        return failure(designFileErrorMessage(*read.error));
    const WalkResult walk = walkDesign(read.inputs);
    QByteArray out = options.json ? jsonReport(walk) : plainReport(walk);
    int exitCode = exitStatusOf(walk.status);
    if (options.strict && exitCode == checkExitOk && !findHints(walk.record).empty())
        exitCode = checkExitHints;
    if (options.pdfPath.isEmpty())
        return {exitCode, out, {}};
    if (const FileOutcome written = writeReportPdf(walk.record, options.pdfPath)) {
        CheckCommandResult result = failure(reportFileErrorMessage(*written));
        result.out = out;
        return result;
    }
    return {exitCode, out, {}};
}

} // namespace flange
