#include "shell/about_view.h"

#include "shell/control_toolkit.h"

namespace zim {

namespace {

constexpr const char* aboutBitmap = "ABOUT";
constexpr DWORD pictureStyle = SS_BITMAP;
constexpr DWORD pictureExtendedStyle = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
static_assert((WS_CHILD | WS_VISIBLE | pictureStyle) == 0x5000000E, "the picture's style");
static_assert(pictureExtendedStyle == 0x20200, "the picture's extended style");

} // namespace

HWND buildAboutView(HWND view) {
    // The static loads the bitmap named by its text and takes the bitmap's size.
    const LayoutBox start{5, 5, 10, 10};
    HWND picture = createControl(view, {"STATIC", aboutBitmap, pictureStyle, start, 0,
                                        ControlFont::none, pictureExtendedStyle});
    RECT client;
    GetClientRect(view, &client);
    RECT frame;
    GetWindowRect(picture, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    MoveWindow(picture, centredOffset(client.right, width), centredOffset(client.bottom, height),
               width, height, TRUE);
    return picture;
}

} // namespace zim
