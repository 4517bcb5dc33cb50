#include <gtest/gtest.h>

#include <array>

#include "shell/backdrop.h"
#include "shell/message_loop.h"
#include "shell/shell_animation.h"
#include "shell_test_fixture.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::Place;
using test::placeIn;
using test::ScriptedQuestions;
using test::ShellTest;
using test::windowText;

constexpr UINT criticalFlags = MB_ICONHAND | MB_TASKMODAL;

bool anyShellWindow() {
    return FindWindowA("WizardMainWindowClass", nullptr) ||
           FindWindowA("WizardWallpaperWindowClass", nullptr);
}

bool mainClassRegistered() {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    return GetClassInfoExA(GetModuleHandleA(nullptr), "WizardMainWindowClass", &wc) != 0;
}

// While it lives, the system refuses to create windows of one class on this thread, as it does
// when it runs out of resources.
class CreationRefused {
  public:
    explicit CreationRefused(const char* className)
        : hook_(SetWindowsHookExA(WH_CBT, refuse, nullptr, GetCurrentThreadId())) {
        refused = className;
    }
    ~CreationRefused() { UnhookWindowsHookEx(hook_); }

  private:
    static LRESULT CALLBACK refuse(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND && test::className(reinterpret_cast<HWND>(wParam)) == refused)
            return 1;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline std::string refused;
    HHOOK hook_;
};

// A user who reads each message for a while: meanwhile a message box's own loop dispatches
// whatever arrives, the backdrop's ticks among them.
class SlowReader : public ScriptedQuestions {
  public:
    int messageBox(HWND owner, const std::string& text, const std::string& caption,
                   UINT flags) override {
        test::pumpUntil([] { return false; }, readingTime);
        backdropOutlivedTheMessage = IsWindow(backdropWindow) != FALSE;
        return ScriptedQuestions::messageBox(owner, text, caption, flags);
    }
    DWORD readingTime = 0;
    bool backdropOutlivedTheMessage = false;
};

TEST_F(ShellTest, StartUpOpensTheDefaultProjectAndShowsTheAboutViewOverTheBackdrop) {
    ScriptedQuestions script;
    HWND main = start();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(script.asked().empty());

    // The default project is open and its directory is current.
    EXPECT_EQ(designMode, 1);
    EXPECT_TRUE(fs::equivalent(programDirectory, root_.root()));
    EXPECT_EQ(projectToLoad, "Default project");
    EXPECT_TRUE(fs::equivalent(projectDirectory, root_.defaultDirectory()));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), root_.defaultDirectory()));
    EXPECT_EQ(trimmed(project().program.applicationName), "Default project");

    // The backdrop covers the screen and owns the main window; the About view shows its
    // picture.
    HWND backdrop = FindWindowA("WizardWallpaperWindowClass", nullptr);
    ASSERT_EQ(backdrop, backdropWindow);
    EXPECT_EQ(windowText(backdrop), "Zuruzuv URE Vavodured ava VUD 6.i.");
    EXPECT_EQ(placeIn(nullptr, backdrop),
              (Place{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
    EXPECT_EQ(main, mainWindow);
    EXPECT_EQ(windowText(main), "Zuruzuv URE Vavodured ava VUD 6.i. Version 3.01.");
    EXPECT_EQ(GetWindow(main, GW_OWNER), backdrop);
    EXPECT_TRUE(IsWindowVisible(backdrop) && IsWindowVisible(main));
    EXPECT_EQ(currentView, 3);
    ASSERT_NE(viewDialog, nullptr);
    EXPECT_EQ(GetParent(viewDialog), main);
    HWND picture = FindWindowExA(viewDialog, nullptr, "Static", "ABOUT");
    ASSERT_NE(picture, nullptr);
    EXPECT_NE(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

TEST(ShellScreen, RefusesScreensSmallerThan1024x768) {
    ScriptedQuestions script;
    EXPECT_TRUE(checkScreen(1024, 768));
    EXPECT_FALSE(checkScreen(1023, 768));
    EXPECT_FALSE(checkScreen(1024, 767));
    ASSERT_EQ(script.asked().size(), 2u);
    EXPECT_EQ(script.last().text, "Recommended screen resolution must be at least 1024x768 pixels\r"
                                  "Program terminates now...");
    EXPECT_EQ(script.last().caption, "Error");
    EXPECT_EQ(script.last().flags, static_cast<UINT>(MB_ICONHAND | MB_SYSTEMMODAL));
}

TEST_F(ShellTest, DamagedOrMissingDefaultProjectEndsStartUpWithCriticalError) {
    // A file that ends early: the Project in memory must stay as it was.
    fs::resize_file(root_.defaultFile(), 1000);
    setText(project().program.applicationName, "Open before");
    ScriptedQuestions script;
    for (const char* why : {"damaged", "cannot be opened"}) {
        SCOPED_TRACE(why);
        EXPECT_EQ(startShellNow(GetModuleHandleA(nullptr)), nullptr);
        ASSERT_EQ(script.asked().size(), 1u);
        EXPECT_EQ(script.last().caption, "Critical Error");
        EXPECT_EQ(script.last().flags, criticalFlags);
        EXPECT_NE(script.last().text.find("\"Default project.zim\""), std::string::npos);
        EXPECT_NE(script.last().text.find(why), std::string::npos) << script.last().text;
        EXPECT_EQ(trimmed(project().program.applicationName), "Open before");
        EXPECT_FALSE(anyShellWindow());
        EXPECT_FALSE(mainClassRegistered());
        EXPECT_EQ(fontControl, nullptr);
        // Then no file at all.
        fs::current_path(root_.root());
        fs::remove(root_.defaultFile());
        script.clear();
    }

    // A whole file starts normally.
    buildDefaultProject();
    ASSERT_TRUE(saveProjectFile(root_.defaultDirectory()));
    fs::current_path(root_.root());
    setText(project().program.applicationName, "Open before");
    EXPECT_NE(startShellNow(GetModuleHandleA(nullptr)), nullptr);
    EXPECT_TRUE(script.asked().empty());
    EXPECT_EQ(trimmed(project().program.applicationName), "Default project");
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
    EXPECT_EQ(script.last().flags, criticalFlags);
    EXPECT_FALSE(anyShellWindow());
    EXPECT_FALSE(mainClassRegistered()); // the classes registered before it are gone again
}

// A missing tree image would give every later image the index of the one before it, so
// start-up stops. The class icons are the system's shared ones: every start finds the same.
TEST_F(ShellTest, AMissingTreeImageStopsStartUpAndClassIconsAreShared) {
    ScriptedQuestions script;
    auto mainIcon = [] {
        return reinterpret_cast<HICON>(GetClassLongPtrA(mainWindow, GCLP_HICON));
    };
    start();
    const HICON icon = mainIcon();
    stopShell();
    fs::current_path(root_.root());
    start();
    EXPECT_EQ(mainIcon(), icon);
    stopShell();
    fs::current_path(root_.root());

    // The system's kernel32 stands in for a program module without the images.
    EXPECT_FALSE(startUp(GetModuleHandleA("kernel32.dll")));
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().text, "System Error - Can't load image PGM_ICON...");
    EXPECT_EQ(script.last().caption, "Critical Error");
    EXPECT_EQ(treeImages, nullptr);
}

// Windows the system refuses: the backdrop ends start-up; the main window ends the program at
// the backdrop's first tick, but only once its message is read; a view leaves the main window
// open, so that the user can choose another view and save.
TEST_F(ShellTest, WindowsThatCannotBeCreatedAreReported) {
    SlowReader script;
    auto reported = [&script] {
        const std::string text = script.asked().empty() ? "" : script.last().text;
        script.clear();
        return text;
    };
    {
        CreationRefused refused("WizardWallpaperWindowClass");
        EXPECT_EQ(startShellNow(GetModuleHandleA(nullptr)), nullptr);
    }
    EXPECT_EQ(reported(), "System Error - Can't create background window...");

    fs::current_path(root_.root());
    ASSERT_TRUE(startUp(GetModuleHandleA(nullptr)));
    HWND backdrop = createBackdrop();
    script.readingTime = backdropTimerPeriod + 500;
    {
        CreationRefused refused("WizardMainWindowClass");
        SendMessageA(backdrop, WM_TIMER, 1, 0);
    }
    script.readingTime = 0;
    EXPECT_EQ(reported(), "System Error - Can't create main window...");
    EXPECT_TRUE(script.backdropOutlivedTheMessage);
    EXPECT_FALSE(IsWindow(backdrop));
    stopShell();

    fs::current_path(root_.root());
    start();
    {
        CreationRefused refused("#32770");
        chooseView(1);
    }
    EXPECT_EQ(reported(), "System Error - Can't create view window...");
    chooseView(2);
    EXPECT_NE(viewDialog, nullptr);
}

// The real order: the backdrop's first tick opens the main window; after it is closed, a later
// tick destroys the backdrop, which ends the message loop. Ticks while the main window is open
// keep it.
TEST_F(ShellTest, BackdropTimerOpensTheMainWindowAndEndsTheProgramAfterItCloses) {
    ScriptedQuestions script;
    animateShellWindows = false;
    ASSERT_TRUE(startUp(GetModuleHandleA(nullptr)));
    HWND backdrop = createBackdrop();
    ASSERT_NE(backdrop, nullptr);
    EXPECT_EQ(mainWindow, nullptr);

    static HWND openedMain;
    static DWORD openedAfter, started;
    static int laterTicks;
    openedMain = nullptr;
    laterTicks = 0;
    started = GetTickCount();
    // Closes the main window once it has seen two more ticks, as a user would; a safety timer
    // ends the loop with 99 should the backdrop never end it.
    const UINT_PTR closer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        if (mainWindow && !openedMain) {
            openedMain = mainWindow;
            openedAfter = GetTickCount() - started;
            SendMessageA(backdropWindow, WM_TIMER, 1, 0);
            SendMessageA(backdropWindow, WM_TIMER, 1, 0);
            laterTicks = IsWindow(openedMain) &&
                         !FindWindowExA(nullptr, openedMain, "WizardMainWindowClass", nullptr);
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
    EXPECT_EQ(laterTicks, 1) << "a later tick closed the main window or opened a second one";
    EXPECT_FALSE(IsWindow(openedMain));
    EXPECT_FALSE(IsWindow(backdrop));
    EXPECT_EQ(mainWindow, nullptr);
    EXPECT_EQ(backdropWindow, nullptr);
    EXPECT_TRUE(script.asked().empty());
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
