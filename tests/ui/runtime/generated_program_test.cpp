// Generated programs as a user gets them: designs made into compiler projects by zimtool
// generate, the user's lines typed into ButtonDefinedAction and the hooks, built by zimtool
// build (build_programs.cmake), then run here as separate processes and driven from outside
// through their windows: BM_CLICK on their buttons, WM_GETTEXT on their statics.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string programs = ZIM_RUNTIME_PROGRAMS;

bool waitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

// Text of a window of another process, as its own window procedure gives it.
std::string textOf(HWND window) {
    char text[512] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

struct Search {
    DWORD process;
    std::string text;
    HWND found = nullptr;
};

BOOL CALLBACK matchTopLevel(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window) && textOf(window) == search->text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK matchChild(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    if (textOf(window) == search->text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK collectText(HWND window, LPARAM lParam) {
    *reinterpret_cast<std::string*>(lParam) += textOf(window) + "\n";
    return TRUE;
}

HWND childWithText(HWND parent, const std::string& text) {
    Search search{0, text};
    EnumChildWindows(parent, matchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// One run of a built program in a folder of its own, where its hooks leave their files.
class GeneratedProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        if (programs.empty())
            GTEST_SKIP() << "no runtime library: the Fortran compiler "
                            "x86_64-w64-mingw32-gfortran-posix (Debian package "
                            "gfortran-mingw-w64-x86-64-posix, installed by scripts/setup) was "
                            "missing when the Windows tree was configured";
        folder_ = fs::temp_directory_path() /
                  ("zim-runtime-" + std::to_string(GetCurrentProcessId()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }

    void TearDown() override {
        if (process_.hProcess) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process_.hProcess, 99);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    void start(const char* program) {
        const std::string path = programs + "\\" + program;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string line = "\"" + path + "\"";
        ASSERT_TRUE(CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   folder_.string().c_str(), &startup, &process_))
            << path << ": error " << GetLastError();
    }

    HWND windowTitled(const std::string& title) const {
        Search search{process_.dwProcessId, title};
        waitFor([&] {
            EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        });
        return search.found;
    }

    bool running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

    // The program's exit code once it has ended, or -1 when it goes on running.
    int exitCode() const {
        if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return static_cast<int>(code);
    }

    bool hookRan(const char* hook) const {
        return fs::exists(folder_ / (std::string(hook) + ".txt"));
    }

    static void click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

    static bool textBecomes(HWND window, const std::string& text) {
        return waitFor([&] { return textOf(window) == text; });
    }

    fs::path folder_;
    PROCESS_INFORMATION process_ = {};
};

TEST_F(GeneratedProgram, DefaultProjectShowsItsWallpaperAndWindowAndEndsWithWindowOne) {
    start("default.exe");
    HWND wallpaper = windowTitled("Default project");
    ASSERT_NE(wallpaper, nullptr);
    RECT screen;
    GetWindowRect(wallpaper, &screen);
    EXPECT_EQ(screen.right - screen.left, GetSystemMetrics(SM_CXSCREEN));
    HWND first = windowTitled("First Application Window");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetWindow(first, GW_OWNER), wallpaper);
    EXPECT_TRUE(hookRan("User_On_Init"));
    HWND text = childWithText(first, "Text Static Control");
    EXPECT_NE(text, nullptr);

    // The skeleton's handler does nothing; the program goes on.
    HWND startButton = childWithText(first, "Start");
    ASSERT_NE(startButton, nullptr);
    click(startButton);
    Sleep(200);
    EXPECT_TRUE(running());
    EXPECT_FALSE(hookRan("User_On_Exit"));

    // Window 1 closes; the wallpaper's next tick closes the wallpaper and so the program.
    PostMessageA(first, WM_CLOSE, 0, 0);
    EXPECT_EQ(exitCode(), 0);
    EXPECT_TRUE(hookRan("User_On_Exit"));
}

TEST_F(GeneratedProgram, ButtonsCallTheUsersCodeWhichChangesStaticsAndOpensTheModalDialog) {
    start("demo.exe");
    HWND first = windowTitled("First Application Window");
    ASSERT_NE(first, nullptr);
    HWND statics[3] = {childWithText(first, "First static"), childWithText(first, "Second static"),
                       childWithText(first, "Third static")};
    for (HWND control : statics)
        ASSERT_NE(control, nullptr);

    click(childWithText(first, "Start"));
    EXPECT_TRUE(textBecomes(statics[0], "Started by button #1")) << textOf(statics[0]);
    EXPECT_TRUE(textBecomes(statics[1], "  3.25")) << textOf(statics[1]);

    click(childWithText(first, "Open"));
    HWND dialog = windowTitled("Second window");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), first);
    EXPECT_TRUE(waitFor([&] { return !IsWindowEnabled(first); })) << "a modal dialog";

    // The close-window button runs its handler, then closes only its own window.
    click(childWithText(dialog, "Close"));
    EXPECT_TRUE(waitFor([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(textBecomes(statics[2], "42")) << textOf(statics[2]);
    EXPECT_TRUE(IsWindow(first));
    EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(first) != FALSE; }));
    EXPECT_TRUE(running());

    // The close-application button ends the program through User_On_Exit.
    click(childWithText(first, "Quit"));
    EXPECT_EQ(exitCode(), 0);
    EXPECT_TRUE(hookRan("User_On_Init"));
    EXPECT_TRUE(hookRan("User_On_Exit"));
}

TEST_F(GeneratedProgram, DamagedDesignDataEndsTheProgramWithTheReason) {
    start("damaged.exe");
    HWND box = windowTitled("Error");
    ASSERT_NE(box, nullptr);
    std::string texts;
    EnumChildWindows(box, collectText, reinterpret_cast<LPARAM>(&texts));
    EXPECT_NE(texts.find("The design data (resource \"GUI_DATA\") is damaged: it ends at byte 12, "
                         "inside the program part"),
              std::string::npos)
        << texts;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(exitCode(), 1);
    EXPECT_FALSE(hookRan("User_On_Init"));
    EXPECT_FALSE(hookRan("User_On_Exit"));
}

} // namespace
