#include "shell/picker_rules.h"

#include <algorithm>

namespace zim {

namespace {
constexpr uint32_t rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}
} // namespace

std::string pickerFilter(const std::string& filter) {
    std::string result = filter;
    std::replace(result.begin(), result.end(), '|', '\0');
    // The list ends in two zero characters even when the caller left out the closing "||".
    result.append(2, '\0');
    return result;
}

const std::array<uint32_t, 16>& customColours() {
    static const std::array<uint32_t, 16> colours = {
        rgb(255, 0, 0),     rgb(255, 80, 80),   rgb(255, 128, 128), rgb(255, 240, 240),
        rgb(0, 255, 0),     rgb(80, 255, 80),   rgb(128, 255, 128), rgb(240, 255, 240),
        rgb(0, 0, 255),     rgb(80, 80, 255),   rgb(128, 128, 255), rgb(240, 240, 255),
        rgb(255, 255, 0),   rgb(255, 255, 80),  rgb(255, 255, 128), rgb(0, 0, 0),
    };
    return colours;
}

} // namespace zim
