// Batch benchmark of flangecheck-cli: the example designs copied to many files in a temporary
// folder, checked in one run (each output format) against one process per file; then the cost of
// each report that --pdf-dir writes, against a bare two-page PDF in the same font written in this
// process (the least a PDF of the report's shape costs). The target is at least 20,000 designs a
// second in one run, and 2,000 a second with the design assistant's proposals (--suggest; run it
// as `cli_bench 7000` for the examples copied 1,000 times).
//
// Usage: cli_bench [DESIGNS [REPORTS]]   (defaults 2000 and 40)

#include "report/calculation_report.h"
#include "report/report_pdf.h"

#include <QGuiApplication>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Timing {
    double wall = 0; // seconds
    double cpu = 0;  // seconds of user and system time
};

// Runs the checker with its output thrown away; how long it took, or nothing when it failed.
std::optional<Timing> runChecker(const std::vector<std::string>& arguments)
{
    const auto start = Clock::now();
    std::vector<char*> argv{const_cast<char*>(FLANGECHECK_CLI_PATH)};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status)
        || WEXITSTATUS(status) == 2)
        return std::nullopt;
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec * 1e-6; };
    return Timing{secondsSince(start), seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

// The shortest of a few runs, by CPU time: other work on the machine stretches the wall time.
Timing bestOf(int runs, const std::vector<std::string>& arguments)
{
    Timing best{1e30, 1e30};
    for (int i = 0; i < runs; ++i) {
        const auto timing = runChecker(arguments);
        if (!timing) {
            std::fprintf(stderr, "the checker failed\n");
            std::exit(1);
        }
        best.wall = std::min(best.wall, timing->wall);
        best.cpu = std::min(best.cpu, timing->cpu);
    }
    return best;
}

// The examples copied round-robin to `count` files in `dir`.
std::vector<std::string> copyExamples(const fs::path& dir, int count)
{
    std::vector<fs::path> examples;
    for (const auto& entry : fs::directory_iterator(FLANGE_EXAMPLES_DIR))
        if (entry.path().extension() == ".sou")
            examples.push_back(entry.path());
    std::sort(examples.begin(), examples.end());
    std::vector<std::string> files;
    for (int i = 0; i < count; ++i) {
        const fs::path target = dir / ("design-" + std::to_string(i) + ".sou");
        fs::copy_file(examples[std::size_t(i) % examples.size()], target);
        files.push_back(target.string());
    }
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    const int designs = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int reports = argc > 2 ? std::atoi(argv[2]) : 40;
    if (designs < 1 || reports < 1) {
        std::fprintf(stderr, "usage: cli_bench [DESIGNS [REPORTS]]\n");
        return 2;
    }
    const fs::path dir = fs::temp_directory_path() / ("cli_bench-" + std::to_string(getpid()));
    fs::create_directory(dir);
    const std::vector<std::string> files = copyExamples(dir, designs);

    std::printf(
        "%d designs (the examples, copied); designs a second by wall time and by CPU time\n",
        designs);
    Timing oneRun;
    for (const char* format :
         {"", "--json", "--jsonl", "--csv", "--suggest", "--suggest --jsonl"}) {
        std::vector<std::string> arguments;
        for (std::string_view rest = format; !rest.empty();) {
            const auto blank = std::min(rest.find(' '), rest.size());
            arguments.emplace_back(rest.substr(0, blank));
            rest.remove_prefix(std::min(blank + 1, rest.size()));
        }
        arguments.insert(arguments.end(), files.begin(), files.end());
        const Timing timing = bestOf(5, arguments);
        std::printf("  one run %-17s %8.1f ms  %7.0f /s wall  %7.0f /s CPU\n",
                    *format ? format : "(plain)", timing.wall * 1e3, designs / timing.wall,
                    designs / timing.cpu);
        if (!*format)
            oneRun = timing;
    }
    Timing perProcess;
    for (const std::string& file : files) {
        const Timing timing = bestOf(1, {file});
        perProcess.wall += timing.wall;
        perProcess.cpu += timing.cpu;
    }
    std::printf(
        "  one process per file %8.1f ms  %7.0f /s wall  %7.0f /s CPU  (%.0f times the one run's "
        "CPU time)\n",
        perProcess.wall * 1e3, designs / perProcess.wall, designs / perProcess.cpu,
        perProcess.cpu / oneRun.cpu);

    // --pdf-dir: the run with one report subtracted, so start-up and fonts are left out.
    const auto pdfDirRun = [&](int count) {
        std::vector<std::string> arguments{"--pdf-dir", (dir / "reports").string()};
        arguments.insert(arguments.end(), files.begin(), files.begin() + std::min(count, designs));
        return bestOf(3, arguments);
    };
    const Timing oneReport = pdfDirRun(1);
    const Timing manyReports = pdfDirRun(reports + 1);
    const double perReport = (manyReports.cpu - oneReport.cpu) / reports;

    QGuiApplication app(argc, argv); // fonts and the PDF writer need it
    const std::string bare = (dir / "bare.pdf").string();
    const auto bareDocument = [&] { // CPU time of this process, as for the checker's reports
        const std::clock_t start = std::clock();
        const auto job = flange::openPdfFileJob(QString::fromStdString(bare));
        const bool written =
            job->setPaper(flange::PaperSize::A4, flange::PageOrientation::Portrait)
            && job->setFont(flange::reportFace, 12) && job->setPosition({4000, 500})
            && job->printText("丸型鋼管接合部の処理") && job->newPage() && job->endDocument();
        if (!written)
            std::fprintf(stderr, "the bare document could not be written\n");
        return double(std::clock() - start) / CLOCKS_PER_SEC;
    };
    bareDocument();
    double bareSeconds = 1e30;
    for (int i = 0; i < reports; ++i)
        bareSeconds = std::min(bareSeconds, bareDocument());
    std::printf("%d reports with --pdf-dir: %.2f ms CPU a design; a bare two-page PDF %.2f ms "
                "(%.1f times)\n",
                reports, perReport * 1e3, bareSeconds * 1e3, perReport / bareSeconds);
    fs::remove_all(dir);
    return 0;
}
