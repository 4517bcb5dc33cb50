#include "shell/dialog_placement.h"

#include <gtest/gtest.h>

namespace zim {
namespace {

// A work area that does not start at the screen's corner, as with a task bar on the left.
const LayoutBox work{40, 0, 1240, 984};

TEST(ShellDialogPlacement, CentredOverItsOwnerAndKeptInsideTheWorkArea) {
    EXPECT_EQ(dialogPlacement({100, 100, 600, 400}, work, 200, 100),
              (LayoutBox{300, 250, 200, 100}));
    // Without an owner the work area stands in for it.
    EXPECT_EQ(dialogPlacement(work, work, 300, 200), (LayoutBox{510, 392, 300, 200}));

    // An owner hanging over an edge would push the dialog out: it stops at the edge.
    EXPECT_EQ(dialogPlacement({-500, -300, 400, 300}, work, 300, 200),
              (LayoutBox{40, 0, 300, 200}));
    EXPECT_EQ(dialogPlacement({1200, 900, 400, 300}, work, 300, 200),
              (LayoutBox{980, 784, 300, 200}));

    // A dialog larger than the work area keeps its size from the work area's top-left corner,
    // so its caption stays reachable.
    EXPECT_EQ(dialogPlacement({0, 0, 800, 600}, work, 1300, 1000), (LayoutBox{40, 0, 1300, 1000}));
}

} // namespace
} // namespace zim
