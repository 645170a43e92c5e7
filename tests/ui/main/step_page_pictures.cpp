// Saves a picture of each of the five step pages of the worked example, calculated, into the
// folder given as the only argument: step-a.png ... step-d.png.

#include "ui_test_fixture.h"

#include "ui/shell/application_shell.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <array>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: step_page_pictures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    flange::testing::FakePrompts prompts;
    flange::ApplicationShell shell(prompts);
    shell.showMainWindow();
    flange::MainWindow& window = shell.mainWindow();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    flange::testing::WindowDriver ui(window);
    const std::array<const char*, 5> files{"step-a.png", "step-b-shape.png", "step-b-thickness.png",
                                           "step-c.png", "step-d.png"};
    for (flange::Step step : flange::allSteps) {
        ui.walkTo(step);
        QTest::qWait(200);
        const QString path = folder.filePath(QString::fromLatin1(files[flange::stepIndex(step)]));
        if (!window.grab().save(path))
            return 1;
        ui.click("Command4");
    }
    return 0;
}
