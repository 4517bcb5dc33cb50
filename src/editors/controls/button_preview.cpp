#include "editors/controls/button_preview.h"

#include "editors/controls/button_image_rules.h"
#include "editors/controls/control_preview_rules.h"
#include "editors/frame/background_sample.h"
#include "model/program_state.h"
#include "shell/control_toolkit.h"
#include "shell/shell_state.h"

namespace zim {

namespace {

constexpr int32_t imageButtonKind = 1;

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

ButtonPreview::ButtonPreview(const ButtonControl& copy, int windowNumber)
    : copy_(copy), background_(windowBackground(windowNumber)),
      brush_(CreateSolidBrush(background_)) {}

ButtonPreview::~ButtonPreview() {
    releaseImage();
    if (brush_)
        DeleteObject(brush_);
}

void ButtonPreview::create(HWND page, const LayoutBox& box) {
    page_ = page;
    // The preview button lies over the box; the box never paints over it.
    box_ = createControl(page, {"STATIC", "", WS_CLIPSIBLINGS, box, buttonPreviewBox,
                                ControlFont::none, WS_EX_CLIENTEDGE});
    // Made after the page's own controls, it goes above them (a group box around it).
    if (box_)
        SetWindowPos(box_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void ButtonPreview::rebuild() {
    if (button_)
        DestroyWindow(button_);
    button_ = nullptr;
    releaseImage();
    if (!box_)
        return;

    RECT client;
    GetClientRect(box_, &client);
    const bool imageButton = copy_.kind == imageButtonKind;
    if (imageButton)
        loadImage();
    const PreviewPlace place =
        imageButton ? centredPreviewPlace(copy_.width, copy_.height, client.right, client.bottom)
                    : classicPreviewPlace(copy_, client.right, client.bottom);
    POINT origin = {place.x, place.y};
    MapWindowPoints(box_, page_, &origin, 1);

    const PreviewStyles styles = buttonPreviewStyles(copy_);
    button_ = CreateWindowExA(styles.extendedStyle, "BUTTON", imageButton ? "" : classicPreviewText,
                              styles.style, origin.x, origin.y, place.width, place.height, page_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttonPreviewButton)),
                              hInstance ? hInstance : GetModuleHandleA(nullptr), nullptr);
    if (!button_)
        return;
    SetWindowPos(button_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SendMessageA(button_, WM_SETFONT, reinterpret_cast<WPARAM>(fontControl), TRUE);
    if (const int check = previewCheckState(copy_); check > 0)
        SendMessageA(button_, BM_SETCHECK, static_cast<WPARAM>(check), 0);
    if (image_)
        SendMessageA(button_, BM_SETIMAGE, imageType_, reinterpret_cast<LPARAM>(image_));
}

void ButtonPreview::loadImage() {
    const PreviewImage image = buttonPreviewImage(copy_);
    if (image.standardIcon) {
        image_ = LoadIconA(nullptr, MAKEINTRESOURCEA(image.standardIcon));
        imageType_ = IMAGE_ICON;
        imageOwned_ = false; // a system icon is shared
    } else {
        imageType_ = buttonImageType(copy_) == ControlImageType::icon ? IMAGE_ICON : IMAGE_BITMAP;
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

void ButtonPreview::releaseImage() {
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

// The box and the check boxes, radio buttons and group boxes of the preview take the window's
// background, so the preview shows the button as the designed window will.
HBRUSH ButtonPreview::colour(HDC dc, HWND control) {
    if (!brush_ || (control != box_ && control != button_))
        return nullptr;
    SetBkColor(dc, background_);
    return brush_;
}

} // namespace zim
