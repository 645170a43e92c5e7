#include "ui/shell/command_line.h"

#include "ui/common/program_name.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace flange {

namespace {

// Qt's own options, which QApplication takes out of the arguments. They are known here so that
// the arguments are judged before Qt starts, and so without a display.
struct QtOption {
    const char* name;
    bool takesValue;
};

constexpr QtOption qtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"display", true},         {"name", true},
    {"qwindowgeometry", true}, {"geometry", true},
    {"qwindowtitle", true},    {"title", true},
    {"qwindowicon", true},     {"icon", true},
    {"session", true},         {"style", true},
    {"stylesheet", true},      {"qmljsdebugger", true},
    {"reverse", false},        {"widgetcount", false},
    {"nograb", false},         {"dograb", false},
    {"sync", false},
};

CommandLine refuse(const QString& message) { return {CommandLine::Action::Refuse, {}, message}; }

// The name of an option argument as the parser reports it: without its dashes and its value.
QString optionName(const QString& argument)
{
    QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    return name.left(name.indexOf(QLatin1Char('=')));
}

// The first argument before "--" that names an unknown option, as it was typed.
QString firstUnknown(const QStringList& arguments, const QStringList& unknownNames)
{
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--"))
            break;
        if (argument == QStringLiteral("-")
            || (argument.startsWith(QLatin1Char('-'))
                && unknownNames.contains(optionName(argument))))
            return argument;
    }
    return {};
}

} // namespace

// --help and --version win over everything else, wherever they stand among the options; the
// first of them wins.
CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's options are words after a single dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({help, version});
    for (const QtOption& qt : qtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        parser.addOption(option);
    }
    const bool parsed = parser.parse(QStringList{QStringLiteral("flangecheck")} + arguments);

    for (const QString& name : parser.optionNames()) {
        if (help.names().contains(name))
            return {CommandLine::Action::Help, {}, {}};
        if (version.names().contains(name))
            return {CommandLine::Action::Version, {}, {}};
    }
    // "-" alone is no option, but it names no file either.
    const QString unknown = firstUnknown(arguments, parser.unknownOptionNames());
    if (!unknown.isEmpty())
        return refuse(QStringLiteral("不明なオプションです: %1").arg(unknown));
    if (!parsed)
        return refuse(
            QStringLiteral("オプションの値が正しくありません: %1").arg(parser.errorText()));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refuse(
            QStringLiteral("開けるファイルは一つだけです: %1").arg(files.join(QLatin1Char(' '))));
    if (files.size() == 1 && files.constFirst().isEmpty())
        return refuse(QStringLiteral("ファイル名が空です"));
    if (files.size() == 1)
        return {CommandLine::Action::Open, files.constFirst(), {}};
    return {};
}

QString usageLine() { return QStringLiteral("使い方: flangecheck [鋼管仕口ファイル.sou]\n"); }

QString usageText()
{
    return usageLine() + QString::fromUtf8(programName)
           + QStringLiteral(": 丸型鋼管接合部の設計計算。\n"
                            "ファイルを指定すると、起動してからそのファイルを開きます。\n"
                            "\n"
                            "  --help     この説明を表示して終了します\n"
                            "  --version  版を表示して終了します\n");
}

QString versionText(const QString& version)
{
    return QStringLiteral("flangecheck (%1) %2\n").arg(QString::fromUtf8(programName), version);
}

} // namespace flange
