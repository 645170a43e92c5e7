// flangecheck: the design check of a bolted flange joint at the end of a round steel pipe. The
// program takes no arguments and starts into its main window.

#include "ui/main/dialog_prompts.h"
#include "ui/shell/application_shell.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    flange::DialogPrompts prompts;
    flange::ApplicationShell shell(prompts);
    prompts.setOwner(&shell.mainWindow());
    shell.showMainWindow();
    return application.exec();
}
