#include "editors/controls/static_page_preview.h"

#include <cstring>

#include "editors/controls/static_preview_rules.h"
#include "editors/frame/control_preview_panel.h"
#include "editors/frame/sample_colour_ref.h"
#include "live/win32_handles.h"
#include "model/program_state.h"
#include "shell/shell_state.h"

namespace zim {

StaticPagePreview::StaticPagePreview(StaticControl& copy, int windowNumber)
    : copy_(copy), background_(CreateSolidBrush(windowBackgroundColour(window(windowNumber)))) {}

StaticPagePreview::~StaticPagePreview() {
    // The static goes with the page; its font and image only after it.
    if (static_ && IsWindow(static_))
        DestroyWindow(static_);
    image_.release();
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
    image_.release();
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
        image_.load(*preview.image, preview.imageType);
        if (image_.handle())
            SendMessageA(static_, STM_SETIMAGE, image_.type(),
                         reinterpret_cast<LPARAM>(image_.handle()));
    }
    InvalidateRect(panel_, nullptr, TRUE);
}

ImageSize StaticPagePreview::staticSize() const {
    RECT box;
    if (!static_ || !GetWindowRect(static_, &box))
        return {};
    return {box.right - box.left, box.bottom - box.top};
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
