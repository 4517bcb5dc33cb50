#include "editors/controls/button_preview.h"

#include "editors/controls/button_image_rules.h"
#include "editors/controls/control_preview_rules.h"
#include "editors/frame/sample_colour_ref.h"
#include "model/program_state.h"
#include "shell/control_toolkit.h"
#include "shell/shell_state.h"

namespace zim {

namespace {

constexpr int32_t imageButtonKind = 1;

} // namespace

ButtonPreview::ButtonPreview(const ButtonControl& copy, int windowNumber)
    : copy_(copy), background_(windowBackgroundColour(window(windowNumber))),
      brush_(CreateSolidBrush(background_)) {}

ButtonPreview::~ButtonPreview() {
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
    image_.release();
    if (!box_)
        return;

    RECT client;
    GetClientRect(box_, &client);
    const bool imageButton = copy_.kind == imageButtonKind;
    if (imageButton)
        image_.load(buttonPreviewImage(copy_), buttonImageType(copy_));
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
    if (image_.handle())
        SendMessageA(button_, BM_SETIMAGE, image_.type(),
                     reinterpret_cast<LPARAM>(image_.handle()));
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
