#include "editors/controls/option_groups.h"

#include <commctrl.h>

#include "editors/frame/page_message_box.h"
#include "editors/frame/parameters_frame.h"
#include "shell/control_toolkit.h"
#include "shell/shell_state.h"

namespace zim {

namespace {

constexpr DWORD helpStyle = WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON;
constexpr int helpWidth = 200;
constexpr COLORREF helpColour = RGB(128, 255, 128);

// The page sets every check mark itself, so the options never check themselves.
constexpr DWORD optionStyle = BS_RADIOBUTTON | WS_TABSTOP;

HWND createHelpTooltips(HWND page) {
    HWND tooltips = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, helpStyle, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, page, nullptr,
                                    hInstance ? hInstance : GetModuleHandleA(nullptr), nullptr);
    if (!tooltips)
        return nullptr;
    SendMessageA(tooltips, TTM_SETMAXTIPWIDTH, 0, helpWidth);
    SendMessageA(tooltips, TTM_SETTIPBKCOLOR, helpColour, 0);
    return tooltips;
}

void addHelp(HWND tooltips, HWND page, HWND option, const char* help) {
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE; // the size every version of the common controls takes
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = page;
    tool.uId = reinterpret_cast<UINT_PTR>(option);
    tool.lpszText = const_cast<char*>(help);
    SendMessageA(tooltips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace

// An owned tooltip window goes with its owner's top-level window, not with the page.
OptionGroups::~OptionGroups() {
    if (tooltips_ && IsWindow(tooltips_))
        DestroyWindow(tooltips_);
}

void OptionGroups::add(const OptionGroupPlace& place, std::unique_ptr<OptionRules> rules) {
    groups_.push_back({place, std::move(rules)});
}

void OptionGroups::create(HWND page) {
    page_ = page;
    std::vector<ControlDescription> rows;
    std::vector<const char*> helps;
    for (const Group& group : groups_) {
        rows.push_back({"BUTTON", group.place.caption, BS_GROUPBOX, group.place.box});
        helps.push_back("");
        LayoutBox box = group.place.option;
        for (const OptionMark& mark : group.rules->marks()) {
            rows.push_back({"BUTTON", mark.text, optionStyle, box, mark.id});
            helps.push_back(mark.help);
            box.top += group.place.step;
            box.left += group.place.stepAcross;
        }
    }
    const std::vector<HWND> controls = createControls(page, rows);
    tooltips_ = createHelpTooltips(page);
    for (std::size_t k = 0; tooltips_ && k < controls.size(); ++k)
        if (controls[k] && *helps[k])
            addHelp(tooltips_, page, controls[k], helps[k]);
}

void OptionGroups::refresh() {
    for (const Group& group : groups_)
        for (const OptionMark& mark : group.rules->marks()) {
            setChecked(page_, mark.id, mark.checked);
            enable(page_, {mark.id}, editing_ && mark.enabled);
        }
}

void OptionGroups::setEditing(bool editing) {
    editing_ = editing;
    refresh();
}

OptionRules* OptionGroups::rulesOf(int id) const {
    for (const Group& group : groups_)
        for (const OptionMark& mark : group.rules->marks())
            if (mark.id == id)
                return group.rules.get();
    return nullptr;
}

std::optional<bool> OptionGroups::press(int id) {
    OptionRules* rules = rulesOf(id);
    if (!rules)
        return std::nullopt;
    if (!IsWindowEnabled(GetDlgItem(page_, id)))
        return false;
    const OptionPress result = rules->press(id);
    if (result.message)
        showPageMessage(parametersWindow, *result.message);
    refresh();
    return result.changed;
}

} // namespace zim
