// Readable failure output for the live windows' geometry types.
#pragma once

#include <ostream>

#include "live/pixel_geometry.h"

namespace zim {

inline void PrintTo(const PixelRect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

inline void PrintTo(PixelPoint p, std::ostream* out) {
    *out << "(" << p.x << ", " << p.y << ")";
}

inline void PrintTo(PixelSize s, std::ostream* out) {
    *out << s.width << " x " << s.height;
}

} // namespace zim
