#include "live/wallpaper_window.h"

#include <memory>

#include "live/background_canvas.h"
#include "live/designed_window.h"
#include "live/dialog_runner.h"
#include "live/image_painter.h"
#include "live/live_classes.h"
#include "live/preview.h"
#include "live/win32_handles.h"
#include "live/window_base.h"
#include "model/text_field.h"

namespace zim {

namespace {

class WallpaperWindow : public WindowBase {
  public:
    explicit WallpaperWindow(const Wallpaper& wallpaper) : wallpaper_(wallpaper) {}

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
        case WM_TIMER:
            if (wParam == wallpaperTimer)
                onTimer();
            return 0;
        case WM_DESTROY:
            onDestroy();
            return 0;
        }
        return WindowBase::handleMessage(message, wParam, lParam);
    }

    void onCreate() {
        project().wallpaper.hwnd = storeHandle(window());
        firstTickDone_ = false;
        const PixelRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        background_.prepare(window(), {screen.right, screen.bottom},
                            liveClassBrush(wallpaperClassName));
        if (wallpaper_.imagePresent)
            paintImage(background_.dc(), drawingOf(wallpaper_), screen);
        SetTimer(window(), wallpaperTimer, static_cast<UINT>(wallpaper_.firstWindowDelay), nullptr);
    }

    void onPaint() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window(), &paint);
        background_.copyTo(dc, paint.rcPaint);
        EndPaint(window(), &paint);
    }

    // The first tick opens window 1 (a modal dialog runs inside this call, while later ticks
    // find it open). A later tick that finds window 1 gone closes the wallpaper. This object may
    // be gone when window 1's creation returns, so nothing of it is used after.
    void onTimer() {
        if (!firstTickDone_) {
            firstTickDone_ = true;
            createDesignedWindow(1);
            return;
        }
        if (zim::window(1).hwnd == 0)
            DestroyWindow(window());
    }

    void onDestroy() {
        KillTimer(window(), wallpaperTimer);
        background_.release();
        project().wallpaper.hwnd = 0;
        wallpaperClosed();
    }

    Wallpaper wallpaper_;
    BackgroundCanvas background_;
    bool firstTickDone_ = false;
};

} // namespace

HWND createWallpaperWindow(const Wallpaper& wallpaper) {
    const std::string title = shown(project().program.applicationName);
    const bool animated = wallpaper.animate != 0;
    const DWORD style = WS_POPUP | WS_CLIPSIBLINGS | (animated ? 0 : WS_VISIBLE);
    HWND created =
        createObjectWindow(std::make_unique<WallpaperWindow>(wallpaper),
                           {wallpaperClassName, title.c_str(), style, 0, 0,
                            GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    if (!created)
        return nullptr;
    if (!animated ||
        !AnimateWindow(created, static_cast<DWORD>(wallpaper.appearanceTime), animateFlags))
        ShowWindow(created, SW_SHOWNORMAL);
    return created;
}

} // namespace zim
