#include "model/style_lists.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/project.h"
#include "model/text_field.h"

namespace zim {
namespace {

// A style set keeps one flag per entry in the lists' order, which the project file holds, so
// the order is fixed: alphabetical, but for the button styles' types first.
TEST(StyleLists, HaveTheirAlphabeticalOrder) {
    EXPECT_EQ(buttonStyleList.count, bsCount);
    for (const ValueList* list :
         {&classStyleList, &windowStyleList, &extendedStyleList, &dialogStyleList, &staticStyleList,
          &standardIconList, &standardCursorList, &stockBrushList, &systemColourList})
        for (int k = 2; k <= list->count; ++k)
            EXPECT_LT(std::strcmp((*list)[k - 1].name, (*list)[k].name), 0) << (*list)[k].name;
    // Button styles: the types first, then the modifiers.
    EXPECT_STREQ(buttonStyleList[11].name, "BS_RADIOBUTTON");
    EXPECT_STREQ(buttonStyleList[12].name, "BS_BITMAP");
}

TEST(StyleLists, StyleWordOrsTheChosenValues) {
    int32_t set[wsCount] = {};
    EXPECT_EQ(styleWord(set, windowStyleList), 0u);
    chooseStyles(set, windowStyleList, {"WS_OVERLAPPED"});
    EXPECT_EQ(set[15], 1);
    EXPECT_EQ(styleWord(set, windowStyleList), 0u);
    chooseStyles(set, windowStyleList,
                 {"WS_CAPTION", "WS_CLIPSIBLINGS", "WS_SYSMENU", "WS_VISIBLE"});
    EXPECT_EQ(styleWord(set, windowStyleList), 0x14C80000u);
    int32_t text[ssCount] = {};
    chooseStyles(text, staticStyleList, {"SS_LEFT", "SS_NOPREFIX", "SS_SUNKEN"});
    EXPECT_EQ(styleWord(text, staticStyleList), 0x1080u);
    int32_t anyNonZero[ssCount] = {};
    anyNonZero[3] = 7; // any value other than 0 counts as chosen
    EXPECT_EQ(styleWord(anyNonZero, staticStyleList), 0x1u);
}

TEST(StyleLists, ClassBrushFollowsTheBackgroundKind) {
    ClassBrush colour = classBrush(1, 0x00FF00);
    EXPECT_EQ(colour.type, ClassBrush::solidColour);
    EXPECT_EQ(colour.value, 0x00FF00u);
    ClassBrush system = classBrush(2, 4); // COLOR_BACKGROUND is 1
    EXPECT_EQ(system.type, ClassBrush::systemColourPlusOne);
    EXPECT_EQ(system.value, 2u);
    EXPECT_EQ(classBrush(2, 5).value, 16u); // COLOR_BTNFACE + 1
    ClassBrush stock = classBrush(3, 1);
    EXPECT_EQ(stock.type, ClassBrush::stockObject);
    EXPECT_EQ(stock.value, 4u);            // BLACK_BRUSH
    EXPECT_EQ(classBrush(3, 6).value, 0u); // WHITE_BRUSH
    for (auto odd : {classBrush(0, 1), classBrush(4, 1), classBrush(2, 0), classBrush(2, 20),
                     classBrush(3, 7)}) {
        EXPECT_EQ(odd.type, ClassBrush::defaultValue);
        EXPECT_EQ(odd.value, 2u);
    }
}

TEST(TextFields, PadCutAndShowAsTheProgramDoes) {
    char field[10];
    setText(field, "abc");
    EXPECT_EQ(std::string(field, 10), "abc       ");
    setText(field, "0123456789ABC");
    EXPECT_EQ(std::string(field, 10), "0123456789");
    setCaption(field, "Start");
    EXPECT_EQ(std::string(field, 10), std::string("Start\0    ", 10));
    EXPECT_EQ(shown(field), "Start");
    EXPECT_EQ(trimmed(field), std::string("Start\0", 6));
    setCaption(field, "0123456789");
    EXPECT_EQ(std::string(field, 10), std::string("012345678\0", 10));
    char caption[260];
    setCaption(caption, std::string(259, 'x'));
    EXPECT_EQ(caption[259], '\0');
    EXPECT_EQ(shown(caption).size(), 259u);
    setText(field, "a b   ");
    EXPECT_EQ(trimmed(field), "a b");
    setText(field, "");
    EXPECT_EQ(trimmed(field), "");
}

} // namespace
} // namespace zim
