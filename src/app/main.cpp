// flangecheck: the design check of a bolted flange joint at the end of a round steel pipe. The
// program starts into its main window; a design file named as its argument is opened there.

#include "io/atomic_file.h"
#include "ui/main/dialog_prompts.h"
#include "ui/shell/application_shell.h"
#include "ui/shell/command_line.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMetaObject>

#include <cstdio>
#include <functional>

namespace {

// Answers --help and --version on standard output and refusals on standard error; returns the
// exit status.
int answer(const flange::CommandLine& command)
{
    using Action = flange::CommandLine::Action;
    QString text = flange::usageText();
    if (command.action == Action::Version)
        text = flange::versionText(QStringLiteral(FLANGECHECK_VERSION));
    if (command.action != Action::Refuse) {
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    text = QStringLiteral("flangecheck: %1\n").arg(command.message) + flange::usageLine();
    std::fputs(text.toLocal8Bit().constData(), stderr);
    return 2;
}

// Runs a task once a window has been drawn for the first time, when the window manager has placed
// it on screen: a message box shown then stands centred over the window, not where the window was
// before it was placed.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> task)
        : QObject(window), task_(std::move(task))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    task_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> task_;
};

} // namespace

int main(int argc, char* argv[])
{
    using Action = flange::CommandLine::Action;
    flange::letWritesFailPastFileSizeLimit();
    // --help and --version answer before Qt starts, so that they work without a display; Qt's own
    // options are known only once it has started, so everything else waits for it.
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    if (const flange::CommandLine early = flange::parseCommandLine(raw);
        early.action == Action::Version || early.action == Action::Help)
        return answer(early);

    QApplication application(argc, argv);
    const flange::CommandLine command = flange::parseCommandLine(application.arguments().mid(1));
    if (command.action != Action::Start && command.action != Action::Open)
        return answer(command);

    flange::DialogPrompts prompts;
    flange::ApplicationShell shell(prompts);
    prompts.setOwner(&shell.mainWindow());
    if (command.action == Action::Open) {
        // The file is opened by the bytes it was named with: Qt's argument list reads them as
        // UTF-8, which loses a name in another encoding. Qt has taken its own options out of argv.
        QByteArray nativePath = QFile::encodeName(command.path);
        for (int i = 1; i < argc; ++i) {
            if (QFile::decodeName(argv[i]) == command.path)
                nativePath = argv[i];
        }
        flange::MainWindow& window = shell.mainWindow();
        new AfterFirstPaint(&window,
                            [&window, nativePath] { window.openNativeDesignFile(nativePath); });
    }
    shell.showMainWindow();
    return application.exec();
}
