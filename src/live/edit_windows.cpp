#include "live/edit_windows.h"

#include "live/designed_window.h"
#include "live/edit_window_frame.h"
#include "live/live_classes.h"
#include "live/live_host.h"
#include "live/position_edit_window.h"
#include "live/selection_edit_window.h"
#include "model/text_field.h"

namespace zim {

namespace {

HWND openWindow = nullptr;
HWND openPage = nullptr;

// Style bits that would keep an edit window from being a shown, active top-level window.
constexpr DWORD unwantedStyles = WS_CHILD | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE;
constexpr DWORD sizingFrame = WS_CAPTION | WS_THICKFRAME | WS_SYSMENU;

RECT rectOf(const PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The reference area the preview would give window w. Only the designer's frame window is
// there while an edit window is open: it owns the designed windows of a design without
// wallpaper; any other owner (the wallpaper, another designed window) is not, and the
// wallpaper covers the screen anyway.
PixelRect previewReferenceOf(const AppWindow& record, HWND frameWindow) {
    const bool ownedByFrame = record.hasOwner && project().program.wallpaperPresent == 0;
    return referenceAreaOf(ownedByFrame, frameWindow);
}

} // namespace

PixelRect outerAround(const PixelRect& client, DWORD style, DWORD extendedStyle) {
    RECT r = rectOf(client);
    AdjustWindowRectEx(&r, style & 0xFFFF0000, FALSE, extendedStyle);
    return {r.left, r.top, r.right, r.bottom};
}

EditWindowFrame editWindowFrameOf(int w, bool framed) {
    const AppWindow& record = window(w);
    EditWindowFrame frame{};
    frame.designedStyle = designedStyleOf(record) & 0xFFFF0000;
    frame.designedExtended = designedExtendedStyleOf(record);
    frame.owner = liveHost().frameWindow();
    frame.reference = previewReferenceOf(record, frame.owner);
    const WindowPlacement place =
        designedPlacementOf(w, frame.designedStyle, frame.designedExtended, frame.reference);
    frame.systemDefault = place.systemDefault;
    frame.style = (frame.designedStyle & ~unwantedStyles) | WS_VISIBLE;
    frame.extendedStyle = frame.designedExtended;
    frame.rect = place.rect;
    if (framed) {
        // The designed window's client area stays where it is; the frame grows around it.
        frame.style |= sizingFrame;
        const PixelRect designedFrame =
            outerAround({}, frame.designedStyle, frame.designedExtended);
        const PixelRect client{
            place.rect.left - designedFrame.left, place.rect.top - designedFrame.top,
            place.rect.right - designedFrame.right, place.rect.bottom - designedFrame.bottom};
        frame.rect = outerAround(client, frame.style, frame.extendedStyle);
    }
    return frame;
}

HWND openEditWindowWith(int w, std::unique_ptr<WindowBase> object, const EditWindowFrame& frame,
                        HWND page) {
    liveHost().hideDesigner();
    unregisterLiveClass(editWindowClassName); // left by an earlier edit window
    if (!registerDesignedClass(editWindowClassName, w, WindowBase::procedure)) {
        liveHost().message(frame.owner, editClassError, "Error", MB_OK | MB_ICONHAND);
        liveHost().showDesigner();
        return nullptr;
    }
    openPage = page;
    const std::string title = shown(window(w).title);
    const PixelRect& r = frame.rect;
    WindowCreation creation{
        editWindowClassName, title.c_str(), frame.style,        r.left, r.top, r.width(),
        r.height(),          frame.owner,   frame.extendedStyle};
    if (frame.systemDefault) {
        creation.x = CW_USEDEFAULT;
        creation.y = CW_USEDEFAULT;
    }
    openWindow = createObjectWindow(std::move(object), creation);
    if (!openWindow) {
        openPage = nullptr;
        releaseEditWindowClass();
        liveHost().showDesigner();
    }
    return openWindow;
}

void editWindowClosed(HWND window) {
    if (window != openWindow)
        return;
    openWindow = nullptr;
    liveHost().showDesigner();
    if (openPage)
        PostMessageA(openPage, WM_COMMAND, MAKEWPARAM(editWindowClosedCommand, 0), 0);
    openPage = nullptr;
}

bool openButtonEditWindow(int w, int b, ButtonControl& workCopy, HWND page) {
    if (openWindow)
        return false;
    WorkingCopies copies;
    copies.button = b;
    copies.buttonCopy = &workCopy;
    return openEditWindowWith(w, makeSelectionEditWindow(w, EditTarget::button, copies),
                              editWindowFrameOf(w, false), page) != nullptr;
}

bool openStaticEditWindow(int w, int s, EditTarget target, StaticControl& workCopy, HWND page) {
    if (openWindow || target == EditTarget::button || target == EditTarget::imageArea)
        return false;
    WorkingCopies copies;
    copies.staticNumber = s;
    copies.staticCopy = &workCopy;
    return openEditWindowWith(w, makeSelectionEditWindow(w, target, copies),
                              editWindowFrameOf(w, false), page) != nullptr;
}

bool openImageEditWindow(int w, int i, BackgroundImage& workCopy, HWND page) {
    if (openWindow)
        return false;
    WorkingCopies copies;
    copies.image = i;
    copies.imageCopy = &workCopy;
    return openEditWindowWith(w, makeSelectionEditWindow(w, EditTarget::imageArea, copies),
                              editWindowFrameOf(w, false), page) != nullptr;
}

bool openPositionEditWindow(int w, PixelRect& chosen, HWND page) {
    if (openWindow)
        return false;
    const EditWindowFrame frame = editWindowFrameOf(w, true);
    return openEditWindowWith(w, makePositionEditWindow(w, chosen, frame), frame, page) != nullptr;
}

HWND editWindow() {
    return openWindow;
}

void closeEditWindow() {
    if (openWindow)
        DestroyWindow(openWindow);
}

void releaseEditWindowClass() {
    if (!openWindow)
        unregisterLiveClass(editWindowClassName);
}

} // namespace zim
