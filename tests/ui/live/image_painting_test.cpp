// Background images drawn on a memory context as the plan says and read back pixel by pixel:
// tiled with cut copies at the edges, stretched, placed in a corner, transparent and framed.
#include <gtest/gtest.h>

#include <filesystem>

#include "live/image_painter.h"
#include "live_test_support.h"

namespace zim::test {
namespace {

constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF blue = RGB(0, 0, 255);
constexpr COLORREF green = RGB(0, 255, 0);
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF grey = RGB(128, 128, 128);
constexpr COLORREF yellow = RGB(255, 255, 0);

class ImagePaintingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        folder_ = std::filesystem::temp_directory_path() /
                  ("zim-painting-" + std::to_string(GetCurrentProcessId()));
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        canvas_ = CreateCompatibleBitmap(screen, 200, 200);
        ReleaseDC(nullptr, screen);
        previousBitmap_ = SelectObject(dc_, canvas_);
        HBRUSH background = CreateSolidBrush(grey);
        const RECT all{0, 0, 200, 200};
        FillRect(dc_, &all, background);
        DeleteObject(background);
    }

    void TearDown() override {
        SelectObject(dc_, previousBitmap_);
        DeleteObject(canvas_);
        DeleteDC(dc_);
        std::filesystem::current_path(previous_);
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    // The named bitmap drawn in `area` with the fill mode.
    ImageDrawing drawing(const char* name, int32_t fill, const PixelRect& area) const {
        ImageDrawing d;
        d.bitmapName = name;
        d.fill = fill;
        d.drawingArea = area;
        return d;
    }

    void paint(const ImageDrawing& d) { paintImage(dc_, d, {0, 0, 200, 200}, true); }

    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

    std::filesystem::path previous_;
    std::filesystem::path folder_;
    HDC dc_ = nullptr;
    HBITMAP canvas_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
};

TEST_F(ImagePaintingTest, TiledStretchedPlacedTransparentAndFramedImagesReadBack) {
    // A 10 x 10 tile red in its top-left quarter, blue elsewhere.
    writeBitmap("tile.bmp", 10, 10, [](int x, int y) { return x < 5 && y < 5 ? red : blue; });
    writeBitmap("quad.bmp", 2, 2, [](int x, int y) {
        return y == 0 ? (x == 0 ? red : green) : (x == 0 ? blue : white);
    });
    writeBitmap("spot.bmp", 6, 6,
                [](int x, int y) { return x >= 2 && x < 4 && y >= 2 && y < 4 ? black : white; });

    // Tiled over 25 x 25: whole tiles, then tiles cut to the 5 pixels left.
    paint(drawing("tile", fillTiled, {20, 20, 45, 45}));
    EXPECT_EQ(at(20, 20), red);
    EXPECT_EQ(at(29, 29), blue);
    EXPECT_EQ(at(30, 30), red);
    EXPECT_EQ(at(44, 30), red);
    EXPECT_EQ(at(44, 44), red);
    EXPECT_EQ(at(45, 44), grey); // nothing beyond the area
    EXPECT_EQ(at(44, 45), grey);

    // Stretched: each pixel of the 2 x 2 bitmap becomes a 20 x 20 square.
    paint(drawing("quad", fillStretched, {60, 20, 100, 60}));
    EXPECT_EQ(at(65, 25), red);
    EXPECT_EQ(at(95, 25), green);
    EXPECT_EQ(at(65, 55), blue);
    EXPECT_EQ(at(95, 55), white);

    // Placed unscaled in the bottom-right corner of a 30 x 30 area.
    paint(drawing("tile", fillBottomRight, {120, 20, 150, 50}));
    EXPECT_EQ(at(140, 40), red);
    EXPECT_EQ(at(149, 49), blue);
    EXPECT_EQ(at(139, 39), grey);
    EXPECT_EQ(at(120, 20), grey);

    // Transparent: the white of the bitmap lets the background through.
    ImageDrawing spot = drawing("spot", fillCentred, {20, 80, 26, 86});
    spot.transparent = true;
    spot.transparentColour = white;
    paint(spot);
    EXPECT_EQ(at(20, 80), grey);
    EXPECT_EQ(at(22, 82), black);

    // Framed: a 2-pixel frame along the area grown by one pixel.
    ImageDrawing framed = drawing("quad", fillStretched, {60, 80, 80, 100});
    framed.framed = true;
    framed.frameColour = yellow;
    framed.frameBorder = {2, 2};
    paint(framed);
    EXPECT_EQ(at(59, 90), yellow);
    EXPECT_EQ(at(60, 90), yellow);
    EXPECT_EQ(at(62, 82), red);
    EXPECT_EQ(at(58, 90), grey);
}

TEST_F(ImagePaintingTest, MissingBitmapDrawsNothing) {
    EXPECT_TRUE(
        paintImage(dc_, drawing("absent", fillTiled, {0, 0, 50, 50}), {0, 0, 200, 200}).empty());
    EXPECT_EQ(at(10, 10), grey);
}

} // namespace
} // namespace zim::test
