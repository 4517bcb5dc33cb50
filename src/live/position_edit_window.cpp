#include "live/position_edit_window.h"

#include "live/live_classes.h"
#include "live/live_content.h"
#include "live/preview_windows.h"
#include "live/win32_handles.h"
#include "live/window_placement.h"

namespace zim {

namespace {

class PositionEditWindow : public WindowBase {
  public:
    PositionEditWindow(int w, PixelRect& chosen, const EditWindowFrame& frame)
        : windowNumber_(w), chosen_(chosen), frame_(frame), content_(w) {}

  private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CREATE:
            onCreate();
            return 0;
        case WM_ERASEBKGND:
            return 1; // the background is copied whole on WM_PAINT
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_WINDOWPOSCHANGED:
            follow();
            break; // the default procedure still sends WM_SIZE and WM_MOVE
        case WM_SIZE:
            content_.fitBackground();
            return 0;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = content_.colourStatic(reinterpret_cast<HDC>(wParam),
                                                     reinterpret_cast<HWND>(lParam)))
                return reinterpret_cast<LRESULT>(brush);
            break;
        case WM_DESTROY:
            onDestroy();
            return 0;
        }
        return WindowBase::handleMessage(message, wParam, lParam);
    }

    void onCreate() {
        zim::window(windowNumber_).hwnd = storeHandle(window());
        SetPropA(window(), windowProperty,
                 reinterpret_cast<HANDLE>(static_cast<INT_PTR>(windowNumber_)));
        content_.create(window(), liveClassBrush(editWindowClassName));
        content_.disableControls();
        follow();
    }

    void onPaint() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window(), &paint);
        content_.paint(dc, paint.rcPaint);
        EndPaint(window(), &paint);
    }

    // The designed window would have this client area; its own frame gives its outer rectangle.
    void follow() {
        RECT client;
        GetClientRect(window(), &client);
        MapWindowPoints(window(), nullptr, reinterpret_cast<POINT*>(&client), 2);
        const PixelRect outer = outerAround({client.left, client.top, client.right, client.bottom},
                                            frame_.designedStyle, frame_.designedExtended);
        chosen_ = windowInReference(outer, frame_.reference);
    }

    void onDestroy() {
        content_.destroy();
        RemovePropA(window(), windowProperty);
        zim::window(windowNumber_).hwnd = 0;
        editWindowClosed(window());
    }

    int windowNumber_;
    PixelRect& chosen_;
    EditWindowFrame frame_;
    LiveContent content_;
};

} // namespace

std::unique_ptr<WindowBase> makePositionEditWindow(int w, PixelRect& chosen,
                                                   const EditWindowFrame& frame) {
    return std::make_unique<PositionEditWindow>(w, chosen, frame);
}

} // namespace zim
