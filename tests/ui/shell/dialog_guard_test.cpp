// The harness's guard: a dialog that a test forgets to answer is closed within seconds and
// fails the test with the dialog's title, whatever kind of dialog it is.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "shell/dialog_runner.h"
#include "shell/user_questions.h"
#include "ui_harness.h"

namespace zim {
namespace {

DialogFrame frame(const char* caption) {
    return {WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 10, 20, 200, 100, caption, "", 0};
}

INT_PTR CALLBACK waitForever(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

INT_PTR runWithoutOwner(const char* caption) {
    return runModalDialog(GetModuleHandleA(nullptr), nullptr, frame(caption), waitForever, 0);
}

HWND owner = nullptr; // EXPECT_NONFATAL_FAILURE reaches no local variable

TEST(DialogGuard, AnUnansweredDialogFailsTheTestWithItsTitleAndGivesNothing) {
    // A dialog without an owner that no test planned for.
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(runWithoutOwner("Nobody answers"), 0),
                            "\"Nobody answers\" was left unanswered");
    // A dialog whose planned action forgets to answer it.
    test::onNextDialog([](HWND) {});
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(runWithoutOwner("Only looked at"), 0),
                            "\"Only looked at\" was left unanswered");
    // A real message box with an owner, where no script stands in for the user.
    owner = CreateWindowExA(0, "STATIC", "Owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(ask(owner, "Anyone there?", "Unread message", MB_OK), 0),
                            "\"Unread message\" was left unanswered");
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

} // namespace
} // namespace zim
