#include "editors/controls/preview_image_handle.h"

#include <string>

#include "live/live_images.h"
#include "model/program_state.h"

namespace zim {

namespace {

// Width and height of an icon, from its colour bitmap (or half its mask for a monochrome one).
ImageSize iconSize(HICON icon) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info))
        return {};
    const PixelSize colour = bitmapSize(info.hbmColor);
    const PixelSize mask = bitmapSize(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    if (colour.width > 0)
        return {colour.width, colour.height};
    return {mask.width, mask.height / 2};
}

} // namespace

void PreviewImageHandle::load(const PreviewImage& image, ControlImageType type) {
    release();
    if (image.standardIcon) {
        handle_ = LoadIconA(nullptr, MAKEINTRESOURCEA(image.standardIcon));
        type_ = IMAGE_ICON;
        owned_ = false; // a system icon is shared
    } else {
        type_ = type == ControlImageType::icon ? IMAGE_ICON : IMAGE_BITMAP;
        const std::string path = (projectDirectory / image.fileName).string();
        handle_ = LoadImageA(nullptr, path.c_str(), type_, 0, 0, LR_LOADFROMFILE);
        owned_ = handle_ != nullptr;
    }
    if (!handle_) {
        size_ = {};
    } else if (type_ == IMAGE_ICON) {
        size_ = iconSize(static_cast<HICON>(handle_));
    } else {
        const PixelSize bitmap = bitmapSize(static_cast<HBITMAP>(handle_));
        size_ = {bitmap.width, bitmap.height};
    }
}

void PreviewImageHandle::release() {
    if (handle_ && owned_) {
        if (type_ == IMAGE_ICON)
            DestroyIcon(static_cast<HICON>(handle_));
        else
            DeleteObject(handle_);
    }
    handle_ = nullptr;
    owned_ = false;
    size_ = {};
}

} // namespace zim
