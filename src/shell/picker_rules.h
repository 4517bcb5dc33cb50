// Pure rules of the common pickers.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zim {

// The filter as the file pickers take it: every "|" becomes a zero character, so
// "Icons (*.ico)|*.ico||" becomes a double-zero-terminated list of one entry.
std::string pickerFilter(const std::string& filter);

// The sixteen custom colours offered by the colour picker, as Win32 colour values.
const std::array<uint32_t, 16>& customColours();

} // namespace zim
