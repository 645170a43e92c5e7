// Start-up benchmark: starts the program (with the start-up probe on its main window) and a bare
// Qt main window alternately, each with FLANGECHECK_STARTUP_PROBE set so that it reports its first
// paint and ends, and prints for each
// the median and the shortest time from process start to first paint and the median peak resident
// memory, with the ratios of the medians. The target is both ratios within 1.3. The shortest times
// show what the median hides when other work shares the machine.
//
// Usage: startup_bench [RUNS]   (default 15; the platform is Qt's usual choice, e.g. DISPLAY or
// QT_QPA_PLATFORM=offscreen)

#include <fcntl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Sample {
    double startupMs;
    long peakKb;
};

struct Program {
    const char* name;
    const char* path;
    std::vector<Sample> samples;
};

// Starts the program, reads its report line and waits for its end.
std::optional<Sample> runOnce(const char* path)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return std::nullopt;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        if (const int quiet = open("/dev/null", O_WRONLY); quiet >= 0)
            dup2(quiet, STDERR_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        setenv("FLANGECHECK_STARTUP_PROBE", "1", 1);
        execl(path, path, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);

    long long shownNs = 0;
    long peakKb = 0;
    const auto at = output.find("shown_ns=");
    if (child < 0 || at == std::string::npos
        || std::sscanf(output.c_str() + at, "shown_ns=%lld peak_kb=%ld", &shownNs, &peakKb) != 2)
        return std::nullopt;
    const auto startNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    return Sample{static_cast<double>(shownNs - startNs) / 1e6, peakKb};
}

template <class T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<Program> programs{{"flangecheck", FLANGECHECK_PATH, {}},
                                  {"bare window", BARE_WINDOW_PATH, {}}};
    // One unmeasured start of each fills the file cache.
    for (Program& program : programs)
        runOnce(program.path);
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            Program& program = programs[(i + static_cast<std::size_t>(run)) % programs.size()];
            const auto sample = runOnce(program.path);
            if (!sample) {
                std::fprintf(stderr, "%s did not report its first paint\n", program.name);
                return 1;
            }
            program.samples.push_back(*sample);
        }
    }

    std::vector<std::pair<double, long>> medians;
    std::printf("%-12s %14s %14s %14s   (%d runs)\n", "", "first paint", "shortest", "peak memory",
                runs);
    for (const Program& program : programs) {
        std::vector<double> times;
        std::vector<long> peaks;
        for (const Sample& s : program.samples) {
            times.push_back(s.startupMs);
            peaks.push_back(s.peakKb);
        }
        medians.emplace_back(median(times), median(peaks));
        std::printf("%-12s %11.1f ms %11.1f ms %10ld KiB\n", program.name, medians.back().first,
                    *std::min_element(times.begin(), times.end()), medians.back().second);
    }
    const double timeRatio = medians[0].first / medians[1].first;
    const double memoryRatio = static_cast<double>(medians[0].second) / medians[1].second;
    std::printf("ratio        %14.2f %14s %14.2f   (medians; target: within 1.30)\n", timeRatio, "",
                memoryRatio);
    return 0;
}
