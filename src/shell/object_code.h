// Object codes of the structure tree: each item carries kind x 100000 + window x 100 + control,
// and selecting an item decodes its code into the editing state.
#pragma once

#include <cstdint>

namespace zim {

constexpr int32_t programCode = 0;
constexpr int32_t wallpaperCode = 1;
constexpr int32_t wallpaperImageCode = 2;

// Every window item carries its own window number, so that each opens its own window; the
// kind tells a classic application's window (3) from a dialog-based one's (4).
int32_t windowCode(int32_t applicationType, int window);
int32_t imageCode(int window, int image);
int32_t buttonCode(int window, int button);
int32_t staticCode(int window, int staticNumber);

struct ObjectSelection {
    int32_t kind = 0;
    int32_t window = 0;
    int32_t control = 0;
};

inline bool operator==(const ObjectSelection& a, const ObjectSelection& b) {
    return a.kind == b.kind && a.window == b.window && a.control == b.control;
}

// The object an item code stands for. Codes 0 to 4 are the program, the wallpaper, the
// wallpaper's image and (for older trees) window 1 of either application type.
ObjectSelection decodeObjectCode(int32_t code);

} // namespace zim
