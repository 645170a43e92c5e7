// The yardstick of the start-up benchmark: a Qt main window of the program's size holding one
// Japanese label in the program's font, and nothing else. Like the program, it reports its first
// paint and ends when FLANGECHECK_STARTUP_PROBE is set.

#include "startup_probe.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")});
    font.setPointSizeF(9);
    QApplication::setFont(font);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("ペルグリン"));
    auto* label = new QLabel(QStringLiteral("鋼管仕口の設計計算"), &window);
    window.setCentralWidget(label);
    window.resize(733, 467); // 11000 × 7000 twips
    if (qEnvironmentVariableIsSet("FLANGECHECK_STARTUP_PROBE"))
        new flange::StartupProbe(&window);
    window.show();
    return application.exec();
}
