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

// The tab lists differ by kind: owner-drawn controls and objects without a frame have none,
// both window kinds share theirs, and the direct pages open without tabs.
TEST(EditorsTabs, EachObjectAndControlKindShowsItsTabs) {
    using P = EditorPage;
    expectTabs(
        5, 0, {{"Standard Parameters", P::classicButtonBasic}, {"Styles", P::classicButtonStyles}});
    expectTabs(6, 2,
               {{"Standard Parameters", P::imageStaticBasic},
                {"Background Image", P::imageStaticBackgroundImage}});
    EXPECT_EQ(tabsOf(5, 1).size(), 4u);
    EXPECT_EQ(tabsOf(4, 0).back().page, P::windowControls);
    EXPECT_EQ(tabsOf(3, 0).size(), 5u);
    for (const auto& [kind, control] : {std::pair{5, 2}, {5, 3}, {6, 3}, {0, 0}, {2, 0}})
        EXPECT_TRUE(tabsOf(kind, control).empty()) << kind << "/" << control;
    const std::vector<Tab> standard = tabsOf(3, 0), dialog = tabsOf(4, 0);
    for (std::size_t i = 0; i < standard.size(); ++i)
        EXPECT_EQ(standard[i].page, dialog[i].page);
    EXPECT_EQ(directPage(0), P::program);
    EXPECT_EQ(directPage(2), P::backgroundImage);
    EXPECT_EQ(directPage(3), P::none);
}

// Each kind's tooltips follow its tabs: buttons of both kinds share theirs, an image static's
// second tab holds its image, and positions without a tab have none.
TEST(EditorsTabs, TooltipsFollowTheTabsOfEachKind) {
    const char* const imageTip =
        "Here you can insert background image to be displayed on the static control...";
    EXPECT_STREQ(tabTooltip(5, 0, 1), "Here you can select additional styles for the button...");
    EXPECT_STREQ(tabTooltip(5, 1, 1), tabTooltip(5, 0, 1));
    EXPECT_STREQ(tabTooltip(6, 0, 3), imageTip);
    EXPECT_STREQ(tabTooltip(6, 2, 1), imageTip);
    EXPECT_STREQ(tabTooltip(6, 2, 0), tabTooltip(6, 0, 0));
    EXPECT_STRNE(tabTooltip(3, 0, 4), "");
    EXPECT_STREQ(tabTooltip(4, 0, 4), tabTooltip(3, 0, 4));
    for (const auto& [kind, position] : {std::pair{0, 0}, {5, 4}, {6, 4}, {5, 5}, {5, -1}})
        EXPECT_STREQ(tabTooltip(kind, 0, position), "") << kind << " " << position;
    EXPECT_STREQ(frameTitle(7), "");
    EXPECT_STREQ(frameTitle(-1), "");
}

} // namespace
} // namespace zim
