// Which entry a selection list shows first and which entries it refuses.
#pragma once

#include <cstdint>

namespace zim {

// 0-based position of the 1-based `entry` in a list of `count` entries; the first position
// when the entry lies outside the list (a value from a damaged file never selects nothing).
int listPosition(int32_t entry, int count);

// Position preselected in the system-colour or stock-brush list: the page's value when the
// page's background is of the list's own kind, else the first entry.
int backgroundPosition(int32_t kind, int32_t value, int32_t listKind, int count);

// Background kinds whose values are entries of these lists.
constexpr int32_t systemColourKind = 2;
constexpr int32_t stockBrushKind = 3;

// A window background cannot be the stock brush that paints nothing.
bool isNullBrush(int32_t stockBrushEntry);

} // namespace zim
