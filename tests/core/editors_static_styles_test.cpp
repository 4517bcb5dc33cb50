#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editors/controls/static_style_options.h"
#include "editors/frame/kind_selector.h"
#include "model/default_project.h"
#include "model/style_lists.h"

namespace zim {
namespace {

using Styles = std::vector<std::string>;

Styles chosenStyles(const StaticControl& control) {
    Styles names;
    for (int k = 1; k <= staticStyleList.count; ++k)
        if (control.staticStyles[k - 1])
            names.push_back(staticStyleList[k].name);
    return names;
}

void setStyles(StaticControl& control, std::initializer_list<const char*> names) {
    std::fill(std::begin(control.staticStyles), std::end(control.staticStyles), 0);
    chooseStyles(control.staticStyles, staticStyleList, names);
}

bool contains(const Styles& styles, const std::string& name) {
    return std::find(styles.begin(), styles.end(), name) != styles.end();
}

uint32_t typeBits(const StaticControl& control) {
    return styleWord(control.staticStyles, staticStyleList) & 0x1F;
}

ChoiceRadio markOf(const StaticControl& control, int id) {
    for (const ChoiceRadio& mark : staticOptionMarks(control))
        if (mark.id == id)
            return mark;
    ADD_FAILURE() << "no option " << id;
    return {};
}

// Static 1 of the default project: a text static with centred text.
class EditorsStaticStyles : public ::testing::Test {
  protected:
    void SetUp() override {
        buildDefaultProject();
        saved = staticControl(1, 1);
        copy = saved;
    }
    StaticControl saved;
    StaticControl copy;
};

TEST_F(EditorsStaticStyles, SimpleTextOnAndOffGivesBackTheSavedLayout) {
    const struct Case {
        const char* name;
        int32_t savedKind;
        std::initializer_list<const char*> saved, copy;
        Styles whileSimple, afterwards;
    } cases[] = {
        {"the saved alignment, not the one chosen since",
         0,
         {"SS_CENTER"},
         {"SS_RIGHT", "SS_ENDELLIPSIS", "SS_NOTIFY"},
         {"SS_NOTIFY", "SS_SIMPLE"},
         {"SS_CENTER", "SS_NOTIFY"}},
        {"every layout entry of the saved record",
         0,
         {"SS_RIGHT", "SS_WORDELLIPSIS"},
         {"SS_RIGHT", "SS_WORDELLIPSIS", "SS_SUNKEN"},
         {"SS_SIMPLE", "SS_SUNKEN"},
         {"SS_RIGHT", "SS_SUNKEN", "SS_WORDELLIPSIS"}},
        {"a saved simple static comes back centred",
         0,
         {"SS_SIMPLE"},
         {},
         {"SS_SIMPLE"},
         {"SS_CENTER"}},
        {"a static that was saved as a frame comes back centred",
         1,
         {"SS_ETCHEDFRAME"},
         {"SS_CENTER"},
         {"SS_SIMPLE"},
         {"SS_CENTER"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        saved.kind = c.savedKind;
        setStyles(saved, c.saved);
        setStyles(copy, c.copy);
        if (c.savedKind == 0 && contains(chosenStyles(saved), "SS_SIMPLE")) {
            copy = saved; // open the simple static as saved, then switch Simple off
        } else {
            ASSERT_TRUE(pressStaticOption(copy, saved, 153));
            EXPECT_EQ(chosenStyles(copy), c.whileSimple);
        }
        // While simple, the seven layout options are unchecked, disabled and refuse clicks.
        for (int id : {148, 149, 150, 151, 152, 157, 158}) {
            EXPECT_FALSE(markOf(copy, id).enabled) << id;
            EXPECT_FALSE(markOf(copy, id).checked) << id;
            EXPECT_FALSE(pressStaticOption(copy, saved, id)) << id;
        }
        EXPECT_TRUE(markOf(copy, 153).checked);
        EXPECT_TRUE(markOf(copy, 154).enabled);

        ASSERT_TRUE(pressStaticOption(copy, saved, 153));
        EXPECT_EQ(chosenStyles(copy), c.afterwards);
        for (int id : {148, 149, 150, 151, 152, 157, 158})
            EXPECT_TRUE(markOf(copy, id).enabled) << id;
    }
}

TEST_F(EditorsStaticStyles, TextLayoutIsAlwaysOneTypeOfTheStyleWord) {
    // SS_CENTER with SS_LEFTNOWORDWRAP would OR into SS_OWNERDRAW, SS_RIGHT with it into
    // SS_BITMAP, SS_CENTER with SS_RIGHT into SS_ICON; the ellipses share two bits the same way.
    const struct Case {
        std::initializer_list<const char*> before;
        int option;
        bool changed;
        Styles after;
    } cases[] = {
        {{"SS_CENTER"}, 150, true, {"SS_RIGHT"}},
        {{"SS_CENTER"}, 149, false, {"SS_CENTER"}},
        {{"SS_LEFT", "SS_CENTER"}, 150, true, {"SS_RIGHT"}},
        {{"SS_LEFTNOWORDWRAP", "SS_NOTIFY"}, 149, true, {"SS_CENTER", "SS_NOTIFY"}},
        {{"SS_CENTER"}, 151, true, {"SS_LEFTNOWORDWRAP"}},
        {{"SS_RIGHT", "SS_ENDELLIPSIS"}, 151, true, {"SS_ENDELLIPSIS", "SS_LEFTNOWORDWRAP"}},
        {{"SS_LEFTNOWORDWRAP"}, 151, true, {"SS_LEFT"}},
        {{"SS_CENTER"}, 152, true, {"SS_CENTER", "SS_ENDELLIPSIS"}},
        {{"SS_CENTER", "SS_ENDELLIPSIS"}, 157, true, {"SS_CENTER", "SS_PATHELLIPSIS"}},
        {{"SS_CENTER", "SS_PATHELLIPSIS", "SS_ENDELLIPSIS"},
         158,
         true,
         {"SS_CENTER", "SS_WORDELLIPSIS"}},
        {{"SS_CENTER", "SS_WORDELLIPSIS"}, 158, true, {"SS_CENTER"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        setStyles(copy, c.before);
        EXPECT_EQ(pressStaticOption(copy, saved, c.option), c.changed);
        EXPECT_EQ(chosenStyles(copy), c.after);
        const auto options = staticStyleOptions(0);
        const auto marks = staticOptionMarks(copy);
        ASSERT_EQ(marks.size(), options.size());
        for (std::size_t i = 0; i < marks.size(); ++i) {
            if (options[i].set == StyleSet::own) {
                EXPECT_EQ(marks[i].checked, contains(c.after, options[i].style)) << marks[i].id;
            }
        }
        EXPECT_TRUE(typeBits(copy) == 0x0 || typeBits(copy) == 0x1 || typeBits(copy) == 0x2 ||
                    typeBits(copy) == 0xC)
            << typeBits(copy);
    }
}

TEST_F(EditorsStaticStyles, TogglesFlipTheirBitInTheirOwnStyleWord) {
    // The Win32 values each option adds to the static, window or extended style word.
    const struct Case {
        int32_t kind;
        int option;
        uint32_t own, window, extended;
    } cases[] = {
        {0, 154, 0x100, 0, 0},      {0, 155, 0x80, 0, 0},       {0, 156, 0x1000, 0, 0},
        {0, 113, 0, 0x00800000, 0}, {0, 114, 0, 0x08000000, 0}, {0, 115, 0, 0x00400000, 0},
        {0, 118, 0, 0x10000000, 0}, {0, 119, 0, 0, 0x200},      {0, 120, 0, 0, 0x20000},
        {0, 121, 0, 0, 0x1},        {2, 170, 0x200, 0, 0},      {2, 171, 0x40, 0, 0},
        {2, 172, 0x800, 0, 0},      {2, 173, 0x400, 0, 0},      {2, 154, 0x100, 0, 0},
        {2, 156, 0x1000, 0, 0},     {2, 121, 0, 0, 0x1},        {1, 114, 0, 0x08000000, 0},
        {1, 119, 0, 0, 0x200},
    };
    auto words = [this] {
        return std::vector<uint32_t>{styleWord(copy.staticStyles, staticStyleList),
                                     styleWord(copy.windowStyles, windowStyleList),
                                     styleWord(copy.extendedStyles, extendedStyleList)};
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + "/" + std::to_string(c.option));
        copy = saved;
        chooseStaticKind(copy, c.kind);
        for (int round = 0; round < 2; ++round) {
            const std::vector<uint32_t> before = words();
            const bool wasChecked = markOf(copy, c.option).checked;
            EXPECT_TRUE(pressStaticOption(copy, saved, c.option));
            const std::vector<uint32_t> after = words();
            EXPECT_EQ(before[0] ^ after[0], c.own);
            EXPECT_EQ(before[1] ^ after[1], c.window);
            EXPECT_EQ(before[2] ^ after[2], c.extended);
            EXPECT_NE(markOf(copy, c.option).checked, wasChecked);
        }
    }
}

TEST_F(EditorsStaticStyles, EachKindOffersItsOwnOptions) {
    auto idsOf = [](int32_t kind) {
        std::vector<int> ids;
        for (const StaticStyleOption& option : staticStyleOptions(kind))
            ids.push_back(option.id);
        return ids;
    };
    EXPECT_EQ(idsOf(0), (std::vector<int>{153, 154, 155, 156, 148, 149, 150, 151, 152, 157, 158,
                                          113, 114, 115, 118, 119, 120, 121}));
    EXPECT_EQ(idsOf(1), (std::vector<int>{113, 114, 115, 118, 119, 120, 121}));
    EXPECT_EQ(idsOf(2),
              (std::vector<int>{170, 171, 172, 173, 154, 156, 113, 114, 115, 118, 119, 120, 121}));
    EXPECT_TRUE(idsOf(3).empty());
    EXPECT_STREQ(staticStyleOptions(0)[7].text, " Left-aligned and non-wrapped text ");
    EXPECT_STREQ(staticStyleOptions(2)[2].text, " Control will be resized to fit the image");
    EXPECT_STREQ(staticStyleOptions(1)[3].text, " Control that is initially visible. ");

    // An option of another kind's page changes nothing.
    EXPECT_FALSE(pressStaticOption(copy, saved, 170));
    EXPECT_EQ(chosenStyles(copy), (Styles{"SS_CENTER"}));
    chooseStaticKind(copy, 2);
    const StaticControl image = copy;
    for (int id : {153, 149, 151, 116})
        EXPECT_FALSE(pressStaticOption(copy, saved, id)) << id;
    EXPECT_EQ(chosenStyles(copy), chosenStyles(image));
}

} // namespace
} // namespace zim
