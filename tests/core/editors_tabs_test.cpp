#include "editors/frame/editor_tabs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/frame/placement_tooltips.h"

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

TEST(EditorsTabs, EachObjectAndControlKindShowsItsTabs) {
    using P = EditorPage;
    expectTabs(
        5, 0, {{"Standard Parameters", P::classicButtonBasic}, {"Styles", P::classicButtonStyles}});
    expectTabs(5, 1,
               {{"Standard Parameters", P::imageButtonBasic},
                {"Styles", P::imageButtonStyles},
                {"Extended Styles", P::imageButtonExtendedStyles},
                {"Misc. Parameters", P::imageButtonMisc}});
    expectTabs(5, 2, {});
    expectTabs(5, 3, {});
    expectTabs(6, 0,
               {{"Standard Parameters", P::textStaticBasic}, {"Styles", P::textStaticStyles}});
    expectTabs(6, 1, {{"Standard Parameters", P::graphicsStaticBasic}});
    expectTabs(6, 2,
               {{"Standard Parameters", P::imageStaticBasic},
                {"Background Image", P::imageStaticBackgroundImage}});
    expectTabs(6, 3, {});
    const std::vector<Tab> windowTabs = {{"Type/Appearance/Size", P::windowTypeAppearanceSize},
                                         {"Background Data", P::windowClassData},
                                         {"Window Style(s)", P::windowStyles},
                                         {"Background Images", P::windowBackgroundImages},
                                         {"Buttons and Static Controls", P::windowControls}};
    expectTabs(3, 0, windowTabs);
    expectTabs(4, 0, windowTabs);
    for (int32_t kind : {0, 1, 2})
        expectTabs(kind, 0, {});
    EXPECT_EQ(directPage(0), P::program);
    EXPECT_EQ(directPage(1), P::wallpaper);
    EXPECT_EQ(directPage(2), P::backgroundImage);
    for (int32_t kind : {3, 4, 5, 6, 7})
        EXPECT_EQ(directPage(kind), P::none) << kind;
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
    EXPECT_STREQ(tabTooltip(3, 0, 4), "Here you can insert control elements - buttons and static "
                                      "controls on your window...");
    EXPECT_STREQ(tabTooltip(4, 0, 4), tabTooltip(3, 0, 4));
    for (const auto& [kind, position] : {std::pair{0, 0}, {5, 4}, {6, 4}, {5, 5}, {5, -1}})
        EXPECT_STREQ(tabTooltip(kind, 0, position), "") << kind << " " << position;
    EXPECT_STREQ(frameTitle(7), "");
    EXPECT_STREQ(frameTitle(-1), "");
    EXPECT_STREQ(placementTooltips()[5], "(X-right,Y-center)");
}

} // namespace
} // namespace zim
