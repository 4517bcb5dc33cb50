#include "archive/name_dialog.h"

#include <windows.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "archive/description_preview.h"
#include "archive/name_dialog_rules.h"
#include "model/program_state.h"
#include "shell/control_toolkit.h"
#include "shell/dialog_runner.h"
#include "shell/shell_state.h"
#include "shell/user_questions.h"

namespace zim {

namespace {

enum Control : int {
    acceptButton = 25,
    cancelButton = 26,
    nameList = 33,
    nameEntry = 34,       // edit, or the static of the load dialog
    descriptionView = 35, // load dialog only
    listGroup = 40,
    entryGroup = 41,
    descriptionGroup = 42,
};

struct DialogData {
    NameDialogKind kind;
    std::vector<std::string> listing;
    std::string chosenName;
};

const char* dialogCaption(NameDialogKind kind) {
    switch (kind) {
    case NameDialogKind::newProject:
        return "Create New Project";
    case NameDialogKind::load:
        return "Load Project From Archive";
    case NameDialogKind::save:
        return "Save Current Project As...";
    case NameDialogKind::generator:
        break;
    }
    return "Create FORTRAN Project Directory...";
}

// The open project's folder is the current directory around the dialog, whatever it lists.
void returnToProjectDirectory() {
    std::error_code ec;
    std::filesystem::current_path(projectDirectory, ec);
}

// Fills the list with redrawing off, so a long archive appears at once.
void fillList(HWND list, const std::vector<std::string>& listing) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (const std::string& name : listing)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

const char* listTitle(NameDialogKind kind) {
    switch (kind) {
    case NameDialogKind::newProject:
        return " Current Projects List : ";
    case NameDialogKind::generator:
        return " FORTRAN Projects : ";
    case NameDialogKind::load:
    case NameDialogKind::save:
        break;
    }
    return " Projects : ";
}

const char* entryTitle(NameDialogKind kind) {
    switch (kind) {
    case NameDialogKind::newProject:
        return " Enter New Project Name : ";
    case NameDialogKind::load:
        return " Selected Project : ";
    case NameDialogKind::save:
    case NameDialogKind::generator:
        break;
    }
    return " Project Name : ";
}

// Where the controls go in a client area of w x h pixels: a wide dialog has the list on the
// left and the name entry (with the load dialog's description under it) on the right, a
// narrow one the entry under the list; the buttons are at the bottom right.
struct NameDialogLayout {
    LayoutBox listGroup, list;
    LayoutBox entryGroup, entry;
    LayoutBox descriptionGroup, description;
    LayoutBox accept, cancel;
};

NameDialogLayout nameDialogLayout(int w, int h, bool wide) {
    const int buttonTop = h - 40;
    const int listWidth = wide ? (w - 30) / 2 : w - 20;
    const int listBottom = wide ? buttonTop - 10 : buttonTop - 75;
    const int right = wide ? 20 + listWidth : 10;
    const int rightWidth = wide ? w - right - 10 : w - 20;
    const int entryTop = wide ? 5 : listBottom + 5;
    return {
        {10, 5, listWidth, listBottom - 5},      {20, 28, listWidth - 20, listBottom - 43},
        {right, entryTop, rightWidth, 60},       {right + 10, entryTop + 25, rightWidth - 20, 24},
        {right, 75, rightWidth, buttonTop - 85}, {right + 10, 98, rightWidth - 20, buttonTop - 118},
        {w - 230, buttonTop, 105, 30},           {w - 115, buttonTop, 105, 30}};
}

// The load dialog shows the selected name in a static and its description under it; the
// others take a typed name in an edit.
std::vector<ControlDescription> controlRows(NameDialogKind kind, const NameDialogLayout& l,
                                            const std::string& entryText) {
    using F = ControlFont;
    const NameDialogFacts& facts = nameDialogFacts(kind);
    const DWORD listStyle = WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT |
                            (facts.selectableList ? LBS_NOTIFY : LBS_NOSEL);
    const DWORD descriptionStyle = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;
    const char* entry = entryText.c_str();
    std::vector<ControlDescription> rows = {
        {"BUTTON", listTitle(kind), BS_GROUPBOX, l.listGroup, listGroup},
        {"LISTBOX", "", listStyle, l.list, nameList, F::control, WS_EX_CLIENTEDGE},
        {"BUTTON", entryTitle(kind), BS_GROUPBOX, l.entryGroup, entryGroup},
    };
    if (kind == NameDialogKind::load) {
        rows.push_back({"STATIC", entry, SS_LEFTNOWORDWRAP, l.entry, nameEntry});
        rows.push_back({"BUTTON", " Project Description : ", BS_GROUPBOX, l.descriptionGroup,
                        descriptionGroup});
        rows.push_back({"EDIT", "", descriptionStyle, l.description, descriptionView, F::control,
                        WS_EX_CLIENTEDGE});
    } else {
        rows.push_back({"EDIT", entry, ES_AUTOHSCROLL | WS_TABSTOP, l.entry, nameEntry, F::control,
                        WS_EX_CLIENTEDGE});
    }
    rows.push_back(
        {"BUTTON", facts.acceptCaption, BS_DEFPUSHBUTTON | WS_TABSTOP, l.accept, acceptButton});
    rows.push_back({"BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, l.cancel, cancelButton});
    return rows;
}

void buildControls(HWND dialog, const DialogData& data) {
    const NameDialogFacts& facts = nameDialogFacts(data.kind);
    placeOverOwner(dialog, facts.width, facts.height);
    RECT client;
    GetClientRect(dialog, &client);
    const NameDialogLayout layout =
        nameDialogLayout(client.right, client.bottom, facts.width >= 500);
    const NameDialogStart start = nameDialogStart(data.kind, data.listing, projectToLoad);
    createControls(dialog, controlRows(data.kind, layout, start.entryText));

    HWND list = GetDlgItem(dialog, nameList);
    fillList(list, data.listing);
    returnToProjectDirectory();
    if (data.kind != NameDialogKind::load)
        SendDlgItemMessageA(dialog, nameEntry, EM_LIMITTEXT, typedNameLimit, 0);
    if (start.selected >= 0)
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(start.selected), 0);
}

void showDescription(HWND dialog, const std::string& name) {
    setText(dialog, descriptionView, projectDescriptionPreview(name));
}

void onSelectionChange(HWND dialog, const DialogData& data) {
    const LRESULT k = SendDlgItemMessageA(dialog, nameList, LB_GETCURSEL, 0, 0);
    if (k < 0 || static_cast<std::size_t>(k) >= data.listing.size())
        return;
    const std::string& name = data.listing[static_cast<std::size_t>(k)];
    setText(dialog, nameEntry, name);
    if (data.kind == NameDialogKind::load)
        showDescription(dialog, name);
}

void onAccept(HWND dialog, DialogData& data) {
    const NameAcceptance outcome = acceptName(data.kind, textOf(dialog, nameEntry), data.listing);
    if (!outcome.accepted) {
        ask(dialog, outcome.message, outcome.caption, outcome.flags);
        SetFocus(GetDlgItem(dialog, data.kind == NameDialogKind::load ? nameList : nameEntry));
        return;
    }
    data.chosenName = outcome.chosenName;
    EndDialog(dialog, outcome.result);
}

INT_PTR CALLBACK nameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* data = reinterpret_cast<DialogData*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        data = reinterpret_cast<DialogData*>(lParam);
        buildControls(dialog, *data);
        if (data->kind == NameDialogKind::load)
            onSelectionChange(dialog, *data);
        SetFocus(GetDlgItem(dialog, data->kind == NameDialogKind::load ? nameList : nameEntry));
        return FALSE; // the focus is set
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case nameList:
            if (HIWORD(wParam) == LBN_SELCHANGE)
                onSelectionChange(dialog, *data);
            return TRUE;
        case acceptButton:
        case IDOK: // Enter
            onAccept(dialog, *data);
            return TRUE;
        case cancelButton:
        case IDCANCEL: // Esc and the close box
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

int nameDialog(NameDialogKind kind, std::string& chosenName) {
    DialogData data{kind, nameDialogListing(kind), {}};
    const DialogFrame frame{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT |
                                DS_3DLOOK,
                            0,
                            0,
                            0,
                            250,
                            200,
                            dialogCaption(kind),
                            "Arial",
                            8};
    const INT_PTR result = runModalDialog(hInstance, mainWindow, frame, nameDialogProc,
                                          reinterpret_cast<LPARAM>(&data));
    returnToProjectDirectory();
    if (result > 0)
        chosenName = data.chosenName;
    return result > 0 ? static_cast<int>(result) : 0;
}

} // namespace zim
