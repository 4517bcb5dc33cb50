#include "shell/dialog_runner.h"

#include "shell/dialog_placement.h"

namespace zim {

namespace {

LayoutBox boxOf(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

LayoutBox workArea() {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return boxOf(area);
}

} // namespace

void placeOverOwner(HWND dialog, int width, int height) {
    const LayoutBox work = workArea();
    LayoutBox over = work;
    HWND owner = GetWindow(dialog, GW_OWNER);
    RECT ownerRect;
    if (owner && IsWindowVisible(owner) && GetWindowRect(owner, &ownerRect))
        over = boxOf(ownerRect);
    const LayoutBox place = dialogPlacement(over, work, width, height);
    SetWindowPos(dialog, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace zim
