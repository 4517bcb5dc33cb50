// The questions of "Select New Background Image" as image button and image static pages ask
// them: the small icon menu under the page's button, the standard-icon dialog, the open-file
// picker and message boxes through the question seam.
#pragma once

#include <windows.h>

#include "editors/controls/image_selection.h"

namespace zim {

class PageImagePrompts : public ImageSelectionPrompts {
  public:
    // `anchor` is the button the menu opens under; `smallIconMenu` the frame's small icon menu.
    PageImagePrompts(HWND anchor, HMENU smallIconMenu) : anchor_(anchor), menu_(smallIconMenu) {}

    int iconMenu() override;
    int standardIcon(const std::string& title, int start) override;
    bool openFile(const std::string& title, const std::string& filter,
                  std::filesystem::path& chosen) override;
    int show(const PageMessage& message) override;

  private:
    HWND anchor_;
    HMENU menu_;
};

} // namespace zim
