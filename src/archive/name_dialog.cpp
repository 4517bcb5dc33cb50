#include "archive/name_dialog.h"

#include <windows.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "archive/description_preview.h"
#include "archive/name_dialog_rules.h"
#include "model/program_state.h"
#include "shell/dialog_runner.h"
#include "shell/shell_state.h"
#include "shell/user_questions.h"

namespace zim {

namespace {

enum Control : int {
    acceptButton = 25,
    cancelButton = 26,
    nameList = 33,
    nameEntry = 34,        // edit, or the static of the load dialog
    descriptionView = 35,  // load dialog only
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

HWND addControl(HWND dialog, DWORD exStyle, const char* cls, const char* text, DWORD style,
                int x, int y, int w, int h, int id) {
    HWND control = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                   dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   hInstance, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fontControl), FALSE);
    return control;
}

HWND addGroup(HWND dialog, const char* text, int x, int y, int w, int h, int id) {
    return addControl(dialog, 0, "BUTTON", text, BS_GROUPBOX, x, y, w, h, id);
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

// Sizes the dialog in pixels and centres it over its owner (or the screen).
void placeDialog(HWND dialog, int width, int height) {
    RECT area;
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (!owner || !GetWindowRect(owner, &area))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const int x = area.left + (area.right - area.left - width) / 2;
    const int y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(dialog, nullptr, x, y, width, height, SWP_NOZORDER);
}

void buildControls(HWND dialog, const DialogData& data) {
    const NameDialogFacts& facts = nameDialogFacts(data.kind);
    placeDialog(dialog, facts.width, facts.height);
    RECT client;
    GetClientRect(dialog, &client);
    const int w = client.right, h = client.bottom;
    const int buttonTop = h - 40;
    const bool wide = facts.width >= 500;
    const int listWidth = wide ? (w - 30) / 2 : w - 20;
    const int listBottom = wide ? buttonTop - 10 : buttonTop - 75;

    const DWORD listStyle = WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT |
                            (facts.selectableList ? LBS_NOTIFY : LBS_NOSEL);
    const char* listTitle = data.kind == NameDialogKind::newProject ? " Current Projects List : "
                            : data.kind == NameDialogKind::generator ? " FORTRAN Projects : "
                                                                      : " Projects : ";
    addGroup(dialog, listTitle, 10, 5, listWidth, listBottom - 5, listGroup);
    HWND list = addControl(dialog, WS_EX_CLIENTEDGE, "LISTBOX", "", listStyle, 20, 28,
                           listWidth - 20, listBottom - 43, nameList);
    fillList(list, data.listing);
    returnToProjectDirectory();

    const int right = wide ? 20 + listWidth : 10;
    const int rightWidth = wide ? w - right - 10 : w - 20;
    const int entryTop = wide ? 5 : listBottom + 5;
    const NameDialogStart start = nameDialogStart(data.kind, data.listing, projectToLoad);
    if (data.kind == NameDialogKind::load) {
        addGroup(dialog, " Selected Project : ", right, 5, rightWidth, 60, entryGroup);
        addControl(dialog, 0, "STATIC", start.entryText.c_str(), SS_LEFTNOWORDWRAP, right + 10,
                   30, rightWidth - 20, 24, nameEntry);
        addGroup(dialog, " Project Description : ", right, 75, rightWidth, buttonTop - 85,
                 descriptionGroup);
        addControl(dialog, WS_EX_CLIENTEDGE, "EDIT", "",
                   ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, right + 10, 98,
                   rightWidth - 20, buttonTop - 118, descriptionView);
    } else {
        const char* title = data.kind == NameDialogKind::newProject ? " Enter New Project Name : "
                                                                    : " Project Name : ";
        addGroup(dialog, title, right, entryTop, rightWidth, 60, entryGroup);
        HWND edit = addControl(dialog, WS_EX_CLIENTEDGE, "EDIT", start.entryText.c_str(),
                               ES_AUTOHSCROLL | WS_TABSTOP, right + 10, entryTop + 25,
                               rightWidth - 20, 24, nameEntry);
        SendMessageA(edit, EM_LIMITTEXT, typedNameLimit, 0);
    }
    if (start.selected >= 0)
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(start.selected), 0);

    addControl(dialog, 0, "BUTTON", nameDialogFacts(data.kind).acceptCaption,
               BS_DEFPUSHBUTTON | WS_TABSTOP, w - 230, buttonTop, 105, 30, acceptButton);
    addControl(dialog, 0, "BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, w - 115, buttonTop,
               105, 30, cancelButton);
}

std::string controlText(HWND dialog, int id) {
    char text[typedNameLimit + 1] = {};
    GetWindowTextA(GetDlgItem(dialog, id), text, sizeof text);
    return text;
}

void showDescription(HWND dialog, const std::string& name) {
    SetDlgItemTextA(dialog, descriptionView, projectDescriptionPreview(name).c_str());
}

void onSelectionChange(HWND dialog, const DialogData& data) {
    const LRESULT k = SendDlgItemMessageA(dialog, nameList, LB_GETCURSEL, 0, 0);
    if (k < 0 || static_cast<std::size_t>(k) >= data.listing.size())
        return;
    const std::string& name = data.listing[static_cast<std::size_t>(k)];
    SetDlgItemTextA(dialog, nameEntry, name.c_str());
    if (data.kind == NameDialogKind::load)
        showDescription(dialog, name);
}

void onAccept(HWND dialog, DialogData& data) {
    const NameAcceptance outcome =
        acceptName(data.kind, controlText(dialog, nameEntry), data.listing);
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
                            0, 0, 0, 250, 200, dialogCaption(kind), "Arial", 8};
    const INT_PTR result = runModalDialog(hInstance, mainWindow, frame, nameDialogProc,
                                          reinterpret_cast<LPARAM>(&data));
    returnToProjectDirectory();
    if (result > 0)
        chosenName = data.chosenName;
    return result > 0 ? static_cast<int>(result) : 0;
}

} // namespace zim
