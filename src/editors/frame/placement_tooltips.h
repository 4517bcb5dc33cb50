// The tooltips of the placement selector's nine buttons, in grid order: row by row from the
// top-left.
#pragma once

#include <array>

namespace zim {

const std::array<const char*, 9>& placementTooltips();

} // namespace zim
