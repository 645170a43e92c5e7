// The spooler queue with a stand-in for lp: how each answer of the program becomes the job's
// outcome, and that jobs are handed on one after another without the caller waiting.

#include "ui/print/spool_queue.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace flange;

Q_DECLARE_METATYPE(flange::PrintOutcome)

class SpoolQueueTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void answerBecomesTheOutcome_data();
    void answerBecomesTheOutcome();
    void jobsAreHandedOnOneAfterAnother();
    void jobsOnTheirWayAreHandedOnAtTheEnd();

private:
    // A stand-in for lp that notes each call in "calls" and then runs `body`.
    QString standIn(const QString& body);

    std::optional<QTemporaryDir> folder_;
};

void SpoolQueueTest::init() { folder_.emplace(); }

QString SpoolQueueTest::standIn(const QString& body)
{
    const QString path = folder_->filePath("lp");
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write(
        QStringLiteral("#!/bin/sh\necho \"start $*\" >> '%1'\n%2\necho \"end $*\" >> '%1'\n")
            .arg(folder_->filePath("calls"), body)
            .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return path;
}

void SpoolQueueTest::answerBecomesTheOutcome_data()
{
    QTest::addColumn<QString>("body"); // empty: no program at all
    QTest::addColumn<PrintOutcome>("outcome");

    QTest::newRow("accepted") << "exit 0" << PrintOutcome::Printed;
    QTest::newRow("refused") << "exit 1" << PrintOutcome::Failed;
    QTest::newRow("no answer in time") << "exec sleep 30" << PrintOutcome::Unknown;
    QTest::newRow("crashed") << "kill -9 $$" << PrintOutcome::Unknown;
    QTest::newRow("no such program") << QString() << PrintOutcome::Failed;
}

void SpoolQueueTest::answerBecomesTheOutcome()
{
    QFETCH(QString, body);
    QFETCH(PrintOutcome, outcome);
    const QString program = body.isEmpty() ? folder_->filePath("missing") : standIn(body);
    SpoolQueue queue(program, 300);
    std::optional<PrintOutcome> answer;
    queue.submit({"job"}, [&answer](PrintOutcome given) { answer = given; });
    QVERIFY(!answer); // told from the event loop, never while submitting
    QTRY_VERIFY(answer);
    QCOMPARE(*answer, outcome);
}

void SpoolQueueTest::jobsAreHandedOnOneAfterAnother()
{
    SpoolQueue queue(standIn("sleep 0.3"), 5'000);
    QStringList answers;
    QElapsedTimer clock;
    clock.start();
    for (const char* job : {"first", "second"})
        queue.submit({job}, [&answers, job](PrintOutcome outcome) {
            answers << QString("%1 %2").arg(job).arg(outcome == PrintOutcome::Printed);
        });
    QVERIFY2(clock.elapsed() < 250, "submitting never waits for the program");
    QTRY_COMPARE(answers, QStringList({"first 1", "second 1"}));
    QFile calls(folder_->filePath("calls"));
    QVERIFY(calls.open(QIODevice::ReadOnly));
    QCOMPARE(QString(calls.readAll()).split('\n', Qt::SkipEmptyParts),
             QStringList({"start first", "end first", "start second", "end second"}));
}

void SpoolQueueTest::jobsOnTheirWayAreHandedOnAtTheEnd()
{
    {
        SpoolQueue queue(standIn("true"), 5'000);
        for (const char* job : {"first", "second"})
            queue.submit({job}, [](PrintOutcome) {});
    } // the run ends before the event loop had them handed on
    QFile calls(folder_->filePath("calls"));
    QVERIFY(calls.open(QIODevice::ReadOnly));
    QCOMPARE(QString(calls.readAll()).split('\n', Qt::SkipEmptyParts),
             QStringList({"start first", "end first", "start second", "end second"}));
}

QTEST_GUILESS_MAIN(SpoolQueueTest)
#include "spool_queue_test.moc"
