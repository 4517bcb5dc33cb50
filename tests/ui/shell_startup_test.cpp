#include <gtest/gtest.h>

#include "shell/backdrop.h"
#include "shell/message_loop.h"
#include "shell/shell_animation.h"
#include "shell_test_fixture.h"

namespace zim {
namespace {

using test::className;
using test::ScriptedQuestions;
using test::ShellTest;
using test::windowText;

struct ClassExpectation {
    const char* name;
    UINT style;
    HBRUSH background;
    bool icons;
    bool cursor;
};

HBRUSH brushValue(INT_PTR value) {
    return reinterpret_cast<HBRUSH>(value);
}
HBRUSH stock(int object) {
    return static_cast<HBRUSH>(GetStockObject(object));
}

TEST_F(ShellTest, StartUpRegistersTheEightClassesAndShowsTheAboutView) {
    ScriptedQuestions script;
    HWND main = start();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(script.asked().empty());

    const UINT backdropStyles = CS_SAVEBITS | CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    const UINT frameStyles = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    const ClassExpectation classes[] = {
        {"WizardMainWindowClass", CS_HREDRAW | CS_VREDRAW, brushValue(COLOR_BTNFACE + 1), true,
         true},
        {"WizardWallpaperWindowClass", backdropStyles, brushValue(2), true, true},
        {"WizardDescriptionWindowClass", backdropStyles, brushPane, false, true},
        {"WizardEditWindowClass", frameStyles, brushValue(COLOR_BTNFACE + 1), false, true},
        {"WizardPreviewWindowClass", frameStyles, stock(WHITE_BRUSH), false, true},
        {"WizardPreviewControlWindowClass", frameStyles, stock(WHITE_BRUSH), false, true},
        {"WizardTransparentWindowClass", backdropStyles, stock(WHITE_BRUSH), false, true},
        {"SwitchingWnd", backdropStyles, stock(BLACK_BRUSH), false, false},
    };
    for (const ClassExpectation& expected : classes) {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), expected.name, &wc))
            << expected.name;
        EXPECT_EQ(wc.style, expected.style) << expected.name;
        EXPECT_EQ(wc.hbrBackground, expected.background) << expected.name;
        EXPECT_EQ(wc.hIcon != nullptr, expected.icons) << expected.name;
        EXPECT_EQ(wc.hIconSm != nullptr, expected.icons) << expected.name;
        EXPECT_EQ(wc.hCursor != nullptr, expected.cursor) << expected.name;
    }
    EXPECT_NE(brushPane, nullptr);
    EXPECT_NE(fontControl, nullptr);
    EXPECT_NE(treeImages, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(treeImages), 7);

    // The default project is open and its directory is current.
    EXPECT_EQ(designMode, 1);
    EXPECT_TRUE(std::filesystem::equivalent(programDirectory, root_));
    EXPECT_EQ(projectToLoad, "Default project");
    EXPECT_TRUE(std::filesystem::equivalent(projectDirectory, defaultDirectory()));
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), defaultDirectory()));
    EXPECT_EQ(trimmed(project().program.applicationName), "Default project");

    // The backdrop covers the screen; the main window is centred on it and owned by it.
    HWND backdrop = FindWindowA("WizardWallpaperWindowClass", nullptr);
    ASSERT_EQ(backdrop, backdropWindow);
    EXPECT_EQ(windowText(backdrop), "Zuruzuv URE Vavodured ava VUD 6.i.");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(backdrop, GWL_STYLE)) & 0x86800000u, 0x86800000u);
    RECT r;
    GetWindowRect(backdrop, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(IsWindowVisible(backdrop));

    EXPECT_EQ(main, mainWindow);
    EXPECT_EQ(className(main), "WizardMainWindowClass");
    EXPECT_EQ(windowText(main), "Zuruzuv URE Vavodured ava VUD 6.i. Version 3.01.");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(main, GWL_EXSTYLE)) & 0x20201u, 0x20201u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(main, GWL_STYLE)) & 0xC80000u, 0xC80000u);
    EXPECT_EQ(GetWindow(main, GW_OWNER), backdrop);
    EXPECT_TRUE(IsWindowVisible(main));
    GetWindowRect(main, &r);
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280); // Wine's virtual desktop of the tests
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);
    EXPECT_EQ(r.left, 130);
    EXPECT_EQ(r.top, 132);
    EXPECT_EQ(r.right - r.left, 1020);
    EXPECT_EQ(r.bottom - r.top, 760);

    // The About view: the picture in a view dialog above the status bar.
    EXPECT_EQ(currentView, 3);
    ASSERT_NE(viewDialog, nullptr);
    EXPECT_EQ(GetParent(viewDialog), main);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(viewDialog, GWL_STYLE)) & 0x500000C4u, 0x500000C4u);
    HWND picture = FindWindowExA(viewDialog, nullptr, "Static", "ABOUT");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(GetWindowLongA(picture, GWL_STYLE) & SS_TYPEMASK, SS_BITMAP);
    EXPECT_NE(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

TEST_F(ShellTest, ViewDialogAndAboutPictureFillTheirPlaces) {
    HWND main = start();
    HWND status = test::findChild(main, 10, STATUSCLASSNAMEA);
    ASSERT_NE(status, nullptr);
    int parts[3] = {};
    ASSERT_EQ(SendMessageA(status, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(parts)), 3);
    EXPECT_EQ(parts[0], 550);
    EXPECT_EQ(parts[1], 860);
    EXPECT_EQ(parts[2], -1);

    // The view dialog covers the client area above the status bar.
    const SIZE client = test::clientSize(main);
    const RECT view = test::rectIn(main, viewDialog);
    const RECT bar = test::rectIn(main, status);
    EXPECT_EQ(view.left, 0);
    EXPECT_EQ(view.top, 0);
    EXPECT_EQ(view.right, client.cx);
    EXPECT_EQ(view.bottom, bar.top);
    EXPECT_EQ(bar.bottom, client.cy);

    // The picture control takes the bitmap's size (760 x 520) and is centred.
    HWND picture = FindWindowExA(viewDialog, nullptr, "Static", "ABOUT");
    const RECT p = test::rectIn(viewDialog, picture);
    EXPECT_EQ(p.right - p.left, 760);
    EXPECT_EQ(p.bottom - p.top, 520);
    const SIZE area = test::clientSize(viewDialog);
    EXPECT_EQ(p.left, (area.cx - (p.right - p.left)) / 2);
    EXPECT_EQ(p.top, (area.cy - (p.bottom - p.top)) / 2);
    EXPECT_GT(p.left, 5);
}

TEST(ShellScreen, RefusesScreensSmallerThan1024x768) {
    ScriptedQuestions script;
    EXPECT_FALSE(checkScreen(1023, 768));
    EXPECT_FALSE(checkScreen(1024, 767));
    ASSERT_EQ(script.asked().size(), 2u);
    for (const test::AskedQuestion& q : script.asked()) {
        EXPECT_EQ(q.text, "Recommended screen resolution must be at least 1024x768 pixels\r"
                          "Program terminates now...");
        EXPECT_EQ(q.caption, "Error");
        EXPECT_EQ(q.flags, static_cast<UINT>(MB_ICONHAND | MB_SYSTEMMODAL));
    }
    script.clear();
    EXPECT_TRUE(checkScreen(1024, 768));
    EXPECT_TRUE(script.asked().empty());
}

bool anyShellWindow() {
    return FindWindowA("WizardMainWindowClass", nullptr) ||
           FindWindowA("WizardWallpaperWindowClass", nullptr);
}

bool mainClassRegistered() {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    return GetClassInfoExA(GetModuleHandleA(nullptr), "WizardMainWindowClass", &wc) != 0;
}

TEST_F(ShellTest, DamagedOrMissingDefaultProjectEndsStartUpWithCriticalError) {
    // A file that ends early: the Project in memory must stay as it was.
    std::filesystem::resize_file(defaultFile(), 1000);
    setText(project().program.applicationName, "Open before");
    ScriptedQuestions script;
    EXPECT_EQ(startShellNow(GetModuleHandleA(nullptr)), nullptr);
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().caption, "Critical Error");
    EXPECT_EQ(script.last().flags, static_cast<UINT>(MB_ICONHAND | MB_TASKMODAL));
    EXPECT_NE(script.last().text.find("\"Default project.zim\""), std::string::npos)
        << script.last().text;
    EXPECT_NE(script.last().text.find("damaged"), std::string::npos) << script.last().text;
    EXPECT_EQ(script.last().text, startupErrorText);
    EXPECT_EQ(trimmed(project().program.applicationName), "Open before");
    EXPECT_FALSE(anyShellWindow());
    EXPECT_FALSE(mainClassRegistered());
    EXPECT_EQ(fontControl, nullptr);

    // No file at all.
    std::filesystem::current_path(root_);
    std::filesystem::remove(defaultFile());
    script.clear();
    EXPECT_EQ(startShellNow(GetModuleHandleA(nullptr)), nullptr);
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().caption, "Critical Error");
    EXPECT_NE(script.last().text.find("cannot be opened"), std::string::npos) << script.last().text;
    EXPECT_FALSE(anyShellWindow());

    // A whole file starts normally.
    buildDefaultProject();
    ASSERT_TRUE(saveProjectFile(defaultDirectory()));
    std::filesystem::current_path(root_);
    setText(project().program.applicationName, "Open before");
    script.clear();
    EXPECT_NE(startShellNow(GetModuleHandleA(nullptr)), nullptr);
    EXPECT_TRUE(script.asked().empty());
    EXPECT_EQ(trimmed(project().program.applicationName), "Default project");
}

// The real order: the backdrop's first tick opens the main window; after it is closed, a later
// tick destroys the backdrop, which ends the message loop.
TEST_F(ShellTest, BackdropTimerOpensTheMainWindowAndEndsTheProgramAfterItCloses) {
    ScriptedQuestions script;
    animateShellWindows = false;
    ASSERT_TRUE(startUp(GetModuleHandleA(nullptr)));
    HWND backdrop = createBackdrop();
    ASSERT_NE(backdrop, nullptr);
    EXPECT_EQ(mainWindow, nullptr);

    static HWND openedMain;
    static DWORD openedAfter;
    openedMain = nullptr;
    static DWORD started;
    started = GetTickCount();
    // Closes the main window once it exists, as a user would; a safety timer ends the loop
    // with 99 should the backdrop never end it.
    const UINT_PTR closer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        if (mainWindow && !openedMain) {
            openedMain = mainWindow;
            openedAfter = GetTickCount() - started;
            PostMessageA(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
    });
    const UINT_PTR safety =
        SetTimer(nullptr, 0, 15000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); });
    const int exitCode = runMessageLoop();
    KillTimer(nullptr, closer);
    KillTimer(nullptr, safety);

    EXPECT_EQ(exitCode, 0);
    EXPECT_NE(openedMain, nullptr);
    EXPECT_GE(openedAfter, 1900u);
    EXPECT_FALSE(IsWindow(openedMain));
    EXPECT_FALSE(IsWindow(backdrop));
    EXPECT_EQ(mainWindow, nullptr);
    EXPECT_EQ(backdropWindow, nullptr);
    EXPECT_TRUE(script.asked().empty());
}

TEST_F(ShellTest, LaterTicksKeepAnOpenMainWindow) {
    HWND main = start();
    SendMessageA(backdropWindow, WM_TIMER, 1, 0);
    SendMessageA(backdropWindow, WM_TIMER, 1, 0);
    EXPECT_TRUE(IsWindow(main));
    EXPECT_TRUE(IsWindow(backdropWindow));
    EXPECT_EQ(FindWindowExA(nullptr, main, "WizardMainWindowClass", nullptr), nullptr)
        << "a second main window was opened";
}

TEST_F(ShellTest, AClassThatCannotBeRegisteredEndsStartUpWithItsErrorText) {
    // A class of the same name already registered makes the program's own registration fail.
    WNDCLASSEXA taken = {};
    taken.cbSize = sizeof taken;
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = "WizardEditWindowClass";
    ASSERT_TRUE(RegisterClassExA(&taken));
    ScriptedQuestions script;
    EXPECT_EQ(startShellNow(GetModuleHandleA(nullptr)), nullptr);
    UnregisterClassA("WizardEditWindowClass", GetModuleHandleA(nullptr));
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().text, "System Error - Can't register edit window...");
    EXPECT_EQ(script.last().caption, "Critical Error");
    EXPECT_EQ(script.last().flags, static_cast<UINT>(MB_ICONHAND | MB_TASKMODAL));
    EXPECT_FALSE(anyShellWindow());
    EXPECT_FALSE(mainClassRegistered()); // the classes registered before it are gone again
}

// While a bounding rectangle is being chosen the backdrop draws it as a focus rectangle.
TEST_F(ShellTest, BackdropDrawsTheBoundingRectangleWhileItIsShown) {
    start();
    HWND backdrop = backdropWindow;
    ShowWindow(mainWindow, SW_HIDE);
    boundingRectOnScreen = {100, 100, 300, 200};
    auto differingPixels = [backdrop] {
        InvalidateRect(backdrop, nullptr, TRUE);
        UpdateWindow(backdrop);
        HDC dc = GetDC(backdrop);
        const COLORREF background = GetPixel(dc, 50, 50);
        int differing = 0;
        for (int x = 100; x < 300; ++x)
            differing += GetPixel(dc, x, 100) != background;
        ReleaseDC(backdrop, dc);
        return differing;
    };
    boundingRectShown = 0;
    EXPECT_EQ(differingPixels(), 0);
    boundingRectShown = 1;
    EXPECT_GT(differingPixels(), 50);
    boundingRectShown = 0;
}

} // namespace
} // namespace zim
