#include "live/edit_geometry.h"

#include <gtest/gtest.h>

#include "live_test_print.h"

namespace zim {
namespace {

// 100 x 40 pixels; with grips of 4 the inner rectangle is (104, 54) to (196, 86).
const PixelRect selection{100, 50, 200, 90};

struct Hit {
    PixelPoint p;
    DragMode mode;
};

void expectHits(EditTarget target, const PixelRect& sel, std::initializer_list<Hit> hits) {
    for (const Hit& hit : hits)
        EXPECT_EQ(hitTest(target, sel, hit.p), hit.mode)
            << "target " << static_cast<int>(target) << " at (" << hit.p.x << ", " << hit.p.y
            << ")";
}

TEST(LiveEditGeometry, HitTestOfControlsAndImageAreas) {
    for (EditTarget target : {EditTarget::button, EditTarget::staticControl, EditTarget::imageArea})
        expectHits(target, selection,
                   {{{150, 70}, DragMode::move},
                    {{104, 54}, DragMode::move},
                    // The inner rectangle excludes its right and bottom edges.
                    {{196, 70}, DragMode::rightEdge},
                    {{150, 86}, DragMode::bottomEdge},
                    {{103, 70}, DragMode::leftEdge},
                    {{200, 70}, DragMode::rightEdge},
                    // Side grips run from the top corners down to the bottom grip.
                    {{100, 50}, DragMode::leftEdge},
                    {{100, 86}, DragMode::leftEdge},
                    {{150, 50}, DragMode::topEdge},
                    {{150, 90}, DragMode::bottomEdge},
                    {{104, 88}, DragMode::bottomEdge},
                    // The bottom corners grab nothing.
                    {{103, 87}, DragMode::none},
                    {{197, 87}, DragMode::none},
                    // Outside.
                    {{99, 70}, DragMode::none},
                    {{150, 91}, DragMode::none}});
}

TEST(LiveEditGeometry, LinesHaveGripsOnlyAlongTheirLength) {
    // A horizontal line of height 2 is selected 10 pixels high and lives 2 pixels high.
    const PixelRect horizontal{100, 50, 200, 52};
    EXPECT_EQ(selectionFor(EditTarget::horizontalLine, horizontal), (PixelRect{100, 50, 200, 60}));
    EXPECT_EQ(liveRectFor(EditTarget::horizontalLine, {100, 50, 200, 80}),
              (PixelRect{100, 50, 200, 52}));
    expectHits(EditTarget::horizontalLine, {100, 50, 200, 60},
               {{{150, 55}, DragMode::move},
                {{102, 55}, DragMode::leftEdge},
                {{198, 55}, DragMode::rightEdge},
                {{150, 51}, DragMode::none},
                {{150, 58}, DragMode::none},
                {{102, 58}, DragMode::none}});

    const PixelRect vertical{100, 50, 130, 150};
    EXPECT_EQ(selectionFor(EditTarget::verticalLine, vertical), (PixelRect{100, 50, 110, 150}));
    EXPECT_EQ(liveRectFor(EditTarget::verticalLine, vertical), (PixelRect{100, 50, 102, 150}));
    expectHits(EditTarget::verticalLine, {100, 50, 110, 150},
               {{{105, 100}, DragMode::move},
                {{105, 52}, DragMode::topEdge},
                {{105, 148}, DragMode::bottomEdge},
                {{101, 100}, DragMode::none},
                {{109, 100}, DragMode::none}});

    // Controls are selected and live exactly where their record says.
    EXPECT_EQ(selectionFor(EditTarget::button, horizontal), horizontal);
    EXPECT_EQ(liveRectFor(EditTarget::staticControl, horizontal), horizontal);

    EXPECT_FALSE(acceptsMode(EditTarget::horizontalLine, DragMode::bottomEdge));
    EXPECT_FALSE(acceptsMode(EditTarget::verticalLine, DragMode::leftEdge));
    EXPECT_TRUE(acceptsMode(EditTarget::verticalLine, DragMode::move));
}

TEST(LiveEditGeometry, PressSnapsThePointerOntoTheGrabbedEdgeOrCorner) {
    struct Snap {
        DragMode mode;
        PixelPoint pressed;
        PixelPoint expected;
    } snaps[] = {
        {DragMode::leftEdge, {102, 70}, {100, 70}}, {DragMode::rightEdge, {198, 71}, {200, 71}},
        {DragMode::topEdge, {150, 52}, {150, 50}},  {DragMode::bottomEdge, {151, 88}, {151, 90}},
        {DragMode::move, {150, 70}, {100, 50}},     {DragMode::none, {5, 6}, {5, 6}}};
    for (const Snap& s : snaps)
        EXPECT_EQ(snapPoint(s.mode, selection, s.pressed), s.expected)
            << "mode " << static_cast<int>(s.mode);
}

TEST(LiveEditGeometry, ReleaseArithmeticNeverGivesANegativeOrEmptySize) {
    const PixelRect placed{100, 50, 200, 90};
    struct Release {
        DragMode mode;
        PixelPoint p;
        PixelRect expected;
    } releases[] = {
        {DragMode::move, {30, 40}, {30, 40, 130, 80}},
        {DragMode::leftEdge, {120, 0}, {120, 50, 200, 90}},
        {DragMode::leftEdge, {20, 0}, {20, 50, 200, 90}},
        // Past the right edge: x is the old right edge, the width the distance to the pointer.
        {DragMode::leftEdge, {250, 0}, {200, 50, 250, 90}},
        {DragMode::leftEdge, {200, 0}, {199, 50, 200, 90}},
        {DragMode::rightEdge, {150, 0}, {100, 50, 150, 90}},
        {DragMode::rightEdge, {60, 0}, {60, 50, 100, 90}},
        {DragMode::rightEdge, {100, 0}, {100, 50, 101, 90}},
        {DragMode::topEdge, {0, 70}, {100, 70, 200, 90}},
        {DragMode::topEdge, {0, 120}, {100, 90, 200, 120}},
        {DragMode::topEdge, {0, 90}, {100, 89, 200, 90}},
        {DragMode::bottomEdge, {0, 60}, {100, 50, 200, 60}},
        {DragMode::bottomEdge, {0, 30}, {100, 30, 200, 50}},
        {DragMode::bottomEdge, {0, 50}, {100, 50, 200, 51}},
        {DragMode::none, {0, 0}, placed}};
    for (const Release& r : releases)
        EXPECT_EQ(draggedRect(r.mode, placed, r.p), r.expected)
            << "mode " << static_cast<int>(r.mode) << " to (" << r.p.x << ", " << r.p.y << ")";
}

} // namespace
} // namespace zim
