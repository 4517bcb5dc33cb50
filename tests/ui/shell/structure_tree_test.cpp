#include <gtest/gtest.h>

#include "editors/frame/parameters_frame.h"
#include "shell/structure_tree.h"
#include "shell/structure_tree_items.h"
#include "shell_test_fixture.h"

namespace zim {
namespace {

using test::ShellTest;

bool expanded(HWND tree, LPARAM code) {
    return TreeView_GetItemState(tree, test::itemWithCode(tree, code), TVIS_EXPANDED) != 0;
}

// The File view's tree holds the Project's items in order, each under its parent with its
// text, image and code, and opens nothing. The chosen item is selected and shown open; a code
// without an item selects the program.
TEST_F(ShellTest, StructureTreeNestsTheItemsAndSelectsTheChosenOne) {
    start();
    chooseView(1);
    HWND tree = GetDlgItem(viewDialog, 101);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(TreeView_GetImageList(tree, TVSIL_NORMAL), treeImages);
    project().program.windowCount = 2;
    window(2) = window(1);
    window(2).imageCount = 1;
    buildStructureTree(tree, 600201);

    const std::vector<StructureItem> expected = structureTreeItems(project());
    const std::vector<test::TreeItem> items = test::treeItems(tree);
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int parent = expected[i].parent;
        EXPECT_EQ(items[i].depth, parent < 0 ? 0 : items[parent].depth + 1) << i;
        EXPECT_EQ(items[i].text, expected[i].text) << i;
        EXPECT_EQ(items[i].image, expected[i].image) << i;
        EXPECT_EQ(items[i].selectedImage, expected[i].image) << i;
        EXPECT_EQ(items[i].code, expected[i].code) << i;
    }
    EXPECT_EQ(items.back().code, 600201);
    EXPECT_EQ(test::selectedCode(tree), 600201);
    EXPECT_TRUE(expanded(tree, 300200));
    EXPECT_EQ(parametersWindow, nullptr);

    buildStructureTree(tree, 999999);
    EXPECT_EQ(test::selectedCode(tree), 0);
    EXPECT_TRUE(expanded(tree, 0));
    EXPECT_EQ(test::treeItems(tree).size(), expected.size()); // the earlier items are gone
}

} // namespace
} // namespace zim
