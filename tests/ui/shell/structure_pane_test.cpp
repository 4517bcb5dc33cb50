#include <gtest/gtest.h>

#include <vector>

#include "editors/frame/parameters_frame.h"
#include "shell/shell_views.h"
#include "shell/structure_tree.h"
#include "shell_test_fixture.h"

namespace zim {
namespace {

using test::Place;
using test::placeIn;

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

// The pane's title is painted in its top band, dark on the pane's colour.
TEST_F(StructurePaneTest, PaneShowsItsTitleOverTheTree) {
    showEditView();
    EXPECT_EQ(test::windowText(GetDlgItem(pane_, 2)), "Preview");
    UpdateWindow(pane_);
    HDC dc = GetDC(pane_);
    int dark = 0;
    for (int x = 0; x < test::clientSize(pane_).cx; ++x)
        for (int y = 2; y < 28; ++y)
            dark += GetPixel(dc, x, y) == RGB(15, 15, 15);
    ReleaseDC(pane_, dc);
    EXPECT_GT(dark, 20);
}

// Entering the Edit view selects the program, which opens its parameters window in the
// right three quarters; each later selection replaces it, and a rebuild through the views
// selects the program again.
TEST_F(StructurePaneTest, SelectingAnItemOpensItsParametersWindow) {
    currentObjectKind = currentWindow = currentControl = 9;
    showEditView();
    EXPECT_EQ(test::selectedCode(tree_), 0);
    expectSelection(0, 0, 0);
    HWND first = parametersWindow;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(test::className(first), "WizardEditWindowClass");
    EXPECT_EQ(GetParent(first), viewDialog);
    const SIZE view = test::clientSize(viewDialog);
    EXPECT_EQ(placeIn(viewDialog, first),
              (Place{view.cx / 4 + 1, 0, view.cx - view.cx / 4 - 1, view.cy}));

    select(tree_, 600101);
    expectSelection(6, 1, 1);
    EXPECT_FALSE(IsWindow(first));
    select(tree_, 300100);
    expectSelection(3, 1, 0);
    ASSERT_NE(parametersWindow, nullptr);
    EXPECT_EQ(FindWindowExA(viewDialog, parametersWindow, "WizardEditWindowClass", nullptr),
              nullptr)
        << "only one parameters window is open";

    project().program.wallpaperPresent = 0;
    shellViews().rebuildStructureTree();
    EXPECT_EQ(test::treeItems(tree_).size(), 4u);
    EXPECT_EQ(test::selectedCode(tree_), 0);
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
    shellViews().rebuildStructureTree();
    SetWindowLongPtrA(pane_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(paneProcedure));

    ASSERT_FALSE(selectedAtDeletion.empty());
    EXPECT_EQ(selectedAtDeletion, std::vector<LPARAM>(selectedAtDeletion.size(), -1))
        << "-1: nothing selected";
    expectSelection(0, 0, 0);
    EXPECT_NE(parametersWindow, nullptr);
}

} // namespace
} // namespace zim
