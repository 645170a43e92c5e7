// Open and Save As from the main window's File menu, through a temporary folder.

#include "ui_test_fixture.h"

#include "calc/design_record.h"
#include "ui/main/dialog_prompts.h"
#include "ui/print/message_box_print_prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace flange;
using namespace flange::testing;

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveThenOpenRestoresEveryInput();
    void openResetsThePageBeforeFilling();
    void unreadableFileLeavesWindowAsItWas_data();
    void unreadableFileLeavesWindowAsItWas();
    void cancelChangesNothing();
    void nameWithoutExtensionIsUsedAsTyped();
    void textTheFileCannotHoldIsRefused();
    void failedSaveWarnsAndKeepsWhatWasThere_data();
    void failedSaveWarnsAndKeepsWhatWasThere();
    void fileDialogsListAFolderHoldingAPipe_data();
    void fileDialogsListAFolderHoldingAPipe();
    void fileGivenWithoutTheDialog_data();
    void fileGivenWithoutTheDialog();

private:
    QString pathOf(const QString& name) const { return folder_->filePath(name); }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<MainWindowFixture> f_;
};

void FileCommandsTest::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    f_ = std::make_unique<MainWindowFixture>();
}

void FileCommandsTest::cleanup()
{
    verifyNoUnexpectedDialogs(f_->watchdog);
    f_.reset();
    folder_.reset();
}

void FileCommandsTest::saveThenOpenRestoresEveryInput()
{
    f_->ui.walkTo(Step::D);
    const DesignRecord saved = f_->window.stepFlow().record();
    f_->prompts.saveAnswers.enqueue(pathOf("joint.sou"));
    f_->ui.triggerMenu("mnurewrit");
    QVERIFY(QFile::exists(pathOf("joint.sou")));
    QCOMPARE(f_->window.fileCommands().lastSavedPath(), pathOf("joint.sou"));

    f_->ui.click("Command4");
    f_->ui.typeBoltSize(QStringLiteral("Ｍ99,特注")); // a typed size with a comma
    f_->prompts.saveAnswers.enqueue(pathOf("typed.sou"));
    f_->ui.triggerMenu("mnurewrit");

    f_->prompts.openAnswers.enqueue(pathOf("joint.sou"));
    f_->ui.triggerMenu("mnuopen");
    for (TextField field : inputFieldsInFileOrder)
        QCOMPARE(f_->window.stepFlow().record().*field, saved.*field);
    QCOMPARE(f_->ui.find<QComboBox>("Combo1")->currentText(), QStringLiteral("Ｍ27"));
    QCOMPARE(f_->ui.text("Text11"), QStringLiteral("15"));
    QCOMPARE(f_->window.fileCommands().lastOpenedPath(), pathOf("joint.sou"));

    f_->prompts.openAnswers.enqueue(pathOf("typed.sou"));
    f_->ui.triggerMenu("mnuopen");
    QCOMPARE(f_->ui.find<QComboBox>("Combo1")->currentText(), QStringLiteral("Ｍ99,特注"));
    QVERIFY(f_->ui.text("Text3").isEmpty());
    QVERIFY(f_->ui.text("Text2").isEmpty());

    // Every dialog opens with the name last chosen in either command.
    QCOMPARE(f_->prompts.saveRemembered, QStringList({QString(), pathOf("joint.sou")}));
    QCOMPARE(f_->prompts.openRemembered, QStringList({pathOf("typed.sou"), pathOf("joint.sou")}));
    QVERIFY(f_->prompts.warnings.empty());
}

void FileCommandsTest::openResetsThePageBeforeFilling()
{
    f_->ui.walkTo(Step::D);
    f_->prompts.saveAnswers.enqueue(pathOf("joint.sou"));
    f_->ui.triggerMenu("mnurewrit");

    f_->prompts.openAnswers.enqueue(pathOf("joint.sou"));
    f_->ui.triggerMenu("mnuopen");
    QCOMPARE(f_->window.stepFlow().currentStep(), Step::A);
    for (TextField field : resultFields)
        QVERIFY(f_->window.stepFlow().record().*field == std::string());
    QVERIFY(!f_->ui.find<QAction>("mnuprint")->isEnabled());
    QVERIFY(!f_->ui.isShown("Text10"));
    QVERIFY(!f_->ui.button("Command8")->isEnabled());
    // The engineer goes on from step A as after typing the values.
    f_->ui.calculate();
    QVERIFY(f_->ui.button("Command8")->isEnabled());
}

void FileCommandsTest::unreadableFileLeavesWindowAsItWas_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << QStringLiteral("nowhere.sou");
    QTest::newRow("folder") << QStringLiteral("folder.sou");
    QTest::newRow("too large") << QStringLiteral("large.sou");
}

void FileCommandsTest::unreadableFileLeavesWindowAsItWas()
{
    QFETCH(QString, name);
    QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("folder.sou")));
    QFile large(pathOf(QStringLiteral("large.sou")));
    QVERIFY(large.open(QIODevice::WriteOnly));
    large.write(QByteArray(2 * 1024 * 1024, ','));
    large.close();

    f_->ui.walkTo(Step::BShape);
    const DesignRecord before = f_->window.stepFlow().record();
    f_->prompts.openAnswers.enqueue(pathOf(name));
    f_->ui.triggerMenu("mnuopen");

    QCOMPARE(f_->prompts.warnings.size(), std::size_t(1));
    QVERIFY2(f_->prompts.warnings[0].text.contains(name), qPrintable(f_->prompts.warnings[0].text));
    QVERIFY(f_->window.stepFlow().record() == before);
    QCOMPARE(f_->window.stepFlow().currentStep(), Step::BShape);
    QVERIFY(f_->ui.button("Command10")->isEnabled());
    QCOMPARE(f_->ui.text("Text25"), QStringLiteral("1.25"));
    QVERIFY(f_->window.fileCommands().lastOpenedPath().isEmpty());
}

void FileCommandsTest::cancelChangesNothing()
{
    f_->ui.walkTo(Step::A);
    f_->prompts.saveAnswers.enqueue(pathOf("first.sou"));
    f_->ui.triggerMenu("mnurewrit");
    const DesignRecord before = f_->window.stepFlow().record();

    f_->ui.triggerMenu("mnurewrit"); // cancelled
    f_->ui.triggerMenu("mnuopen");   // cancelled
    QCOMPARE(f_->window.fileCommands().lastSavedPath(), pathOf("first.sou"));
    QVERIFY(f_->window.fileCommands().lastOpenedPath().isEmpty());
    QVERIFY(f_->window.stepFlow().record() == before);
    QVERIFY(f_->ui.button("Command8")->isEnabled());
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList({"first.sou"}));
    QVERIFY(f_->prompts.warnings.empty());
}

void FileCommandsTest::nameWithoutExtensionIsUsedAsTyped()
{
    f_->ui.typeStep(Step::A);
    f_->prompts.saveAnswers.enqueue(pathOf("design"));
    f_->ui.triggerMenu("mnurewrit");
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList({"design"}));
}

void FileCommandsTest::textTheFileCannotHoldIsRefused()
{
    f_->ui.type("Text5", QStringLiteral("1\"4"));
    f_->prompts.saveAnswers.enqueue(pathOf("quoted.sou"));
    f_->ui.triggerMenu("mnurewrit");
    QCOMPARE(f_->prompts.warnings.size(), std::size_t(1));
    QVERIFY2(f_->prompts.warnings[0].text.contains(QStringLiteral("許容引張応力度")),
             qPrintable(f_->prompts.warnings[0].text));
    QVERIFY(!QFile::exists(pathOf("quoted.sou")));
}

void FileCommandsTest::failedSaveWarnsAndKeepsWhatWasThere_data()
{
    QTest::addColumn<QString>("name");     // in a folder holding the file "plain" and a pipe
    QTest::addColumn<QString>("expected"); // the warning; %1 is the path, a reason line may follow

    QTest::newRow("in a folder that is a file")
        << "plain/joint.sou" << QStringLiteral("ファイル「%1」に保存できませんでした。\n（");
    QTest::newRow("pipe") << "pipe.sou" << QStringLiteral("「%1」は通常のファイルではありません。");
}

void FileCommandsTest::failedSaveWarnsAndKeepsWhatWasThere()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QFile plain(pathOf("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.write("saved before");
    plain.close();
    QCOMPARE(::mkfifo(QFile::encodeName(pathOf("pipe.sou")).constData(), 0600), 0);

    f_->ui.walkTo(Step::A);
    f_->prompts.saveAnswers.enqueue(pathOf(name));
    f_->ui.triggerMenu("mnurewrit");

    QCOMPARE(f_->prompts.warnings.size(), std::size_t(1));
    QCOMPARE(f_->prompts.warnings[0].title, QStringLiteral("ペルグリン"));
    const QString text = f_->prompts.warnings[0].text;
    QVERIFY2(text.startsWith(expected.arg(QDir::toNativeSeparators(pathOf(name)))),
             qPrintable(text));
    QCOMPARE(QDir(folder_->path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"pipe.sou", "plain"}));
    QVERIFY(plain.open(QIODevice::ReadOnly));
    QCOMPARE(plain.readAll(), QByteArray("saved before"));
}

void FileCommandsTest::fileDialogsListAFolderHoldingAPipe_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("open") << "open";
    QTest::newRow("save as") << "save";
    QTest::newRow("pdf file name") << "pdf";
}

void FileCommandsTest::fileDialogsListAFolderHoldingAPipe()
{
    QFETCH(QString, dialog);
    // Reading a pipe without a writer waits for ever, and so does reading some files of /proc: a
    // dialog must judge what it lists by name. It is watched for opening any file in the folder
    // (a pipe it looked into would hang the test until its time limit ends it).
    for (const char* pipe : {"pipe.sou", "pipe.pdf", "pipe"})
        QCOMPARE(::mkfifo(QFile::encodeName(pathOf(pipe)).constData(), 0600), 0);
    for (const char* name : {"listed.sou", "listed.pdf", "notes"}) {
        QFile file(pathOf(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n");
    }
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(watch >= 0);
    QVERIFY(::inotify_add_watch(watch, QFile::encodeName(folder_->path()).constData(), IN_OPEN)
            >= 0);
    f_->watchdog.expectModal(true);

    const QString plainFile = pathOf(dialog == "pdf" ? "listed.pdf" : "listed.sou");
    bool listed = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        auto* model = shown->findChild<QFileSystemModel*>();
        if (!model || !model->index(plainFile).isValid())
            return;
        listed = true;
        QTest::qWait(300); // time for the icons and types of the entries to be looked up
        shown->reject();
    });
    closer.start(50);

    DialogPrompts prompts;
    prompts.setOwner(&f_->window);
    MessageBoxPrintPrompts printPrompts;
    if (dialog == "open")
        QVERIFY(prompts.askOpenPath(pathOf("design.sou")).isEmpty());
    else if (dialog == "save")
        QVERIFY(prompts.askSavePath(pathOf("design.sou")).isEmpty());
    else {
        // With no report written yet, the PDF dialog opens in the working folder.
        const QString working = QDir::currentPath();
        QDir::setCurrent(folder_->path());
        const auto answer = printPrompts.askPdfFileName(&f_->window);
        QDir::setCurrent(working);
        QVERIFY(!answer);
    }
    QVERIFY(listed);

    QStringList opened;
    alignas(inotify_event) char events[4096];
    for (ssize_t size; (size = ::read(watch, events, sizeof events)) > 0;) {
        for (ssize_t at = 0; at < size;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            if (event->len > 0 && !(event->mask & IN_ISDIR))
                opened << QString::fromLocal8Bit(event->name);
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    ::close(watch);
    QVERIFY2(opened.isEmpty(), qPrintable(opened.join(", ")));
}

void FileCommandsTest::fileGivenWithoutTheDialog_data()
{
    QTest::addColumn<bool>("dropped"); // else named on the command line
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("outcome"); // "opened", "warned" or "ignored"
    QTest::newRow("argument") << false << "joint.sou"
                              << "opened";
    QTest::newRow("argument, unreadable") << false << "nowhere.sou"
                                          << "warned";
    QTest::newRow("dropped") << true << "joint.sou"
                             << "opened";
    QTest::newRow("dropped, upper case") << true << "JOINT.SOU"
                                         << "opened";
    QTest::newRow("dropped, unreadable") << true << "nowhere.sou"
                                         << "warned";
    QTest::newRow("dropped, not a design") << true << "joint.txt"
                                           << "ignored";
}

void FileCommandsTest::fileGivenWithoutTheDialog()
{
    QFETCH(bool, dropped);
    QFETCH(QString, name);
    QFETCH(QString, outcome);
    f_->ui.walkTo(Step::A);
    const DesignRecord saved = f_->window.stepFlow().record();
    for (const QString& copy :
         {QStringLiteral("joint.sou"), QStringLiteral("JOINT.SOU"), QStringLiteral("joint.txt")}) {
        f_->prompts.saveAnswers.enqueue(pathOf(copy));
        f_->ui.triggerMenu("mnurewrit");
    }
    f_->ui.walkTo(Step::BShape);
    const DesignRecord before = f_->window.stepFlow().record();

    if (dropped) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(pathOf(name))});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&f_->window, &enter);
        QCOMPARE(enter.isAccepted(), outcome != QStringLiteral("ignored"));
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&f_->window, &drop);
    } else {
        f_->window.openDesignFile(pathOf(name));
    }

    // As "開く(&O)" with that file chosen: the page reset and the inputs filled, or a warning and
    // the window as it was.
    QCOMPARE(f_->prompts.warnings.size(), std::size_t(outcome == QStringLiteral("warned")));
    if (outcome == QStringLiteral("opened")) {
        QCOMPARE(f_->window.stepFlow().currentStep(), Step::A);
        for (TextField field : inputFieldsInFileOrder)
            QCOMPARE(f_->window.stepFlow().record().*field, saved.*field);
        QCOMPARE(f_->ui.text("Text13"), QString::fromStdString(saved.bendingMoment));
        QCOMPARE(f_->window.fileCommands().lastOpenedPath(), pathOf(name));
    } else {
        QVERIFY(f_->window.stepFlow().record() == before);
        QCOMPARE(f_->window.stepFlow().currentStep(), Step::BShape);
        QVERIFY(f_->window.fileCommands().lastOpenedPath().isEmpty());
    }
}

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
