// The window's header and its type, class-data and style pages through their real controls:
// Edit / Restore / Save, the refusals, the position edit window's round trip, the pickers with
// the scripted seam and the real selection lists, and the preview of the saved window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editor_test_fixture.h"
#include "live/edit_windows.h"
#include "live/preview.h"
#include "model/style_lists.h"
#include "shell/structure_tree.h"

namespace zim {
namespace {

class WindowPagesTest : public test::EditorTest {
  protected:
    static HWND on(int id) { return GetDlgItem(page(), id); }
    static void pressOn(int id) { test::click(on(id)); }
    static void type(int id, const char* text) { SetWindowTextA(on(id), text); }
    static bool checkedOn(int id) { return SendMessageA(on(id), BM_GETCHECK, 0, 0) != 0; }
    // The shell shows the tree of the Project as the test changed it, with `code` selected.
    void open(int32_t code) {
        ASSERT_TRUE(SetForegroundWindow(mainWindow));
        buildStructureTree(tree_, code);
    }
    // TCM_SETCURFOCUS selects the tab and notifies the frame as a click on it does.
    // A menu item chosen: its command reaches the page that opened the menu.
    static void menuCommand(int id) { SendMessageA(page(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    // Chooses `item` in a selection dialog's list (33) and accepts with 25.
    static void chooseInNextDialog(int item) {
        test::onNextDialog([item](HWND dialog) {
            HWND list = GetDlgItem(dialog, 33);
            const bool combo = test::className(list) == "ComboBoxEx32";
            SendMessageA(list, combo ? CB_SETCURSEL : LB_SETCURSEL, item, 0);
            test::click(GetDlgItem(dialog, 25));
        });
    }
    // Moves the style named `name` across with the arrow `arrow`: the list takes the focus as
    // a click on it gives it, which opens the arrow of its direction.
    static void moveStyle(int list, const char* name, int arrow) {
        SetFocus(on(list));
        SendMessageA(on(list), LB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(name));
        pressOn(arrow);
    }
    static HANDLE sampleImage(int id, UINT type) {
        return reinterpret_cast<HANDLE>(SendMessageA(on(id), STM_GETIMAGE, type, 0));
    }
};

// A 16 x 16 icon of one colour, as an icon file holds it.
void writeIcon(const std::filesystem::path& path) {
    std::ofstream file(path, std::ios::binary);
    const auto put = [&](uint32_t value, int bytes) {
        for (int k = 0; k < bytes; ++k)
            file.put(static_cast<char>(value >> (8 * k)));
    };
    const uint32_t imageBytes = 40 + 16 * 16 * 4 + 16 * 4;
    put(0, 2), put(1, 2), put(1, 2); // icon directory
    put(16, 1), put(16, 1), put(0, 2), put(1, 2), put(32, 2), put(imageBytes, 4), put(22, 4);
    put(40, 4), put(16, 4), put(32, 4), put(1, 2), put(32, 2), put(0, 4 * 6); // header
    for (int pixel = 0; pixel < 16 * 16; ++pixel)
        put(0xFF2040C0, 4);
    put(0, 16 * 4); // the mask: every pixel shown
}

// A 24-bit bitmap of one colour.
void writeBitmap(const std::filesystem::path& path, int width, int height, COLORREF colour) {
    std::ofstream file(path, std::ios::binary);
    const auto put = [&](uint32_t value, int bytes) {
        for (int k = 0; k < bytes; ++k)
            file.put(static_cast<char>(value >> (8 * k)));
    };
    const int row = (width * 3 + 3) / 4 * 4;
    put(0x4D42, 2), put(54 + row * height, 4), put(0, 4), put(54, 4);
    put(40, 4), put(width, 4), put(height, 4), put(1, 2), put(24, 2), put(0, 4 * 6);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            put(GetBValue(colour), 1), put(GetGValue(colour), 1), put(GetRValue(colour), 1);
        put(0, row - width * 3);
    }
}

TEST_F(WindowPagesTest, TypePageSavesTheWindowAndWindowOneDecidesTheApplicationType) {
    test::ScriptedQuestions questions;
    showEditView();
    project().program.windowCount = 2;
    buildNewWindow(window(2), 2);
    open(300100);
    EXPECT_EQ(tabCaptions(control(43)).size(), 5u);
    EXPECT_EQ(test::windowText(control(67)), "First Application Window");
    EXPECT_TRUE(checkedOn(44) && checkedOn(11) && checkedOn(52) && checkedOn(49));
    EXPECT_EQ(SendMessageA(on(22), BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
    EXPECT_FALSE(enabled(67) || IsWindowEnabled(on(44)));
    EXPECT_TRUE(IsWindowEnabled(control(43)));

    // Restore gives the record back; the tabs and the tree stay closed while editing.
    pressOn(15);
    EXPECT_TRUE(enabled(67) && IsWindowEnabled(on(102)) && !IsWindowEnabled(on(104)));
    EXPECT_FALSE(IsWindowEnabled(control(43)) || IsWindowEnabled(tree_));
    SetWindowTextA(control(67), "Scratch");
    pressOn(46);
    EXPECT_TRUE(checkedOn(10) && !checkedOn(11)) << "a modal dialog is never animated";
    pressOn(16);
    EXPECT_EQ(window(1).kind, 0);
    EXPECT_TRUE(checkedOn(44) && checkedOn(11));
    EXPECT_EQ(test::windowText(control(67)), "First Application Window");
    EXPECT_TRUE(IsWindowEnabled(tree_) && !enabled(67));

    pressOn(15);
    pressOn(46);
    pressOn(11);
    EXPECT_EQ(questions.last().text, "For modal dialogs this option is not available...");
    EXPECT_FALSE(checkedOn(11));
    type(102, "-1");
    pressOn(17);
    EXPECT_EQ(questions.last().text, "Check out the field for window width, please...");
    EXPECT_EQ(questions.last().flags, static_cast<UINT>(MB_ICONHAND));
    EXPECT_EQ(GetFocus(), on(102));
    EXPECT_EQ(window(1).width, 300);
    type(102, "320");
    SetWindowTextA(control(67), "Main Dialog");
    pressOn(50);
    type(106, "7");
    type(107, "9");
    pressOn(17);
    const AppWindow& w = window(1);
    EXPECT_EQ(std::vector<int>({w.kind, w.animate, w.width, w.placementMode, w.x, w.y}),
              std::vector<int>({2, 0, 320, 1, 7, 9}));
    EXPECT_EQ(shown(w.title), "Main Dialog");
    EXPECT_EQ(project().program.applicationType, 1);
    EXPECT_EQ(test::selectedCode(tree_), 400100) << "the tree is rebuilt on the window's own item";
    EXPECT_TRUE(IsWindowEnabled(tree_));

    // Window 2 becoming a standard window leaves the application a dialog application.
    select(400200);
    pressOn(15);
    pressOn(45);
    pressOn(17);
    EXPECT_EQ(window(2).kind, 1);
    pressOn(15);
    pressOn(44);
    pressOn(17);
    EXPECT_EQ(window(2).kind, 0);
    EXPECT_EQ(project().program.applicationType, 1);
}

TEST_F(WindowPagesTest, ImageSizeShowsTheTemplateCopyWhichSaveKeepsAndOtherSizesDelete) {
    test::ScriptedQuestions questions;
    showEditView();
    std::filesystem::create_directory(root_ / "Templates");
    writeBitmap(root_ / "Templates" / "WND_BACKGROUND.bmp", 8, 8, RGB(0, 200, 0));
    open(300100);
    HWND preview = FindWindowExA(page(), nullptr, "WizardPreviewWindowClass", nullptr);
    ASSERT_NE(preview, nullptr);
    const auto centre = [preview] {
        UpdateWindow(preview);
        HDC dc = GetDC(preview);
        const COLORREF colour = GetPixel(dc, 80, 80);
        ReleaseDC(preview, dc);
        return colour;
    };
    const std::filesystem::path copy = projectDirectory / "Wnd_001_01.bmp";
    pressOn(15);
    pressOn(47);
    EXPECT_TRUE(std::filesystem::exists(copy));
    EXPECT_TRUE(IsWindowEnabled(on(27)) && !IsWindowEnabled(on(102)));
    EXPECT_EQ(centre(), RGB(0, 200, 0));
    pressOn(52);
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_NE(centre(), RGB(0, 200, 0));
    pressOn(47);
    pressOn(17);
    EXPECT_TRUE(std::filesystem::exists(copy));
    EXPECT_EQ(window(1).sizeMode, 1);
    EXPECT_EQ(window(1).imageCount, 1);
    EXPECT_EQ(shown(window(1).images[0].fileName), "Wnd_001_01");
}

TEST_F(WindowPagesTest, PositionEditWindowHandsTheMovedWindowToThePage) {
    test::ScriptedQuestions questions;
    showEditView();
    open(300100);
    pressOn(15);
    test::onNextDialog([](HWND dialog) { test::click(GetDlgItem(dialog, 26)); });
    pressOn(48);
    EXPECT_EQ(questions.last().caption, "Bounding rectangle selection...");
    EXPECT_EQ(editWindow(), nullptr);

    test::onNextDialog([](HWND dialog) { test::click(GetDlgItem(dialog, 25)); });
    pressOn(48);
    HWND edit = editWindow();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(boundingRectShown, 1);
    EXPECT_FALSE(IsWindowVisible(mainWindow));
    RECT r;
    GetWindowRect(edit, &r);
    SetWindowPos(edit, nullptr, r.left + 15, r.top + 25, r.right - r.left + 30,
                 r.bottom - r.top + 20, SWP_NOZORDER);
    closeEditWindow();
    ASSERT_TRUE(test::pumpUntil([] { return checkedOn(50); }));
    EXPECT_EQ(boundingRectShown, 0);
    EXPECT_TRUE(IsWindowVisible(mainWindow));
    EXPECT_TRUE(checkedOn(52) && !IsWindowEnabled(on(20)));
    // Window 1 stood centred on the screen, which the wallpaper covers.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - 300) / 2 + 15;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - 200) / 2 + 25;
    EXPECT_EQ(test::windowText(on(106)), std::to_string(left));
    pressOn(17);
    const AppWindow& w = window(1);
    EXPECT_EQ(std::vector<int>({w.placementMode, w.x, w.y, w.width, w.height}),
              std::vector<int>({1, left, top, 330, 220}));
}

TEST_F(WindowPagesTest, ClassDataAndStylesReachThePreview) {
    test::ScriptedQuestions questions;
    showEditView();
    project().program.wallpaperPresent = 0;
    window(1).animate = 0;
    const std::filesystem::path icon = root_ / "blue.ico";
    writeIcon(icon);
    open(300100);
    pressOn(15);
    SetWindowTextA(control(67), "Previewed");
    pressOn(17);

    showTab(1);
    EXPECT_EQ(sampleImage(202, IMAGE_ICON), LoadIconA(nullptr, IDI_APPLICATION));
    pressOn(15);
    chooseInNextDialog(0); // BLACK_BRUSH
    menuCommand(2003);
    chooseInNextDialog(4); // IDC_IBEAM
    menuCommand(107);
    menuCommand(106); // no icon
    EXPECT_EQ(sampleImage(202, IMAGE_ICON), nullptr);
    // The small icon's menu, closed again at once; then its "Custom Icon".
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        EndMenu();
    });
    pressOn(55);
    questions.planFile(icon.string());
    menuCommand(105);
    EXPECT_EQ(questions.last().text, "Window small icon was copied...");
    EXPECT_TRUE(std::filesystem::exists(projectDirectory / "Wnd_001s.ico"));
    EXPECT_NE(sampleImage(203, IMAGE_ICON), nullptr);
    moveStyle(57, "CS_DBLCLKS", 59);
    EXPECT_EQ(test::windowText(on(205)).rfind("\tCS_BYTEALIGNCLIENT - ", 0), 0u)
        << "the first available style is chosen and described";
    UpdateWindow(on(201));
    HDC dc = GetDC(on(201));
    EXPECT_EQ(GetPixel(dc, 20, 15), RGB(0, 0, 0));
    ReleaseDC(on(201), dc);
    pressOn(17);
    const AppWindow& w = window(1);
    EXPECT_EQ(std::vector<int>({w.backgroundKind, w.backgroundValue, w.cursorSource, w.iconSource,
                                w.smallIconSource}),
              std::vector<int>({3, 1, 5, 7, 0}));
    EXPECT_EQ(w.classStyles[styleEntry(classStyleList, "CS_DBLCLKS") - 1], 1);

    showTab(2);
    pressOn(15);
    moveStyle(57, "WS_POPUP", 59);
    pressOn(16);
    EXPECT_EQ(SendMessageA(on(58), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("WS_POPUP")),
              LB_ERR);
    pressOn(15);
    moveStyle(57, "WS_THICKFRAME", 59);
    moveStyle(64, "WS_EX_CLIENTEDGE", 62);
    pressOn(17);
    EXPECT_EQ(window(1).windowStyles[styleEntry(windowStyleList, "WS_POPUP") - 1], 0);

    ASSERT_TRUE(startPreview());
    HWND live = FindWindowA("ZIM_Window001 Class", nullptr);
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(test::windowText(live), "Previewed");
    EXPECT_EQ(GetClassLongPtrA(live, GCLP_HBRBACKGROUND),
              reinterpret_cast<LONG_PTR>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(GetClassLongPtrA(live, GCLP_HCURSOR),
              reinterpret_cast<LONG_PTR>(LoadCursorA(nullptr, IDC_IBEAM)));
    EXPECT_TRUE(GetWindowLongA(live, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongA(live, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    closeFirstWindow();
    EXPECT_TRUE(test::pumpUntil([] { return !previewRunning() && IsWindowVisible(mainWindow); }));
}

TEST_F(WindowPagesTest, DialogOffersItsBackgroundDialogStylesAndFont) {
    test::ScriptedQuestions questions;
    showEditView();
    window(1).kind = 1;
    project().program.applicationType = 1;
    setText(window(1).fontFace, "No Such Face");
    open(400100);
    showTab(1);
    pressOn(15);
    EXPECT_TRUE(IsWindowEnabled(on(12)));
    EXPECT_FALSE(IsWindowEnabled(on(54)) || IsWindowEnabled(on(57)) || IsWindowEnabled(on(205)));
    EXPECT_EQ(test::windowText(on(205)), "Class styles are not available for dialog panels...");
    chooseInNextDialog(2);
    menuCommand(2001);
    pressOn(17);
    EXPECT_EQ(window(1).backgroundKind, 2);
    EXPECT_EQ(window(1).backgroundValue, 3);
    EXPECT_EQ(window(1).cursorSource, 2);

    showTab(2);
    EXPECT_EQ(SendMessageA(on(63), LB_GETCOUNT, 0, 0) + SendMessageA(on(64), LB_GETCOUNT, 0, 0),
              dialogStyleList.count);
    ASSERT_GT(SendMessageA(on(65), CB_GETCOUNT, 0, 0), 0);
    char first[LF_FACESIZE] = {};
    SendMessageA(on(65), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_EQ(SendMessageA(on(65), CB_GETCURSEL, 0, 0), 0) << "a face not installed: the first";
    pressOn(15);
    type(207, "ten");
    pressOn(17);
    EXPECT_EQ(questions.last().text, "Check out the field for font height value, please...");
    EXPECT_EQ(window(1).fontSize, 16);
    type(207, " -8 ");
    pressOn(17);
    EXPECT_EQ(window(1).fontSize, -8);
    EXPECT_EQ(shown(window(1).fontFace), first);
}

} // namespace
} // namespace zim
