// The program page: what it shows, Edit / Restore / Save through the real buttons with the
// scripted message seam, and the structure tree rebuilt after a save.
#include <gtest/gtest.h>

#include <string>

#include "editor_test_fixture.h"

namespace zim {
namespace {

const char* const helpText =
    "   Here you can correct the basic parameters of the application created/edited now. Some of "
    "these parameters are standard, and they cannot be changed here. Others are application "
    "dependent, so you can change their values.\r\n"
    "\r\n"
    "   Some details:\r\n"
    "\"Application Name\" - name of application, which will appear in taskbar. Maximal number of "
    "characters for this parameter - 100.\r\n"
    "\"Description\" - additional information/comments, which will be stored for your convenience "
    "working with projects archive. Maximal number of characters - 250.\r\n"
    "\"Application Type\" - there are two basic types of application. First is based on "
    "\"classic\" and flexible Windows object - window. Second one uses modal dialog...\r\n"
    "\"Wallpaper\" - use this object, if you want to create special background for your "
    "application.\r\n"
    "\r\n"
    "   To start the corrections, simply push \"Edit Parameters\" button. After completing "
    "corrections, don't forget, please, to push \"Save Parameters\" button. Otherwise, your "
    "corrections will be ignored...";

struct ProgramRecord {
    int32_t applicationType, wallpaperPresent, windowKind, hasOwner, ownerWindow;
    std::string description;

    static ProgramRecord now() {
        const ProgramParameters& p = project().program;
        const AppWindow& w = window(1);
        return {p.applicationType, p.wallpaperPresent, w.kind,
                w.hasOwner,        w.ownerWindow,      shown(p.description)};
    }
    bool operator==(const ProgramRecord& o) const {
        return applicationType == o.applicationType && wallpaperPresent == o.wallpaperPresent &&
               windowKind == o.windowKind && hasOwner == o.hasOwner &&
               ownerWindow == o.ownerWindow && description == o.description;
    }
};

class ProgramPageTest : public test::EditorTest {
  protected:
    static std::vector<bool> radios() {
        return {checked(11), checked(12), checked(13), checked(14)};
    }
    static bool fieldsEnabled() { return enabled(10) && enabled(11) && enabled(14); }
    void setDescription(const std::string& text) { SetWindowTextA(control(10), text.c_str()); }
};

TEST_F(ProgramPageTest, ShowsTheProjectInViewState) {
    showEditView();
    EXPECT_GT(titlePixels(), 20);
    EXPECT_EQ(test::windowText(control(201)), "Default project.zim");
    EXPECT_EQ(test::windowText(control(202)), "01 December 2001");
    EXPECT_EQ(test::windowText(control(203)), "Talvemark");
    EXPECT_EQ(test::windowText(control(204)), "Default project");
    EXPECT_EQ(test::windowText(control(10)), shown(project().program.description));
    EXPECT_EQ(SendMessageA(control(10), EM_GETLIMITTEXT, 0, 0), 250);
    EXPECT_EQ(radios(), (std::vector<bool>{true, false, true, false}));
    std::string help(4096, '\0');
    help.resize(GetWindowTextA(control(205), help.data(), static_cast<int>(help.size())));
    EXPECT_EQ(help, helpText);
    EXPECT_EQ(commandButtons(), viewState());
    EXPECT_FALSE(enabled(10));
    EXPECT_FALSE(enabled(204));
    EXPECT_FALSE(enabled(12));
    EXPECT_TRUE(IsWindowEnabled(tree_));
}

TEST_F(ProgramPageTest, OnlySaveWritesAndTheTreeFollowsTheSavedType) {
    test::ScriptedQuestions questions;
    showEditView();
    const ProgramRecord original = ProgramRecord::now();

    press(15);
    EXPECT_EQ(commandButtons(), editState());
    EXPECT_FALSE(IsWindowEnabled(tree_));
    EXPECT_TRUE(fieldsEnabled());
    EXPECT_TRUE(GetWindowLongA(control(204), GWL_STYLE) & ES_READONLY);

    setDescription("Scratch");
    press(12);
    press(14);
    EXPECT_EQ(radios(), (std::vector<bool>{false, true, false, true}));
    EXPECT_TRUE(ProgramRecord::now() == original);
    press(16);
    EXPECT_TRUE(ProgramRecord::now() == original);
    EXPECT_EQ(radios(), (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(test::windowText(control(10)), original.description);
    EXPECT_EQ(commandButtons(), viewState());
    EXPECT_FALSE(fieldsEnabled());
    EXPECT_TRUE(IsWindowEnabled(tree_));

    // An empty description is refused with a warning; the choices are saved all the same.
    press(15);
    press(12);
    press(14);
    setDescription("");
    press(17);
    test::pumpMessages(); // the tree is rebuilt once the command is handled
    ASSERT_EQ(questions.asked().size(), 1u);
    EXPECT_EQ(questions.last().text, "You didn't fill the field for application description...");
    EXPECT_EQ(questions.last().caption, "Warning");
    EXPECT_EQ(questions.last().flags, static_cast<UINT>(MB_ICONHAND | MB_TASKMODAL));
    EXPECT_TRUE((ProgramRecord::now() == ProgramRecord{1, 0, 2, 0, 0, original.description}));
    const std::vector<test::TreeItem> items = test::treeItems(tree_);
    ASSERT_EQ(items.size(), 4u) << "the program, its window, the window's button and static";
    EXPECT_EQ(items[1].code, 400100);
    EXPECT_EQ(items[1].image, 4);
    EXPECT_TRUE(IsWindowEnabled(tree_));
    EXPECT_EQ(radios(), (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(commandButtons(), viewState());

    // A classic application owned by the wallpaper again, with a description cut to 250.
    window(1).ownerWindow = 5;
    press(15);
    press(11);
    press(13);
    setDescription(std::string(300, 'd'));
    press(17);
    test::pumpMessages();
    EXPECT_EQ(questions.asked().size(), 1u);
    EXPECT_TRUE((ProgramRecord::now() == ProgramRecord{0, 1, 0, 1, 0, std::string(250, 'd')}));
    EXPECT_EQ(test::treeItems(tree_)[1].text, "ZIM Wallpaper");
}

} // namespace
} // namespace zim
