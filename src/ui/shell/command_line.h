#pragma once

// The window program's arguments: none starts it as usual, one design file starts it and opens the
// file as "開く(&O)" does, --version and --help answer on standard output without a window, and
// anything else is refused with a message on standard error (exit status 2).

#include <QString>
#include <QStringList>

namespace flange {

struct CommandLine {
    enum class Action { Start, Open, Version, Help, Refuse };
    Action action = Action::Start;
    QString path;    // Open: the design file as given
    QString message; // Refuse: what was wrong, one line
};

// `arguments` without the program name. Qt's own options ("-platform offscreen") are passed over,
// so that the arguments can be judged before Qt starts, which needs a display.
CommandLine parseCommandLine(const QStringList& arguments);

// The answers of --help and --version, and the line shown under a refusal, each ending in a
// newline.
QString usageText();
QString usageLine();
QString versionText(const QString& version);

} // namespace flange
