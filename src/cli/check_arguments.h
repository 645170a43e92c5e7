#pragma once

// The command line of flangecheck-cli, taken as the bytes the shell passed: file names need not
// be UTF-8 (names from Windows archives are often code page 932).
//
//   flangecheck-cli [--json | --jsonl | --csv] [--pdf OUT.pdf | --pdf-dir DIR] [--strict]
//                   [--suggest] FILE...

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <optional>

namespace flange {

enum class OutputFormat { Plain, Json, JsonLines, Csv };

struct CheckOptions {
    bool help = false;
    bool version = false;
    OutputFormat format = OutputFormat::Plain;
    bool strict = false;  // a run that passes but raised hints ends with its own status
    bool suggest = false; // the design assistant's proposals join each design's output
    QByteArrayList files; // in argument order; "-" is standard input
    std::optional<QByteArray> pdfPath; // --pdf: the report of the one design
    std::optional<QByteArray> pdfDir;  // --pdf-dir: one report per design in this folder
};

struct ParsedCheckArguments {
    CheckOptions options;
    QString error; // what is wrong with the arguments, for the engineer; empty when they are fine
};

// The options of the arguments (without the program name). A lone "-" is a file (standard input);
// an argument after "--" is always a file, even when it begins with "-".
ParsedCheckArguments parseCheckArguments(const QByteArrayList& arguments);

// The text of --help and the line of --version.
QString checkCommandHelp();
QString checkCommandVersion();

} // namespace flange
