#include "shell/structure_pane.h"

#include <commctrl.h>

#include <vector>

#include "editors/frame/parameters_frame.h"
#include "live/preview.h"
#include "model/project.h"
#include "shell/control_toolkit.h"
#include "shell/object_code.h"
#include "shell/shell_state.h"
#include "shell/structure_pane_layout.h"
#include "shell/structure_tree.h"
#include "shell/window_classes.h"

namespace zim {

namespace {

constexpr const char* paneTitle = "Program structure";
constexpr COLORREF titleColour = RGB(15, 15, 15);
constexpr COLORREF treeBackground = RGB(224, 224, 224);
constexpr DWORD treeStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;

HWND paneTree = nullptr;

// Posted to the pane: rebuild the tree and select the item whose code is in wParam.
constexpr UINT rebuildTreeMessage = WM_APP + 1;

void onCreate(HWND pane) {
    RECT client;
    GetClientRect(pane, &client);
    const StructurePaneLayout layout = structurePaneLayout(client.right, client.bottom);
    const std::vector<ControlDescription> rows = {
        {WC_TREEVIEWA, "", treeStyle, layout.tree, structureTreeId, ControlFont::none,
         WS_EX_CLIENTEDGE},
        {"BUTTON", "Preview", 0, layout.previewButton, previewButtonId, ControlFont::control,
         WS_EX_CLIENTEDGE | WS_EX_STATICEDGE},
    };
    const std::vector<HWND> controls = createControls(pane, rows);
    paneTree = controls[0];
    prepareStructureTree(paneTree, treeBackground);
    buildStructureTree(paneTree, programCode);
}

void onPaint(HWND pane) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(pane, &paint);
    RECT client;
    GetClientRect(pane, &client);
    HGDIOBJ previousFont = SelectObject(dc, fontHeading);
    SetTextColor(dc, titleColour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, paneTitle, -1, &client, DT_CENTER | DT_SINGLELINE);
    SelectObject(dc, previousFont);
    EndPaint(pane, &paint);
}

// void onSelectionChanged(const NMTREEVIEWA& change)
// Only the Edit view opens objects; an item deleted while selected leaves nothing to open.
void onSelectionChanged(HWND pane, const NMTREEVIEWA& change) {
    if (currentView != viewEdit || !change.itemNew.hItem)
        return;
    closeParametersWindow();
    currentObjectKind = 0;
    currentWindow = 0;
    currentControl = 0;
    const ObjectSelection selection = decodeObjectCode(static_cast<int32_t>(change.itemNew.lParam));
    currentObjectKind = selection.kind;
    currentWindow = selection.window;
    currentControl = selection.control;
    openParametersWindow(GetParent(pane));
}

// The tree is created by an ANSI window, but either form of the notification is accepted;
// both carry the new item at the same place.
LRESULT onNotify(HWND pane, const NMHDR& header) {
    const bool selectionChanged = header.code == TVN_SELCHANGEDA || header.code == TVN_SELCHANGEDW;
    if (selectionChanged && header.idFrom == structureTreeId)
        onSelectionChanged(pane, reinterpret_cast<const NMTREEVIEWA&>(header));
    return 0;
}

void onDestroy(HWND pane) {
    if (paneTree && GetParent(paneTree) == pane)
        paneTree = nullptr;
}

} // namespace

LRESULT CALLBACK structurePaneProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate(window);
        return 0;
    case WM_PAINT:
        onPaint(window);
        return 0;
    case WM_NOTIFY:
        return onNotify(window, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
        if (LOWORD(wParam) == previewButtonId && HIWORD(wParam) == BN_CLICKED)
            startPreview();
        return 0;
    case rebuildTreeMessage:
        if (paneTree && GetParent(paneTree) == window)
            buildStructureTree(paneTree, static_cast<int32_t>(wParam));
        return 0;
    case WM_DESTROY:
        onDestroy(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createStructurePane(HWND view) {
    RECT client;
    GetClientRect(view, &client);
    const LayoutBox area = editViewLayout(client.right, client.bottom).pane;
    return CreateWindowExA(0, structurePaneClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                           area.left, area.top, area.width, area.height, view, nullptr, hInstance,
                           nullptr);
}

HWND structurePaneTree() {
    return paneTree;
}

void rebuildStructureTreeLater(int32_t selectCode) {
    if (paneTree)
        PostMessageA(GetParent(paneTree), rebuildTreeMessage, static_cast<WPARAM>(selectCode), 0);
}

} // namespace zim
