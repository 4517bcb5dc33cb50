#include "shell/object_code.h"

#include "model/project.h"

namespace zim {

namespace {

constexpr int32_t kindUnit = 100000;
constexpr int32_t windowUnit = 100;

int32_t code(int32_t kind, int window, int control) {
    return kind * kindUnit + window * windowUnit + control;
}

// Kinds whose codes number a control (or an image) within the window: 1 to 100.
bool numbersAControl(int32_t kind) {
    return kind == objectBackgroundImage || kind == objectButton || kind == objectStatic;
}

} // namespace

int32_t windowCode(int32_t applicationType, int window) {
    return code(applicationType == 0 ? objectWindow : objectDialog, window, 0);
}

int32_t imageCode(int window, int image) {
    return code(objectBackgroundImage, window, image);
}
int32_t buttonCode(int window, int button) {
    return code(objectButton, window, button);
}
int32_t staticCode(int window, int staticNumber) {
    return code(objectStatic, window, staticNumber);
}

ObjectSelection decodeObjectCode(int32_t c) {
    switch (c) {
    case programCode:
        return {objectProgram, 0, 0};
    case wallpaperCode:
        return {objectWallpaper, 0, 0};
    case wallpaperImageCode:
        return {objectBackgroundImage, 0, 1};
    case objectWindow:
        return {objectWindow, 1, 0};
    case objectDialog:
        return {objectDialog, 1, 0};
    default:
        break;
    }
    const int32_t kind = c / kindUnit;
    const int32_t rest = c - kind * kindUnit;
    // Control 100 of window w has rest 100 w + 100, which the plain division would read as
    // window w + 1, control 0; counting from one below keeps it in window w.
    const int32_t window = numbersAControl(kind) ? (rest - 1) / windowUnit : rest / windowUnit;
    return {kind, window, rest - window * windowUnit};
}

} // namespace zim
