// The live preview of the static pages: a real static control made from the working copy,
// centred in the preview panel, which is painted with the background colour of the static's
// window and colours a text static from its text attributes. An image static's preview shows
// its image; the size of that image is what the size commands use.
#pragma once

#include <windows.h>

#include "editors/controls/control_image_rules.h"
#include "editors/controls/preview_image_handle.h"
#include "editors/controls/style_set_page.h"
#include "model/project.h"

namespace zim {

enum StaticPreviewControl : int {
    staticPreviewPanel = 196,
    staticPreviewStatic = 197,
};

class StaticPagePreview : public PagePreview {
  public:
    // `copy` is the working copy of a static of window `windowNumber`.
    StaticPagePreview(StaticControl& copy, int windowNumber);
    ~StaticPagePreview() override;
    StaticPagePreview(const StaticPagePreview&) = delete;
    StaticPagePreview& operator=(const StaticPagePreview&) = delete;

    void create(HWND page, const LayoutBox& box) override;
    void rebuild() override;

    // The size of the image the preview shows; 0 by 0 when it has none.
    ImageSize imageSize() const { return image_.size(); }
    // The preview static's window as the system sized it; 0 by 0 when there is none.
    ImageSize staticSize() const;

  private:
    void releaseFont();

    StaticControl& copy_;
    HBRUSH background_ = nullptr;
    HWND panel_ = nullptr;
    HWND static_ = nullptr;
    HFONT font_ = nullptr;
    PreviewImageHandle image_;
};

} // namespace zim
