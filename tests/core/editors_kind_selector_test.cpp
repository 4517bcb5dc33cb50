#include "editors/frame/kind_selector.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/default_project.h"
#include "model/style_lists.h"

namespace zim {
namespace {

// BS list entries, 0-based.
constexpr int bsBitmap = 11;
constexpr int bsIcon = 14;

std::vector<std::string> chosenStyles(const int32_t* set, const ValueList& list) {
    std::vector<std::string> names;
    for (int k = 1; k <= list.count; ++k)
        if (set[k - 1])
            names.push_back(list[k].name);
    return names;
}

class EditorsKindSelector : public ::testing::Test {
  protected:
    void SetUp() override {
        buildDefaultProject();
        saved = button(1, 1);
        copy = saved;
    }
    ButtonControl saved;
    ButtonControl copy;
};

TEST_F(EditorsKindSelector, ButtonKindsSetTheImageTypeOfTheWorkingCopy) {
    const struct Case {
        const char* name;
        int32_t copyKind, copyBitmap, copyIcon;
        int32_t savedKind, savedBitmap, savedIcon;
        int radio;
        bool changed;
        int32_t kind, bitmap, icon;
    } cases[] = {
        {"classic to image button", 0, 0, 0, 0, 0, 0, 126, true, 1, 1, 0},
        {"stray icon flag of a classic", 0, 0, 1, 0, 0, 1, 126, true, 1, 1, 0},
        {"saved icon button keeps its type", 0, 0, 0, 1, 0, 1, 126, true, 1, 0, 1},
        {"image button to classic", 1, 1, 0, 1, 1, 0, 80, true, 0, 0, 0},
        {"kind 2 may become an image button", 2, 0, 0, 2, 0, 0, 126, true, 1, 1, 0},
        {"current kind", 1, 0, 1, 0, 0, 0, 126, false, 1, 0, 1},
        {"drawn by ZIM cannot be chosen", 0, 0, 0, 0, 0, 0, 127, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        copy.kind = c.copyKind;
        copy.buttonStyles[bsBitmap] = c.copyBitmap;
        copy.buttonStyles[bsIcon] = c.copyIcon;
        saved.kind = c.savedKind;
        saved.buttonStyles[bsBitmap] = c.savedBitmap;
        saved.buttonStyles[bsIcon] = c.savedIcon;
        const ButtonControl savedBefore = saved;

        EXPECT_EQ(chooseButtonKind(copy, saved, buttonKindOfRadio(c.radio)), c.changed);
        EXPECT_EQ(copy.kind, c.kind);
        EXPECT_EQ(copy.buttonStyles[bsBitmap], c.bitmap);
        EXPECT_EQ(copy.buttonStyles[bsIcon], c.icon);
        EXPECT_EQ(std::memcmp(&saved, &savedBefore, sizeof saved), 0);
    }
}

TEST_F(EditorsKindSelector, ImageButtonAndBackToClassicLeavesOnlyTheOtherStyles) {
    copy.buttonStyles[bsIcon] = 1;
    ASSERT_TRUE(chooseButtonKind(copy, saved, 1));
    ASSERT_TRUE(chooseButtonKind(copy, saved, 0));
    EXPECT_EQ(chosenStyles(copy.buttonStyles, buttonStyleList),
              (std::vector<std::string>{"BS_PUSHBUTTON", "BS_CENTER", "BS_VCENTER"}));
}

TEST_F(EditorsKindSelector, StaticKindsStartFromTheirOwnStyleSet) {
    const struct Case {
        int radio;
        const char* style;
        int32_t imageKind, standardImage;
    } cases[] = {
        {139, "SS_ETCHEDFRAME", 0, 5},
        {140, "SS_BITMAP", 2, 1},
        {138, "SS_CENTER", 0, 1},
    };
    StaticControl copy = staticControl(1, 1);
    copy.customColours = 1;
    copy.textColour = 0x123456;
    copy.standardImage = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        // Styles of the kind left behind must not survive the change.
        for (int32_t& entry : copy.staticStyles)
            entry = 1;
        ASSERT_TRUE(chooseStaticKind(copy, staticKindOfRadio(c.radio)));
        EXPECT_EQ(copy.kind, staticKindOfRadio(c.radio));
        EXPECT_EQ(chosenStyles(copy.staticStyles, staticStyleList),
                  std::vector<std::string>{c.style});
        EXPECT_EQ(copy.imageKind, c.imageKind);
        EXPECT_EQ(copy.standardImage, c.standardImage);
        EXPECT_EQ(copy.customColours, 0);
        EXPECT_EQ(copy.textColour, 0x123456) << "the colours themselves stay";
    }
    // Text statics keep their colour scheme; the current kind and kind 3 change nothing.
    copy.customColours = 1;
    const StaticControl before = copy;
    EXPECT_FALSE(chooseStaticKind(copy, staticKindOfRadio(138)));
    EXPECT_FALSE(chooseStaticKind(copy, staticKindOfRadio(141)));
    EXPECT_FALSE(chooseStaticKind(copy, 3));
    EXPECT_EQ(std::memcmp(&copy, &before, sizeof copy), 0);
}

TEST(EditorsKindRadios, OwnerDrawnKindsCheckTheirOwnRadioOrNone) {
    // A button of kind 2 or 3 shows as an image button; a static of kind 3 checks nothing.
    EXPECT_TRUE(buttonKindRadios(2)[1].checked);
    EXPECT_TRUE(buttonKindRadios(3)[1].checked);
    EXPECT_TRUE(staticKindRadios(2)[2].checked);
    for (const auto& radio : staticKindRadios(3))
        EXPECT_FALSE(radio.checked) << radio.id;
    EXPECT_FALSE(buttonKindRadios(0)[2].enabled);
    EXPECT_FALSE(staticKindRadios(0)[3].enabled);
}

} // namespace
} // namespace zim
