#include "shell/screen_check.h"

#include <gtest/gtest.h>

namespace zim {
namespace {

TEST(ShellScreenCheck, AcceptsScreensOfAtLeast1024x768) {
    EXPECT_TRUE(screenIsLargeEnough(1024, 768));
    EXPECT_TRUE(screenIsLargeEnough(1280, 1024));
    EXPECT_TRUE(screenIsLargeEnough(3840, 2160));

    EXPECT_FALSE(screenIsLargeEnough(1023, 768));
    EXPECT_FALSE(screenIsLargeEnough(1024, 767));
    EXPECT_FALSE(screenIsLargeEnough(800, 600));
    EXPECT_FALSE(screenIsLargeEnough(4000, 700)); // wide enough is not enough
    EXPECT_FALSE(screenIsLargeEnough(0, 0));
}

} // namespace
} // namespace zim
