#include <gtest/gtest.h>

#include "shell/project_view.h"
#include "shell/shell_views.h"
#include "shell_test_fixture.h"

namespace zim {
namespace {

using test::ScriptedQuestions;
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

TEST_F(ShellTest, FileViewHasTheFiveCommandButtons) {
    start();
    chooseView(1);
    const char* captions[] = {"Create New Project", "Load Project From Archive",
                              "Save Current Project As...", "Generate FORTRAN Program",
                              "Preview Program"};
    const int tops[] = {5, 60, 115, 170, 225};
    for (int i = 0; i < 5; ++i) {
        HWND button = GetDlgItem(viewDialog, i + 1);
        ASSERT_NE(button, nullptr) << i + 1;
        EXPECT_EQ(windowText(button), captions[i]);
        EXPECT_EQ(test::className(button), "Button");
        const LONG style = GetWindowLongA(button, GWL_STYLE);
        EXPECT_TRUE(style & WS_TABSTOP);
        EXPECT_TRUE(style & WS_VISIBLE);
        const RECT r = test::rectIn(viewDialog, button);
        EXPECT_EQ(r.left, 5);
        EXPECT_EQ(r.top, tops[i]);
        EXPECT_EQ(r.right - r.left, 185);
        EXPECT_EQ(r.bottom - r.top, 50);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), fontControl);
    }
}

TEST_F(ShellTest, CurrentProjectPanelShowsTheProjectAfterEachRefresh) {
    start();
    chooseView(1);
    EXPECT_NE(test::findChildByText(viewDialog, "C u r r e n t    P r o j e c t"), nullptr);
    EXPECT_NE(test::findChildByText(viewDialog, "Program Stucture"), nullptr);
    EXPECT_EQ(valueInGroup(" Project Name "), "Default project");
    EXPECT_EQ(valueInGroup(" Project Description "),
              "Standard/default project - starting point for beginners. It could serve as "
              "initial template for new applications.");
    EXPECT_EQ(valueInGroup(" Author "), "Talvemark");
    EXPECT_EQ(valueInGroup(" Created "), "01 December 2001");

    HWND description = GetDlgItem(viewDialog, 103);
    const LONG style = GetWindowLongA(description, GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & ES_READONLY);

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

// Every control of the File view lies inside the view, and only group boxes hold others.
TEST_F(ShellTest, FileViewControlsFitWithoutOverlapping) {
    start();
    chooseView(1);
    const SIZE view = test::clientSize(viewDialog);
    std::vector<std::pair<HWND, RECT>> controls;
    for (HWND child = GetWindow(viewDialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        controls.push_back({child, test::rectIn(viewDialog, child)});
    ASSERT_GE(controls.size(), 5u + 4u + 4u + 4u);
    auto isGroup = [](HWND w) {
        return (GetWindowLongA(w, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
               test::className(w) == "Button";
    };
    for (const auto& [window, r] : controls) {
        EXPECT_GE(r.left, 0) << windowText(window);
        EXPECT_GE(r.top, 0) << windowText(window);
        EXPECT_LE(r.right, view.cx) << windowText(window);
        EXPECT_LE(r.bottom, view.cy) << windowText(window);
    }
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            RECT common;
            if (!IntersectRect(&common, &controls[i].second, &controls[j].second))
                continue;
            const bool groupAndValue = isGroup(controls[i].first) || isGroup(controls[j].first);
            EXPECT_TRUE(groupAndValue)
                << windowText(controls[i].first) << " overlaps " << windowText(controls[j].first);
        }
}

} // namespace
} // namespace zim
