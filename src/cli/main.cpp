// flangecheck-cli: see cli/check_command.h.

#include "cli/check_command.h"
#include "cli/qt_environment.h"
#include "io/atomic_file.h"

#include <QElapsedTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

// Writes the command's output to the process's streams, and a progress line on a terminal's
// standard error while a long run goes on.
class ProcessSink : public flange::CheckSink {
public:
    ProcessSink()
        : progressOnTerminal_(::isatty(STDERR_FILENO) == 1),
          outOnTerminal_(::isatty(STDOUT_FILENO) == 1)
    {
        clock_.start();
    }

    void out(QByteArrayView bytes) override
    {
        if (bytes.isEmpty())
            return; // an empty view may carry no data pointer at all
        if (outOnTerminal_)
            clearProgress();
        std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stdout);
    }

    void err(QByteArrayView bytes) override
    {
        if (bytes.isEmpty())
            return;
        clearProgress();
        std::fflush(stdout); // keeps the messages in step with the output on one terminal
        std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stderr);
    }

    void progress(qsizetype done, qsizetype total) override
    {
        if (!progressOnTerminal_)
            return;
        if (done == total) {
            clearProgress();
            return;
        }
        // A run is long once it has taken a second; the line changes at most ten times a second.
        if (clock_.elapsed() < 1000 || (lastShown_.isValid() && lastShown_.elapsed() < 100))
            return;
        std::fflush(stdout);
        std::fprintf(stderr, "\r確認中 %lld / %lld", static_cast<long long>(done),
                     static_cast<long long>(total));
        std::fflush(stderr);
        lastShown_.start();
        shown_ = true;
    }

    void clearProgress()
    {
        if (!shown_)
            return;
        std::fputs("\r\033[K", stderr);
        shown_ = false;
    }

private:
    bool progressOnTerminal_;
    bool outOnTerminal_;
    bool shown_ = false;
    QElapsedTimer clock_;
    QElapsedTimer lastShown_;
};

} // namespace

int main(int argc, char* argv[])
{
    flange::installQtMessageHandling();
    flange::letWritesFailPastFileSizeLimit();
    // File names are taken as the bytes the shell passed: Qt's own argument list reads them as
    // UTF-8, which loses names in other encodings.
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));

    // Only the report needs Qt's painter, and with it a GUI application; a plain check stays a
    // plain console program.
    std::unique_ptr<QGuiApplication> app;
    if (flange::wantsReports(arguments))
        app = flange::makeReportApplication(argv[0]);

    static char outBuffer[1 << 16];
    std::setvbuf(stdout, outBuffer, _IOFBF, sizeof outBuffer);
    ProcessSink sink;
    const int exitCode = flange::runCheckCommand(arguments, sink);
    sink.clearProgress();
    // A full disk or a closed pipe must not pass for a complete listing.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "flangecheck-cli: 標準出力に書き込めませんでした（%s）。\n",
                     std::strerror(errno));
        return flange::checkExitUsageOrFile;
    }
    return exitCode;
}
