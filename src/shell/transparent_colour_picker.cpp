#include "shell/transparent_colour_picker.h"

#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "shell/dialog_runner.h"
#include "shell/shell_state.h"
#include "shell/window_base.h"
#include "shell/window_classes.h"

namespace zim {

namespace {

constexpr DWORD dialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK;
// Room for the caption when the bitmap is narrower.
constexpr int narrowestClient = 240;

struct Pick {
    HBITMAP bitmap = nullptr;
    SIZE size{};
    COLORREF colour = 0;
};

// The window that shows the bitmap (its class carries the "SEL_CUR" cursor). A click on a
// pixel of the bitmap ends the dialog around it with that pixel's colour; Esc ends it with 0.
class PickingWindow : public WindowBase {
  public:
    explicit PickingWindow(Pick& pick) : pick_(pick) {}

  private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CREATE:
            memory_ = CreateCompatibleDC(nullptr);
            previous_ = SelectObject(memory_, pick_.bitmap);
            return 0;
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_LBUTTONDOWN:
            onClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE)
                EndDialog(GetParent(window()), 0);
            return 0;
        case WM_DESTROY:
            SelectObject(memory_, previous_);
            DeleteDC(memory_);
            return 0;
        }
        return WindowBase::handleMessage(message, wParam, lParam);
    }

    void onPaint() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window(), &paint);
        BitBlt(dc, 0, 0, pick_.size.cx, pick_.size.cy, memory_, 0, 0, SRCCOPY);
        EndPaint(window(), &paint);
    }

    void onClick(int x, int y) {
        if (x < 0 || y < 0 || x >= pick_.size.cx || y >= pick_.size.cy)
            return;
        pick_.colour = GetPixel(memory_, x, y);
        EndDialog(GetParent(window()), 1);
    }

    Pick& pick_;
    HDC memory_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

RECT workArea() {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

// The dialog's client area holds the bitmap, as far as the work area allows.
void sizeToBitmap(HWND dialog, const Pick& pick) {
    const RECT work = workArea();
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, dialogStyle, FALSE, 0);
    const int frameWidth = frame.right - frame.left;
    const int frameHeight = frame.bottom - frame.top;
    const int clientWidth = std::min<int>(std::max<int>(pick.size.cx, narrowestClient),
                                          work.right - work.left - frameWidth);
    const int clientHeight = std::min<int>(pick.size.cy, work.bottom - work.top - frameHeight);
    placeOverOwner(dialog, clientWidth + frameWidth, clientHeight + frameHeight);
}

INT_PTR CALLBACK pickDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        Pick& pick = *reinterpret_cast<Pick*>(lParam);
        sizeToBitmap(dialog, pick);
        HWND picker =
            createWindow(std::make_unique<PickingWindow>(pick),
                         {transparentPickerClass,
                          "",
                          WS_CHILD | WS_VISIBLE,
                          {0, 0, static_cast<int>(pick.size.cx), static_cast<int>(pick.size.cy)},
                          dialog});
        if (!picker) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        SetFocus(picker);
        return FALSE; // the focus is set
    }
    // Esc (through the dialog manager) and the close box.
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

std::optional<COLORREF> pickColourFromBitmap(HWND owner, const std::string& caption,
                                             const std::string& bitmapPath) {
    Pick pick;
    // A DIB section keeps the file's own colours whatever the screen's depth.
    pick.bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, bitmapPath.c_str(), IMAGE_BITMAP, 0, 0,
                                                  LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!pick.bitmap)
        return std::nullopt;
    BITMAP info{};
    GetObjectA(pick.bitmap, sizeof info, &info);
    pick.size = {info.bmWidth, info.bmHeight};
    HINSTANCE instance = hInstance ? hInstance : GetModuleHandleA(nullptr);
    const DialogFrame frame{dialogStyle, 0, 0, 0, 100, 100, caption, "Times New Roman", 10};
    const INT_PTR result = runModalDialog(instance, owner, frame, pickDialogProcedure,
                                          reinterpret_cast<LPARAM>(&pick));
    DeleteObject(pick.bitmap);
    if (result != 1)
        return std::nullopt;
    return pick.colour;
}

} // namespace zim
