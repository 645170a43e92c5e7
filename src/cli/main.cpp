// flangecheck-cli: see cli/check_command.h.

#include "cli/check_command.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <string_view>

namespace {

// Only the report needs Qt's painter, and with it a GUI application; a plain check stays a plain
// console program. The checker never opens a window, so it needs no display either.
bool wantsReport(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--")
            return false;
        if (argument == "--pdf" || argument.starts_with("--pdf="))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    std::unique_ptr<QCoreApplication> app;
    if (wantsReport(argc, argv)) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const flange::CheckCommandResult result =
        flange::runCheckCommand(QCoreApplication::arguments().mid(1));
    std::fwrite(result.out.constData(), 1, std::size_t(result.out.size()), stdout);
    std::fwrite(result.err.constData(), 1, std::size_t(result.err.size()), stderr);
    return std::fflush(stdout) == 0 ? result.exitCode : flange::checkExitUsageOrFile;
}
