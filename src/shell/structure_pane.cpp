#include "shell/structure_pane.h"

#include <commctrl.h>

#include "model/project.h"
#include "shell/object_code.h"
#include "shell/parameters_window.h"
#include "shell/shell_state.h"
#include "shell/structure_pane_layout.h"
#include "shell/structure_tree.h"
#include "shell/window_classes.h"

namespace zim {

namespace {

constexpr const char* paneTitle = "Program structure";
constexpr COLORREF titleColour = RGB(15, 15, 15);
constexpr COLORREF treeBackground = RGB(224, 224, 224);
constexpr DWORD treeStyle =
    WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;

HWND paneTree = nullptr;

HWND createChild(HWND pane, DWORD extendedStyle, const char* className, const char* text,
                 DWORD style, const LayoutBox& box, int id) {
    return CreateWindowExA(extendedStyle, className, text, style, box.left, box.top, box.width,
                           box.height, pane, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           hInstance, nullptr);
}

void onCreate(HWND pane) {
    RECT client;
    GetClientRect(pane, &client);
    const StructurePaneLayout layout = structurePaneLayout(client.right, client.bottom);
    paneTree = createChild(pane, WS_EX_CLIENTEDGE, WC_TREEVIEWA, "", treeStyle, layout.tree,
                           structureTreeId);
    prepareStructureTree(paneTree, treeBackground);
    HWND preview = createChild(pane, WS_EX_CLIENTEDGE | WS_EX_STATICEDGE, "BUTTON", "Preview",
                               WS_CHILD | WS_VISIBLE, layout.previewButton, previewButtonId);
    SendMessageA(preview, WM_SETFONT, reinterpret_cast<WPARAM>(fontControl), FALSE);
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
        // "Preview" (identifier 2) starts the preview once the preview exists.
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

} // namespace zim
