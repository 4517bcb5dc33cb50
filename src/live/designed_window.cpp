#include "live/designed_window.h"

#include "live/dialog_runner.h"
#include "live/image_drawing.h"
#include "live/live_classes.h"
#include "live/live_host.h"
#include "live/live_images.h"
#include "live/preview_windows.h"
#include "live/win32_handles.h"
#include "model/program_state.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace zim {

namespace {

enum WindowKind : int32_t { standardWindow = 0, modelessDialog = 1, modalDialog = 2 };

// A dialog template counts in dialog units of the system font.
short toDialogUnits(int pixels, int baseUnit, int unitsPerBase) {
    return static_cast<short>(MulDiv(pixels, unitsPerBase, baseUnit));
}

DialogFrame dialogFrameOf(const AppWindow& record, DWORD style, const WindowPlacement& place) {
    const LONG base = GetDialogBaseUnits();
    const int baseX = LOWORD(base);
    const int baseY = HIWORD(base);
    const PixelRect& r = place.rect;
    DialogFrame frame;
    frame.style = style;
    frame.extendedStyle = designedExtendedStyleOf(record);
    frame.x = toDialogUnits(r.left, baseX, 4);
    frame.y = toDialogUnits(r.top, baseY, 8);
    frame.width = toDialogUnits(r.width(), baseX, 4);
    frame.height = toDialogUnits(r.height(), baseY, 8);
    frame.caption = shown(record.title);
    frame.face = shown(record.fontFace);
    frame.pointSize = static_cast<WORD>(record.fontSize);
    return frame;
}

} // namespace

DWORD designedStyleOf(const AppWindow& record) {
    DWORD style = styleWord(record.windowStyles, windowStyleList);
    if (record.kind != standardWindow)
        style |= styleWord(record.dialogStyles, dialogStyleList);
    return style;
}

DWORD designedExtendedStyleOf(const AppWindow& record) {
    return styleWord(record.extendedStyles, extendedStyleList);
}

PixelSize frameSizeOf(DWORD style, DWORD extendedStyle) {
    RECT r{0, 0, 0, 0};
    // A dialog's modal frame is drawn like the extended style of that name.
    if (style & DS_MODALFRAME)
        extendedStyle |= WS_EX_DLGMODALFRAME;
    AdjustWindowRectEx(&r, style & ~static_cast<DWORD>(0xFFFF), FALSE, extendedStyle);
    return {r.right - r.left, r.bottom - r.top};
}

PixelSize firstImageBitmapSize(int w) {
    if (window(w).imageCount < 1)
        return {};
    const ImageDrawing first = drawingOf(image(w, 1));
    HBITMAP bitmap = loadLiveBitmap(first.bitmapName, imagesFromResources(first.fromResource));
    const PixelSize size = bitmapSize(bitmap);
    if (bitmap)
        DeleteObject(bitmap);
    return size;
}

HWND designedOwnerOf(int w) {
    const AppWindow& record = window(w);
    if (designMode == 1 && project().program.wallpaperPresent == 0)
        return liveHost().frameWindow();
    if (!record.hasOwner)
        return nullptr;
    HWND owner = nullptr;
    if (record.ownerWindow >= 1 && record.ownerWindow <= maxWindows)
        owner = loadHandle<HWND>(window(record.ownerWindow).hwnd);
    else
        owner = loadHandle<HWND>(project().wallpaper.hwnd);
    return IsWindow(owner) ? owner : nullptr;
}

PixelRect referenceAreaOf(bool hasOwner, HWND owner) {
    if (hasOwner && owner) {
        RECT client;
        GetClientRect(owner, &client);
        MapWindowPoints(owner, nullptr, reinterpret_cast<POINT*>(&client), 2);
        return {client.left, client.top, client.right, client.bottom};
    }
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

WindowPlacement designedPlacementOf(int w, DWORD style, DWORD extendedStyle,
                                    const PixelRect& reference) {
    const AppWindow& record = window(w);
    const PixelSize firstImage =
        record.sizeMode == sizeOfFirstImage ? firstImageBitmapSize(w) : PixelSize{};
    return placeWindow(layoutRequestOf(record, firstImage), reference,
                       frameSizeOf(style, extendedStyle));
}

HWND createDesignedWindow(int w) {
    const AppWindow& record = window(w);
    HWND owner = designedOwnerOf(w);
    window(w).ownerHwnd = storeHandle(owner);
    const DWORD style = designedStyleOf(record);
    const DWORD extendedStyle = designedExtendedStyleOf(record);
    const WindowPlacement place =
        designedPlacementOf(w, style, extendedStyle, referenceAreaOf(record.hasOwner != 0, owner));
    const DWORD animation = record.animate ? static_cast<DWORD>(record.appearanceTime) : 0;

    if (record.kind == modalDialog) {
        runPreviewDialog(w, dialogFrameOf(record, style, place), owner, place);
        return nullptr;
    }
    if (record.kind == modelessDialog)
        return createPreviewDialog(w, dialogFrameOf(record, style, place), owner, place, animation);
    const std::string className = designedClassName(w);
    return createPreviewWindow(w, className, style, extendedStyle, place, owner, animation);
}

} // namespace zim
