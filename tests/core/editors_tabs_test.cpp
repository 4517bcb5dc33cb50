#include "editors/frame/editor_tabs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zim {
namespace {

struct Tab {
    std::string caption;
    EditorPage page;
};

std::vector<Tab> tabsOf(int32_t objectKind, int32_t controlKind) {
    std::vector<Tab> tabs;
    for (const EditorTab& t : editorTabs(objectKind, controlKind))
        tabs.push_back({t.caption, t.page});
    return tabs;
}

void expectTabs(int32_t objectKind, int32_t controlKind, const std::vector<Tab>& expected) {
    const std::vector<Tab> tabs = tabsOf(objectKind, controlKind);
    ASSERT_EQ(tabs.size(), expected.size()) << objectKind << "/" << controlKind;
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        EXPECT_EQ(tabs[i].caption, expected[i].caption) << objectKind << "/" << controlKind;
        EXPECT_EQ(tabs[i].page, expected[i].page) << objectKind << "/" << controlKind;
    }
}

// Owner-drawn controls and objects without a frame have no tabs, both window kinds share
// theirs, and the direct pages open without tabs.
TEST(EditorsTabs, EachObjectAndControlKindShowsItsTabs) {
    using P = EditorPage;
    expectTabs(
        5, 0, {{"Standard Parameters", P::classicButtonBasic}, {"Styles", P::classicButtonStyles}});
    for (const auto& [kind, control] : {std::pair{5, 2}, {5, 3}, {6, 3}, {0, 0}, {2, 0}})
        EXPECT_TRUE(tabsOf(kind, control).empty()) << kind << "/" << control;
    const std::vector<Tab> standard = tabsOf(3, 0), dialog = tabsOf(4, 0);
    ASSERT_EQ(standard.size(), dialog.size());
    for (std::size_t i = 0; i < standard.size(); ++i)
        EXPECT_EQ(standard[i].page, dialog[i].page);
    EXPECT_EQ(directPage(0), P::program);
    EXPECT_EQ(directPage(3), P::none);
}

// Buttons of both kinds share their tooltips, an image static's second tab holds its image;
// positions and kinds without a tab have none.
TEST(EditorsTabs, TooltipsFollowTheTabsOfEachKind) {
    EXPECT_STRNE(tabTooltip(5, 0, 1), "");
    EXPECT_STREQ(tabTooltip(5, 1, 1), tabTooltip(5, 0, 1));
    EXPECT_STREQ(tabTooltip(4, 0, 4), tabTooltip(3, 0, 4));
    EXPECT_STREQ(tabTooltip(6, 2, 1), tabTooltip(6, 0, 3)) << "an image static's image tab";
    for (const auto& [kind, position] : {std::pair{0, 0}, {5, 4}, {6, 4}, {5, 5}, {5, -1}})
        EXPECT_STREQ(tabTooltip(kind, 0, position), "") << kind << " " << position;
    EXPECT_STREQ(frameTitle(7), "");
    EXPECT_STREQ(frameTitle(-1), "");
}

} // namespace
} // namespace zim
