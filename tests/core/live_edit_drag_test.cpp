#include "live/edit_drag.h"

#include <gtest/gtest.h>

#include <memory>

#include "live_test_print.h"

namespace zim {
namespace {

const PixelRect placed{100, 50, 200, 90};

// An edge drag shows the result in the focus rectangle and changes the placed rectangle on
// the release only; past the opposite edge it flips there. The hover rule is off meanwhile.
TEST(LiveEditDrag, EdgeDragShowsTheResultAndChangesTheRectangleOnRelease) {
    auto workCopy = std::make_unique<ButtonControl>();
    storePlacedRect(placed, *workCopy);
    EditDrag drag(EditTarget::button, placedRectOf(*workCopy));
    EXPECT_EQ(drag.hover({102, 70}), DragMode::leftEdge);
    EXPECT_EQ(drag.cursor(), DragCursor::sizeWE);
    EXPECT_EQ(drag.press({102, 70}), (PixelPoint{100, 70}));
    EXPECT_TRUE(drag.dragTo({150, 70}));
    EXPECT_EQ(drag.selection(), (PixelRect{150, 50, 200, 90}));
    EXPECT_FALSE(drag.dragTo({150, 75}));
    EXPECT_EQ(drag.hover({150, 70}), DragMode::leftEdge);
    EXPECT_TRUE(drag.dragTo({250, 70}));
    EXPECT_EQ(drag.selection(), (PixelRect{200, 50, 250, 90}));
    EXPECT_EQ(drag.placed(), placed);

    EXPECT_TRUE(drag.release({250, 70}));
    EXPECT_FALSE(drag.dragging());
    EXPECT_EQ(drag.placed(), (PixelRect{200, 50, 250, 90}));
    EXPECT_EQ(drag.selection(), drag.placed());
    EXPECT_FALSE(drag.release({300, 70})); // no press, no change
    storePlacedRect(drag.placed(), *workCopy);
    EXPECT_EQ((std::vector<int32_t>{workCopy->x, workCopy->y, workCopy->width, workCopy->height}),
              (std::vector<int32_t>{200, 50, 50, 40}));
}

// A move snaps the pointer to the corner and follows it; a press that grabs nothing starts no
// drag, whatever the hover before it; Esc cancels a drag in progress.
TEST(LiveEditDrag, MovesFollowThePointerAndPressesOnNothingOrEscapeChangeNothing) {
    EditDrag drag(EditTarget::staticControl, placed);
    EXPECT_EQ(drag.hover({150, 70}), DragMode::move);
    EXPECT_EQ(drag.cursor(), DragCursor::sizeAll);
    EXPECT_FALSE(drag.press({101, 89})); // a bottom corner
    EXPECT_FALSE(drag.dragTo({300, 300}));
    EXPECT_FALSE(drag.release({300, 300}));
    EXPECT_EQ(drag.press({150, 70}), (PixelPoint{100, 50}));
    EXPECT_FALSE(drag.press({150, 70})); // already dragging
    EXPECT_TRUE(drag.dragTo({120, 60}));
    EXPECT_EQ(drag.selection(), (PixelRect{120, 60, 220, 100}));
    EXPECT_TRUE(drag.release({130, 65}));
    EXPECT_EQ(drag.placed(), (PixelRect{130, 65, 230, 105}));

    EXPECT_FALSE(drag.cancel());
    ASSERT_TRUE(drag.press({228, 80}));
    drag.dragTo({260, 80});
    EXPECT_TRUE(drag.cancel());
    EXPECT_FALSE(drag.dragging());
    EXPECT_EQ(drag.selection(), drag.placed());
    EXPECT_FALSE(drag.release({260, 80}));
    EXPECT_EQ(drag.placed(), (PixelRect{130, 65, 230, 105}));
}

TEST(LiveEditDrag, ArrowKeysMoveAndShiftArrowKeysResize) {
    EditDrag drag(EditTarget::button, placed);
    EXPECT_TRUE(drag.nudge(EditKey::left, false));
    EXPECT_TRUE(drag.nudge(EditKey::down, false));
    EXPECT_TRUE(drag.nudge(EditKey::right, true));
    EXPECT_TRUE(drag.nudge(EditKey::up, true));
    EXPECT_EQ(drag.placed(), (PixelRect{99, 51, 200, 90}));
    EXPECT_EQ(drag.selection(), drag.placed());

    // Never below one pixel; keys wait while the mouse drags.
    EditDrag small(EditTarget::staticControl, {10, 10, 12, 11});
    EXPECT_TRUE(small.nudge(EditKey::left, true));
    EXPECT_FALSE(small.nudge(EditKey::left, true));
    EXPECT_FALSE(small.nudge(EditKey::up, true));
    EXPECT_EQ(small.placed(), (PixelRect{10, 10, 11, 11}));
    ASSERT_TRUE(drag.press({150, 70}));
    EXPECT_FALSE(drag.nudge(EditKey::right, false));
    EXPECT_EQ(drag.placed(), (PixelRect{99, 51, 200, 90}));
}

// A line keeps its thickness: it has grips and Shift keys only along its length.
TEST(LiveEditDrag, LinesChangeOnlyAlongTheirLength) {
    auto line = std::make_unique<StaticControl>();
    storePlacedRect({100, 50, 200, 75}, *line);
    EditDrag horizontal(EditTarget::horizontalLine, placedRectOf(*line));
    EXPECT_FALSE(horizontal.press({150, 51})); // no top grip
    ASSERT_EQ(horizontal.press({198, 55}), (PixelPoint{200, 55}));
    EXPECT_TRUE(horizontal.release({240, 58}));
    EXPECT_FALSE(horizontal.nudge(EditKey::down, true));
    EXPECT_TRUE(horizontal.nudge(EditKey::down, false));
    storePlacedRect(horizontal.placed(), *line);
    EXPECT_EQ((std::vector<int32_t>{line->x, line->y, line->width, line->height}),
              (std::vector<int32_t>{100, 51, 140, 25}));

    EditDrag vertical(EditTarget::verticalLine, {100, 50, 130, 150});
    EXPECT_FALSE(vertical.press({101, 100})); // no side grip
    EXPECT_FALSE(vertical.nudge(EditKey::right, true));
    ASSERT_EQ(vertical.press({105, 52}), (PixelPoint{105, 50}));
    EXPECT_TRUE(vertical.release({105, 170}));
    EXPECT_EQ(vertical.placed(), (PixelRect{100, 150, 130, 170}));
    EXPECT_EQ(vertical.liveRect(), (PixelRect{100, 150, 102, 170}));
}

} // namespace
} // namespace zim
