#include "shell/main_window_layout.h"

namespace zim {

LayoutBox mainWindowPlacement(int screenWidth, int screenHeight) {
    return {centredOffset(screenWidth, mainWindowWidth),
            centredOffset(screenHeight, mainWindowHeight), mainWindowWidth, mainWindowHeight};
}

std::array<int, 3> statusBarPartEdges() {
    return {550, 860, -1};
}

LayoutBox viewArea(int clientWidth, int clientHeight, int statusBarHeight) {
    return {0, 0, clientWidth, clientHeight - statusBarHeight};
}

} // namespace zim
