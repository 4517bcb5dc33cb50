#include "editors/controls/static_page_preview.h"

#include <cstring>

#include "editors/controls/static_preview_rules.h"
#include "editors/frame/background_sample.h"
#include "editors/frame/control_preview_panel.h"
#include "live/win32_handles.h"
#include "model/program_state.h"
#include "shell/shell_state.h"

namespace zim {

namespace {

COLORREF windowBackground(int windowNumber) {
    const AppWindow& designed = window(windowNumber);
    const SampleColour sample =
        backgroundSampleColour(designed.backgroundKind, designed.backgroundValue);
    if (sample.source == SampleColour::Source::systemColour)
        return GetSysColor(static_cast<int>(sample.value));
    return static_cast<COLORREF>(sample.value);
}

// Width and height of an icon, from its colour bitmap (or half its mask for a monochrome one).
ImageSize iconSize(HICON icon) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info))
        return {};
    BITMAP bitmap = {};
    ImageSize size;
    if (info.hbmColor && GetObjectA(info.hbmColor, sizeof bitmap, &bitmap))
        size = {bitmap.bmWidth, bitmap.bmHeight};
    else if (info.hbmMask && GetObjectA(info.hbmMask, sizeof bitmap, &bitmap))
        size = {bitmap.bmWidth, bitmap.bmHeight / 2};
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    return size;
}

ImageSize bitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    if (!GetObjectA(bitmap, sizeof info, &info))
        return {};
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

} // namespace

StaticPagePreview::StaticPagePreview(StaticControl& copy, int windowNumber)
    : copy_(copy), background_(CreateSolidBrush(windowBackground(windowNumber))) {}

StaticPagePreview::~StaticPagePreview() {
    // The static goes with the page; its font and image only after it.
    if (static_ && IsWindow(static_))
        DestroyWindow(static_);
    releaseImage();
    releaseFont();
    if (background_)
        DeleteObject(background_);
}

void StaticPagePreview::create(HWND page, const LayoutBox& box) {
    HBRUSH background = background_;
    panel_ = createControlPreviewPanel(page, box, copy_, [background] { return background; });
    if (!panel_)
        return;
    SetWindowLongPtrA(panel_, GWLP_ID, staticPreviewPanel);
    SetWindowLongPtrA(panel_, GWL_STYLE, GetWindowLongPtrA(panel_, GWL_STYLE) | WS_CLIPSIBLINGS);
    SetWindowLongPtrA(panel_, GWL_EXSTYLE, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE);
    SetWindowPos(panel_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
}

void StaticPagePreview::rebuild() {
    if (static_)
        DestroyWindow(static_);
    static_ = nullptr;
    releaseImage();
    if (!panel_)
        return;

    RECT client;
    GetClientRect(panel_, &client);
    const StaticPreview preview = staticPreview(copy_, client.right, client.bottom);
    static_ = CreateWindowExA(preview.styles.extendedStyle, "STATIC", preview.text.c_str(),
                              preview.styles.style, preview.place.x, preview.place.y,
                              preview.place.width, preview.place.height, panel_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(staticPreviewStatic)),
                              hInstance ? hInstance : GetModuleHandleA(nullptr), nullptr);
    if (!static_)
        return;
    releaseFont();
    if (preview.customFont) {
        static_assert(sizeof(LOGFONTA) == sizeof(LogFont), "a stored font is a LOGFONTA");
        LOGFONTA font;
        std::memcpy(&font, &copy_.font, sizeof font);
        font_ = CreateFontIndirectA(&font);
        copy_.fontHandle = storeHandle(font_);
    }
    SendMessageA(static_, WM_SETFONT, reinterpret_cast<WPARAM>(font_ ? font_ : fontControl), TRUE);
    if (preview.image) {
        loadImage();
        if (image_)
            SendMessageA(static_, STM_SETIMAGE, imageType_, reinterpret_cast<LPARAM>(image_));
    }
    InvalidateRect(panel_, nullptr, TRUE);
}

ImageSize StaticPagePreview::staticSize() const {
    RECT box;
    if (!static_ || !GetWindowRect(static_, &box))
        return {};
    return {box.right - box.left, box.bottom - box.top};
}

void StaticPagePreview::loadImage() {
    const StaticPreview preview = staticPreview(copy_, 0, 0);
    const PreviewImage& image = *preview.image;
    if (image.standardIcon) {
        image_ = LoadIconA(nullptr, MAKEINTRESOURCEA(image.standardIcon));
        imageType_ = IMAGE_ICON;
        imageOwned_ = false; // a system icon is shared
    } else {
        imageType_ = preview.imageType == ControlImageType::icon ? IMAGE_ICON : IMAGE_BITMAP;
        const std::string path = (projectDirectory / image.fileName).string();
        image_ = LoadImageA(nullptr, path.c_str(), imageType_, 0, 0, LR_LOADFROMFILE);
        imageOwned_ = image_ != nullptr;
    }
    if (!image_)
        imageSize_ = {};
    else if (imageType_ == IMAGE_ICON)
        imageSize_ = iconSize(static_cast<HICON>(image_));
    else
        imageSize_ = bitmapSize(static_cast<HBITMAP>(image_));
}

void StaticPagePreview::releaseImage() {
    if (image_ && imageOwned_) {
        if (imageType_ == IMAGE_ICON)
            DestroyIcon(static_cast<HICON>(image_));
        else
            DeleteObject(image_);
    }
    image_ = nullptr;
    imageOwned_ = false;
    imageSize_ = {};
}

void StaticPagePreview::releaseFont() {
    if (!font_)
        return;
    if (copy_.fontHandle == storeHandle(font_))
        copy_.fontHandle = 0;
    DeleteObject(font_);
    font_ = nullptr;
}

} // namespace zim
