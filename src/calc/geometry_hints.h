#pragma once

// The geometry hints: a joint that cannot be built as typed (see hints.h).

#include "calc/hints.h"

#include <optional>
#include <string_view>
#include <vector>

namespace flange {

// Appends the geometry hints of the record to `hints`. Only inputs that read as numbers take part;
// a relation is checked only when all its values are positive, a non-positive one being a hint of
// its own.
void addGeometryHints(const DesignRecord& record, std::vector<Hint>& hints);

// The nominal diameter of a bolt size of the bolt size table in cm ("Ｍ27" gives 2.7); nothing
// for any other text.
std::optional<double> nominalBoltDiameter(std::string_view boltSize);

} // namespace flange
