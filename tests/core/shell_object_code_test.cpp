#include "shell/object_code.h"

#include <gtest/gtest.h>

#include "model/project.h"

namespace zim {
namespace {

ObjectSelection selection(int32_t kind, int32_t window, int32_t control) {
    return {kind, window, control};
}

TEST(ShellObjectCode, ItemCodesFollowKindWindowAndControl) {
    EXPECT_EQ(buttonCode(1, 1), 500101);
    EXPECT_EQ(staticCode(3, 45), 600345);
    EXPECT_EQ(imageCode(2, 10), 200210);
    EXPECT_EQ(buttonCode(12, 100), 501300);
    EXPECT_EQ(staticCode(100, 100), 610100);

    // Every window item carries its own window number.
    EXPECT_EQ(windowCode(0, 1), 300100);
    EXPECT_EQ(windowCode(1, 1), 400100);
    EXPECT_EQ(windowCode(1, 100), 410000);
}

TEST(ShellObjectCode, SmallCodesDecodeToTheirFixedObjects) {
    EXPECT_EQ(decodeObjectCode(0), selection(0, 0, 0));
    EXPECT_EQ(decodeObjectCode(1), selection(1, 0, 0));
    EXPECT_EQ(decodeObjectCode(2), selection(2, 0, 1)); // the wallpaper's image
    EXPECT_EQ(decodeObjectCode(3), selection(3, 1, 0));
    EXPECT_EQ(decodeObjectCode(4), selection(4, 1, 0));
}

// Every code decodes to its own object, the 100th control of a window too.
TEST(ShellObjectCode, EveryItemOfAFullProjectRoundTrips) {
    for (int w = 1; w <= maxWindows; ++w) {
        EXPECT_EQ(decodeObjectCode(windowCode(0, w)), selection(objectWindow, w, 0)) << w;
        EXPECT_EQ(decodeObjectCode(windowCode(1, w)), selection(objectDialog, w, 0)) << w;
        for (int i = 1; i <= maxImages; ++i)
            ASSERT_EQ(decodeObjectCode(imageCode(w, i)), selection(objectBackgroundImage, w, i));
        for (int c = 1; c <= maxButtons; ++c) {
            ASSERT_EQ(decodeObjectCode(buttonCode(w, c)), selection(objectButton, w, c));
            ASSERT_EQ(decodeObjectCode(staticCode(w, c)), selection(objectStatic, w, c));
        }
    }
}

} // namespace
} // namespace zim
