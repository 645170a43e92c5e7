#pragma once

// The stored drawings made ready for printing, each loaded once on first use and kept for as long
// as the library lives. A print job borrows a library; keeping one for the whole run of the
// program spares every later report the reading and laying out of the drawings.

#include "report/flat_picture.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace flange {

class PictureLibrary {
public:
    // The drawing stored under the Qt resource path, at its size in twips; nothing when it cannot
    // be read (the artwork is missing or broken).
    const FlatPicture* find(std::string_view resource, int widthTwips, int heightTwips);

private:
    std::map<std::string, std::optional<FlatPicture>, std::less<>> pictures_;
};

} // namespace flange
