// The placement selector that the wallpaper, background-image and window pages offer: nine
// push buttons without text in a 3 by 3 grid, row by row from the top-left, each with a tooltip
// naming its place. The chosen placement's button shows pushed. Where the buttons lie, their
// command identifiers and which stored code each stands for belong to the page.
#pragma once

#include <windows.h>

#include <array>

#include "shell/layout_box.h"

namespace zim {

using PlacementButtons = std::array<HWND, 9>;

// Adds the nine tooltips, in grid order, to a new tooltip window owned by `parent`; returns
// that window (0 when it could not be made). Whoever attaches them destroys it.
HWND AttachPlacementTooltips(HWND parent, const PlacementButtons& buttons);

// The nine buttons of one page and their tooltips, which go when the selector goes.
class PlacementSelector {
  public:
    // Creates the buttons in `page` on `cells` with `ids` (both in grid order) and attaches
    // their tooltips.
    PlacementSelector(HWND page, const std::array<LayoutBox, 9>& cells,
                      const std::array<int, 9>& ids);
    ~PlacementSelector();
    PlacementSelector(const PlacementSelector&) = delete;
    PlacementSelector& operator=(const PlacementSelector&) = delete;

    const PlacementButtons& buttons() const { return buttons_; }
    HWND tooltips() const { return tooltips_; }

    // Shows cell 0 to 8 pushed and every other one normal; any other number shows none pushed.
    void showPlacement(int cell) const;

  private:
    PlacementButtons buttons_{};
    HWND tooltips_ = nullptr;
};

} // namespace zim
