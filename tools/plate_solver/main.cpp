// plate_solver: coefficients of a rectangular plate panel clamped on three edges and free on the
// fourth under a uniform load (ν = 0), the data behind the α0 chart.
//
//   plate_solver                          coefficients at a few aspect ratios (a few seconds)
//   plate_solver --table FILE [--step S]  the chart's table, λ = 0.5 .. 4.0 (several minutes)
//   plate_solver --convergence            series-order study as Markdown tables (a few minutes)
//   --order N                             series order of the single runs and the table

#include "plate_solver/coefficient_table.h"
#include "plate_solver/convergence_study.h"
#include "plate_solver/plate_coefficients.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

using namespace flange::plate;

namespace {

constexpr int defaultOrder = 28;

CoefficientTable makeTable(double step, int order)
{
    std::vector<std::string> names{"lambda"};
    names.push_back(std::string(coefficientColumns[0].name));
    names.push_back("M_free_end_uncertainty");
    for (std::size_t c = 1; c < coefficientColumns.size(); ++c)
        names.push_back(std::string(coefficientColumns[c].name));
    CoefficientTable table(names);
    const int steps = int(std::lround(3.5 / step));
    for (int i = 0; i <= steps; ++i) {
        const double lambda = std::round((0.5 + i * step) * 1e6) / 1e6;
        const PlateCoefficients c = solveCoefficients(lambda, order);
        // The end moment converges slowest; the change over the last orders is its uncertainty.
        const double lower = solveCoefficients(lambda, order - 4).freeEdgeEnd;
        std::vector<double> row{lambda, c.freeEdgeEnd, std::abs(c.freeEdgeEnd - lower)};
        for (std::size_t k = 1; k < coefficientColumns.size(); ++k)
            row.push_back(c.*coefficientColumns[k].field);
        table.addRow(std::move(row));
        std::fprintf(stderr, "\rλ = %.2f", lambda);
    }
    std::fprintf(stderr, "\n");
    return table;
}

void printCoefficients(int order)
{
    std::printf("%6s", "lambda");
    for (const auto& column : coefficientColumns)
        std::printf(" %14s", std::string(column.name).c_str());
    std::printf("\n");
    for (double lambda : {0.5, 0.75, 1.0, 1.17, 1.25, 1.5, 2.0, 3.0, 4.0}) {
        const PlateCoefficients c = solveCoefficients(lambda, order);
        std::printf("%6.2f", lambda);
        for (const auto& column : coefficientColumns)
            std::printf(" %14.7f", c.*column.field);
        std::printf("\n");
    }
}

int usage()
{
    std::fprintf(stderr,
                 "usage: plate_solver [--order N] [--table FILE [--step S]] [--convergence]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    int order = defaultOrder;
    double step = 0.01;
    std::string tablePath;
    bool convergence = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--order" && hasValue)
            order = std::atoi(argv[++i]);
        else if (arg == "--step" && hasValue)
            step = std::atof(argv[++i]);
        else if (arg == "--table" && hasValue)
            tablePath = argv[++i];
        else if (arg == "--convergence")
            convergence = true;
        else
            return usage();
    }
    if (order < 8 || !(step >= 0.01 && step <= 3.5))
        return usage();

    if (convergence) {
        ConvergenceStudy({8, 12, 16, 20, 24, 28, 32})
            .report({0.5, 0.75, 1.0, 1.17, 1.25, 1.5, 2.0, 2.5, 3.0, 4.0}, std::cout);
        return 0;
    }
    if (!tablePath.empty()) {
        std::ofstream out(tablePath);
        makeTable(step, order).write(out);
        return out ? 0 : 1;
    }
    printCoefficients(order);
    return 0;
}
