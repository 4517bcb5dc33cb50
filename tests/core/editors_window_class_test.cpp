#include "editors/window/window_class_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>

#include "list_test_folder.h"
#include "model/default_project.h"
#include "model/text_field.h"
#include "window_page_script.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;
using test::ListTestFolder;
using test::WindowPageScript;

class WindowClassRules : public ::testing::Test {
  protected:
    void SetUp() override { buildDefaultProject(); }
    WindowClassPage pageOf(int w = 1) { return WindowClassPage(project(), w, folder.project()); }
    void addSecondWindow() {
        buildNewWindow(project().windows[1], 2);
        project().program.windowCount = 2;
    }
    // The three class files of window 1 and one file of nobody's.
    void putClassFiles() {
        for (const char* name : {"Wnd_001.ico", "Wnd_001s.ico", "Wnd_001.cur", "Other.ico"})
            folder.put(name);
    }

    ListTestFolder folder;
    WindowPageScript script;
};

TEST_F(WindowClassRules, SaveDeletesTheFilesOfSourcesThatAreNoLongerFiles) {
    putClassFiles();
    AppWindow& w = project().windows[0];
    w.iconSource = w.smallIconSource = w.cursorSource = 0;
    WindowClassPage page = pageOf();
    EXPECT_TRUE(page.command(noIconItem, IconTarget::smallIcon, script));
    EXPECT_TRUE(page.command(noCursorItem, IconTarget::icon, script));
    EXPECT_EQ(folder.names().size(), 4u) << "nothing is deleted before Save";
    EXPECT_EQ(w.smallIconSource, 0) << "nor stored";

    EXPECT_FALSE(page.save());
    EXPECT_EQ(w.iconSource, 0);
    EXPECT_EQ(w.smallIconSource, 7);
    EXPECT_EQ(w.cursorSource, 14);
    EXPECT_EQ(folder.names(), (Names{"Wnd_001.ico", "Other.ico"}));
    EXPECT_FALSE(page.save()) << "files already gone are no error";

    // A file that a file source of another window names stays.
    addSecondWindow();
    project().windows[1].iconSource = 0;
    setText(project().windows[1].iconName, "WND_001");
    script.entry = 3;
    ASSERT_TRUE(page.command(standardIconItem, IconTarget::icon, script));
    EXPECT_FALSE(page.save());
    EXPECT_EQ(w.iconSource, 3);
    EXPECT_EQ(folder.names(), (Names{"Wnd_001.ico", "Other.ico"}));

    project().windows[1].kind = 2; // a dialog keeps its sources, and its files with them
    EXPECT_FALSE(pageOf().save());
    EXPECT_EQ(folder.names(), (Names{"Wnd_001.ico", "Other.ico"}));

    project().windows[1].iconSource = 1;
    EXPECT_FALSE(pageOf().save());
    EXPECT_EQ(folder.names(), (Names{"Other.ico"}));
}

TEST_F(WindowClassRules, SaveNeverDeletesThroughALinkOrOutsideTheProjectFolder) {
    const fs::path victim = folder.root() / "victim.cur";
    test::writeBytes(victim, test::bytesOf("keep me"));
    if (!test::makeLink(victim, folder.project() / "Wnd_001.cur"))
        GTEST_SKIP() << test::cannotMakeLinks;
    folder.put("../escape.ico", "keep me too");
    setText(project().windows[0].smallIconName, "../escape");
    folder.put("Wnd_001.ico");

    const std::optional<PageMessage> message = pageOf().save();
    ASSERT_TRUE(message);
    EXPECT_NE(message->text.find("\"Wnd_001.cur\" is a link"), std::string::npos) << message->text;
    EXPECT_NE(message->text.find("\"../escape.ico\""), std::string::npos) << message->text;
    EXPECT_TRUE(fs::is_symlink(folder.project() / "Wnd_001.cur"));
    EXPECT_EQ(test::readBytes(victim), test::bytesOf("keep me"));
    EXPECT_TRUE(fs::exists(folder.project() / ".." / "escape.ico"));
    EXPECT_FALSE(fs::exists(folder.project() / "Wnd_001.ico")) << "the other files still go";
}

TEST_F(WindowClassRules, ADialogSavesOnlyItsBackground) {
    putClassFiles();
    AppWindow& w = project().windows[0];
    w.kind = 1;
    const auto before = std::make_unique<AppWindow>(w);
    WindowClassPage page = pageOf();
    EXPECT_TRUE(page.isDialog());
    const WindowClassEnabling e = page.enabling(EditorState::edit);
    EXPECT_TRUE(e.selectNewColor);
    EXPECT_FALSE(e.iconAndCursorButtons || e.classStyles);
    EXPECT_EQ(page.iconSample().kind, ClassImageSample::Kind::none);
    EXPECT_EQ(page.cursorSample().kind, ClassImageSample::Kind::none);

    EXPECT_FALSE(page.command(noIconItem, IconTarget::icon, script));
    EXPECT_FALSE(page.command(standardCursorItem, IconTarget::icon, script));
    EXPECT_TRUE(script.pickers.empty());
    page.classStyles().move(StyleListSide::available, 0);
    script.entry = 7;
    ASSERT_TRUE(page.command(systemColorItem, IconTarget::icon, script));

    EXPECT_FALSE(page.save());
    EXPECT_EQ(w.backgroundKind, 2);
    EXPECT_EQ(w.backgroundValue, 7);
    EXPECT_EQ(w.iconSource, before->iconSource);
    EXPECT_EQ(w.cursorSource, before->cursorSource);
    EXPECT_TRUE(std::equal(std::begin(w.classStyles), std::end(w.classStyles),
                           std::begin(before->classStyles)));
    EXPECT_EQ(folder.names().size(), 4u);
}

TEST_F(WindowClassRules, PickersStartAtTheCurrentEntryAndACancelChangesNothing) {
    project().windows[0].iconSource = 7;
    WindowClassPage page = pageOf();
    const WindowClassWorkingCopy& copy = page.workingCopy();

    EXPECT_FALSE(page.command(standardIconItem, IconTarget::icon, script));
    EXPECT_EQ(script.pickers.back(), "standardIcon(Select new standard icon, 1)");
    EXPECT_EQ(copy.iconSource, 7) << "a cancelled list keeps the source";
    script.entry = 4;
    EXPECT_TRUE(page.command(standardIconItem, IconTarget::icon, script));
    script.entry = 6;
    EXPECT_TRUE(page.command(standardIconItem, IconTarget::smallIcon, script));
    EXPECT_EQ(copy.iconSource, 4);
    EXPECT_EQ(copy.smallIconSource, 6);
    page.command(standardIconItem, IconTarget::icon, script);
    EXPECT_EQ(script.pickers.back(), "standardIcon(Select new standard icon, 4)");

    script.entry = 0;
    EXPECT_FALSE(page.command(standardCursorItem, IconTarget::icon, script));
    EXPECT_EQ(script.pickers.back(), "standardCursor(Select new standard cursor, 2)");
    EXPECT_EQ(copy.cursorSource, 2);
    EXPECT_EQ(page.cursorSample().standardEntry, 2);
    page.command(noCursorItem, IconTarget::icon, script);
    EXPECT_EQ(copy.cursorSource, 14);
    EXPECT_EQ(page.cursorSample().kind, ClassImageSample::Kind::none);
    page.command(noIconItem, IconTarget::smallIcon, script);
    EXPECT_EQ(copy.smallIconSource, 7);
    EXPECT_EQ(copy.iconSource, 6);

    // The background: the default is the fourth system colour.
    EXPECT_FALSE(page.command(systemColorItem, IconTarget::icon, script));
    EXPECT_EQ(script.pickers.back(), "systemColour(Select new background color, 4)");
    script.entry = 6;
    ASSERT_TRUE(page.command(systemBrushItem, IconTarget::icon, script));
    EXPECT_EQ(script.pickers.back(), "stockBrush(Select new background color, 1)");
    EXPECT_EQ(copy.backgroundKind, 3);
    EXPECT_EQ(copy.backgroundValue, 6);
    page.command(systemColorItem, IconTarget::icon, script);
    EXPECT_EQ(script.pickers.back(), "systemColour(Select new background color, 1)");
    EXPECT_EQ(copy.backgroundKind, 2);

    page.command(systemBrushItem, IconTarget::icon, script); // white again
    script.colour = 0x123456;
    ASSERT_TRUE(page.command(customColorItem, IconTarget::icon, script));
    EXPECT_EQ(script.pickers.back(), "colour(16777215)") << "the picker starts at the sample";
    EXPECT_EQ(copy.backgroundKind, 1);
    EXPECT_EQ(copy.backgroundValue, 0x123456);
    EXPECT_EQ(page.sampleColour().value, 0x123456u);

    page.restore();
    EXPECT_EQ(copy.iconSource, 7);
    EXPECT_EQ(copy.backgroundKind, 2);
}

TEST_F(WindowClassRules, CustomIconsAndCursorsAreCopiedOverTheWindowsFilesAtOnce) {
    folder.put("Wnd_001s.ico", "old small icon");
    folder.put("../mine.ico", "my icon");
    folder.put("../mine.cur", "my cursor");
    WindowClassPage page = pageOf();

    script.file = folder.project() / ".." / "mine.ico";
    EXPECT_TRUE(page.command(customIconItem, IconTarget::smallIcon, script));
    EXPECT_EQ(folder.content("Wnd_001s.ico"), "my icon");
    EXPECT_EQ(page.workingCopy().smallIconSource, 0);
    EXPECT_EQ(page.smallIconSample().fileName, "Wnd_001s.ico");
    EXPECT_EQ(page.workingCopy().iconSource, 1);

    EXPECT_TRUE(page.command(customIconItem, IconTarget::icon, script));
    EXPECT_EQ(folder.content("Wnd_001.ico"), "my icon");

    script.file = folder.project() / ".." / "mine.cur";
    EXPECT_TRUE(page.command(customCursorItem, IconTarget::icon, script));
    EXPECT_EQ(folder.content("Wnd_001.cur"), "my cursor");

    EXPECT_FALSE(page.save()) << "file sources keep their files";
    EXPECT_EQ(folder.names(), (Names{"Wnd_001.ico", "Wnd_001s.ico", "Wnd_001.cur"}));

    // A link in the cursor's place is never written through; the source stays.
    const fs::path outside = folder.root() / "outside.cur";
    setText(project().windows[0].cursorName, "Linked");
    if (!test::makeLink(outside, folder.project() / "Linked.cur"))
        return; // this system cannot make links; the native run covers the case
    WindowClassPage linked = pageOf();
    linked.command(noCursorItem, IconTarget::icon, script);
    EXPECT_FALSE(linked.command(customCursorItem, IconTarget::icon, script));
    EXPECT_EQ(script.messages.back().flags, box::ok | box::iconHand);
    EXPECT_EQ(linked.workingCopy().cursorSource, 14);
    EXPECT_FALSE(fs::exists(outside));
}

} // namespace
} // namespace zim
