// The pieces the wallpaper, background-image, window and static pages host: the image preview
// panel, the static preview panel and the placement selector, each in a window of its own.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "editors/frame/control_preview_panel.h"
#include "editors/frame/image_preview_panel.h"
#include "editors/frame/placement_selector.h"
#include "shell_test_fixture.h"

namespace zim {
namespace {

// A 24-bit bitmap file of one colour.
void writeBitmap(const std::string& path, int width, int height, COLORREF colour) {
    const int row = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<size_t>(row) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &pixels[static_cast<size_t>(y) * row + x * 3];
            p[0] = GetBValue(colour);
            p[1] = GetGValue(colour);
            p[2] = GetRValue(colour);
        }
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    const BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(offset + pixels.size()), 0, 0, offset};
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr) << path;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
}

class PreviewPanelsTest : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        start();
        host_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 40, 40, 300, 200, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(host_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(host_);
        ShellTest::TearDown();
    }

    static COLORREF pixel(HWND window, int x, int y) {
        UpdateWindow(window);
        HDC dc = GetDC(window);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return colour;
    }

    HWND host_ = nullptr;
};

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF blue = RGB(0, 0, 255);

TEST_F(PreviewPanelsTest, ImagePanelCentresBitmapsThatFitAndShrinksLargerOnes) {
    writeBitmap("Small.bmp", 20, 10, red);
    writeBitmap("Large.bmp", 300, 200, blue);
    PreviewImage image{true, "Small", nullptr};
    HWND panel = createImagePreviewPanel(host_, {10, 10, 100, 80}, [&image] { return image; });
    ASSERT_NE(panel, nullptr);

    // 20 x 10 at its own size in the middle: (40, 35) to (60, 45).
    EXPECT_EQ(pixel(panel, 40, 35), red);
    EXPECT_EQ(pixel(panel, 59, 44), red);
    EXPECT_EQ(pixel(panel, 39, 40), white);
    EXPECT_EQ(pixel(panel, 60, 40), white);
    EXPECT_EQ(pixel(panel, 50, 34), white);
    EXPECT_EQ(pixel(panel, 50, 45), white);

    // 300 x 200 scaled by 100 / 305 to 98 x 65, at (1, 7).
    image.bitmapName = "Large";
    redrawImagePreview(panel);
    EXPECT_EQ(pixel(panel, 0, 40), white);
    EXPECT_EQ(pixel(panel, 1, 40), blue);
    EXPECT_EQ(pixel(panel, 98, 40), blue);
    EXPECT_EQ(pixel(panel, 99, 40), white);
    EXPECT_EQ(pixel(panel, 50, 6), white);
    EXPECT_EQ(pixel(panel, 50, 7), blue);
    EXPECT_EQ(pixel(panel, 50, 71), blue);
    EXPECT_EQ(pixel(panel, 50, 72), white);

    // No image: only the page's background.
    HBRUSH green = CreateSolidBrush(RGB(0, 128, 0));
    image = {false, "Large", green};
    redrawImagePreview(panel);
    EXPECT_EQ(pixel(panel, 50, 40), RGB(0, 128, 0));
    DestroyWindow(panel);
    DeleteObject(green);
}

TEST_F(PreviewPanelsTest, StaticPanelColoursItsStaticWithBrushesItNeverLeaks) {
    StaticControl copy = {};
    copy.customColours = 1;
    copy.backgroundKind = 1;
    copy.backgroundValue = red;
    HWND panel = createControlPreviewPanel(host_, {10, 10, 120, 60}, copy, nullptr);
    ASSERT_NE(panel, nullptr);
    HWND preview = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 80, 30,
                                   panel, nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(pixel(preview, 40, 15), red);
    HBRUSH first = reinterpret_cast<HBRUSH>(static_cast<intptr_t>(copy.brushSlot));
    EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH));

    copy.backgroundValue = blue;
    InvalidateRect(preview, nullptr, TRUE);
    EXPECT_EQ(pixel(preview, 40, 15), blue);
    EXPECT_EQ(GetObjectType(first), 0u) << "the brush it replaced is deleted";
    HBRUSH second = reinterpret_cast<HBRUSH>(static_cast<intptr_t>(copy.brushSlot));

    // Windows' own colours: the panel leaves the static alone.
    copy.customColours = 0;
    InvalidateRect(preview, nullptr, TRUE);
    EXPECT_NE(pixel(preview, 40, 15), blue);

    DestroyWindow(panel);
    EXPECT_EQ(GetObjectType(second), 0u);
    EXPECT_EQ(copy.brushSlot, 0) << "no deleted brush stays in the slot";
}

TEST_F(PreviewPanelsTest, PlacementSelectorNamesItsCellsAndShowsTheChosenOnePushed) {
    std::array<LayoutBox, 9> cells;
    std::array<int, 9> ids;
    for (int k = 0; k < 9; ++k) {
        cells[k] = {10 + 30 * (k % 3), 10 + 30 * (k / 3), 25, 25};
        ids[k] = 300 + k;
    }
    auto selector = std::make_unique<PlacementSelector>(host_, cells, ids);
    HWND tooltips = selector->tooltips();
    ASSERT_NE(tooltips, nullptr);
    EXPECT_EQ(SendMessageA(tooltips, TTM_GETTOOLCOUNT, 0, 0), 9);
    const char* const expected[] = {
        "(X-left,Y-top)",    "(X-center,Y-top)",    "(X-right,Y-top)",
        "(X-left,Y-center)", "(X-center,Y-center)", "(X-right,Y-center)",
        "(X-left,Y-down)",   "(X-center,Y-down)",   "(X-right,Y-down)",
    };
    for (int k = 0; k < 9; ++k) {
        HWND cell = GetDlgItem(host_, 300 + k);
        ASSERT_EQ(selector->buttons()[k], cell);
        char text[80] = {};
        TTTOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = host_;
        tool.uId = reinterpret_cast<UINT_PTR>(cell);
        tool.lpszText = text;
        SendMessageA(tooltips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, expected[k]) << "cell " << k;
    }

    selector->showPlacement(5);
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ((SendMessageA(selector->buttons()[k], BM_GETSTATE, 0, 0) & BST_PUSHED) != 0,
                  k == 5)
            << "cell " << k;
    selector.reset();
    EXPECT_FALSE(IsWindow(tooltips));
}

} // namespace
} // namespace zim
