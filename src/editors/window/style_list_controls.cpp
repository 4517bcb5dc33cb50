#include "editors/window/style_list_controls.h"

#include <string>
#include <vector>

#include "shell/control_toolkit.h"

namespace zim {

namespace {

void fillList(HWND list, const std::vector<std::string>& names) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    int widest = 0;
    HDC dc = GetDC(list);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
    for (const std::string& name : names) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        SIZE extent{};
        GetTextExtentPoint32A(dc, name.c_str(), static_cast<int>(name.size()), &extent);
        widest = extent.cx > widest ? extent.cx : widest;
    }
    SelectObject(dc, previous);
    ReleaseDC(list, dc);
    // A name wider than the list scrolls sideways instead of being cut.
    SendMessageA(list, LB_SETHORIZONTALEXTENT, widest + 6, 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

StyleListSide other(StyleListSide side) {
    return side == StyleListSide::available ? StyleListSide::selected : StyleListSide::available;
}

} // namespace

HWND StyleListControls::list(StyleListSide side) const {
    return GetDlgItem(page_, side == StyleListSide::available ? ids_.available : ids_.selected);
}

void StyleListControls::describe(const std::string& text) const {
    setText(page_, ids_.description, text);
}

void StyleListControls::refill(const StyleListPair& pair) const {
    fillList(list(StyleListSide::available), pair.names(StyleListSide::available));
    fillList(list(StyleListSide::selected), pair.names(StyleListSide::selected));
}

void StyleListControls::select(StyleListSide side, const StyleListPair& pair, int position) const {
    SendMessageA(list(side), LB_SETCURSEL, position, 0);
    describe(styleDescription(pair.list(), pair.entryAt(side, position)));
}

void StyleListControls::fill(const StyleListPair& pair, bool focus) const {
    refill(pair);
    describe("");
    if (focus)
        SetFocus(list(StyleListSide::selected));
    if (pair.firstSelected() != 0)
        select(StyleListSide::selected, pair, 0);
}

// The focused list's arrow moves from it; the other list lets go of its selection.
void StyleListControls::focusChanged(StyleListSide focused) const {
    SendMessageA(list(other(focused)), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    const StyleArrows arrows = arrowsForFocus(focused);
    EnableWindow(GetDlgItem(page_, ids_.toSelected), arrows.toSelected);
    EnableWindow(GetDlgItem(page_, ids_.toAvailable), arrows.toAvailable);
}

void StyleListControls::move(StyleListPair& pair, StyleListSide from) const {
    const int position = static_cast<int>(SendMessageA(list(from), LB_GETCURSEL, 0, 0));
    const StyleMove moved = pair.move(from, position);
    if (!moved.moved)
        return;
    refill(pair);
    SetFocus(list(from));
    describe("");
    if (moved.sourceSelection >= 0)
        select(from, pair, moved.sourceSelection);
}

bool StyleListControls::onCommand(StyleListPair pair, int id, int code) const {
    if (id == ids_.available || id == ids_.selected) {
        const StyleListSide side =
            id == ids_.available ? StyleListSide::available : StyleListSide::selected;
        if (code == LBN_SETFOCUS)
            focusChanged(side);
        else if (code == LBN_SELCHANGE)
            select(side, pair, static_cast<int>(SendMessageA(list(side), LB_GETCURSEL, 0, 0)));
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    if (id == ids_.toSelected)
        move(pair, StyleListSide::available);
    else if (id == ids_.toAvailable)
        move(pair, StyleListSide::selected);
    else
        return false;
    return true;
}

} // namespace zim
