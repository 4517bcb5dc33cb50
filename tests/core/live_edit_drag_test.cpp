#include "live/edit_drag.h"

#include <gtest/gtest.h>

#include <memory>

#include "live/image_drawing.h"
#include "live_test_print.h"

namespace zim {
namespace {

const PixelRect placed{100, 50, 200, 90};

TEST(LiveEditDrag, EdgeDragShowsTheResultAndChangesTheRectangleOnRelease) {
    auto workCopy = std::make_unique<ButtonControl>();
    workCopy->x = 100;
    workCopy->y = 50;
    workCopy->width = 100;
    workCopy->height = 40;
    EditDrag drag(EditTarget::button, placedRectOf(*workCopy));
    EXPECT_EQ(drag.hover({102, 70}), DragMode::leftEdge);
    EXPECT_EQ(drag.cursor(), DragCursor::sizeWE);

    EXPECT_EQ(drag.press({102, 70}), (PixelPoint{100, 70}));
    EXPECT_TRUE(drag.dragging());
    // Moves change the focus rectangle only; the hover rule is off while dragging.
    EXPECT_TRUE(drag.dragTo({150, 70}));
    EXPECT_EQ(drag.selection(), (PixelRect{150, 50, 200, 90}));
    EXPECT_FALSE(drag.dragTo({150, 75}));
    EXPECT_EQ(drag.hover({150, 70}), DragMode::leftEdge);
    // Past the right edge the focus rectangle shows what the release will give.
    EXPECT_TRUE(drag.dragTo({250, 70}));
    EXPECT_EQ(drag.selection(), (PixelRect{200, 50, 250, 90}));
    EXPECT_EQ(drag.placed(), placed);

    EXPECT_TRUE(drag.release({250, 70}));
    EXPECT_FALSE(drag.dragging());
    EXPECT_EQ(drag.placed(), (PixelRect{200, 50, 250, 90}));
    EXPECT_EQ(drag.selection(), drag.placed());
    EXPECT_EQ(drag.liveRect(), drag.placed());
    // A second release without a press changes nothing.
    EXPECT_FALSE(drag.release({300, 70}));
    storePlacedRect(drag.placed(), *workCopy);
    EXPECT_EQ(workCopy->x, 200);
    EXPECT_EQ(workCopy->y, 50);
    EXPECT_EQ(workCopy->width, 50);
    EXPECT_EQ(workCopy->height, 40);
}

TEST(LiveEditDrag, MoveSnapsToTheCornerAndFollowsThePointer) {
    EditDrag drag(EditTarget::staticControl, placed);
    EXPECT_EQ(drag.hover({150, 70}), DragMode::move);
    EXPECT_EQ(drag.cursor(), DragCursor::sizeAll);
    EXPECT_EQ(drag.press({150, 70}), (PixelPoint{100, 50}));
    EXPECT_FALSE(drag.press({150, 70})); // already dragging
    EXPECT_TRUE(drag.dragTo({120, 60}));
    EXPECT_EQ(drag.selection(), (PixelRect{120, 60, 220, 100}));
    EXPECT_TRUE(drag.release({130, 65}));
    EXPECT_EQ(drag.placed(), (PixelRect{130, 65, 230, 105}));
}

TEST(LiveEditDrag, PressesThatGrabNothingStartNoDrag) {
    EditDrag drag(EditTarget::button, placed);
    EXPECT_EQ(drag.hover({101, 89}), DragMode::none);
    EXPECT_EQ(drag.cursor(), DragCursor::arrow);
    for (PixelPoint corner : {PixelPoint{101, 89}, PixelPoint{199, 89}, PixelPoint{10, 10}}) {
        EXPECT_FALSE(drag.press(corner));
        EXPECT_FALSE(drag.dragging());
        EXPECT_FALSE(drag.dragTo({300, 300}));
        EXPECT_FALSE(drag.release({300, 300}));
        EXPECT_EQ(drag.placed(), placed);
    }
    // A press decides by its own position, even without a move to it first.
    drag.hover({150, 70});
    EXPECT_FALSE(drag.press({101, 89}));
    EXPECT_EQ(drag.hover({150, 88}), DragMode::bottomEdge);
    EXPECT_EQ(drag.cursor(), DragCursor::sizeNS);
}

TEST(LiveEditDrag, EscapeCancelsTheDragInProgress) {
    EditDrag drag(EditTarget::button, placed);
    EXPECT_FALSE(drag.cancel());
    ASSERT_TRUE(drag.press({198, 70}));
    drag.dragTo({260, 70});
    EXPECT_TRUE(drag.cancel());
    EXPECT_FALSE(drag.dragging());
    EXPECT_EQ(drag.selection(), placed);
    EXPECT_FALSE(drag.release({260, 70}));
    EXPECT_EQ(drag.placed(), placed);
}

TEST(LiveEditDrag, ArrowKeysMoveAndShiftArrowKeysResize) {
    EditDrag drag(EditTarget::button, placed);
    EXPECT_TRUE(drag.nudge(EditKey::left, false));
    EXPECT_TRUE(drag.nudge(EditKey::down, false));
    EXPECT_EQ(drag.placed(), (PixelRect{99, 51, 199, 91}));
    EXPECT_TRUE(drag.nudge(EditKey::right, true));
    EXPECT_TRUE(drag.nudge(EditKey::up, true));
    EXPECT_EQ(drag.placed(), (PixelRect{99, 51, 200, 90}));
    EXPECT_EQ(drag.selection(), drag.placed());

    // Never below one pixel.
    EditDrag small(EditTarget::staticControl, {10, 10, 12, 11});
    EXPECT_TRUE(small.nudge(EditKey::left, true));
    EXPECT_FALSE(small.nudge(EditKey::left, true));
    EXPECT_FALSE(small.nudge(EditKey::up, true));
    EXPECT_EQ(small.placed(), (PixelRect{10, 10, 11, 11}));

    // Keys wait while the mouse drags.
    ASSERT_TRUE(drag.press({150, 70}));
    EXPECT_FALSE(drag.nudge(EditKey::right, false));
    EXPECT_EQ(drag.placed(), (PixelRect{99, 51, 200, 90}));
}

TEST(LiveEditDrag, LinesChangeOnlyAlongTheirLength) {
    auto line = std::make_unique<StaticControl>();
    line->x = 100;
    line->y = 50;
    line->width = 100;
    line->height = 25;

    EditDrag horizontal(EditTarget::horizontalLine, placedRectOf(*line));
    EXPECT_EQ(horizontal.selection(), (PixelRect{100, 50, 200, 60}));
    EXPECT_EQ(horizontal.liveRect(), (PixelRect{100, 50, 200, 52}));
    EXPECT_FALSE(horizontal.press({150, 51})); // no top grip
    ASSERT_EQ(horizontal.press({198, 55}), (PixelPoint{200, 55}));
    EXPECT_TRUE(horizontal.release({240, 58}));
    EXPECT_FALSE(horizontal.nudge(EditKey::down, true));
    EXPECT_TRUE(horizontal.nudge(EditKey::down, false));
    storePlacedRect(horizontal.placed(), *line);
    EXPECT_EQ(line->x, 100);
    EXPECT_EQ(line->y, 51);
    EXPECT_EQ(line->width, 140);
    EXPECT_EQ(line->height, 25);

    EditDrag vertical(EditTarget::verticalLine, {100, 50, 130, 150});
    EXPECT_FALSE(vertical.press({101, 100})); // no side grip
    EXPECT_FALSE(vertical.nudge(EditKey::right, true));
    ASSERT_EQ(vertical.press({105, 52}), (PixelPoint{105, 50}));
    EXPECT_TRUE(vertical.release({105, 170}));
    EXPECT_EQ(vertical.placed(), (PixelRect{100, 150, 130, 170}));
    EXPECT_EQ(vertical.liveRect(), (PixelRect{100, 150, 102, 170}));
}

TEST(LiveEditDrag, ImageAreaDraggedPastItsRightEdgeKeepsAPositiveWidth) {
    auto image = std::make_unique<BackgroundImage>();
    storeDrawingArea({100, 100, 500, 500}, *image);
    EditDrag drag(EditTarget::imageArea, drawingOf(*image).drawingArea);
    ASSERT_EQ(drag.press({101, 300}), (PixelPoint{100, 300}));
    drag.dragTo({600, 300});
    EXPECT_TRUE(drag.release({600, 300}));
    storeDrawingArea(drag.placed(), *image);
    EXPECT_EQ(drawingOf(*image).drawingArea, (PixelRect{500, 100, 600, 500}));
}

} // namespace
} // namespace zim
