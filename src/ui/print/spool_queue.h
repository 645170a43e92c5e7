#pragma once

// The spooler program (the CUPS client `lp`) run for one print job after another, on the event
// loop: the window stays responsive while the spooler takes a job, and a job is handed on only
// once the one before it has been answered. The answer of each job is reported when known: exit
// status 0 is printed, another status or a program that never starts is failed, and a program
// that gives no answer in time (or crashes) leaves the job's fate unknown, since it may have
// queued the job first. It is killed then. Jobs still on their way when the queue goes (at the end
// of the run) are handed on before it is gone.

#include "report/print_job.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QProcess;

namespace flange {

class SpoolQueue : public QObject {
public:
    // `answerTimeoutMs` bounds the wait for the program to start, and again for its answer.
    explicit SpoolQueue(QString program = QStringLiteral("lp"), int answerTimeoutMs = 60'000);
    ~SpoolQueue() override;

    // Runs the program with `arguments` after the jobs submitted before, and calls `answered` with
    // the outcome from the event loop. Returns at once.
    void submit(QStringList arguments, std::function<void(PrintOutcome)> answered);

private:
    void startNext();
    void finish(PrintOutcome outcome);

    struct Job {
        QStringList arguments;
        std::function<void(PrintOutcome)> answered;
    };

    QString program_;
    int answerTimeoutMs_;
    std::deque<Job> waiting_;
    QProcess* running_ = nullptr;
    std::function<void(PrintOutcome)> answered_;
    QTimer answerTimer_;
};

} // namespace flange
