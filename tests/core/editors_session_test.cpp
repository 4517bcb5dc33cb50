#include "editors/frame/editing_session.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "model/default_project.h"
#include "model/project.h"
#include "model/text_field.h"

namespace zim {
namespace {

template <class T> bool sameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class EditorsSession : public ::testing::Test {
  protected:
    void SetUp() override {
        buildDefaultProject();
        std::memset(&buttonCopy, 0, sizeof buttonCopy);
        std::memset(&staticCopy, 0, sizeof staticCopy);
    }

    ButtonControl buttonCopy;
    StaticControl staticCopy;
    int32_t unsaved = 0;
    EditingSession session{{project(), buttonCopy, staticCopy, unsaved}};
};

// The three command buttons, the page and the tree as the state gives them.
void expectState(const EditingSession& session, EditorState state, bool treeEnabled = true) {
    const FrameEnabling e = session.enabling();
    const bool editing = state == EditorState::edit;
    EXPECT_EQ(session.state(), state);
    EXPECT_EQ(e.editButton, !editing);
    EXPECT_EQ(e.restoreButton, editing);
    EXPECT_EQ(e.saveButton, editing);
    EXPECT_EQ(e.page, editing);
    EXPECT_EQ(e.structureTree, !editing && treeEnabled);
}

TEST_F(EditorsSession, EveryObjectOpensInViewStateAndMarksTheProjectUnsaved) {
    const struct {
        int32_t code;
        ObjectSelection selection;
        EditorPage page;
        bool tabControl;
    } objects[] = {
        {0, {0, 0, 0}, EditorPage::program, false},
        {2, {2, 0, 1}, EditorPage::backgroundImage, false},
        {300100, {3, 1, 0}, EditorPage::none, true},
        {400100, {4, 1, 0}, EditorPage::none, true},
        {500101, {5, 1, 1}, EditorPage::none, false},
        {600101, {6, 1, 1}, EditorPage::none, false},
    };
    for (const auto& o : objects) {
        SCOPED_TRACE(o.code);
        unsaved = 0;
        ASSERT_TRUE(session.open(o.code));
        EXPECT_EQ(unsaved, 1);
        EXPECT_EQ(session.selection(), o.selection);
        EXPECT_EQ(session.currentPage(), o.page);
        EXPECT_EQ(session.currentTab(), noTab);
        expectState(session, EditorState::view);
        EXPECT_EQ(session.enabling().tabControl, o.tabControl);
    }
}

TEST_F(EditorsSession, ObjectsNotInUseOpenNothing) {
    // Button 2 and static 2 of window 1, window 2, image 1 of window 1, and a damaged count.
    for (int32_t code : {500102, 600102, 300200, 500201, 200101, 700101}) {
        EXPECT_FALSE(session.open(code)) << code;
        EXPECT_FALSE(session.isOpen()) << code;
        EXPECT_FALSE(session.enabling().editButton) << code;
    }
    EXPECT_EQ(unsaved, 0);
    window(1).buttonCount = 250;
    EXPECT_TRUE(session.open(buttonCode(1, 100)));
    EXPECT_FALSE(session.open(buttonCode(1, 101)));
}

// A whole edit of a button or static: the working copy is the record until Save.
template <class Record>
void expectWorkingCopyProtocol(EditingSession& session, Record& copy, Record& record,
                               const Record& neighbour, int32_t code) {
    const Record original = record;
    const Record neighbourBefore = neighbour;
    ASSERT_TRUE(session.open(code));
    EXPECT_TRUE(sameBytes(copy, record));

    EXPECT_EQ(session.edit(), StepResult::applied);
    expectState(session, EditorState::edit);
    EXPECT_TRUE(session.enabling().tabControl);
    setCaption(copy.text, "Changed");
    copy.x = 77;
    EXPECT_TRUE(sameBytes(record, original)) << "the record changes on Save only";

    EXPECT_EQ(session.restore(), StepResult::tabsReset);
    expectState(session, EditorState::view);
    EXPECT_FALSE(session.enabling().tabControl);
    EXPECT_TRUE(sameBytes(copy, original));
    EXPECT_TRUE(sameBytes(record, original));

    session.edit();
    setCaption(copy.text, "Saved");
    copy.width = 123;
    copy.hwnd = 99; // live slots travel with the record too
    EXPECT_EQ(session.save(), StepResult::applied);
    expectState(session, EditorState::view);
    EXPECT_TRUE(sameBytes(record, copy));
    EXPECT_EQ(shown(record.text), "Saved");
    EXPECT_TRUE(sameBytes(neighbour, neighbourBefore));
}

TEST_F(EditorsSession, ButtonAndStaticEditsGoThroughTheWorkingCopy) {
    window(1).buttonCount = 2;
    button(1, 2) = button(1, 1);
    expectWorkingCopyProtocol(session, buttonCopy, button(1, 2), button(1, 1), buttonCode(1, 2));
    window(1).staticCount = 2;
    staticControl(1, 2) = staticControl(1, 1);
    expectWorkingCopyProtocol(session, staticCopy, staticControl(1, 1), staticControl(1, 2),
                              staticCode(1, 1));
}

TEST_F(EditorsSession, PagesWithoutWorkingCopyLeaveTheProjectToTheirOwnSave) {
    const auto before = std::make_unique<Project>(project());
    buttonCopy.x = 4242;
    for (int32_t code : {0, 1, 2, 300100, 400100}) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(session.open(code));
        EXPECT_EQ(session.edit(), StepResult::applied);
        expectState(session, EditorState::edit);
        EXPECT_EQ(session.restore(), StepResult::applied);
        expectState(session, EditorState::view);
        session.edit();
        EXPECT_EQ(session.save(), StepResult::applied);
        expectState(session, EditorState::view);
    }
    EXPECT_TRUE(sameBytes(project(), *before));
    EXPECT_EQ(buttonCopy.x, 4242);
}

TEST_F(EditorsSession, StepsOutOfTurnChangeNothing) {
    ASSERT_TRUE(session.open(buttonCode(1, 1)));
    buttonCopy.x = 500;
    EXPECT_EQ(session.save(), StepResult::ignored);
    EXPECT_EQ(session.restore(), StepResult::ignored);
    EXPECT_EQ(button(1, 1).x, 10);
    EXPECT_EQ(buttonCopy.x, 500);
    session.edit();
    EXPECT_EQ(session.edit(), StepResult::ignored);
    expectState(session, EditorState::edit);

    session.close();
    EXPECT_EQ(session.edit(), StepResult::ignored);
    EXPECT_EQ(session.chooseKind(windowsDrawnButtonRadio), StepResult::ignored);
    EXPECT_FALSE(session.showTab(0).has_value());
}

TEST_F(EditorsSession, SwitchingButtonTabsInEditStateLosesNothing) {
    ASSERT_TRUE(session.open(buttonCode(1, 1)));
    EXPECT_EQ(session.showTab(0), EditorPage::classicButtonBasic);
    EXPECT_FALSE(session.showTab(0).has_value()) << "the current tab is not shown again";
    session.edit();
    buttonCopy.y = 321;
    EXPECT_EQ(session.showTab(1), EditorPage::classicButtonStyles);
    EXPECT_EQ(session.showTab(4), EditorPage::none) << "a tab without page leaves the area empty";
    EXPECT_FALSE(session.showTab(5).has_value());
    EXPECT_FALSE(session.showTab(-1).has_value());
    EXPECT_EQ(session.currentTab(), 4);
    EXPECT_EQ(session.showTab(0), EditorPage::classicButtonBasic);
    EXPECT_EQ(buttonCopy.y, 321);
    expectState(session, EditorState::edit);
    session.save();
    EXPECT_EQ(button(1, 1).y, 321);
    EXPECT_EQ(session.currentTab(), 0) << "Save keeps the page on show";
}

TEST_F(EditorsSession, WindowTabsAndTitleFollowTheWindowPageState) {
    ASSERT_TRUE(session.open(windowCode(0, 1)));
    EXPECT_EQ(session.showTab(0), EditorPage::windowTypeAppearanceSize);
    EXPECT_TRUE(session.enabling().tabControl);
    EXPECT_FALSE(session.enabling().windowTitle);
    session.edit();
    EXPECT_TRUE(session.enabling().windowTitle);
    EXPECT_FALSE(session.enabling().tabControl);
    EXPECT_FALSE(session.showTab(2).has_value()) << "pending values stay until Save or Restore";
    session.save();
    EXPECT_EQ(session.showTab(2), EditorPage::windowStyles);
    session.edit();
    EXPECT_FALSE(session.enabling().windowTitle) << "only the first page edits the title";
}

TEST_F(EditorsSession, KindChangeReachesTheProjectOnlyThroughSave) {
    ASSERT_TRUE(session.open(buttonCode(1, 1)));
    session.showTab(1);
    session.edit();
    // The current kind and the kinds that cannot be chosen keep the edit as it is.
    EXPECT_EQ(session.chooseKind(classicButtonRadio), StepResult::ignored);
    EXPECT_EQ(session.chooseKind(zimDrawnButtonRadio), StepResult::ignored);
    expectState(session, EditorState::edit);
    EXPECT_EQ(session.currentTab(), 1);
    EXPECT_EQ(session.chooseKind(windowsDrawnButtonRadio), StepResult::tabsReset);
    expectState(session, EditorState::view, false); // the tree waits for Save or Restore
    EXPECT_EQ(session.currentTab(), noTab);
    EXPECT_EQ(session.tabs().size(), 4u);
    EXPECT_EQ(button(1, 1).kind, 0);

    session.edit();
    session.save();
    expectState(session, EditorState::view);
    EXPECT_EQ(button(1, 1).kind, 1);
    EXPECT_EQ(button(1, 1).buttonStyles[11], 1); // BS_BITMAP
}

TEST_F(EditorsSession, OwnerDrawnThenRestoreGivesBackTheClassicButton) {
    const ButtonControl original = button(1, 1);
    ASSERT_TRUE(session.open(buttonCode(1, 1)));
    EXPECT_EQ(session.chooseKind(windowsDrawnButtonRadio), StepResult::tabsReset);
    expectState(session, EditorState::view); // changed in view state: the tree stays usable
    session.edit();
    EXPECT_EQ(session.restore(), StepResult::tabsReset);
    EXPECT_TRUE(sameBytes(buttonCopy, original));
    EXPECT_TRUE(sameBytes(button(1, 1), original));
    ASSERT_EQ(session.tabs().size(), 2u);
    EXPECT_TRUE(session.kindRadios()[0].checked);
    EXPECT_FALSE(session.kindRadios()[1].checked);
}

} // namespace
} // namespace zim
