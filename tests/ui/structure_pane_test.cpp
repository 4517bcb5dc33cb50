#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "shell/parameters_window.h"
#include "shell/shell_prompts.h"
#include "shell/structure_tree.h"
#include "shell_test_fixture.h"

namespace zim {
namespace {

using Place = std::array<LONG, 4>; // left, top, width, height

Place placeIn(HWND parent, HWND window) {
    const RECT r = test::rectIn(parent, window);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

class StructurePaneTest : public test::ShellTest {
  protected:
    void showEditView() {
        start();
        chooseView(2);
        pane_ = FindWindowExA(viewDialog, nullptr, "WizardDescriptionWindowClass", nullptr);
        ASSERT_NE(pane_, nullptr);
        tree_ = GetDlgItem(pane_, 1);
        ASSERT_NE(tree_, nullptr);
    }

    void select(HWND tree, LPARAM code) {
        HTREEITEM item = test::itemWithCode(tree, code);
        ASSERT_NE(item, nullptr) << code;
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }

    static void expectSelection(int32_t kind, int32_t window, int32_t control) {
        EXPECT_EQ(currentObjectKind, kind);
        EXPECT_EQ(currentWindow, window);
        EXPECT_EQ(currentControl, control);
    }

    HWND pane_ = nullptr;
    HWND tree_ = nullptr;
};

TEST_F(StructurePaneTest, PaneHoldsTheTitleTheTreeAndThePreviewButton) {
    showEditView();
    const SIZE view = test::clientSize(viewDialog);
    EXPECT_EQ(placeIn(viewDialog, pane_), (Place{0, 0, view.cx / 4, view.cy}));
    const SIZE client = test::clientSize(pane_);
    EXPECT_EQ(placeIn(pane_, tree_), (Place{10, 30, client.cx - 20, client.cy - 80}));
    EXPECT_EQ(TreeView_GetBkColor(tree_), RGB(224, 224, 224));
    EXPECT_EQ(TreeView_GetImageList(tree_, TVSIL_NORMAL), treeImages);
    EXPECT_TRUE(GetWindowLongA(tree_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    HWND preview = GetDlgItem(pane_, 2);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(test::windowText(preview), "Preview");
    EXPECT_EQ(placeIn(pane_, preview), (Place{10, client.cy - 40, client.cx - 20, 30}));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(preview, WM_GETFONT, 0, 0)), fontControl);

    // The title is painted in the pane's top band, dark on the pane's colour.
    UpdateWindow(pane_);
    HDC dc = GetDC(pane_);
    int dark = 0;
    for (int x = 0; x < client.cx; ++x)
        for (int y = 2; y < 28; ++y)
            dark += GetPixel(dc, x, y) == RGB(15, 15, 15);
    ReleaseDC(pane_, dc);
    EXPECT_GT(dark, 20);
}

// Entering the Edit view selects the program, which opens its parameters window in the
// right three quarters; each later selection replaces it.
TEST_F(StructurePaneTest, SelectingAnItemOpensItsParametersWindow) {
    currentObjectKind = currentWindow = currentControl = 9;
    showEditView();
    EXPECT_EQ(test::selectedCode(tree_), 0);
    expectSelection(0, 0, 0);
    HWND first = parametersWindow;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(test::className(first), "WizardEditWindowClass");
    EXPECT_EQ(GetParent(first), viewDialog);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(first, GWL_EXSTYLE)) & 0x20201u, 0x20201u);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(first, GWL_STYLE)) & style, style);
    const SIZE view = test::clientSize(viewDialog);
    EXPECT_EQ(placeIn(viewDialog, first),
              (Place{view.cx / 4 + 1, 0, view.cx - view.cx / 4 - 1, view.cy}));

    select(tree_, 600101);
    expectSelection(6, 1, 1);
    EXPECT_FALSE(IsWindow(first));
    select(tree_, 300100);
    expectSelection(3, 1, 0);
    ASSERT_NE(parametersWindow, nullptr);
    EXPECT_EQ(GetParent(parametersWindow), viewDialog);
    EXPECT_EQ(FindWindowExA(viewDialog, parametersWindow, "WizardEditWindowClass", nullptr),
              nullptr)
        << "only one parameters window is open";
}

// The project commands rebuild the Edit view's tree through the shell's prompts; the File
// view's tree only shows the Project, and its selection opens nothing.
TEST_F(StructurePaneTest, PromptsRebuildTheEditViewTreeAndTheFileViewOpensNothing) {
    showEditView();
    select(tree_, 500101);
    project().program.wallpaperPresent = 0;
    shellPrompts().rebuildStructureTree();
    EXPECT_EQ(test::treeItems(tree_).size(), 4u);
    EXPECT_EQ(test::selectedCode(tree_), 0);
    expectSelection(0, 0, 0);

    chooseView(1);
    HWND tree = GetDlgItem(viewDialog, 101);
    select(tree, 500101);
    EXPECT_EQ(test::selectedCode(tree), 500101);
    EXPECT_EQ(parametersWindow, nullptr);
    expectSelection(0, 0, 0);
}

// A tree may move the selection on while it deletes the selected item, announcing items that
// are being deleted too (Wine deletes without a notice). So the rebuild clears the selection
// before the first item goes; then it selects the program and opens its parameters window.
TEST_F(StructurePaneTest, RebuildClearsTheSelectionBeforeAnyItemIsDeleted) {
    showEditView();
    select(tree_, 500101);
    static HWND tree;
    static WNDPROC paneProcedure;
    static std::vector<LPARAM> selectedAtDeletion;
    tree = tree_;
    selectedAtDeletion.clear();
    auto watch = [](HWND pane, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TVN_DELETEITEMA)
            selectedAtDeletion.push_back(test::selectedCode(tree));
        return CallWindowProcA(paneProcedure, pane, message, wParam, lParam);
    };
    paneProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(pane_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+watch)));
    shellPrompts().rebuildStructureTree();
    SetWindowLongPtrA(pane_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(paneProcedure));

    ASSERT_FALSE(selectedAtDeletion.empty());
    EXPECT_EQ(selectedAtDeletion, std::vector<LPARAM>(selectedAtDeletion.size(), -1))
        << "-1: nothing selected";
    expectSelection(0, 0, 0);
    EXPECT_NE(parametersWindow, nullptr);
}

} // namespace
} // namespace zim
