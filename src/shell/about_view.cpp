#include "shell/about_view.h"

#include "shell/layout_box.h"
#include "shell/shell_state.h"

namespace zim {

namespace {
constexpr const char* aboutBitmap = "ABOUT";
} // namespace

HWND buildAboutView(HWND view) {
    // The static loads the bitmap named by its text and takes the bitmap's size.
    HWND picture = CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE, "STATIC", aboutBitmap,
                                   WS_CHILD | WS_VISIBLE | SS_BITMAP, 5, 5, 10, 10, view, nullptr,
                                   hInstance, nullptr);
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
