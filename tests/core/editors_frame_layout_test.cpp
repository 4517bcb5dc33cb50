#include "editors/frame/frame_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace zim {
namespace {

TEST(EditorsFrameLayout, CommandButtonsShareTheWidthByIntegerThirds) {
    const struct Case {
        int right, bottom, margin;
        int width, lefts[3], top;
    } cases[] = {
        {800, 600, 10, 260, {10, 270, 530}, 560},
        {801, 600, 10, 260, {10, 270, 530}, 560},
        {799, 500, 10, 259, {10, 269, 528}, 460},
        {760, 700, 20, 240, {20, 260, 500}, 660},
    };
    for (const Case& c : cases) {
        const auto buttons = commandButtons(c.right, c.bottom, c.margin);
        for (int i = 0; i < 3; ++i) {
            const LayoutBox expected{c.lefts[i], c.top, c.width, 30};
            EXPECT_EQ(buttons[i].box, expected) << c.right << " wide, button " << i;
        }
    }
    const auto buttons = commandButtons(800, 600, commandButtonMargin);
    const std::string texts[] = {"Edit Parameters", "Restore Previous Parameters",
                                 "Save Parameters Values"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(buttons[i].id, 15 + i);
        EXPECT_EQ(buttons[i].text, texts[i]);
    }
}

TEST(EditorsFrameLayout, PageRectangleFollowsTheAdjustedDisplayArea) {
    // A tab control 740 x 500 whose display area (screen coordinates) is 450 high.
    EXPECT_EQ(tabPageRectangle(740, 500, 230, 680), (LayoutBox{5, 60, 730, 435}));
    // Only the height of the display area counts, not where it lies.
    EXPECT_EQ(tabPageRectangle(740, 500, 30, 480), (LayoutBox{5, 60, 730, 435}));
    // A tab control too small for a page gives an empty one, never a negative size.
    const LayoutBox tiny = tabPageRectangle(6, 10, 0, 8);
    EXPECT_EQ(tiny.width, 0);
    EXPECT_EQ(tiny.height, 0);
}

TEST(EditorsFrameLayout, KindHeaderFitsAFrameOnTheSmallestScreen) {
    // The frame on a 1024 x 768 screen: three quarters of the view's width.
    const int right = 760, bottom = 650;
    const KindHeaderLayout header = kindHeaderLayout(right, bottom);
    EXPECT_TRUE(contains(header.frame, header.heading));
    for (const LayoutBox& radio : header.radios)
        EXPECT_TRUE(contains(header.frame, radio)) << radio.left << "," << radio.top;
    EXPECT_FALSE(overlaps(header.radios[0], header.radios[1]));
    EXPECT_FALSE(overlaps(header.radios[2], header.radios[3]));
    EXPECT_EQ(header.tabControl, (LayoutBox{10, 140, 740, 465}));
    EXPECT_FALSE(overlaps(header.frame, header.tabControl));
    // The command buttons lie below the tab control.
    for (const CommandButton& b : commandButtons(right, bottom, commandButtonMargin))
        EXPECT_GE(b.box.top, header.tabControl.bottom()) << b.text;
}

} // namespace
} // namespace zim
