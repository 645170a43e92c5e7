#include "cli/check_arguments.h"

#include "cli/design_source.h"
#include "cli/shown_text.h"

namespace flange {

namespace {

struct FormatOption {
    const char* name;
    OutputFormat format;
};
constexpr FormatOption formatOptions[] = {{"--json", OutputFormat::Json},
                                          {"--jsonl", OutputFormat::JsonLines},
                                          {"--csv", OutputFormat::Csv}};

// An option that takes a value, as "--pdf X" or "--pdf=X".
struct ValueOption {
    const char* name;
    std::optional<QByteArray> CheckOptions::*target;
    const char* what; // what the value names, for the message when it is missing
};
constexpr ValueOption valueOptions[] = {
    {"--pdf", &CheckOptions::pdfPath, "出力する PDF ファイル名"},
    {"--pdf-dir", &CheckOptions::pdfDir, "計算書を書き出すフォルダー名"},
};

class Parser {
public:
    ParsedCheckArguments parse(const QByteArrayList& arguments)
    {
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const QByteArray& argument = arguments[i];
            if (onlyFilesFollow_ || argument == standardInputName || !argument.startsWith('-'))
                addFile(argument);
            else if (argument == "--")
                onlyFilesFollow_ = true;
            else if (const ValueOption* option = valueOption(argument))
                takeValue(*option, argument, arguments, i);
            else
                takeFlag(argument);
        }
        checkCombination();
        return std::move(parsed_);
    }

private:
    void fail(const QString& error)
    {
        if (parsed_.error.isEmpty())
            parsed_.error = error;
    }

    void addFile(const QByteArray& file)
    {
        if (file == standardInputName && parsed_.options.files.contains(file))
            fail(QStringLiteral("標準入力（-）は1回だけ指定できます。"));
        parsed_.options.files.append(file);
    }

    static const ValueOption* valueOption(const QByteArray& argument)
    {
        for (const ValueOption& option : valueOptions) {
            const QByteArrayView name(option.name);
            if (argument == name || (argument.startsWith(name) && argument.at(name.size()) == '='))
                return &option;
        }
        return nullptr;
    }

    void takeValue(const ValueOption& option, const QByteArray& argument,
                   const QByteArrayList& arguments, qsizetype& i)
    {
        const QByteArrayView name(option.name);
        std::optional<QByteArray> value;
        if (argument.size() > name.size())
            value = argument.mid(name.size() + 1);
        else if (i + 1 < arguments.size())
            value = arguments[++i];
        if (!value || value->isEmpty()) {
            fail(QStringLiteral("%1 のあとに%2を指定してください。")
                     .arg(QString::fromLatin1(name), QString::fromUtf8(option.what)));
            return;
        }
        parsed_.options.*option.target = *value;
    }

    void takeFlag(const QByteArray& argument)
    {
        CheckOptions& options = parsed_.options;
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--strict") {
            options.strict = true;
        } else if (argument == "--suggest") {
            options.suggest = true;
        } else if (const auto format = formatOf(argument)) {
            if (formatGiven_ && options.format != *format)
                fail(QStringLiteral("--json、--jsonl、--csv はどれか1つだけ指定してください。"));
            options.format = *format;
            formatGiven_ = true;
        } else {
            fail(QStringLiteral("知らないオプション「%1」です。").arg(shownFileName(argument)));
        }
    }

    static std::optional<OutputFormat> formatOf(const QByteArray& argument)
    {
        for (const FormatOption& option : formatOptions)
            if (argument == option.name)
                return option.format;
        return std::nullopt;
    }

    void checkCombination()
    {
        const CheckOptions& options = parsed_.options;
        if (options.pdfPath && options.pdfDir)
            fail(QStringLiteral("--pdf と --pdf-dir は一緒に指定できません。"));
        if (options.pdfPath && options.files.size() > 1)
            fail(QStringLiteral("--pdf は設計ファイルが1つのときだけ使えます。"
                                "いくつものファイルには --pdf-dir を使ってください。"));
        if (options.suggest && options.format == OutputFormat::Csv)
            fail(QStringLiteral("--suggest は --csv と一緒に指定できません。"));
        if (options.files.isEmpty())
            fail(QStringLiteral("設計ファイルを指定してください。"));
    }

    ParsedCheckArguments parsed_;
    bool onlyFilesFollow_ = false;
    bool formatGiven_ = false;
};

} // namespace

ParsedCheckArguments parseCheckArguments(const QByteArrayList& arguments)
{
    return Parser().parse(arguments);
}

QString checkCommandVersion()
{
    return QStringLiteral("flangecheck-cli " FLANGECHECK_VERSION "\n");
}

// The help is laid out as it appears on a terminal, one source line per output line.
// clang-format off
QString checkCommandHelp()
{
    return QStringLiteral(
        "使い方: flangecheck-cli [--json | --jsonl | --csv] [--pdf 出力.pdf | --pdf-dir フォルダー]\n"
        "                        [--strict] [--suggest] 設計ファイル.sou ...\n"
        "\n"
        "鋼管仕口ファイル（.sou）を引数の順に開き、画面で「計　　算」と「next >>」を順に押したときと\n"
        "同じように計算を進めます。ファイルを開いた直後と同じく、結果はすべて空、判定は表示なしから\n"
        "始めます。- は標準入力から設計を1つ読みます。読めないファイルは理由を標準エラーに出力し、\n"
        "残りのファイルはそのまま調べます。\n"
        "\n"
        "  Ａ.ボルトの算定 → Ｂ.フランジプレート（形状） → Ｂ.フランジプレート（板厚）\n"
        "  → Ｃ.リブプレート → Ｄ.溶接\n"
        "\n"
        "各段階で計算し、その段階の「next >>」が有効になったときだけ次の段階へ進みます。\n"
        "必要な入力が空の段階（「数値が入力されていません。」）、判定がＮＧで「next >>」が\n"
        "無効のままの段階、またはＤ.溶接の計算のあとで止まります。\n"
        "\n"
        "出力（標準出力、UTF-8）:\n"
        "  指定なし    設計ごとに、ファイル名の見出しのあと入力・結果・判定を1行ずつ（見出し、値、\n"
        "              単位）出力し、注意があれば「［注意］」に1件ずつ、最後に結論を出力します。\n"
        "              制御文字は \\x1B、\\u009B の形で表します。\n"
        "  --json      設計ごとに次の形の JSON を出力します。ファイルが1つならそのオブジェクトを、\n"
        "              いくつもあればその配列を出力します。\n"
        "                {\"file\": ファイル名,\n"
        "                 \"step\": \"A\" | \"B-shape\" | \"B-thickness\" | \"C\" | \"D\",\n"
        "                 \"status\": \"ok\" | \"ng\" | \"missing-input\",\n"
        "                 \"fields\": {入力17項目と結果16項目の文字列、boltSize から weldRatio まで},\n"
        "                 \"verdicts\": {\"boltVerdict\": {\"text\": 判定の文字列, \"shown\": true | false},\n"
        "                              \"thicknessVerdict\": ..., \"ribVerdict\": ..., \"weldVerdict\": ...},\n"
        "                 \"hints\": [{\"kind\": \"alpha0-below-chart\" | \"ratio-outside-chart\"\n"
        "                                 | \"unreadable-number\" | \"geometry\",\n"
        "                            \"fields\": [関係する項目名], \"message\": 注意の文,\n"
        "                            \"chart\": 図－２の α0（alpha0-below-chart のみ）}, ...]}\n"
        "              step は止まった段階です。status が \"ok\" になるのは、Ｄ.溶接まで計算し\n"
        "              4つの判定がすべてＯＫのときだけです。読めないファイルは\n"
        "                {\"file\": ファイル名, \"error\": 理由}\n"
        "              です。標準入力の設計のファイル名は \"-\" です。\n"
        "  --jsonl     同じオブジェクトを、設計ごとに1行ずつ出力します。\n"
        "  --csv       設計ごとに1行の CSV を、BOM 付き UTF-8 で出力します（表計算ソフトで開けます）。\n"
        "              列: file, step, status, 結果16項目（boltTension から weldRatio まで）,\n"
        "              判定4つの文字列と表示（boltVerdict, boltVerdictShown, ...）, error\n"
        "              読めないファイルの行は file と error だけです。\n"
        "\n"
        "オプション:\n"
        "  --pdf 出力.pdf\n"
        "              計算のあと、その時点の設計データで計算書（A4 縦 2 ページ）を PDF に\n"
        "              書き出します。印刷と同じ描き方です。設計ファイルが1つのときだけ使えます。\n"
        "              設計ファイル自身や、ファイルでないもの（フォルダー、FIFO など）には\n"
        "              書き出しません。\n"
        "  --pdf-dir フォルダー\n"
        "              設計ごとに計算書をフォルダー/名前.pdf に書き出します（名前は設計ファイル名から\n"
        "              拡張子を除いたもの、標準入力の設計は stdin）。同じ名前が重なると名前-2.pdf、\n"
        "              名前-3.pdf …とします。この実行の設計ファイルには書き出しません。\n"
        "  --strict    判定がすべてＯＫでも注意があれば、終了コード 4 で終わります。\n"
        "  --suggest   ＮＧで止まった段階について、入力を1つだけ変えてＯＫになる最小の値（修正案）を、\n"
        "              同じ計算を設計の写しでやり直して確かめたうえで出力します。ボルト本数と\n"
        "              ボルト列直径の案は Ly/Lx が変わるので、α0 も新しい Ly/Lx で図－２から読み直します。\n"
        "              今の値の3倍までで見つからなければ「この入力だけでは ＯＫ になりません」とします。\n"
        "              α0 が図－２より小さいときは、図－２の α0 での t と判定も出力します。\n"
        "              一覧では「［修正案］」に1件ずつ、JSON では \"suggestions\": [{\"step\", \"field\",\n"
        "              \"from\", \"to\", \"results\", \"judgement\", \"kind\", \"message\"}, ...] です。\n"
        "              --csv とは一緒に使えません。判定と終了コードは変わりません。\n"
        "  -h, --help  この説明を出力します。\n"
        "  --version   プログラム名と版を出力します。\n"
        "  --          これより後ろは、- で始まっていてもファイル名とみなします。\n"
        "\n"
        "終了コード（すべての設計を通して）:\n"
        "  2                 引数の誤り、読めない設計ファイル、または書き出せない計算書がある\n"
        "                    （理由を標準エラーに出力）\n"
        "  3  missing-input  そうでなく、必要な入力が空の段階で止まった設計がある\n"
        "  1  ng             そうでなく、ＮＧの判定で止まった、またはＤ.溶接の計算でＮＧの判定が\n"
        "                    ある設計がある\n"
        "  4                 --strict のとき、そうでなく、注意のある設計がある\n"
        "  0  ok             すべての設計がＤ.溶接まで計算し、すべての判定がＯＫ\n"
        "\n"
        "注意（判定には影響しません）: 図－２で読める α0 より 0.005 を超えて小さい α0、\n"
        "図－２の範囲（Ly/Lx 0.5～4.0）の外の Ly/Lx、数値として読めない入力、\n"
        "組み立てられない形状（ボルト孔が管やフランジの縁にかかる、孔が重なる など）。\n");
}
// clang-format on

} // namespace flange
