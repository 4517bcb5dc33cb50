#include "editors/frame/frame_layout.h"

#include <gtest/gtest.h>

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
    EXPECT_STREQ(buttons[0].text, "Edit Parameters");
    EXPECT_STREQ(buttons[1].text, "Restore Previous Parameters");
    EXPECT_STREQ(buttons[2].text, "Save Parameters Values");
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

} // namespace
} // namespace zim
