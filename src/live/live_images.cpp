#include "live/live_images.h"

#include "model/program_state.h"
#include "model/style_lists.h"

namespace zim {

namespace {

HINSTANCE programModule() {
    return GetModuleHandleA(nullptr);
}

HANDLE loadFile(const std::string& name, const char* extension, UINT type) {
    return LoadImageA(nullptr, (name + extension).c_str(), type, 0, 0, LR_LOADFROMFILE);
}

} // namespace

bool imagesFromResources(bool resourceChosen) {
    return designMode == 0 && resourceChosen;
}

HBITMAP loadLiveBitmap(const std::string& name, bool fromResource) {
    if (name.empty())
        return nullptr;
    if (fromResource)
        return LoadBitmapA(programModule(), name.c_str());
    return static_cast<HBITMAP>(loadFile(name, ".bmp", IMAGE_BITMAP));
}

LiveIcon loadLiveIcon(const std::string& name, bool fromResource) {
    if (name.empty())
        return {};
    if (fromResource)
        return {LoadIconA(programModule(), name.c_str()), false};
    HICON icon = static_cast<HICON>(loadFile(name, ".ico", IMAGE_ICON));
    return {icon, icon != nullptr};
}

LiveIcon loadLiveCursor(const std::string& name, bool fromResource) {
    if (name.empty())
        return {};
    if (fromResource)
        return {LoadCursorA(programModule(), name.c_str()), false};
    HCURSOR cursor = static_cast<HCURSOR>(loadFile(name, ".cur", IMAGE_CURSOR));
    return {cursor, cursor != nullptr};
}

LiveIcon standardIcon(int entry) {
    if (entry < 1 || entry > standardIconList.count)
        return {};
    return {LoadIconA(nullptr, MAKEINTRESOURCEA(standardIconList[entry].value)), false};
}

LiveIcon standardCursor(int entry) {
    if (entry < 1 || entry > standardCursorList.count)
        return {};
    return {LoadCursorA(nullptr, MAKEINTRESOURCEA(standardCursorList[entry].value)), false};
}

void releaseIcon(LiveIcon& icon) {
    if (icon.owned && icon.handle)
        DestroyIcon(icon.handle);
    icon = {};
}

void releaseCursor(LiveIcon& cursor) {
    if (cursor.owned && cursor.handle)
        DestroyCursor(cursor.handle);
    cursor = {};
}

PixelSize bitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return {};
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

} // namespace zim
