// The wallpaper page and the background-image page through their real controls: what they
// show, Edit / Restore / Save with the scripted pickers and message boxes, the structure tree
// rebuilt after the wallpaper's Save, the transparent colour picked from the bitmap, and the
// preview of the wallpaper just saved.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "editor_test_fixture.h"
#include "live/preview.h"
#include "live/win32_handles.h"

namespace zim {
namespace {

// A 24-bit bitmap file whose pixel (x, y) is `colour(x, y)`.
void writeBitmap(const std::string& path, int width, int height,
                 const std::function<COLORREF(int, int)>& colour) {
    const int row = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<size_t>(row) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &pixels[static_cast<size_t>(height - 1 - y) * row + x * 3];
            const COLORREF c = colour(x, y);
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
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

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool same(const Wallpaper& a, const Wallpaper& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

constexpr COLORREF red = RGB(220, 0, 0), blue = RGB(0, 0, 230), custom = RGB(10, 120, 200);

class WallpaperPagesTest : public test::EditorTest {
  protected:
    static COLORREF pixel(HWND window, int x, int y) {
        UpdateWindow(window);
        HDC dc = GetDC(window);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return colour;
    }
    static COLORREF sample(int id) { return pixel(control(id), 10, 5); }
    static void type(int id, const char* text) { SetWindowTextA(control(id), text); }
    static std::string shownText(int id) { return test::windowText(control(id)); }
    void expectAsked(const char* text, const char* caption) const {
        ASSERT_FALSE(questions_.asked().empty());
        EXPECT_EQ(questions_.last().text, text);
        EXPECT_EQ(questions_.last().caption, caption);
    }

    test::ScriptedQuestions questions_;
};

TEST_F(WallpaperPagesTest, WallpaperPageChangesTheProjectOnlyOnSaveAndThePreviewShowsIt) {
    const std::string chosen = (root_ / "chosen.bmp").string();
    const std::string wallpaperFile = (root_.defaultDirectory() / "Wallpaper.bmp").string();
    writeBitmap(chosen, 200, 120, [](int, int) { return red; });
    showEditView();
    select(wallpaperCode);
    EXPECT_EQ(shownText(201), "500");
    EXPECT_EQ(shownText(202), "200");
    EXPECT_TRUE(checked(10) && checked(14) && checked(29) && checked(49));
    EXPECT_EQ(sample(220), GetSysColor(COLOR_BACKGROUND));
    EXPECT_EQ(commandButtons(), viewState());
    EXPECT_FALSE(enabled(10));
    const Wallpaper stored = project().wallpaper;

    press(15);
    EXPECT_FALSE(IsWindowEnabled(tree_));
    EXPECT_FALSE(enabled(201));
    press(11); // an animated wallpaper has no image
    EXPECT_TRUE(checked(11) && checked(13) && enabled(201));
    EXPECT_FALSE(enabled(27) || enabled(22));
    press(16);
    EXPECT_TRUE(same(project().wallpaper, stored));
    EXPECT_TRUE(checked(10) && checked(14));
    EXPECT_EQ(commandButtons(), viewState());

    // "Select New Color" opens the colour menu; the keys waiting for it choose "System Color".
    press(15);
    PostMessageA(parametersWindow, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(parametersWindow, WM_KEYDOWN, VK_RETURN, 0);
    test::onNextDialog([](HWND dialog) {
        EXPECT_EQ(test::windowText(dialog), "Select new background color");
        SendMessageA(test::findChild(dialog, 33, "ListBox"), LB_SETCURSEL, 9, 0);
        test::click(test::findChild(dialog, 25));
    });
    press(12);
    test::pumpMessages();
    EXPECT_TRUE(test::dialogActionsDone());
    EXPECT_EQ(sample(220), GetSysColor(COLOR_HIGHLIGHT));
    questions_.planColour(custom);
    SendMessageA(parametersWindow, WM_COMMAND, 2002, 0);
    EXPECT_EQ(sample(220), custom);

    // A corner without x is refused and nothing is written.
    press(50);
    EXPECT_TRUE(enabled(205));
    type(205, "");
    press(17);
    expectAsked("Fill the field for x_left value, please...", "Error");
    EXPECT_EQ(GetFocus(), control(205));
    EXPECT_TRUE(same(project().wallpaper, stored));

    // A new image is copied over "Wallpaper.bmp" at once.
    questions_.planFile(chosen);
    questions_.planAnswer(IDYES);
    press(27);
    expectAsked("Wallpaper image was replaced...", "Wallpaper selection...");
    EXPECT_EQ(bytesOf(wallpaperFile), bytesOf(chosen));

    type(205, "-7");
    type(206, "400");
    // The page's preview is the screen in small (its width across the panel, centred): the
    // typed corner shows there before Save.
    HWND preview = FindWindowExA(parametersWindow, nullptr, "WizardPreviewWindowClass", nullptr);
    const SIZE panel = test::clientSize(preview);
    const int screenTop =
        (panel.cy - panel.cx * GetSystemMetrics(SM_CYSCREEN) / GetSystemMetrics(SM_CXSCREEN)) / 2;
    const auto inPreview = [&](int x, int y) {
        return pixel(preview, x * panel.cx / GetSystemMetrics(SM_CXSCREEN),
                     screenTop + y * panel.cx / GetSystemMetrics(SM_CXSCREEN));
    };
    EXPECT_EQ(inPreview(60, 460), red);
    EXPECT_EQ(inPreview(60, 300), custom);
    HWND frameBefore = parametersWindow;
    press(17);
    const Wallpaper& saved = project().wallpaper;
    EXPECT_EQ(saved.backgroundKind, 1);
    EXPECT_EQ(saved.backgroundValue, static_cast<int32_t>(custom));
    EXPECT_EQ(saved.imagePlacement, 10);
    EXPECT_EQ(saved.imageX, -7);
    EXPECT_EQ(saved.imageY, 400);
    EXPECT_NE(parametersWindow, frameBefore) << "the tree was rebuilt and selected the wallpaper";
    EXPECT_EQ(test::selectedCode(tree_), wallpaperCode);
    EXPECT_EQ(commandButtons(), viewState());
    EXPECT_TRUE(checked(50));

    ASSERT_TRUE(startPreview());
    HWND wallpaper = loadHandle<HWND>(project().wallpaper.hwnd);
    ASSERT_NE(wallpaper, nullptr);
    test::pumpUntil([&] { return pixel(wallpaper, 5, 450) == red; });
    EXPECT_EQ(pixel(wallpaper, 5, 450), red);
    EXPECT_EQ(pixel(wallpaper, 5, 380), custom);
    EXPECT_EQ(pixel(wallpaper, 250, 450), custom);
    closeFirstWindow();
    test::pumpUntil([] { return !previewRunning(); });
}

TEST_F(WallpaperPagesTest, BackgroundImagePagePicksTheTransparentColourFromTheBitmap) {
    writeBitmap((root_.defaultDirectory() / "Wallpaper.bmp").string(), 40, 30,
                [](int x, int) { return x < 20 ? red : blue; });
    showEditView();
    select(wallpaperImageCode);
    EXPECT_EQ(shownText(201), " Wallpaper.bmp");
    EXPECT_EQ(shownText(202), " 40(w) x 30(h) pixels");
    EXPECT_EQ(shownText(203), " 24 BitsPerPixel");
    EXPECT_EQ(shownText(204), " Centering the image rectangle inside full screen area");
    EXPECT_TRUE(checked(33) && checked(35) && checked(37) && checked(41));
    const Wallpaper stored = project().wallpaper;

    press(15);
    EXPECT_FALSE(enabled(39));
    // The preview draws the page's choices before Save: stretched over its whole area.
    press(36);
    HWND preview = FindWindowExA(parametersWindow, nullptr, "WizardPreviewWindowClass", nullptr);
    EXPECT_EQ(pixel(preview, 5, 10), red);
    EXPECT_EQ(pixel(preview, 284, 280), blue);
    press(38);
    press(22); // the centre: fill code 0
    EXPECT_FALSE(checked(35));
    questions_.planAnswer(IDNO); // from the image
    test::onNextDialog([](HWND dialog) {
        EXPECT_EQ(test::windowText(dialog), "Select new transparent color");
        HWND picker = FindWindowExA(dialog, nullptr, "WizardTransparentWindowClass", nullptr);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(test::clientSize(picker).cy, 30);
        PostMessageA(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 12));
    });
    press(39);
    EXPECT_EQ(sample(205), blue);
    questions_.planAnswer(IDNO);
    test::onNextDialog([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    press(39);
    expectAsked("Operation was canceled...", "New transparent color selection...");

    type(207, "");
    press(17);
    expectAsked("Fill the field for frame border width value, please...", "Error");
    EXPECT_EQ(GetFocus(), control(207));
    EXPECT_TRUE(same(project().wallpaper, stored));
    type(207, "3");
    press(17);
    EXPECT_EQ(project().wallpaper.drawingScheme, 1);
    EXPECT_EQ(project().wallpaper.transparentColour, static_cast<int32_t>(blue));
    EXPECT_EQ(project().wallpaper.imageFill, 0);
    EXPECT_EQ(project().wallpaper.frameWidth, 3);
    EXPECT_EQ(commandButtons(), viewState());
    EXPECT_TRUE(IsWindowEnabled(tree_));

    const Wallpaper saved = project().wallpaper;
    press(15);
    press(37);
    press(40);
    EXPECT_FALSE(enabled(207));
    press(16);
    EXPECT_TRUE(same(project().wallpaper, saved));
    EXPECT_TRUE(checked(38) && checked(41) && !checked(35));
    EXPECT_EQ(sample(205), blue);
}

} // namespace
} // namespace zim
