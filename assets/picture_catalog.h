#pragma once

// The stored drawings of the program: the formula pictures shown beside the fields and printed on
// the report, the two reference figures, the small pictures of the α0 pane and the allowable-stress
// table. Each is an SVG resource whose user units are twips; it is always drawn at its own size.

#include <optional>
#include <span>
#include <string_view>

namespace flange {

struct PictureInfo {
    std::string_view name;     // the control name, e.g. "Image2"
    std::string_view resource; // Qt resource path of the SVG
    int widthTwips;
    int heightTwips;
};

// All pictures, formula pictures first (Image1..Image17, Image20..Image34), then the figures.
std::span<const PictureInfo> allPictures();

// The picture of a control name, or nothing when the name is unknown.
std::optional<PictureInfo> findPicture(std::string_view name);

} // namespace flange
