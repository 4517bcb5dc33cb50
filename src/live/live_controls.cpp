#include "live/live_controls.h"

#include <cstring>

#include "live/live_brushes.h"
#include "live/live_images.h"
#include "live/win32_handles.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace zim {

namespace {

constexpr DWORD childStyle = WS_CHILD | WS_VISIBLE;
static_assert(childStyle == 0x50000000, "live controls are visible children");

bool styleChosen(const int32_t* set, const ValueList& list, const char* name) {
    return set[styleEntry(list, name) - 1] != 0;
}

// The icon or bitmap of an image control: a standard icon, or the named image by designMode.
ControlImage loadControlImage(int32_t imageKind, int32_t standardImage, const std::string& name) {
    const bool fromResource = imagesFromResources();
    if (imageKind == 1) {
        const LiveIcon icon =
            standardImage != 0 ? standardIcon(standardImage) : loadLiveIcon(name, fromResource);
        return {icon.handle, IMAGE_ICON, icon.owned};
    }
    if (imageKind == 2) {
        HBITMAP bitmap = loadLiveBitmap(name, fromResource);
        return {bitmap, IMAGE_BITMAP, bitmap != nullptr};
    }
    return {};
}

void releaseImage(ControlImage& image) {
    if (image.owned && image.handle) {
        if (image.type == IMAGE_ICON)
            DestroyIcon(static_cast<HICON>(image.handle));
        else
            DeleteObject(image.handle);
    }
    image = {};
}

HFONT createOwnFont(const LogFont& font, HWND control) {
    LOGFONTA description;
    static_assert(sizeof description == sizeof font, "a stored font is a LOGFONTA");
    std::memcpy(&description, &font, sizeof description);
    HFONT handle = CreateFontIndirectA(&description);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
    return handle;
}

HWND createControl(const char* className, const std::string& caption, DWORD style,
                   DWORD extendedStyle, const PixelRect& place, HWND parent, int id) {
    return CreateWindowExA(extendedStyle, className, caption.c_str(), style, place.left, place.top,
                           place.width(), place.height(), parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

template <class Record> void storeWindowSlots(Record& record, HWND control, int w, HWND parent) {
    record.hwnd = storeHandle(control);
    record.windowNumber = w;
    record.parentHwnd = storeHandle(parent);
}

} // namespace

DWORD buttonStyleOf(const ButtonControl& record) {
    return childStyle | styleWord(record.buttonStyles, buttonStyleList) |
           styleWord(record.windowStyles, windowStyleList);
}

DWORD staticStyleOf(const StaticControl& record) {
    return childStyle | styleWord(record.staticStyles, staticStyleList) |
           styleWord(record.windowStyles, windowStyleList);
}

HWND createLiveButton(ButtonControl& record, int w, HWND parent, ControlImage& image) {
    HWND control = createControl("button", shown(record.text), buttonStyleOf(record),
                                 styleWord(record.extendedStyles, extendedStyleList),
                                 rectAt(record.x, record.y, record.width, record.height), parent,
                                 record.controlId);
    storeWindowSlots(record, control, w, parent);
    record.fontHandle = 0;
    record.imageHandle = 0;
    image = {};
    if (!control)
        return nullptr;

    const bool threeState = styleChosen(record.buttonStyles, buttonStyleList, "BS_3STATE") ||
                            styleChosen(record.buttonStyles, buttonStyleList, "BS_AUTO3STATE");
    if (threeState && (record.checkState == BST_CHECKED || record.checkState == BST_INDETERMINATE))
        SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(record.checkState), 0);

    if (record.kind == 0 && record.customFont)
        record.fontHandle = storeHandle(createOwnFont(record.font, control));
    if (record.kind == 1) {
        image = loadControlImage(record.imageKind, record.standardImage, shown(record.imageName));
        record.imageHandle = storeHandle(image.handle);
        if (image.handle)
            SendMessageA(control, BM_SETIMAGE, image.type, reinterpret_cast<LPARAM>(image.handle));
    }
    return control;
}

HWND createLiveStatic(StaticControl& record, int w, HWND parent, ControlImage& image) {
    const bool text = record.kind == 0;
    HWND control =
        createControl("static", text ? shown(record.text) : std::string(), staticStyleOf(record),
                      styleWord(record.extendedStyles, extendedStyleList),
                      rectAt(record.x, record.y, record.width, record.height), parent, 0);
    storeWindowSlots(record, control, w, parent);
    record.fontHandle = 0;
    record.brushSlot = 0;
    image = {};
    if (!control)
        return nullptr;

    if (text && record.customFont)
        record.fontHandle = storeHandle(createOwnFont(record.font, control));
    if (text && record.customColours)
        record.brushSlot =
            storeHandle(drawingBrushOf(record.backgroundKind, record.backgroundValue).handle);
    if (record.kind == 2) {
        image = loadControlImage(record.imageKind, record.standardImage, shown(record.imageName));
        if (image.handle)
            SendMessageA(control, STM_SETIMAGE, image.type, reinterpret_cast<LPARAM>(image.handle));
    }
    return control;
}

void releaseButtonResources(ButtonControl& record, ControlImage& image) {
    if (record.fontHandle)
        DeleteObject(loadHandle<HFONT>(record.fontHandle));
    releaseImage(image);
    record.fontHandle = 0;
    record.imageHandle = 0;
    record.hwnd = 0;
}

void releaseStaticResources(StaticControl& record, ControlImage& image) {
    if (record.fontHandle)
        DeleteObject(loadHandle<HFONT>(record.fontHandle));
    releaseImage(image);
    // Only a brush of a colour was made for the control; the others are the system's.
    if (record.brushSlot && record.backgroundKind == 1)
        DeleteObject(loadHandle<HBRUSH>(record.brushSlot));
    record.fontHandle = 0;
    record.brushSlot = 0;
    record.hwnd = 0;
}

} // namespace zim
