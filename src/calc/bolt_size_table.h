#pragma once

// The bolt sizes of the bolt size list and the section area each writes into boltArea.

#include <array>
#include <string_view>

namespace flange {

struct BoltSize {
    std::string_view itemText; // list item, beginning with the full-width Ｍ
    std::string_view areaText; // section area of one bolt [cm2], as written into boltArea
};

inline constexpr std::array<BoltSize, 8> boltSizeTable{{
    {"Ｍ12", "1.13"},
    {"Ｍ16", "2.01"},
    {"Ｍ20", "3.14"},
    {"Ｍ22", "3.8"},
    {"Ｍ24", "4.52"},
    {"Ｍ27", "5.73"},
    {"Ｍ30", "7.07"},
    {"Ｍ33", "8.55"},
}};

} // namespace flange
