// The program as it starts from its own entry point, with the start-up probe on its main window:
// it ends at the window's first paint after reporting the time and peak memory.

#include "startup_probe.h"
#include "ui/main/dialog_prompts.h"
#include "ui/shell/application_shell.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    flange::DialogPrompts prompts;
    flange::ApplicationShell shell(prompts);
    prompts.setOwner(&shell.mainWindow());
    new flange::StartupProbe(&shell.mainWindow());
    shell.showMainWindow();
    return application.exec();
}
