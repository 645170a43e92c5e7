// flangecheck-cli: see cli/check_command.h.

#include "cli/check_command.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const flange::CheckCommandResult result = flange::runCheckCommand(app.arguments().mid(1));
    std::fwrite(result.out.constData(), 1, std::size_t(result.out.size()), stdout);
    std::fwrite(result.err.constData(), 1, std::size_t(result.err.size()), stderr);
    return std::fflush(stdout) == 0 ? result.exitCode : flange::checkExitUsageOrFile;
}
