#include <gtest/gtest.h>

#include "shell/project_view.h"
#include "shell/shell_views.h"
#include "shell_test_fixture.h"

namespace zim {
namespace {

using test::ShellTest;
using test::windowText;

// The value shown inside a group box: the control whose rectangle lies inside the box.
std::string valueInGroup(const std::string& caption) {
    HWND group = test::findChildByText(viewDialog, caption);
    if (!group)
        return "<no group " + caption + ">";
    const RECT box = test::rectIn(viewDialog, group);
    for (HWND child = GetWindow(viewDialog, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT r = test::rectIn(viewDialog, child);
        if (child != group && r.left > box.left && r.right < box.right && r.top > box.top &&
            r.bottom < box.bottom)
            return windowText(child);
    }
    return "<empty group " + caption + ">";
}

// The five command buttons beside the panel, which shows the Project again at each refresh.
TEST_F(ShellTest, FileViewShowsTheCommandsAndTheProjectAfterEachRefresh) {
    start();
    chooseView(1);
    const char* captions[] = {"Create New Project", "Load Project From Archive",
                              "Save Current Project As...", "Generate FORTRAN Program",
                              "Preview Program"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(windowText(test::findChild(viewDialog, i + 1, "Button")), captions[i]);
    EXPECT_NE(test::findChildByText(viewDialog, "C u r r e n t    P r o j e c t"), nullptr);
    EXPECT_NE(test::findChildByText(viewDialog, "Program Stucture"), nullptr);
    EXPECT_EQ(valueInGroup(" Project Name "), "Default project");
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(viewDialog, 103), GWL_STYLE) & ES_READONLY);

    ProgramParameters& program = project().program;
    setText(program.applicationName, "Inventory");
    setText(program.description, "Counts the stock.");
    setText(program.designer, "R. Ames");
    setText(program.created, "05 December 2026");
    program.wallpaperPresent = 0;
    shellViews().refreshProjectView();
    EXPECT_EQ(valueInGroup(" Project Name "), "Inventory");
    EXPECT_EQ(valueInGroup(" Project Description "), "Counts the stock.");
    EXPECT_EQ(valueInGroup(" Author "), "R. Ames");
    EXPECT_EQ(valueInGroup(" Created "), "05 December 2026");
    const auto items = test::treeItems(GetDlgItem(viewDialog, 101));
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, "ZIM Program - Inventory");

    // In another view a refresh changes nothing and does not fail.
    chooseView(3);
    refreshProjectView();
    EXPECT_NE(FindWindowExA(viewDialog, nullptr, "Static", "ABOUT"), nullptr);
}

} // namespace
} // namespace zim
