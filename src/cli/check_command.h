#pragma once

// flangecheck-cli: checks a design file from the command line, as the main window would after
// Open and the engineer pressing each step's calculate and "next >>" in turn.
//
//   flangecheck-cli [--json] [--strict] [--pdf REPORT.pdf] DESIGN.sou
//
// The command is a plain function of its arguments so that tests can run it without a process.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace flange {

// Exit statuses of the command.
enum CheckExitStatus : int {
    checkExitOk = 0,           // step D reached and every judgement OK
    checkExitNg = 1,           // stopped by an NG judgement, or step D has one
    checkExitUsageOrFile = 2,  // wrong arguments, or the design file cannot be read
    checkExitMissingInput = 3, // stopped at a step with an empty input it needs
    checkExitHints = 4,        // with --strict: every judgement OK, but the design raised hints
};

struct CheckOptions {
    bool help = false;
    bool json = false;
    bool strict = false; // a passing run with hints ends with checkExitHints
    QString designPath;
    QString pdfPath; // where to write the calculation report after the walk; empty for none
};

struct ParsedCheckArguments {
    CheckOptions options;
    QString error; // what is wrong with the arguments, for the engineer; empty when they are fine
};

// The options of the arguments (without the program name). An argument after "--" is always taken
// as the file name, even when it begins with "-".
ParsedCheckArguments parseCheckArguments(const QStringList& arguments);

// The text of --help.
QString checkCommandHelp();

struct CheckCommandResult {
    int exitCode = checkExitUsageOrFile;
    QByteArray out; // for standard output, UTF-8
    QByteArray err; // for standard error, UTF-8
};

// Runs the whole command on the arguments (without the program name).
CheckCommandResult runCheckCommand(const QStringList& arguments);

} // namespace flange
