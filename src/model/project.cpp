#include "model/project.h"

#include <cassert>

namespace zim {

namespace {
// Static storage: the Project lives for the whole run and is never allocated piecemeal.
Project theProject;
} // namespace

int32_t currentObjectKind = objectProgram;
int32_t currentWindow = 0;
int32_t currentControl = 0;
ButtonControl buttonWorkCopy;
StaticControl staticWorkCopy;

Project& project() { return theProject; }

AppWindow& window(int w) {
    assert(w >= 1 && w <= maxWindows);
    return theProject.windows[w - 1];
}

ButtonControl& button(int w, int b) {
    assert(b >= 1 && b <= maxButtons);
    return window(w).buttons[b - 1];
}

StaticControl& staticControl(int w, int s) {
    assert(s >= 1 && s <= maxStatics);
    return window(w).statics[s - 1];
}

BackgroundImage& image(int w, int i) {
    assert(i >= 1 && i <= maxImages);
    return window(w).images[i - 1];
}

} // namespace zim
