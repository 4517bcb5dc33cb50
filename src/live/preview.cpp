#include "live/preview.h"

#include <string>
#include <vector>

#include "live/designed_window.h"
#include "live/live_classes.h"
#include "live/live_host.h"
#include "live/wallpaper_window.h"
#include "live/win32_handles.h"
#include "live/window_base.h"
#include "model/program_state.h"
#include "model/project.h"

namespace zim {

namespace {

constexpr int32_t standardWindow = 0;
constexpr int32_t modalDialog = 2;

bool running = false;
// The classes this preview registered; they stay until the preview has ended.
std::vector<std::string> registeredClasses;

bool hasWallpaper() {
    return project().program.wallpaperPresent != 0;
}

// Live slots saved with a project or left by an earlier preview name no window of this one.
void clearWindowSlots() {
    project().wallpaper.hwnd = 0;
    for (int w = 1; w <= project().program.windowCount; ++w) {
        window(w).hwnd = 0;
        window(w).ownerHwnd = 0;
    }
}

bool registerClass(const std::string& name, bool registered) {
    if (registered)
        registeredClasses.push_back(name);
    return registered;
}

bool registerPreviewClasses() {
    for (int w = 1; w <= project().program.windowCount; ++w) {
        if (window(w).kind != standardWindow)
            continue;
        const std::string name = designedClassName(w);
        if (!registerClass(name, registerDesignedClass(name, w, WindowBase::procedure)))
            return false;
    }
    if (hasWallpaper())
        return registerClass(wallpaperClassName,
                             registerWallpaperClass(project().wallpaper, WindowBase::procedure));
    return true;
}

void endPreview() {
    running = false;
    if (designMode == 1) {
        liveHost().showDesigner();
        liveHost().previewEnded();
    } else {
        PostQuitMessage(0);
    }
}

// The designer is never left hidden: the failure is shown and the designer comes back.
void failStart() {
    releasePreviewClasses();
    if (designMode == 1) {
        liveHost().message(liveHost().frameWindow(), previewClassError, "Error",
                           MB_OK | MB_ICONHAND);
        liveHost().showDesigner();
    }
}

} // namespace

bool startPreview() {
    if (running)
        return false;
    if (designMode == 1)
        liveHost().hideDesigner();
    releasePreviewClasses();
    clearWindowSlots();
    if (!registerPreviewClasses()) {
        failStart();
        return false;
    }
    running = true;
    if (hasWallpaper()) {
        if (!createWallpaperWindow(project().wallpaper))
            endPreview();
        return true;
    }
    createDesignedWindow(1);
    // Window 1 that could not be created would leave nothing to close.
    if (running && window(1).hwnd == 0)
        endPreview();
    return true;
}

bool previewRunning() {
    return running;
}

void closeFirstWindow() {
    if (!running)
        return;
    HWND first = loadHandle<HWND>(window(1).hwnd);
    if (first) {
        if (window(1).kind == modalDialog)
            SendMessageA(first, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            DestroyWindow(first);
        return;
    }
    HWND wallpaper = loadHandle<HWND>(project().wallpaper.hwnd);
    if (wallpaper)
        DestroyWindow(wallpaper);
    else
        endPreview();
}

void releasePreviewClasses() {
    if (running)
        return;
    std::vector<std::string> kept;
    for (const std::string& name : registeredClasses)
        if (!unregisterLiveClass(name))
            kept.push_back(name); // a window of it is still there
    registeredClasses = kept;
}

void designedWindowClosed(int w) {
    if (w == 1 && running && !hasWallpaper())
        endPreview();
}

void wallpaperClosed() {
    if (running)
        endPreview();
}

} // namespace zim
