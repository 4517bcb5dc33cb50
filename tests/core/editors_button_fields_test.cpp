#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "editors/controls/control_field_rules.h"
#include "editors/controls/control_font_rules.h"
#include "editors/controls/control_preview_rules.h"
#include "editors/controls/control_text_rules.h"
#include "model/default_project.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace zim {
namespace {

TEST(EditorsButtonFields, PositionAndSizeStoreTheirDefaultsForBadText) {
    const struct Case {
        int edit;
        const char* text;
        int32_t button, staticControl;
    } cases[] = {
        {98, "", 5, 5},
        {98, "-3", 5, 5},
        {98, "0", 0, 0},
        {99, " 12 ", 12, 12},
        {100, "0", 0, 30},
        {100, "7x", 50, 30},
        {100, "2147483647", 2147483647, 2147483647},
        {100, "2147483648", 50, 30},
        {101, "1.5", 30, 10},
    };
    buildDefaultProject();
    ButtonControl buttonCopy = button(1, 1);
    StaticControl staticCopy = staticControl(1, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.edit) + " \"" + c.text + "\"");
        ASSERT_TRUE(storeButtonField(buttonCopy, c.edit, c.text));
        ASSERT_TRUE(storeStaticField(staticCopy, c.edit, c.text));
        const ControlField field = *controlFieldOfEdit(c.edit);
        EXPECT_EQ(fieldOf(buttonCopy, field), c.button);
        EXPECT_EQ(fieldOf(staticCopy, field), c.staticControl);
    }
    // Each edit writes its own field only.
    storeButtonField(buttonCopy, 98, "1");
    storeButtonField(buttonCopy, 99, "2");
    storeButtonField(buttonCopy, 100, "3");
    storeButtonField(buttonCopy, 101, "4");
    EXPECT_EQ(
        (std::vector<int32_t>{buttonCopy.x, buttonCopy.y, buttonCopy.width, buttonCopy.height}),
        (std::vector<int32_t>{1, 2, 3, 4}));
    const ButtonControl before = buttonCopy;
    EXPECT_FALSE(storeButtonField(buttonCopy, 97, "9"));
    EXPECT_EQ(std::memcmp(&buttonCopy, &before, sizeof before), 0);
}

TEST(EditorsButtonFields, CaptionAndDescriptionKeepRoomForTheirEnd) {
    char field[260];
    storeCaption(field, std::string(300, 'c'));
    EXPECT_EQ(shown(field), std::string(259, 'c'));
    storeDescription(field, std::string(300, 'd'));
    EXPECT_EQ(shown(field), std::string(250, 'd'));
    storeDescription(field, "Short");
    EXPECT_EQ(std::string(field, 6), std::string("Short\0", 6));
    EXPECT_EQ(field[259], ' ') << "the rest of the field is blank";
}

TEST(EditorsButtonFields, TheFontFaceShowsOnlyForACustomFont) {
    LogFont font{};
    setText(font.faceName, "Arial");
    font.faceName[5] = '\0';
    int32_t mode = 0;
    EXPECT_EQ(fontControls(mode, font).faceName, "");
    EXPECT_TRUE(chooseFontMode(mode, 93));
    EXPECT_EQ(mode, 1);
    EXPECT_EQ(fontControls(mode, font).faceName, "Arial");
    EXPECT_FALSE(chooseFontMode(mode, 94));
}

TEST(EditorsButtonPreview, StylesPlaceAndCheckFollowTheWorkingCopy) {
    buildDefaultProject();
    ButtonControl copy = button(1, 1);
    PreviewStyles styles = buttonPreviewStyles(copy);
    EXPECT_EQ(styles.style, 0x50010F00u) << "child, visible, tab stop, centred both ways";
    EXPECT_EQ(styles.extendedStyle, 0u);
    chooseStyles(copy.extendedStyles, extendedStyleList, {"WS_EX_CLIENTEDGE"});
    EXPECT_EQ(buttonPreviewStyles(copy).extendedStyle, 0x200u);

    const PreviewPlace push = classicPreviewPlace(copy, 300, 105);
    EXPECT_EQ((std::vector<int>{push.x, push.y, push.width, push.height}),
              (std::vector<int>{10, 37, 280, 30}));
    EXPECT_EQ(previewCheckState(copy), -1);

    std::fill(std::begin(copy.buttonStyles), std::end(copy.buttonStyles), 0);
    chooseStyles(copy.buttonStyles, buttonStyleList, {"BS_GROUPBOX"});
    const PreviewPlace group = classicPreviewPlace(copy, 300, 105);
    EXPECT_EQ((std::vector<int>{group.x, group.y, group.width, group.height}),
              (std::vector<int>{5, 5, 290, 95}));

    std::fill(std::begin(copy.buttonStyles), std::end(copy.buttonStyles), 0);
    chooseStyles(copy.buttonStyles, buttonStyleList, {"BS_AUTO3STATE"});
    for (int32_t state : {0, 1, 2, 7}) {
        copy.checkState = state;
        EXPECT_EQ(previewCheckState(copy), state == 7 ? 0 : state);
    }

    const PreviewPlace centred = centredPreviewPlace(50, 30, 300, 171);
    EXPECT_EQ((std::vector<int>{centred.x, centred.y}), (std::vector<int>{125, 70}));
    const PreviewPlace tooLarge = centredPreviewPlace(400, 200, 300, 171);
    EXPECT_EQ((std::vector<int>{tooLarge.x, tooLarge.y, tooLarge.width, tooLarge.height}),
              (std::vector<int>{0, 0, 400, 200}));
}

} // namespace
} // namespace zim
