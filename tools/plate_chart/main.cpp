// plate_chart: draws the α0 chart pictures from the plate coefficient table.
//
//   plate_chart TABLE.csv FIGURE_DIR
//
// writes FIGURE_DIR/Image19.svg (the chart), Image35.svg and Image36.svg (its unit captions) and
// Image37.svg (the α0 pane's excerpt with the worked reading).

#include "plate_chart/alpha0_excerpt.h"
#include "plate_chart/reference_chart.h"
#include "plate_chart/unit_caption.h"
#include "plate_solver/coefficient_table.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

namespace {

bool writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    return bool(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: plate_chart TABLE.csv FIGURE_DIR\n");
        return 2;
    }
    const auto table = flange::plate::CoefficientTable::readFile(argv[1]);
    if (!table) {
        std::fprintf(stderr, "cannot read the coefficient table %s\n", argv[1]);
        return 1;
    }
    const std::string dir = argv[2];
    try {
        using namespace flange::chart;
        const bool ok = writeFile(dir + "/Image19.svg", ReferenceChart(*table).svg())
                        && writeFile(dir + "/Image35.svg", UnitCaption::momentUnitSvg())
                        && writeFile(dir + "/Image36.svg", UnitCaption::shearUnitSvg())
                        && writeFile(dir + "/Image37.svg", Alpha0Excerpt(*table).svg());
        if (!ok) {
            std::fprintf(stderr, "cannot write the pictures into %s\n", argv[2]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
