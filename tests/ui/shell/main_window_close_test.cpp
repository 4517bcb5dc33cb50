#include <gtest/gtest.h>

#include "shell_test_fixture.h"

namespace zim {
namespace {

using test::ScriptedQuestions;
using test::ShellTest;

const char* const unsavedQuestion =
    "Your current project was not saved. Would you like to save it before exiting?\r"
    "Select YES, if you want to save project, or select NO to exit program\r"
    "without saving.";

void closeMainWindow() {
    SendMessageA(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool quitPosted() {
    MSG message;
    return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

TEST_F(ShellTest, ClosingASavedProjectAsksNothingAndTheNextTickEndsTheProgram) {
    ScriptedQuestions script;
    HWND main = start();
    closeMainWindow();
    EXPECT_TRUE(script.asked().empty());
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(mainWindow, nullptr);
    EXPECT_EQ(viewDialog, nullptr);

    HWND backdrop = backdropWindow;
    ASSERT_TRUE(IsWindow(backdrop));
    EXPECT_FALSE(quitPosted());
    SendMessageA(backdrop, WM_TIMER, 1, 0);
    EXPECT_FALSE(IsWindow(backdrop));
    EXPECT_TRUE(quitPosted());
}

TEST_F(ShellTest, ClosingAnUnsavedProjectAsksAndYesKeepsTheProgramRunning) {
    ScriptedQuestions script;
    HWND main = start();
    projectUnsaved = 1;

    script.planAnswer(IDYES);
    closeMainWindow();
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().text, unsavedQuestion);
    EXPECT_EQ(script.last().caption, "Warning");
    EXPECT_EQ(script.last().flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL));
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(mainWindow, main);
    SendMessageA(backdropWindow, WM_TIMER, 1, 0);
    EXPECT_TRUE(IsWindow(backdropWindow));

    script.planAnswer(IDNO);
    closeMainWindow();
    EXPECT_EQ(script.asked().size(), 2u);
    EXPECT_EQ(script.last().text, unsavedQuestion);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(mainWindow, nullptr);
}

// Opening an object in the Edit view marks the project unsaved. Then the end of the session and
// the backdrop's close (Alt+F4 once it is active, or its taskbar button) ask the main window's
// question: YES keeps the program running, NO lets it end.
TEST_F(ShellTest, AfterTheEditViewTheBackdropAndTheEndOfTheSessionAsk) {
    ScriptedQuestions script;
    HWND main = start();
    HWND backdrop = backdropWindow;
    EXPECT_EQ(SendMessageA(backdrop, WM_QUERYENDSESSION, 0, 0), TRUE) << "nothing to save";
    chooseView(2);
    script.planAnswer(IDYES);
    EXPECT_EQ(SendMessageA(backdrop, WM_QUERYENDSESSION, 0, 0), FALSE);
    script.planAnswer(IDNO);
    EXPECT_EQ(SendMessageA(backdrop, WM_QUERYENDSESSION, 0, 0), TRUE);
    for (int answer : {IDYES, IDNO}) {
        ASSERT_TRUE(SetForegroundWindow(backdrop));
        script.planAnswer(answer);
        test::pressKey(VK_F4, true);
        EXPECT_EQ(IsWindow(backdrop) && IsWindow(main), answer == IDYES);
        EXPECT_EQ(quitPosted(), answer == IDNO);
    }
    ASSERT_EQ(script.asked().size(), 4u);
    for (const auto& question : script.asked())
        EXPECT_EQ(question.text, unsavedQuestion);
}

} // namespace
} // namespace zim
