// The static pages driven through their real controls: edits reach the working copy only until
// Save, the preview static carries the working copy's styles and colours, simple text on and
// off gives the saved layout back, the edit window places the static, and image statics start
// from the template images.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "editor_test_fixture.h"
#include "live/edit_windows.h"
#include "model/style_lists.h"
#include "shell/switching_window.h"

namespace zim {
namespace {

namespace fs = std::filesystem;

class StaticPagesTest : public test::EditorTest {
  protected:
    static HWND previewStatic() { return GetDlgItem(item(196), 197); }
    static DWORD previewStyle() { return GetWindowLongA(previewStatic(), GWL_STYLE); }
    static bool savedIs(const StaticControl& record) {
        return std::memcmp(&staticControl(1, 1), &record, sizeof record) == 0;
    }
    // The preview shows the working copy's static and window styles.
    static void expectPreviewOfWorkingCopy() {
        EXPECT_EQ(previewStyle(), WS_CHILD | WS_VISIBLE |
                                      styleWord(staticWorkCopy.staticStyles, staticStyleList) |
                                      styleWord(staticWorkCopy.windowStyles, windowStyleList));
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(previewStatic(), GWL_EXSTYLE)),
                  styleWord(staticWorkCopy.extendedStyles, extendedStyleList));
    }
    // A kind radio returns the page to view state.
    static void chooseKind(int radio) {
        press(15);
        press(radio);
        press(15);
    }

    fs::path projectFile(const char* name) const { return root_.defaultDirectory() / name; }

    test::ScriptedQuestions questions_;
};

TEST_F(StaticPagesTest, TextStaticIsEditedInItsWorkingCopyUntilSaved) {
    showEditView();
    select(600101);
    const StaticControl saved = staticControl(1, 1);
    press(15);

    typeAsUser(96, "Hello");
    EXPECT_EQ(test::windowText(previewStatic()), "Hello");
    typeAsUser(100, "0");
    typeAsUser(101, "x");
    EXPECT_EQ(staticWorkCopy.width, 30);
    EXPECT_EQ(staticWorkCopy.height, 10);
    typeAsUser(100, "120");
    typeAsUser(101, "40");

    // The colour controls follow the scheme; a custom background is a plain colour.
    EXPECT_FALSE(IsWindowEnabled(item(144)) || IsWindowEnabled(item(147)));
    clickItem(142);
    EXPECT_TRUE(IsWindowEnabled(item(145)) && IsWindowEnabled(item(147)));
    questions_.planColour(RGB(200, 40, 30));
    PostMessageA(parametersWindow, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(parametersWindow, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(parametersWindow, WM_KEYDOWN, VK_RETURN, 0);
    clickItem(145);
    EXPECT_EQ(staticWorkCopy.backgroundKind, 1);
    EXPECT_EQ(staticWorkCopy.backgroundValue, static_cast<int32_t>(RGB(200, 40, 30)));
    clickItem(147);
    UpdateWindow(item(196));
    HDC dc = GetDC(previewStatic());
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(200, 40, 30)) << "an opaque custom background";
    ReleaseDC(previewStatic(), dc);
    clickItem(144);
    EXPECT_EQ(questions_.last().caption, "New text color selection...");

    // Simple text on and off gives back the saved record's alignment, not the one chosen since.
    showTab(1);
    clickItem(150);
    EXPECT_EQ(previewStyle() & SS_TYPEMASK, static_cast<DWORD>(SS_RIGHT));
    clickItem(153);
    EXPECT_FALSE(IsWindowEnabled(item(149)));
    EXPECT_EQ(previewStyle() & SS_TYPEMASK, static_cast<DWORD>(SS_SIMPLE));
    clickItem(153);
    EXPECT_TRUE(itemChecked(149) && !itemChecked(150));
    clickItem(119);
    expectPreviewOfWorkingCopy();
    EXPECT_TRUE(savedIs(saved));

    showTab(0);
    EXPECT_EQ(test::windowText(item(96)), "Hello");
    press(17);
    EXPECT_EQ(std::string(staticControl(1, 1).text), "Hello");
    EXPECT_EQ(staticControl(1, 1).width, 120);
    EXPECT_EQ(staticControl(1, 1).customColours, 1);
    EXPECT_EQ(staticControl(1, 1).opaque, 1);

    // Restore gives the saved record back.
    press(15);
    typeAsUser(96, "Bye");
    press(16);
    EXPECT_EQ(test::windowText(item(96)), "Hello");
}

TEST_F(StaticPagesTest, EditWindowPlacesTheStaticAndLinesKeepTheirType) {
    showEditView();
    select(600101);
    press(15);
    const StaticControl saved = staticControl(1, 1); // at (20, 20), 190 x 25
    clickItem(95);
    HWND edit = editWindow();
    ASSERT_NE(edit, nullptr);
    PostMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(100, 30));
    PostMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 30));
    PostMessageA(edit, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 40));
    PostMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(30, 40)); // the static's corner follows
    test::pumpMessages();
    test::click(GetDlgItem(switchingWindow, backButtonId));
    test::pumpUntil([] { return test::windowText(item(98)) == "30"; });
    EXPECT_EQ(editWindow(), nullptr);
    EXPECT_EQ(test::windowText(item(99)), "40");
    EXPECT_TRUE(savedIs(saved));

    // A simple-graphics static: one type at a time, an etched line placed as a line.
    chooseKind(139);
    clickItem(162);
    EXPECT_TRUE(itemChecked(162) && !itemChecked(161));
    EXPECT_EQ(previewStyle(), WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ);
    clickItem(95);
    ASSERT_NE(editWindow(), nullptr);
    test::click(GetDlgItem(switchingWindow, backButtonId));
    test::pumpUntil([] { return editWindow() == nullptr; });
    EXPECT_EQ(test::windowText(item(100)), std::to_string(staticWorkCopy.width));
    press(17);
    EXPECT_EQ(staticControl(1, 1).kind, 1);
}

TEST_F(StaticPagesTest, ImageStaticStartsFromTheTemplatesAndTakesTheirSize) {
    fs::create_directories(root_ / "Templates");
    for (const char* name : {"STATIC_BITMAP.bmp", "STATIC_ICON.ico"})
        fs::copy_file(fs::path(ZIM_TEMPLATES) / name, root_ / "Templates" / name);
    std::ofstream(projectFile("Static_001_001.ico"), std::ios::binary) << "own icon";
    showEditView();
    select(600101);
    chooseKind(140);
    const StaticControl saved = staticControl(1, 1);

    EXPECT_EQ(fs::file_size(projectFile("Static_001_001.bmp")),
              fs::file_size(root_ / "Templates" / "STATIC_BITMAP.bmp"));
    EXPECT_EQ(fs::file_size(projectFile("Static_001_001.ico")), 8u);
    EXPECT_EQ(previewStyle() & SS_TYPEMASK, static_cast<DWORD>(SS_BITMAP));

    showTab(1);
    EXPECT_EQ(test::windowText(item(194)), "bitmap");
    EXPECT_EQ(test::windowText(item(195)), "120(width) x 80(height)");
    clickItem(131);
    EXPECT_EQ(test::windowText(item(193)), "120(width) x 80(height)");
    EXPECT_TRUE(savedIs(saved));
    press(17);
    EXPECT_EQ(staticControl(1, 1).width, 120);
    EXPECT_EQ(staticControl(1, 1).height, 80);
}

} // namespace
} // namespace zim
