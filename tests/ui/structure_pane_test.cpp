#include <gtest/gtest.h>

#include "shell/parameters_window.h"
#include "shell/shell_prompts.h"
#include "shell/structure_tree.h"
#include "shell_test_fixture.h"

namespace zim {
namespace {

using test::ShellTest;

class StructurePaneTest : public ShellTest {
  protected:
    void showEditView() {
        start();
        chooseView(2);
        pane_ = FindWindowExA(viewDialog, nullptr, "WizardDescriptionWindowClass", nullptr);
        ASSERT_NE(pane_, nullptr);
        tree_ = GetDlgItem(pane_, 1);
        ASSERT_NE(tree_, nullptr);
    }

    void select(LPARAM code) {
        HTREEITEM item = test::itemWithCode(tree_, code);
        ASSERT_NE(item, nullptr) << code;
        SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }

    static void expectSelection(int32_t kind, int32_t window, int32_t control) {
        EXPECT_EQ(currentObjectKind, kind);
        EXPECT_EQ(currentWindow, window);
        EXPECT_EQ(currentControl, control);
    }

    HWND pane_ = nullptr;
    HWND tree_ = nullptr;
};

TEST_F(StructurePaneTest, PaneHoldsTheTreeAndThePreviewButton) {
    showEditView();
    const SIZE view = test::clientSize(viewDialog);
    const RECT p = test::rectIn(viewDialog, pane_);
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.right, view.cx / 4);
    EXPECT_EQ(p.bottom, view.cy);

    const SIZE client = test::clientSize(pane_);
    const RECT t = test::rectIn(pane_, tree_);
    EXPECT_EQ(t.left, 10);
    EXPECT_EQ(t.top, 30);
    EXPECT_EQ(t.right - t.left, client.cx - 20);
    EXPECT_EQ(t.bottom - t.top, client.cy - 80);
    EXPECT_EQ(TreeView_GetBkColor(tree_), RGB(224, 224, 224));
    EXPECT_EQ(TreeView_GetImageList(tree_, TVSIL_NORMAL), treeImages);
    EXPECT_TRUE(GetWindowLongA(tree_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    HWND preview = GetDlgItem(pane_, 2);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(test::windowText(preview), "Preview");
    const RECT b = test::rectIn(pane_, preview);
    EXPECT_EQ(b.left, 10);
    EXPECT_EQ(b.top, client.cy - 40);
    EXPECT_EQ(b.right - b.left, client.cx - 20);
    EXPECT_EQ(b.bottom - b.top, 30);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(preview, WM_GETFONT, 0, 0)), fontControl);
    test::click(preview); // does nothing yet, and must not disturb the view
    EXPECT_TRUE(IsWindow(pane_));

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
// right three quarters.
TEST_F(StructurePaneTest, SelectingAnItemOpensItsParametersWindow) {
    currentObjectKind = 5;
    currentWindow = 9;
    currentControl = 9;
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
    EXPECT_EQ(GetWindowLongPtrA(first, GWLP_USERDATA),
              reinterpret_cast<LONG_PTR>(&currentObjectKind));
    const SIZE view = test::clientSize(viewDialog);
    const RECT r = test::rectIn(viewDialog, first);
    EXPECT_EQ(r.left, view.cx / 4 + 1);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, view.cx);
    EXPECT_EQ(r.bottom, view.cy);

    select(600101);
    expectSelection(6, 1, 1);
    EXPECT_FALSE(IsWindow(first));
    ASSERT_NE(parametersWindow, nullptr);
    EXPECT_EQ(GetParent(parametersWindow), viewDialog);

    select(2);
    expectSelection(2, 0, 1);
    select(1);
    expectSelection(1, 0, 0);
    select(300100);
    expectSelection(3, 1, 0);
    select(500101);
    expectSelection(5, 1, 1);
    EXPECT_EQ(FindWindowExA(viewDialog, parametersWindow, "WizardEditWindowClass", nullptr),
              nullptr)
        << "only one parameters window is open";
}

// Window items of a larger project open their own windows; controls keep their numbers.
TEST_F(StructurePaneTest, CodesOfManyWindowsDecodeIntoTheEditingState) {
    Project& p = project();
    p.program.windowCount = 12;
    for (int w = 2; w <= 12; ++w) {
        window(w) = window(1);
        window(w).buttonCount = 0;
        window(w).staticCount = 0;
    }
    window(12).buttonCount = 7;
    window(12).staticCount = 100;
    ASSERT_TRUE(saveProjectFile(defaultDirectory()));
    std::filesystem::current_path(root_);
    showEditView();
    ASSERT_EQ(test::treeItems(tree_).size(), 3u + 12u + 2u + 7u + 100u);

    select(300700);
    expectSelection(3, 7, 0);
    select(301200);
    expectSelection(3, 12, 0);
    select(501207);
    expectSelection(5, 12, 7);
    select(601300);
    expectSelection(6, 12, 100);
    select(600101);
    expectSelection(6, 1, 1);
}

TEST_F(StructurePaneTest, DialogBasedWindowsDecodeAsDialogs) {
    project().program.applicationType = 1;
    ASSERT_TRUE(saveProjectFile(defaultDirectory()));
    std::filesystem::current_path(root_);
    showEditView();
    select(400100);
    expectSelection(4, 1, 0);
}

// The File view's tree only shows the Project; its selection opens nothing.
TEST_F(StructurePaneTest, SelectingInTheFileViewOpensNothing) {
    start();
    chooseView(1);
    HWND tree = GetDlgItem(viewDialog, 101);
    currentObjectKind = 0;
    currentWindow = 0;
    currentControl = 0;
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(test::itemWithCode(tree, 500101)));
    EXPECT_EQ(test::selectedCode(tree), 500101);
    EXPECT_EQ(parametersWindow, nullptr);
    expectSelection(0, 0, 0);
}

// The project commands rebuild the Edit view's tree through the shell's prompts.
TEST_F(StructurePaneTest, PromptsRebuildTheEditViewTree) {
    showEditView();
    select(500101);
    project().program.wallpaperPresent = 0;
    shellPrompts().rebuildStructureTree();
    EXPECT_EQ(test::treeItems(tree_).size(), 4u);
    EXPECT_EQ(test::selectedCode(tree_), 0);
    expectSelection(0, 0, 0);
}

} // namespace
} // namespace zim
