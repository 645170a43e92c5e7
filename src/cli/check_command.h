#pragma once

// flangecheck-cli: checks design files from the command line, each as the main window would after
// Open and the engineer pressing each step's calculate and "next >>" in turn (see
// cli/check_arguments.h for the command line).
//
// The command is a plain function of its arguments writing to a sink, so that tests can run it
// without a process and the program can stream a long run's output as it goes.

#include "suggest/design_walk.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>

namespace flange {

// Exit statuses of the command over the whole run: the first that applies.
enum CheckExitStatus : int {
    checkExitOk = 0,           // every design reached step D with every judgement OK
    checkExitNg = 1,           // a design stopped at an NG judgement, or step D has one
    checkExitUsageOrFile = 2,  // wrong arguments, a design file not read or a report not written
    checkExitMissingInput = 3, // a design stopped at a step with an empty input it needs
    checkExitHints = 4,        // with --strict: every design passed, but one raised hints
};

// What a run met, design by design; its exit status follows from the counts.
struct RunTally {
    int fileErrors = 0; // design files not read and reports not written
    int missingInput = 0;
    int ng = 0;
    int ok = 0;
    int hinted = 0; // designs that passed but raised hints

    void add(WalkStatus status, bool hasHints = false);
    // 2 before 3 before 1 before 4 (only when strict) before 0: a fault in the run outweighs every
    // design's outcome, a design that could not be checked to its end outweighs one that was
    // judged NG, and any judgement outweighs a hint.
    int exitStatus(bool strict = false) const;
};

// Where the command writes. err() gets whole lines: the checker's own messages, each naming the
// file and the reason.
class CheckSink {
public:
    virtual ~CheckSink() = default;
    virtual void out(QByteArrayView bytes) = 0;
    virtual void err(QByteArrayView bytes) = 0;
    // After each design: how many of the run's designs are done.
    virtual void progress(qsizetype /*done*/, qsizetype /*total*/) {}
};

// Runs the whole command on the arguments (without the program name, as the bytes the shell
// passed) and returns its exit status. Writing reports (--pdf, --pdf-dir) needs a running
// QGuiApplication; wantsReports tells whether the arguments ask for one.
int runCheckCommand(const QByteArrayList& arguments, CheckSink& sink);
bool wantsReports(const QByteArrayList& arguments);

// The same with standard output and standard error kept in memory, UTF-8.
struct CheckCommandResult {
    int exitCode = checkExitUsageOrFile;
    QByteArray out;
    QByteArray err;
};
CheckCommandResult runCheckCommand(const QByteArrayList& arguments);

} // namespace flange
