#include "model/default_project.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "model/project.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace zim {
namespace {

using Numbers = std::vector<int32_t>;

// Built over stale memory, the default project sets every part it uses; the style words and
// the fields the other tests start from are checked here once.
TEST(DefaultProject, HoldsTheDocumentedValues) {
    std::memset(&project(), 0x5A, sizeof(Project)); // everything stale
    buildDefaultProject();
    const Project& p = project();
    EXPECT_EQ(trimmed(p.program.applicationName), "Default project");
    EXPECT_EQ(
        (Numbers{p.program.wallpaperPresent, p.program.applicationType, p.program.windowCount}),
        (Numbers{1, 0, 1}));
    EXPECT_STREQ(systemColourList[p.wallpaper.backgroundValue].name, "COLOR_BACKGROUND");

    const AppWindow& w = window(1);
    EXPECT_EQ((Numbers{w.imageCount, w.buttonCount, w.staticCount}), (Numbers{0, 1, 1}));
    EXPECT_STREQ(standardCursorList[w.cursorSource].name, "IDC_ARROW");
    EXPECT_EQ(styleWord(w.classStyles, classStyleList), 0x2u | 0x20u | 0x800u | 0x1u);
    EXPECT_EQ(styleWord(w.windowStyles, windowStyleList), 0x14C80000u);
    EXPECT_EQ(styleWord(w.extendedStyles, extendedStyleList), 0x200u | 0x20000u);
    EXPECT_EQ(styleWord(w.dialogStyles, dialogStyleList), 0x4u | 0x40u);

    const ButtonControl& b = button(1, 1);
    EXPECT_EQ(std::string(b.text, 7), std::string("Start\0 ", 7));
    EXPECT_EQ(styleWord(b.windowStyles, windowStyleList), 0x50010000u);
    EXPECT_EQ(b.buttonStyles[9], 1); // BS_PUSHBUTTON, whose value adds nothing
    EXPECT_EQ(styleWord(b.buttonStyles, buttonStyleList), 0xF00u);
    EXPECT_EQ(b.font.faceName[31], 0);

    const StaticControl& s = staticControl(1, 1);
    EXPECT_EQ(shown(s.text), "Text Static Control");
    EXPECT_EQ(styleWord(s.windowStyles, windowStyleList), 0x50000000u);
    EXPECT_EQ(styleWord(s.staticStyles, staticStyleList), 0x1u);
    EXPECT_EQ(std::memcmp(&s.font, &b.font, sizeof(LogFont)), 0);
}

TEST(DefaultProject, LeavesRecordsBeyondTheCountsAlone) {
    buildDefaultProject();
    setText(window(2).title, "Second");
    button(1, 2).x = 1234;
    staticControl(1, 2).y = 4321;
    buildDefaultProject();
    EXPECT_EQ(trimmed(window(2).title), "Second");
    EXPECT_EQ(button(1, 2).x, 1234);
    EXPECT_EQ(staticControl(1, 2).y, 4321);
}

TEST(DefaultProject, NewRecordsAreTheDefaultOnesNumberedForTheirPlace) {
    std::memset(&project(), 0x5A, sizeof(Project));
    buildDefaultProject();
    static AppWindow added; // too large for the stack
    std::memset(&added, 0x5A, sizeof added);
    buildNewWindow(added, 12);
    EXPECT_EQ(trimmed(added.iconName), "Wnd_012");
    EXPECT_EQ(trimmed(added.smallIconName), "Wnd_012s");
    EXPECT_EQ(trimmed(added.cursorName), "Wnd_012");
    EXPECT_EQ(added.buttons[0].windowNumber, 12);
    EXPECT_EQ(trimmed(added.buttons[0].imageNameDisabled), "Button_012_001_Dis");
    EXPECT_EQ(trimmed(added.statics[0].imageName), "Static_012_001");
    EXPECT_EQ(added.buttons[1].x, 0); // stale slots are cleared
    // Renamed back, the new window is window 1 of the default project.
    setText(added.iconName, "Wnd_001");
    setText(added.smallIconName, "Wnd_001s");
    setText(added.cursorName, "Wnd_001");
    EXPECT_EQ(std::memcmp(&added, &window(1), offsetof(AppWindow, images)), 0);
    EXPECT_EQ(std::memcmp(&added.images[0], &image(1, 1), 6 * sizeof(int32_t)), 0);
    EXPECT_EQ(added.imageCount, 0);
    EXPECT_EQ(added.buttonCount, 1);
    EXPECT_EQ(added.staticCount, 1);

    ButtonControl b;
    buildNewButton(b, 3, 17);
    EXPECT_EQ(b.controlId, 17);
    EXPECT_EQ(trimmed(b.imageNameDown), "Button_003_017_Down");
    b.windowNumber = 1;
    b.controlId = 1;
    setText(b.imageName, "Button_001_001");
    setText(b.imageNameDown, "Button_001_001_Down");
    setText(b.imageNameDisabled, "Button_001_001_Dis");
    EXPECT_EQ(std::memcmp(&b, &button(1, 1), sizeof b), 0);

    StaticControl s;
    buildNewStatic(s, 3, 4);
    EXPECT_EQ(s.text[19], '\0'); // a new static's caption ends in a NUL
    EXPECT_EQ(trimmed(s.imageName), "Static_003_004");
}

} // namespace
} // namespace zim
