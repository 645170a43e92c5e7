// Every design in examples/ checked by the real checker: its JSON output must be exactly the one
// recorded in examples/expected/NAME.json, and its exit status the one that output implies.
// After a deliberate change of the output, record them anew with
//   cd examples && for f in *.sou; do flangecheck-cli --json "$f" > "expected/${f%.sou}.json"; done

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <map>

namespace {

const QDir examples(QStringLiteral(FLANGE_EXAMPLES_DIR));

int exitStatusFor(const QString& status)
{
    static const std::map<QString, int> statuses{
        {QStringLiteral("ok"), 0}, {QStringLiteral("ng"), 1}, {QStringLiteral("missing-input"), 3}};
    const auto it = statuses.find(status);
    return it == statuses.end() ? -1 : it->second;
}

TEST(Examples, GiveTheirRecordedOutput)
{
    const QStringList designs = examples.entryList({QStringLiteral("*.sou")}, QDir::Files);
    ASSERT_FALSE(designs.isEmpty());
    for (const QString& design : designs) {
        SCOPED_TRACE(design.toStdString());
        QFile expectedFile(
            examples.filePath(QStringLiteral("expected/%1.json").arg(design.chopped(4))));
        ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly)) << "no recorded output";
        const QJsonDocument expected = QJsonDocument::fromJson(expectedFile.readAll());
        ASSERT_TRUE(expected.isObject());

        QProcess checker;
        checker.setWorkingDirectory(examples.path());
        checker.start(QStringLiteral(FLANGECHECK_CLI_PATH), {QStringLiteral("--json"), design});
        ASSERT_TRUE(checker.waitForFinished(30'000));
        EXPECT_EQ(QJsonDocument::fromJson(checker.readAllStandardOutput()), expected);
        EXPECT_EQ(checker.exitCode(), exitStatusFor(expected[u"status"].toString()));
        EXPECT_TRUE(checker.readAllStandardError().isEmpty());
    }
}

} // namespace
