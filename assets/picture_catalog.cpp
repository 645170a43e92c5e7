#include "assets/picture_catalog.h"

#include <algorithm>
#include <array>

namespace flange {

namespace {

constexpr std::array pictures{
    // Formula pictures: beside the input fields, on the results pane and on the report.
    PictureInfo{"Image1", ":/formulas/Image1.svg", 2235, 345},
    PictureInfo{"Image2", ":/formulas/Image2.svg", 555, 330},
    PictureInfo{"Image3", ":/formulas/Image3.svg", 375, 195},
    PictureInfo{"Image4", ":/formulas/Image4.svg", 540, 345},
    PictureInfo{"Image5", ":/formulas/Image5.svg", 525, 345},
    PictureInfo{"Image6", ":/formulas/Image6.svg", 540, 345},
    PictureInfo{"Image7", ":/formulas/Image7.svg", 555, 345},
    PictureInfo{"Image8", ":/formulas/Image8.svg", 435, 345},
    PictureInfo{"Image9", ":/formulas/Image9.svg", 495, 345},
    PictureInfo{"Image10", ":/formulas/Image10.svg", 465, 345},
    PictureInfo{"Image11", ":/formulas/Image11.svg", 540, 345},
    PictureInfo{"Image12", ":/formulas/Image12.svg", 525, 345},
    PictureInfo{"Image13", ":/formulas/Image13.svg", 570, 345},
    PictureInfo{"Image14", ":/formulas/Image14.svg", 525, 345},
    PictureInfo{"Image15", ":/formulas/Image15.svg", 525, 375},
    PictureInfo{"Image16", ":/formulas/Image16.svg", 465, 345},
    PictureInfo{"Image17", ":/formulas/Image17.svg", 540, 330},
    PictureInfo{"Image20", ":/formulas/Image20.svg", 1170, 345},
    PictureInfo{"Image21", ":/formulas/Image21.svg", 1335, 345},
    PictureInfo{"Image22", ":/formulas/Image22.svg", 1695, 375},
    PictureInfo{"Image23", ":/formulas/Image23.svg", 2580, 345},
    PictureInfo{"Image24", ":/formulas/Image24.svg", 2340, 345},
    PictureInfo{"Image25", ":/formulas/Image25.svg", 2070, 345},
    PictureInfo{"Image26", ":/formulas/Image26.svg", 960, 330},
    PictureInfo{"Image27", ":/formulas/Image27.svg", 2295, 375},
    PictureInfo{"Image28", ":/formulas/Image28.svg", 2985, 465},
    PictureInfo{"Image29", ":/formulas/Image29.svg", 2100, 375},
    PictureInfo{"Image30", ":/formulas/Image30.svg", 1905, 345},
    PictureInfo{"Image31", ":/formulas/Image31.svg", 1500, 375},
    PictureInfo{"Image32", ":/formulas/Image32.svg", 1530, 345},
    PictureInfo{"Image33", ":/formulas/Image33.svg", 2235, 345},
    PictureInfo{"Image34", ":/formulas/Image34.svg", 1635, 375},
    // Reference figure 1 (the dimensioned joint) and reference figure 2 (the α0 chart).
    PictureInfo{"Image18", ":/figures/Image18.svg", 9105, 3450},
    PictureInfo{"Image19", ":/figures/Image19.svg", 6030, 8835},
    // Unit captions of the chart, fixed while it scrolls.
    PictureInfo{"Image35", ":/figures/Image35.svg", 810, 330},
    PictureInfo{"Image36", ":/figures/Image36.svg", 705, 300},
    // The α0 pane: chart excerpt, symbols and arrow.
    PictureInfo{"Image37", ":/figures/Image37.svg", 4950, 4755},
    PictureInfo{"Image38", ":/figures/Image38.svg", 960, 330},
    PictureInfo{"Image39", ":/figures/Image39.svg", 345, 375},
    PictureInfo{"Image40", ":/figures/Image40.svg", 1155, 210},
    PictureInfo{"Image41", ":/figures/Image41.svg", 540, 330},
    // The allowable-stress table of the allowable-stress window.
    PictureInfo{"AllowableStressTable", ":/table/allowable-stress.svg", 9330, 3765},
};

} // namespace

std::span<const PictureInfo> allPictures() { return pictures; }

std::optional<PictureInfo> findPicture(std::string_view name)
{
    const auto it = std::ranges::find(pictures, name, &PictureInfo::name);
    if (it == pictures.end())
        return std::nullopt;
    return *it;
}

} // namespace flange
