// The File view's commands, each once through its real button as a user drives it: a click,
// the name dialog answered, the message boxes scripted. Their texts and refusals are checked
// natively. The names hold characters above 0x7F as the ANSI code page gives them, which the
// list boxes and edits show and every command must carry to its files.
#include <gtest/gtest.h>

#include <memory>

#include "shell_test_fixture.h"

namespace zim::test {
namespace {

namespace fs = std::filesystem;

// The text the ANSI code page gives a name; "" when the code page cannot hold it.
std::string ansiText(const std::wstring& wide) {
    char text[64] = {};
    BOOL defaulted = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, text, sizeof text, nullptr,
                        &defaulted);
    return defaulted ? std::string() : std::string(text);
}

std::string todayCreated() {
    static const char* months[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[64];
    snprintf(text, sizeof text, "%02d %s %d", now.wDay, months[now.wMonth - 1], now.wYear);
    return text;
}

class ProjectCommands : public ShellTest {
  protected:
    void SetUp() override {
        root_.addGeneratorFolders();
        start();
        chooseView(1);
    }

    // Presses a command button of the File view; `answer` acts on its name dialog.
    static void press(int id, std::function<void(HWND)> answer) {
        onNextDialog(std::move(answer));
        click(GetDlgItem(viewDialog, id));
        EXPECT_TRUE(dialogActionsDone());
    }

    static std::function<void(HWND)> typeAndAccept(const std::string& name) {
        return [name](HWND dialog) {
            SetDlgItemTextA(dialog, 34, name.c_str());
            click(GetDlgItem(dialog, 25));
        };
    }

    // Selects the listed entry as a click does and accepts it.
    static std::function<void(HWND)> selectAndAccept(const std::string& name) {
        return [name](HWND dialog) {
            const LRESULT k =
                SendDlgItemMessageA(dialog, 33, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(name.c_str()));
            SendDlgItemMessageA(dialog, 33, LB_SETCURSEL, static_cast<WPARAM>(k), 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(33, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, 33)));
            EXPECT_EQ(windowText(GetDlgItem(dialog, 34)), name) << name << " is not listed";
            click(GetDlgItem(dialog, 25));
        };
    }

    static std::string shown(int id) { return windowText(GetDlgItem(viewDialog, id)); }
};

TEST_F(ProjectCommands, EachCommandRunsFromItsButtonAndTheViewFollows) {
    std::wstring wideNames[] = {L"Caf\u00e9", L"\u0152uvre"};
    std::string names[] = {ansiText(wideNames[0]), ansiText(wideNames[1])};
    if (names[0].empty() || names[1].empty()) { // plain names, where the code page lacks them
        wideNames[0] = L"Cafe", wideNames[1] = L"Oeuvre";
        names[0] = "Cafe", names[1] = "Oeuvre";
    }
    const std::string &cafe = names[0], &oeuvre = names[1];
    const fs::path projects = root_ / "Projects";
    ScriptedQuestions script;

    // Create New: the default project's files under the new name, shown in the view.
    for (const std::string& name : names)
        press(1, typeAndAccept(name));
    EXPECT_TRUE(script.asked().empty());
    for (const std::wstring& wide : wideNames) {
        EXPECT_TRUE(fs::exists(projects / wide / (wide + L".zim")));
        EXPECT_TRUE(fs::exists(projects / wide / L"Wallpaper.bmp"));
    }
    EXPECT_EQ(projectToLoad, oeuvre);
    EXPECT_EQ(projectUnsaved, 1);
    EXPECT_EQ(shown(102), oeuvre);
    EXPECT_EQ(shown(103), "No description yet...");
    EXPECT_EQ(shown(105), todayCreated());
    EXPECT_TRUE(fs::equivalent(fs::current_path(), projects / wideNames[1]));

    // Load: the entry as the list shows it.
    press(2, selectAndAccept(cafe));
    EXPECT_TRUE(script.asked().empty());
    EXPECT_EQ(projectToLoad, cafe);
    EXPECT_EQ(shown(102), cafe);
    EXPECT_TRUE(fs::equivalent(fs::current_path(), projects / wideNames[0]));

    // Save As: in place, then over the other project chosen from the list, after a Yes.
    setText(window(1).title, "Saved in place");
    press(3, typeAndAccept(cafe));
    EXPECT_TRUE(script.asked().empty());
    EXPECT_EQ(projectUnsaved, 0);
    auto stored = std::make_unique<Project>();
    ASSERT_TRUE(loadProjectFileAt(*stored, projects / wideNames[0] / (wideNames[0] + L".zim")));
    EXPECT_EQ(trimmed(stored->windows[0].title), "Saved in place");
    script.planAnswer(IDYES);
    press(3, selectAndAccept(oeuvre));
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().text, "The project <<" + oeuvre +
                                      ">>\ralready exists. Would you like to overwrite existing "
                                      "project?");
    EXPECT_EQ(shown(102), oeuvre);
    ASSERT_TRUE(loadProjectFileAt(*stored, projects / wideNames[1] / (wideNames[1] + L".zim")));
    EXPECT_EQ(trimmed(stored->program.applicationName), oeuvre);
    EXPECT_EQ(trimmed(stored->windows[0].title), "Saved in place");
    EXPECT_FALSE(fs::exists(projects / wideNames[1] / (wideNames[0] + L".zim")));

    // Generate: the compiler project under the open project's name.
    script.clear();
    press(4, typeAndAccept(oeuvre));
    const fs::path generated = root_ / "FORTRAN PROGRAMS" / wideNames[1];
    for (const std::wstring& file :
         {wideNames[1] + L".rc", std::wstring(L"ZIM.lib"), std::wstring(L"Wallpaper.bmp")})
        EXPECT_TRUE(fs::exists(generated / file));
    ASSERT_TRUE(loadProjectFileAt(*stored, generated / L"ZIM_GUI.zim"));
    EXPECT_EQ(trimmed(stored->program.applicationName), oeuvre);
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().text, "Fortran Project was created...");
    EXPECT_EQ(fs::current_path(), projectDirectory);
}

} // namespace
} // namespace zim::test
