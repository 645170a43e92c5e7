#include "cli/qt_environment.h"

#include "cli/check_command.h"

#include <cstdio>
#include <cstdlib>

namespace flange {

void installQtMessageHandling()
{
    qunsetenv("QT_FATAL_WARNINGS");
    qunsetenv("QT_FATAL_CRITICALS");
    qInstallMessageHandler(takeQtMessage);
}

void takeQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtFatalMsg)
        return;
    QByteArray out;
    for (const QString& line : text.trimmed().split(u'\n'))
        out += "flangecheck-cli: Qt を続けられません: " + line.toUtf8() + '\n';
    std::fflush(stdout);
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stderr);
    std::fflush(stderr);
    std::_Exit(checkExitUsageOrFile);
}

std::unique_ptr<QGuiApplication> makeReportApplication(const char* programName)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // QGuiApplication keeps the argument count and list for the whole run.
    static int argc = 1;
    static char name[256];
    std::snprintf(name, sizeof name, "%s", programName ? programName : "flangecheck-cli");
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace flange
