// The live preview of the button pages: a real button made from the working copy's styles in
// a sunken box painted with the background colour of the button's window. A classic button's
// preview shows its type with a fixed caption across the box (a group box fills it); an image
// button's preview is the button at its own size with its image, centred in the box, and the
// size of that image is what the size commands use.
#pragma once

#include <windows.h>

#include "editors/controls/control_image_rules.h"
#include "editors/controls/preview_image_handle.h"
#include "editors/controls/style_set_page.h"
#include "model/project.h"

namespace zim {

enum ButtonPreviewControl : int {
    buttonPreviewBox = 190,
    buttonPreviewButton = 191,
};

class ButtonPreview : public PagePreview {
  public:
    // `copy` is the working copy of a button of window `windowNumber`.
    ButtonPreview(const ButtonControl& copy, int windowNumber);
    ~ButtonPreview() override;
    ButtonPreview(const ButtonPreview&) = delete;
    ButtonPreview& operator=(const ButtonPreview&) = delete;

    void create(HWND page, const LayoutBox& box) override;
    void rebuild() override;
    HBRUSH colour(HDC dc, HWND control) override;

    // The size of the image the preview shows; 0 by 0 when it has none.
    ImageSize imageSize() const { return image_.size(); }

  private:
    const ButtonControl& copy_;
    COLORREF background_;
    HBRUSH brush_ = nullptr;
    HWND page_ = nullptr;
    HWND box_ = nullptr;
    HWND button_ = nullptr;
    PreviewImageHandle image_;
};

} // namespace zim
