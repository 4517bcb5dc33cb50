#include "editors/frame/placement_selector.h"

#include <commctrl.h>

#include "editors/frame/placement_tooltips.h"
#include "shell/control_toolkit.h"
#include "shell/shell_state.h"

namespace zim {

HWND AttachPlacementTooltips(HWND parent, const PlacementButtons& buttons) {
    HWND tooltips =
        CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                        hInstance ? hInstance : GetModuleHandleA(nullptr), nullptr);
    if (!tooltips)
        return nullptr;
    const auto& texts = placementTooltips();
    for (std::size_t cell = 0; cell < buttons.size(); ++cell) {
        TTTOOLINFOA tool = {};
        // The size every version of the common controls takes.
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = parent;
        tool.uId = reinterpret_cast<UINT_PTR>(buttons[cell]);
        tool.lpszText = const_cast<char*>(texts[cell]);
        SendMessageA(tooltips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return tooltips;
}

PlacementSelector::PlacementSelector(HWND page, const std::array<LayoutBox, 9>& cells,
                                     const std::array<int, 9>& ids) {
    for (std::size_t cell = 0; cell < cells.size(); ++cell)
        buttons_[cell] = createControl(page, {"BUTTON", "", WS_TABSTOP | BS_CENTER, cells[cell],
                                              ids[cell], ControlFont::none});
    tooltips_ = AttachPlacementTooltips(page, buttons_);
}

// An owned tooltip window goes with its owner's top-level window, not with the page.
PlacementSelector::~PlacementSelector() {
    if (tooltips_ && IsWindow(tooltips_))
        DestroyWindow(tooltips_);
}

void PlacementSelector::showPlacement(int cell) const {
    for (int k = 0; k < static_cast<int>(buttons_.size()); ++k)
        SendMessageA(buttons_[k], BM_SETSTATE, k == cell ? TRUE : FALSE, 0);
}

} // namespace zim
