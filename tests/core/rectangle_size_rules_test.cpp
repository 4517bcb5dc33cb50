#include "shell/rectangle_size_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace zim {
namespace {

struct Refusal {
    const char* width;
    const char* height;
    std::string message;
    RectangleField field;
};

TEST(RectangleSizeRules, FirstFailingCheckWinsWidthBeforeHeight) {
    const Refusal refusals[] = {
        {"", "", "Fill the field for rectangle width, please...", RectangleField::width},
        {"0", "", "Check out the field for rectangle width, please...", RectangleField::width},
        {"12a", "600", "Check out the field for rectangle width, please...", RectangleField::width},
        {"+5", "600", "Check out the field for rectangle width, please...", RectangleField::width},
        {"1025", "", "You can select width bigger than screen resolution...",
         RectangleField::width},
        {"99999999999999999999", "600", "You can select width bigger than screen resolution...",
         RectangleField::width},
        {"1024", "", "Fill the field for rectangle height, please...", RectangleField::height},
        {"1024", "0", "Check out the field for rectangle height, please...",
         RectangleField::height},
        {"1024", "769", "You can select height bigger than screen resolution...",
         RectangleField::height},
    };
    for (const Refusal& r : refusals) {
        const RectangleSizeCheck check = checkRectangleSize(r.width, r.height, 1024, 768);
        ASSERT_FALSE(check.accepted()) << r.width << " x " << r.height;
        EXPECT_EQ(check.message, r.message) << r.width << " x " << r.height;
        EXPECT_EQ(check.field, r.field) << r.width << " x " << r.height;
    }
}

TEST(RectangleSizeRules, AcceptsPositiveWholeNumbersUpToTheScreen) {
    struct Accepted {
        const char* width;
        const char* height;
        int w, h;
    } accepted[] = {{"1024", "768", 1024, 768},
                    {"1", "1", 1, 1},
                    {"800", "600", 800, 600},
                    {" 0640 ", "480 ", 640, 480}};
    for (const Accepted& a : accepted) {
        const RectangleSizeCheck check = checkRectangleSize(a.width, a.height, 1024, 768);
        EXPECT_TRUE(check.accepted()) << a.width << " x " << a.height << ": " << check.message;
        EXPECT_EQ(check.field, RectangleField::none);
        EXPECT_EQ(check.width, a.w);
        EXPECT_EQ(check.height, a.h);
    }
    // The limits are the screen's own, not fixed numbers.
    EXPECT_TRUE(checkRectangleSize("1280", "1024", 1280, 1024).accepted());
    EXPECT_FALSE(checkRectangleSize("1280", "1024", 1279, 1024).accepted());
}

TEST(RectangleSizeRules, CentresInTheAreaTruncatingTowardZero) {
    const PlacedRectangle even = centredRectangle(1024, 768, 800, 600);
    EXPECT_EQ(even.left, 112);
    EXPECT_EQ(even.top, 84);
    EXPECT_EQ(even.right, 912);
    EXPECT_EQ(even.bottom, 684);

    const PlacedRectangle odd = centredRectangle(1025, 769, 800, 600);
    EXPECT_EQ(odd.left, 112);
    EXPECT_EQ(odd.top, 84);
    EXPECT_EQ(odd.right, 912);

    // Larger than the area: negative halves truncate toward zero, not down.
    const PlacedRectangle larger = centredRectangle(800, 600, 1023, 767);
    EXPECT_EQ(larger.left, -111);
    EXPECT_EQ(larger.top, -83);
    EXPECT_EQ(larger.right, 912);
    EXPECT_EQ(larger.bottom, 684);
}

} // namespace
} // namespace zim
