#include <gtest/gtest.h>

#include <cstdio>

#include "model/programming_error.h"
#include "model/project.h"

namespace zim {
namespace {

// A record number outside its capacity is a fault of the program: it stops with a message in
// every build instead of reaching memory outside the Project.
TEST(ProjectRecordsDeathTest, ANumberOutsideACapacityStopsTheProgram) {
    EXPECT_DEATH(window(0), "window number 0 is outside 1\\.\\.100");
    EXPECT_DEATH(window(101), "window number 101 is outside 1\\.\\.100");
    EXPECT_DEATH(button(1, 101), "button number 101 is outside 1\\.\\.100");
    EXPECT_DEATH(button(101, 1), "window number 101");
    EXPECT_DEATH(staticControl(1, 0), "static control number 0 is outside 1\\.\\.100");
    EXPECT_DEATH(image(1, 11), "background image number 11 is outside 1\\.\\.10");
    EXPECT_DEATH(image(-1, 1), "window number -1");

    // The Win32 layer shows the message its own way; the program stops all the same.
    EXPECT_DEATH(
        {
            setProgrammingErrorHandler([](const std::string& message) {
                std::fprintf(stderr, "shown: %s", message.c_str());
            });
            staticControl(100, 100).x = image(100, 10).x;
            button(100, 0);
        },
        "shown: button number 0");
}

} // namespace
} // namespace zim
