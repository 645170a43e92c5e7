#pragma once

// The standard output of one run of the checker over many designs, in the chosen format: the
// pieces are written as the run goes, so a long run never holds its whole output.
//
//   plain   one block per design, headed by its file name, blocks apart by an empty line
//   json    the design's object for one file operand, an array of them for several
//   jsonl   one compact object per line
//   csv     a byte-order mark, a header row, then one row per design (CR LF line ends)
//
// A file that could not be read is {"file": ..., "error": ...} in JSON, a row with only file and
// error in CSV, and nothing in the plain listing (its message goes to standard error).

#include "cli/check_arguments.h"
#include "cli/walk_report.h"
#include "suggest/design_walk.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace flange {

class RunOutput {
public:
    RunOutput(OutputFormat format, qsizetype fileOperands);

    QByteArray begin() const;
    // `hints`: what reading the file noticed, then the record's; `suggestions` with --suggest only.
    QByteArray design(const QString& file, const WalkResult& walk, const std::vector<Hint>& hints,
                      const std::vector<Suggestion>* suggestions = nullptr);
    QByteArray unreadable(const QString& file, const QString& error);
    QByteArray end() const;

private:
    JsonLayout jsonLayout() const;
    QByteArray jsonEntry(const QByteArray& text);

    OutputFormat format_;
    bool jsonArray_;
    qsizetype entries_ = 0;
};

// One CSV line of the cells, quoted where a cell holds a comma, a quote or a line end. A file name
// that a spreadsheet would take as a formula (=, +, -, @ first) gets a leading apostrophe.
QByteArray csvLine(const QStringList& cells);
QString csvFileCell(const QString& file);

} // namespace flange
