#include "editors/frame/placement_tooltips.h"

namespace zim {

const std::array<const char*, 9>& placementTooltips() {
    static const std::array<const char*, 9> texts = {
        "(X-left,Y-top)",    "(X-center,Y-top)",    "(X-right,Y-top)",
        "(X-left,Y-center)", "(X-center,Y-center)", "(X-right,Y-center)",
        "(X-left,Y-down)",   "(X-center,Y-down)",   "(X-right,Y-down)",
    };
    return texts;
}

} // namespace zim
