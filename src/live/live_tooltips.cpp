#include "live/live_tooltips.h"

#include <commctrl.h>

#include "live/live_controls.h"

namespace zim {

namespace {

constexpr COLORREF tipColour = RGB(255, 255, 128);
constexpr int tipWidth = 222;

} // namespace

bool showsTooltip(const ButtonControl& record) {
    return record.descriptionAsTooltip && (buttonStyleOf(record) & BS_TYPEMASK) != BS_GROUPBOX;
}

bool showsTooltip(const StaticControl& record) {
    return record.descriptionAsTooltip && record.kind != 1;
}

HWND createLiveTooltips(HWND window, const std::vector<ControlTool>& tools) {
    if (tools.empty())
        return nullptr;
    HWND tooltip =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                        GetModuleHandleA(nullptr), nullptr);
    if (!tooltip)
        return nullptr;
    SendMessageA(tooltip, TTM_SETTIPBKCOLOR, tipColour, 0);
    SendMessageA(tooltip, TTM_SETMAXTIPWIDTH, 0, tipWidth);
    for (const ControlTool& tool : tools) {
        TTTOOLINFOA info = {};
        // The size every version of the common controls accepts.
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = window;
        info.uId = reinterpret_cast<UINT_PTR>(tool.control);
        info.lpszText = const_cast<char*>(tool.text.c_str());
        SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
    return tooltip;
}

} // namespace zim
