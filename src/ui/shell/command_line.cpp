#include "ui/shell/command_line.h"

namespace flange {

namespace {

CommandLine refuse(const QString& message) { return {CommandLine::Action::Refuse, {}, message}; }

} // namespace

// --help and --version win over everything else, wherever they stand among the options.
CommandLine parseCommandLine(const QStringList& arguments)
{
    QStringList files;
    QString unknown;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')))
            files << argument;
        else if (argument == QStringLiteral("--"))
            optionsEnded = true;
        else if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h"))
            return {CommandLine::Action::Help, {}, {}};
        else if (argument == QStringLiteral("--version"))
            return {CommandLine::Action::Version, {}, {}};
        else if (unknown.isEmpty())
            unknown = argument;
    }
    if (!unknown.isEmpty())
        return refuse(QStringLiteral("不明なオプションです: %1").arg(unknown));
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
    return usageLine()
           + QStringLiteral("ペルグリン: 丸型鋼管接合部の設計計算。\n"
                            "ファイルを指定すると、起動してからそのファイルを開きます。\n"
                            "\n"
                            "  --help     この説明を表示して終了します\n"
                            "  --version  版を表示して終了します\n");
}

QString versionText(const QString& version)
{
    return QStringLiteral("flangecheck (ペルグリン) %1\n").arg(version);
}

} // namespace flange
