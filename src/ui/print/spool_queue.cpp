#include "ui/print/spool_queue.h"

#include <QProcess>

namespace flange {

SpoolQueue::SpoolQueue(QString program, int answerTimeoutMs)
    : program_(std::move(program)), answerTimeoutMs_(answerTimeoutMs)
{
    answerTimer_.setSingleShot(true);
    connect(&answerTimer_, &QTimer::timeout, this, [this] {
        // Before it started, nothing was sent; once it runs, it may have queued the job.
        const bool started = running_->state() == QProcess::Running;
        running_->disconnect(this); // its end is no answer
        running_->kill();
        running_->waitForFinished(1'000); // killed, it ends at once
        finish(started ? PrintOutcome::Unknown : PrintOutcome::Failed);
    });
}

// At the end of the run the jobs still on their way are handed on all the same, waiting on them
// as long as each may take: a report the user printed is not dropped because the program ends.
// Their answers have nobody left to be told to.
SpoolQueue::~SpoolQueue()
{
    if (running_) {
        running_->disconnect(this);
        if (running_->state() != QProcess::NotRunning)
            running_->waitForFinished(answerTimeoutMs_);
    }
    for (const Job& job : waiting_) {
        QProcess process;
        process.start(program_, job.arguments);
        if (process.waitForStarted(answerTimeoutMs_))
            process.waitForFinished(answerTimeoutMs_);
    }
}

void SpoolQueue::submit(QStringList arguments, std::function<void(PrintOutcome)> answered)
{
    waiting_.push_back({std::move(arguments), std::move(answered)});
    if (!running_)
        QMetaObject::invokeMethod(this, &SpoolQueue::startNext, Qt::QueuedConnection);
}

void SpoolQueue::startNext()
{
    if (running_ || waiting_.empty())
        return;
    Job job = std::move(waiting_.front());
    waiting_.pop_front();
    auto* process = new QProcess(this);
    running_ = process;
    answered_ = std::move(job.answered);
    connect(process, &QProcess::started, this, [this] { answerTimer_.start(answerTimeoutMs_); });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (running_ == process && error == QProcess::FailedToStart)
            finish(PrintOutcome::Failed);
    });
    connect(process, &QProcess::finished, this,
            [this, process](int exitCode, QProcess::ExitStatus status) {
                if (running_ != process)
                    return; // a late signal of a job already answered
                if (status != QProcess::NormalExit)
                    finish(PrintOutcome::Unknown);
                else
                    finish(exitCode == 0 ? PrintOutcome::Printed : PrintOutcome::Failed);
            });
    answerTimer_.start(answerTimeoutMs_);
    process->start(program_, job.arguments);
}

// The next job starts before the answer is told, since telling it may wait on the user.
void SpoolQueue::finish(PrintOutcome outcome)
{
    answerTimer_.stop();
    running_->disconnect(this);
    running_->deleteLater();
    running_ = nullptr;
    auto answered = std::move(answered_);
    answered_ = nullptr;
    startNext();
    answered(outcome);
}

} // namespace flange
