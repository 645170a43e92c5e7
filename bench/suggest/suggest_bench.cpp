// Times the design assistant on each example design that stops at NG: the proposals for the
// design, walk included, as the checker's --suggest and the "修正案" window ask for them. The
// target is at most 20 ms a design; the exit status is 1 when a design takes longer.
//
// Usage: suggest_bench [REPEATS]   (default 200)

#include "suggest/suggestions.h"
#include "worked_example.h"

#include <QDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    using Clock = std::chrono::steady_clock;
    const int repeats = argc > 1 ? std::atoi(argv[1]) : 200;
    if (repeats < 1) {
        std::fprintf(stderr, "usage: suggest_bench [REPEATS]\n");
        return 2;
    }
    constexpr double targetMs = 20.0;
    bool withinTarget = true;
    const QStringList designs =
        QDir(QStringLiteral(FLANGE_EXAMPLES_DIR)).entryList({QStringLiteral("*.sou")}, QDir::Files);
    for (const QString& design : designs) {
        const auto inputs = flange::testing::exampleFile(design);
        if (!flange::stepToMend(flange::walkDesign(inputs)))
            continue;
        double best = 1e30;
        double total = 0.0;
        std::size_t suggestions = 0;
        for (int i = 0; i < repeats; ++i) {
            const auto start = Clock::now();
            suggestions = flange::findSuggestions(inputs).size();
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            best = std::min(best, ms);
            total += ms;
        }
        withinTarget = withinTarget && total / repeats <= targetMs;
        std::printf("%-26s %zu suggestions  best %7.3f ms  mean %7.3f ms\n",
                    design.toUtf8().constData(), suggestions, best, total / repeats);
    }
    std::printf("target: at most %.0f ms a design on average: %s\n", targetMs,
                withinTarget ? "met" : "MISSED");
    return withinTarget ? 0 : 1;
}
