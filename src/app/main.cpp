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

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

// Answers --help and --version on standard output and refusals on standard error; returns the
// exit status. An answer that could not be written (a full disk, a closed pipe) is no answer.
int answer(const flange::CommandLine& command)
{
    using Action = flange::CommandLine::Action;
    if (command.action == Action::Refuse) {
        const QString text =
            QStringLiteral("flangecheck: %1\n").arg(command.message) + flange::usageLine();
        std::fputs(text.toLocal8Bit().constData(), stderr);
        return 2;
    }
    const QString text = command.action == Action::Version
                             ? flange::versionText(QStringLiteral(FLANGECHECK_VERSION))
                             : flange::usageText();
    if (std::fputs(text.toLocal8Bit().constData(), stdout) < 0 || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "flangecheck: 標準出力に書き込めませんでした（%s）。\n",
                     std::strerror(errno));
        return 2;
    }
    return 0;
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
    // The arguments are judged before Qt starts, so that --help, --version and a refusal work
    // without a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const flange::CommandLine command = flange::parseCommandLine(arguments);
    if (command.action != Action::Start && command.action != Action::Open)
        return answer(command);

    QApplication application(argc, argv);
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
