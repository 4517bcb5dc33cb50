#include <gtest/gtest.h>

#include "shell/project_view.h"
#include "shell/structure_tree.h"
#include "shell_test_fixture.h"

namespace zim {
namespace {

using test::ShellTest;
using test::TreeItem;
using test::treeItems;

struct Expected {
    int depth;
    const char* text;
    int image;
    LPARAM code;
};

void expectTree(HWND tree, const std::vector<Expected>& expected) {
    const std::vector<TreeItem> items = treeItems(tree);
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].depth, expected[i].depth) << "item " << i;
        EXPECT_EQ(items[i].text, expected[i].text) << "item " << i;
        EXPECT_EQ(items[i].image, expected[i].image) << "item " << i;
        EXPECT_EQ(items[i].selectedImage, expected[i].image) << "item " << i;
        EXPECT_EQ(items[i].code, expected[i].code) << "item " << i;
    }
}

bool expanded(HWND tree, HTREEITEM item) {
    return (TreeView_GetItemState(tree, item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

class StructureTreeTest : public ShellTest {
  protected:
    // The File view's tree, which shows the Project without opening anything.
    HWND showFileView() {
        start();
        chooseView(1);
        HWND tree = GetDlgItem(viewDialog, 101);
        EXPECT_NE(tree, nullptr);
        return tree;
    }
};

TEST_F(StructureTreeTest, DefaultProjectTree) {
    HWND tree = showFileView();
    expectTree(tree, {
                         {0, "ZIM Program - Default project", 0, 0},
                         {1, "ZIM Wallpaper", 1, 1},
                         {2, "ZIM Background Image", 2, 2},
                         {1, "ZIM Window", 3, 300100},
                         {2, "ZIM Button", 5, 500101},
                         {2, "ZIM Static Control", 6, 600101},
                     });
    HTREEITEM program = TreeView_GetRoot(tree);
    EXPECT_EQ(TreeView_GetSelection(tree), program);
    EXPECT_TRUE(expanded(tree, program));
    EXPECT_EQ(TreeView_GetBkColor(tree), RGB(238, 238, 238));
    EXPECT_EQ(TreeView_GetImageList(tree, TVSIL_NORMAL), treeImages);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(tree, GWL_STYLE));
    const DWORD treeStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    EXPECT_EQ(style & treeStyle, treeStyle);
}

TEST_F(StructureTreeTest, WallpaperAndItsImageOnlyWhenPresent) {
    HWND tree = showFileView();
    project().wallpaper.imagePresent = 0;
    refreshProjectView();
    expectTree(tree, {
                         {0, "ZIM Program - Default project", 0, 0},
                         {1, "ZIM Wallpaper", 1, 1},
                         {1, "ZIM Window", 3, 300100},
                         {2, "ZIM Button", 5, 500101},
                         {2, "ZIM Static Control", 6, 600101},
                     });
    project().wallpaper.imagePresent = 1;
    project().program.wallpaperPresent = 0;
    refreshProjectView();
    expectTree(tree, {
                         {0, "ZIM Program - Default project", 0, 0},
                         {1, "ZIM Window", 3, 300100},
                         {2, "ZIM Button", 5, 500101},
                         {2, "ZIM Static Control", 6, 600101},
                     });
}

TEST_F(StructureTreeTest, DialogBasedProjectShowsDialogImages) {
    HWND tree = showFileView();
    project().program.applicationType = 1;
    project().program.windowCount = 2;
    window(2) = window(1);
    window(2).staticCount = 0;
    setText(project().program.applicationName, "Dialogs");
    refreshProjectView();
    expectTree(tree, {
                         {0, "ZIM Program - Dialogs", 0, 0},
                         {1, "ZIM Wallpaper", 1, 1},
                         {2, "ZIM Background Image", 2, 2},
                         {1, "ZIM Window", 4, 400100},
                         {2, "ZIM Button", 5, 500101},
                         {2, "ZIM Static Control", 6, 600101},
                         {1, "ZIM Window", 4, 400200},
                         {2, "ZIM Button", 5, 500201},
                     });
}

// Each window item has its own code; the chosen item is selected and shown open.
TEST_F(StructureTreeTest, SeveralWindowsAndTheChosenItemSelected) {
    HWND tree = showFileView();
    Project& p = project();
    p.program.wallpaperPresent = 0;
    p.program.windowCount = 3;
    window(2) = window(1);
    window(3) = window(1);
    window(1).buttonCount = 0;
    window(1).staticCount = 0;
    window(2).imageCount = 2;
    window(2).buttonCount = 0;
    window(2).staticCount = 0;
    window(3).buttonCount = 2;
    window(3).staticCount = 1;
    buildStructureTree(tree, 500302);
    expectTree(tree, {
                         {0, "ZIM Program - Default project", 0, 0},
                         {1, "ZIM Window", 3, 300100},
                         {1, "ZIM Window", 3, 300200},
                         {2, "ZIM Background Image", 2, 200201},
                         {2, "ZIM Background Image", 2, 200202},
                         {1, "ZIM Window", 3, 300300},
                         {2, "ZIM Button", 5, 500301},
                         {2, "ZIM Button", 5, 500302},
                         {2, "ZIM Static Control", 6, 600301},
                     });
    EXPECT_EQ(test::selectedCode(tree), 500302);
    EXPECT_TRUE(expanded(tree, test::itemWithCode(tree, 300300)));

    buildStructureTree(tree, 300200);
    EXPECT_EQ(test::selectedCode(tree), 300200);
    EXPECT_TRUE(expanded(tree, test::itemWithCode(tree, 300200)));

    // A code without an item selects the program.
    buildStructureTree(tree, 999999);
    EXPECT_EQ(test::selectedCode(tree), 0);
    EXPECT_EQ(treeItems(tree).size(), 9u);
}

} // namespace
} // namespace zim
