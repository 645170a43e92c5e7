// Open and Save As from the main window's File menu, through a temporary folder.

#include "ui_test_fixture.h"

#include "calc/design_record.h"
#include "hostile_design_files.h"
#include "io/design_file.h"
#include "ui/main/dialog_prompts.h"
#include "ui/print/message_box_print_prompts.h"

#include <QApplication>
#include <QClipboard>
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

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace flange;
using namespace flange::testing;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

// A file named by bytes that need not be UTF-8.
QByteArray bytesOf(const QByteArray& nativePath)
{
    QFile file;
    const int fd = ::open(nativePath.constData(), O_RDONLY);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle))
        return "unreadable";
    return file.readAll();
}

} // namespace

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
    void saveWritesToTheDesignsFile();
    void nameThatIsNotUtf8();
    void hostileFilesAreReadAndTold_data();
    void hostileFilesAreReadAndTold();
    void unsavedInputsAreAskedAbout_data();
    void unsavedInputsAreAskedAbout();

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
    QTest::newRow("field too long") << QStringLiteral("long.sou");
}

void FileCommandsTest::unreadableFileLeavesWindowAsItWas()
{
    QFETCH(QString, name);
    QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("folder.sou")));
    QFile large(pathOf(QStringLiteral("large.sou")));
    QVERIFY(large.open(QIODevice::WriteOnly));
    large.write(QByteArray(2 * 1024 * 1024, ','));
    large.close();
    // An entry field holds 32,767 characters; the rest would be calculated and saved unseen.
    DesignInputs longInputs{};
    longInputs[2] = std::string(32768, '1');
    QVERIFY(writeDesignFile(pathOf(QStringLiteral("long.sou")), longInputs));

    f_->ui.walkTo(Step::BShape);
    const DesignRecord before = f_->window.stepFlow().record();
    f_->prompts.openAnswers.enqueue(pathOf(name));
    f_->ui.triggerMenu("mnuopen");

    QCOMPARE(f_->prompts.warnings.size(), std::size_t(1));
    QVERIFY2(f_->prompts.warnings[0].text.contains(name), qPrintable(f_->prompts.warnings[0].text));
    if (name == QStringLiteral("long.sou"))
        QVERIFY(
            f_->prompts.warnings[0].text.contains(QStringLiteral("「(本)使用本数」は長すぎます")));
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

void FileCommandsTest::saveWritesToTheDesignsFile()
{
    QCOMPARE(f_->window.windowTitle(), QStringLiteral("ペルグリン"));
    QCOMPARE(f_->ui.find<QAction>("mnusave")->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(f_->ui.find<QAction>("mnuopen")->shortcut(), QKeySequence(QKeySequence::Open));
    QCOMPARE(f_->ui.find<QAction>("mnuprint")->shortcut(), QKeySequence(QKeySequence::Print));
    f_->ui.typeStep(Step::A);
    f_->prompts.saveAnswers.enqueue(pathOf("joint.sou"));
    f_->ui.triggerMenu("mnusave"); // no file yet: as Save As
    QCOMPARE(f_->prompts.saveRemembered.size(), 1);
    QCOMPARE(f_->window.windowTitle(), QStringLiteral("joint.sou[*] - ペルグリン"));
    QVERIFY(!f_->window.isWindowModified());

    f_->ui.type("Text5", QStringLiteral("2.4"));
    QVERIFY(f_->window.isWindowModified());
    f_->ui.triggerMenu("mnusave");
    QCOMPARE(f_->prompts.saveRemembered.size(), 1); // no dialog
    QVERIFY(!f_->window.isWindowModified());
    QCOMPARE(readDesignFile(pathOf("joint.sou")).value().inputs, inputsOf(f_->window.record()));
    f_->ui.type("Text5", QString());
    QVERIFY(f_->window.isWindowModified());
    f_->ui.type("Text5", QStringLiteral("2.4")); // back to what the file holds
    QVERIFY(!f_->window.isWindowModified());
    QVERIFY(f_->prompts.warnings.empty());

    // A paste stops at the longest text an entry field shows: the text used is the text shown.
    QApplication::clipboard()->setText(QString(40000, u'1'));
    QLineEdit* count = f_->ui.field("Text3");
    count->setFocus();
    QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f_->window.record().boltCount, std::string(32767, '1'));
}

void FileCommandsTest::unsavedInputsAreAskedAbout_data()
{
    QTest::addColumn<QString>("action"); // "close", "open" or "clear"
    QTest::addColumn<bool>("changed");   // an input typed since the design was saved
    QTest::addColumn<int>("choice");     // UnsavedInputsChoice; -1 for a design never saved
    QTest::addColumn<bool>("saveFails"); // a folder stands where the design's file was
    QTest::addColumn<bool>("goesOn");

    const int save = int(UnsavedInputsChoice::Save);
    const int discard = int(UnsavedInputsChoice::Discard);
    const int cancel = int(UnsavedInputsChoice::Cancel);
    for (const char* action : {"close", "open", "clear"}) {
        const auto row = [action](const char* name) {
            return &(QTest::addRow("%s, %s", action, name) << QString::fromLatin1(action));
        };
        *row("unchanged") << false << cancel << false << true;
        *row("保存") << true << save << false << true;
        *row("破棄") << true << discard << false << true;
        *row("キャンセル") << true << cancel << false << false;
        *row("保存 fails") << true << save << true << false;
    }
    QTest::newRow("close, never saved, save dialog cancelled")
        << QStringLiteral("close") << true << -1 << false << false;
}

void FileCommandsTest::unsavedInputsAreAskedAbout()
{
    QFETCH(QString, action);
    QFETCH(bool, changed);
    QFETCH(int, choice);
    QFETCH(bool, saveFails);
    QFETCH(bool, goesOn);
    DesignInputs other{};
    other[2] = "99";
    QVERIFY(writeDesignFile(pathOf("other.sou"), other));
    f_->ui.typeStep(Step::A);
    if (choice >= 0) {
        f_->prompts.saveAnswers.enqueue(pathOf("joint.sou"));
        f_->ui.triggerMenu("mnurewrit");
    }
    const QByteArray saved = bytesOf(pathOf("joint.sou"));
    if (changed)
        f_->ui.type("Text5", QStringLiteral("2.4"));
    if (saveFails)
        QVERIFY(QFile::remove(pathOf("joint.sou")) && QDir(folder_->path()).mkdir("joint.sou"));
    const DesignInputs typed = inputsOf(f_->window.record());
    f_->prompts.saveChoices.enqueue(UnsavedInputsChoice(std::max(choice, 0)));

    if (action == "close")
        f_->window.close();
    else if (action == "open")
        f_->window.openDesignFile(pathOf("other.sou"));
    else
        f_->ui.click("Command4");

    QCOMPARE(f_->prompts.saveQuestions.size(), std::size_t(changed));
    QCOMPARE(f_->prompts.warnings.size(), std::size_t(saveFails));
    const bool saves = changed && choice == int(UnsavedInputsChoice::Save) && !saveFails;
    if (!saveFails)
        QCOMPARE(bytesOf(pathOf("joint.sou")), saves ? encodeDesignFile(typed).value() : saved);
    QCOMPARE(f_->prompts.saveRemembered.size(), 1);
    const DesignInputs after = inputsOf(f_->window.record());
    if (!goesOn) {
        QVERIFY(f_->window.isVisible());
        QCOMPARE(after, typed);
        QVERIFY(f_->window.fileCommands().isChanged(f_->window.record()));
    } else if (action == "close") {
        QVERIFY(!f_->window.isVisible());
    } else {
        QCOMPARE(after, action == "open" ? other : DesignInputs{});
        QVERIFY(!f_->window.fileCommands().isChanged(f_->window.record()));
    }
}

void FileCommandsTest::nameThatIsNotUtf8()
{
    // "設計.sou" in Shift_JIS, as a Windows archive unpacks it.
    const QByteArray native = QFile::encodeName(folder_->path()) + "/\x90\xdd\x8c\x76.sou";
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    QVERIFY(fd >= 0);
    const QByteArray bytes = workedExampleBytes();
    QCOMPARE(::write(fd, bytes.constData(), std::size_t(bytes.size())), ssize_t(bytes.size()));
    ::close(fd);

    // As the file dialog gives it: the name as text has lost the bytes.
    f_->window.openDesignFile(QFile::decodeName(native));
    QCOMPARE(f_->prompts.warnings.size(), std::size_t(1));
    QVERIFY2(f_->prompts.warnings[0].text.contains(QStringLiteral("UTF-8ではない")),
             qPrintable(f_->prompts.warnings[0].text));

    // As a file manager passes it: by its bytes.
    f_->window.openNativeDesignFile(native);
    QCOMPARE(f_->prompts.warnings.size(), std::size_t(1));
    QCOMPARE(inputsOf(f_->window.record()), decodeDesignFile(bytes));
    // Saving asks for a name: the text of this one would write another file.
    f_->ui.triggerMenu("mnusave");
    QCOMPARE(f_->prompts.saveRemembered.size(), 1);
    QCOMPARE(bytesOf(native), bytes);
}

void FileCommandsTest::hostileFilesAreReadAndTold_data()
{
    QTest::addColumn<int>("row");
    const auto files = hostileDesignFiles();
    for (std::size_t i = 0; i < files.size(); ++i)
        QTest::newRow(files[i].name) << int(i);
}

void FileCommandsTest::hostileFilesAreReadAndTold()
{
    QFETCH(int, row);
    const HostileDesignFile file = hostileDesignFiles()[std::size_t(row)];
    QFile out(pathOf("hostile.sou"));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(file.bytes);
    out.close();

    f_->window.openDesignFile(pathOf("hostile.sou"));
    QCOMPARE(inputsOf(f_->window.record()), decodeDesignFile(file.bytes));
    QCOMPARE(f_->prompts.warnings.size(), std::size_t(1));
    const QString told = f_->prompts.warnings[0].text;
    if (file.unreadable) {
        QVERIFY2(told.contains(QString::fromUtf8(file.unreadable)), qPrintable(told));
        QVERIFY2(told.contains(QStringLiteral("保存すると空欄のまま")), qPrintable(told));
    }
    QCOMPARE(told.contains(QStringLiteral("ファイルの形が保存形式と異なります: ")),
             !file.departures.empty());
    for (const char* departure : file.departures)
        QVERIFY2(told.contains(QString::fromUtf8(departure)), qPrintable(told));
    QVERIFY(!f_->window.isWindowModified());
}

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
