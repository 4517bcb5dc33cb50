#include <gtest/gtest.h>

#include <iterator>

#include "shell/structure_tree.h"
#include "shell_test_fixture.h"

namespace zim {
namespace {

using test::ShellTest;

bool expanded(HWND tree, LPARAM code) {
    return TreeView_GetItemState(tree, test::itemWithCode(tree, code), TVIS_EXPANDED) != 0;
}

// The File view's tree shows the Project without opening anything. Each item sits under its
// parent with its text, image and code; the chosen item is selected and shown open.
TEST_F(ShellTest, StructureTreeNestsTheItemsAndSelectsTheChosenOne) {
    start();
    chooseView(1);
    HWND tree = GetDlgItem(viewDialog, 101);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(test::selectedCode(tree), 0);
    EXPECT_TRUE(expanded(tree, 0));
    EXPECT_EQ(TreeView_GetBkColor(tree), RGB(238, 238, 238));
    EXPECT_EQ(TreeView_GetImageList(tree, TVSIL_NORMAL), treeImages);
    const DWORD treeStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(tree, GWL_STYLE)) & treeStyle, treeStyle);

    project().program.windowCount = 3;
    window(2) = window(1);
    window(3) = window(1);
    window(1).buttonCount = window(1).staticCount = 0;
    window(2).buttonCount = window(2).staticCount = 0;
    window(2).imageCount = 2;
    window(3).buttonCount = 2;
    buildStructureTree(tree, 500302);
    const struct {
        int depth;
        const char* text;
        int image;
        LPARAM code;
    } expected[] = {
        {0, "ZIM Program - Default project", 0, 0},
        {1, "ZIM Wallpaper", 1, 1},
        {2, "ZIM Background Image", 2, 2},
        {1, "ZIM Window", 3, 300100},
        {1, "ZIM Window", 3, 300200},
        {2, "ZIM Background Image", 2, 200201},
        {2, "ZIM Background Image", 2, 200202},
        {1, "ZIM Window", 3, 300300},
        {2, "ZIM Button", 5, 500301},
        {2, "ZIM Button", 5, 500302},
        {2, "ZIM Static Control", 6, 600301},
    };
    const std::vector<test::TreeItem> items = test::treeItems(tree);
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].depth, expected[i].depth) << "item " << i;
        EXPECT_EQ(items[i].text, expected[i].text) << "item " << i;
        EXPECT_EQ(items[i].image, expected[i].image) << "item " << i;
        EXPECT_EQ(items[i].selectedImage, expected[i].image) << "item " << i;
        EXPECT_EQ(items[i].code, expected[i].code) << "item " << i;
    }
    EXPECT_EQ(test::selectedCode(tree), 500302);
    EXPECT_TRUE(expanded(tree, 300300));

    buildStructureTree(tree, 300200);
    EXPECT_EQ(test::selectedCode(tree), 300200);
    EXPECT_TRUE(expanded(tree, 300200));

    // A code without an item selects the program; the earlier items are gone.
    buildStructureTree(tree, 999999);
    EXPECT_EQ(test::selectedCode(tree), 0);
    EXPECT_EQ(test::treeItems(tree).size(), std::size(expected));
}

} // namespace
} // namespace zim
