#include "model/default_project.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/project.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace zim {
namespace {

TEST(DefaultProject, HoldsTheDocumentedValues) {
    std::memset(&project(), 0x5A, sizeof(Project)); // everything stale
    buildDefaultProject();
    const Project& p = project();

    EXPECT_EQ(std::string(p.program.version, 8), "3.01    ");
    EXPECT_EQ(trimmed(p.program.applicationName), "Default project");
    EXPECT_EQ(trimmed(p.program.designer), "Talvemark");
    EXPECT_EQ(trimmed(p.program.description),
              "Standard/default project - starting point for beginners. It could serve as "
              "initial template for new applications.");
    EXPECT_EQ(trimmed(p.program.created), "01 December 2001");
    EXPECT_EQ(p.program.wallpaperPresent, 1);
    EXPECT_EQ(p.program.applicationType, 0);
    EXPECT_EQ(p.program.windowCount, 1);

    const Wallpaper& wp = p.wallpaper;
    EXPECT_EQ(wp.hwnd, 0);
    EXPECT_EQ(wp.firstWindowDelay, 200);
    EXPECT_EQ(wp.animate, 0);
    EXPECT_EQ(wp.appearanceTime, 500);
    EXPECT_EQ(wp.backgroundKind, 2);
    EXPECT_EQ(wp.backgroundValue, 4);
    EXPECT_STREQ(systemColourList[wp.backgroundValue].name, "COLOR_BACKGROUND");
    EXPECT_EQ(wp.imagePresent, 1);
    EXPECT_EQ(wp.imagePlacement, 1);
    EXPECT_EQ(wp.imageSizeMode, 1);
    EXPECT_EQ(wp.imageAreaWidth, 100);
    EXPECT_EQ(wp.imageAreaHeight, 100);
    EXPECT_EQ(trimmed(wp.iconFile), "ZIM_W");
    EXPECT_EQ(trimmed(wp.smallIconFile), "ZIM_W");
    EXPECT_EQ(wp.imageFill, 1);
    EXPECT_EQ(wp.drawingScheme, 0);
    EXPECT_EQ(wp.transparentColour, 0xFFFFFF);
    EXPECT_EQ(wp.frameWidth, 2);
    EXPECT_EQ(wp.frameHeight, 2);
    EXPECT_EQ(wp.frameMode, 1);
    EXPECT_EQ(wp.drawingArea[0], 100);
    EXPECT_EQ(wp.drawingArea[3], 500);
    EXPECT_EQ(wp.frameColour, 0x00FFFF);
    EXPECT_EQ(trimmed(wp.imageFile), "Wallpaper");
    EXPECT_EQ(wp.imageX, 0);

    const AppWindow& w = window(1);
    EXPECT_EQ(trimmed(w.title), "First Application Window");
    EXPECT_EQ(w.hasOwner, 1);
    EXPECT_EQ(w.ownerWindow, 0);
    EXPECT_EQ(w.kind, 0);
    EXPECT_EQ(w.animate, 1);
    EXPECT_EQ(w.appearanceTime, 500);
    EXPECT_EQ(w.sizeMode, 0);
    EXPECT_EQ(w.width, 300);
    EXPECT_EQ(w.height, 200);
    EXPECT_EQ(w.x, 50);
    EXPECT_EQ(w.y, 100);
    EXPECT_EQ(w.placementMode, 0);
    EXPECT_EQ(w.placement, 4);
    EXPECT_EQ(w.iconSource, 1);
    EXPECT_EQ(trimmed(w.iconName), "Wnd_001");
    EXPECT_EQ(w.smallIconSource, 1);
    EXPECT_EQ(trimmed(w.smallIconName), "Wnd_001s");
    EXPECT_EQ(w.cursorSource, 2);
    EXPECT_STREQ(standardCursorList[w.cursorSource].name, "IDC_ARROW");
    EXPECT_EQ(trimmed(w.cursorName), "Wnd_001");
    EXPECT_EQ(styleWord(w.classStyles, classStyleList), 0x2u | 0x20u | 0x800u | 0x1u);
    EXPECT_EQ(styleWord(w.windowStyles, windowStyleList), 0x14C80000u);
    EXPECT_EQ(styleWord(w.extendedStyles, extendedStyleList), 0x200u | 0x20000u);
    EXPECT_EQ(styleWord(w.dialogStyles, dialogStyleList), 0x4u | 0x40u);
    EXPECT_EQ(trimmed(w.fontFace), "Arial");
    EXPECT_EQ(w.fontSize, 16);
    EXPECT_EQ(w.imageCount, 0);
    EXPECT_EQ(w.buttonCount, 1);
    EXPECT_EQ(w.staticCount, 1);
    const BackgroundImage& first = image(1, 1);
    EXPECT_EQ(first.placement, 0);
    EXPECT_EQ(first.useImageSize, 0);
    EXPECT_EQ(first.rectWidth, 150);
    EXPECT_EQ(first.rectHeight, 100);

    const ButtonControl& b = button(1, 1);
    EXPECT_EQ(trimmed(b.description), "Default window button. Purpose - start calculations...");
    EXPECT_EQ(std::string(b.text, 7), std::string("Start\0 ", 7));
    EXPECT_EQ(shown(b.text), "Start");
    EXPECT_EQ(b.windowNumber, 1);
    EXPECT_EQ(b.kind, 0);
    EXPECT_EQ(b.width, 50);
    EXPECT_EQ(b.height, 35);
    EXPECT_EQ(b.x, 10);
    EXPECT_EQ(b.y, 10);
    EXPECT_EQ(b.reserved2, 2);
    EXPECT_EQ(b.reserved3, 4);
    EXPECT_EQ(b.reservedRect[0], 10);
    EXPECT_EQ(b.reservedRect[1], 0);
    EXPECT_EQ(b.reservedRect[2], 40);
    EXPECT_EQ(b.reservedRect[3], 20);
    EXPECT_EQ(b.imageKind, 2);
    EXPECT_EQ(b.standardImage, 0);
    EXPECT_EQ(b.imageData2[22], 0);
    EXPECT_EQ(trimmed(b.imageName), "Button_001_001");
    EXPECT_EQ(trimmed(b.imageNameDown), "Button_001_001_Down");
    EXPECT_EQ(trimmed(b.imageNameDisabled), "Button_001_001_Dis");
    EXPECT_EQ(styleWord(b.windowStyles, windowStyleList), 0x50010000u);
    EXPECT_EQ(b.buttonStyles[9], 1); // BS_PUSHBUTTON, whose value adds nothing
    EXPECT_EQ(styleWord(b.buttonStyles, buttonStyleList), 0xF00u);
    EXPECT_EQ(b.font.height, -13);
    EXPECT_EQ(b.font.weight, 400);
    EXPECT_EQ(b.font.outPrecision, 3);
    EXPECT_EQ(b.font.clipPrecision, 2);
    EXPECT_EQ(b.font.quality, 1);
    EXPECT_EQ(b.font.pitchAndFamily, 0x22);
    EXPECT_STREQ(b.font.faceName, "Arial");
    EXPECT_EQ(b.font.faceName[31], 0);
    EXPECT_EQ(b.descriptionAsTooltip, 1);
    EXPECT_EQ(b.controlId, 1);
    EXPECT_EQ(b.action, 0);

    const StaticControl& s = staticControl(1, 1);
    EXPECT_EQ(trimmed(s.description), "Standard Text Static Control...");
    EXPECT_EQ(shown(s.text), "Text Static Control");
    EXPECT_EQ(s.windowNumber, 1);
    EXPECT_EQ(s.width, 190);
    EXPECT_EQ(s.height, 25);
    EXPECT_EQ(s.x, 20);
    EXPECT_EQ(s.y, 20);
    EXPECT_EQ(s.backgroundKind, 1);
    EXPECT_EQ(s.backgroundValue, 0x00FF00);
    EXPECT_EQ(s.reservedRect[2], 40);
    EXPECT_EQ(s.imageKind, 0);
    EXPECT_EQ(s.standardImage, 1);
    EXPECT_EQ(trimmed(s.imageName), "Static_001_001");
    EXPECT_EQ(styleWord(s.windowStyles, windowStyleList), 0x50000000u);
    EXPECT_EQ(styleWord(s.staticStyles, staticStyleList), 0x1u);
    EXPECT_EQ(std::memcmp(&s.font, &b.font, sizeof(LogFont)), 0);
    EXPECT_EQ(s.descriptionAsTooltip, 0);
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
