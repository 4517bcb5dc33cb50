#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "editors/controls/static_style_options.h"
#include "editors/frame/kind_selector.h"
#include "model/default_project.h"
#include "model/style_lists.h"

namespace zim {
namespace {

// The static style entries that are set, by name in list order, separated by blanks.
std::string styles(const StaticControl& control) {
    std::string names;
    for (int k = 1; k <= staticStyleList.count; ++k)
        if (control.staticStyles[k - 1])
            names += (names.empty() ? "" : " ") + std::string(staticStyleList[k].name);
    return names;
}

void setStyles(StaticControl& control, const std::string& names) {
    std::fill(std::begin(control.staticStyles), std::end(control.staticStyles), 0);
    std::istringstream words(names);
    for (std::string name; words >> name;)
        staticStyle(control, name) = 1;
}

ChoiceRadio markOf(const StaticControl& control, int id) {
    for (const ChoiceRadio& mark : staticOptionMarks(control))
        if (mark.id == id)
            return mark;
    ADD_FAILURE() << "no option " << id;
    return {};
}

constexpr int layoutOptions[] = {148, 149, 150, 151, 152, 157, 158};

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
        const char *saved, *copy, *whileSimple, *afterwards;
    } cases[] = {
        {"the saved alignment, not the one chosen since", 0, "SS_CENTER",
         "SS_ENDELLIPSIS SS_NOTIFY SS_RIGHT", "SS_NOTIFY SS_SIMPLE", "SS_CENTER SS_NOTIFY"},
        {"every layout entry of the saved record", 0, "SS_RIGHT SS_WORDELLIPSIS",
         "SS_RIGHT SS_SUNKEN", "SS_SIMPLE SS_SUNKEN", "SS_RIGHT SS_SUNKEN SS_WORDELLIPSIS"},
        {"a saved simple static comes back centred", 0, "SS_SIMPLE", "SS_SIMPLE", "SS_SIMPLE",
         "SS_CENTER"},
        {"a static saved as a frame comes back centred", 1, "SS_ETCHEDFRAME", "SS_CENTER",
         "SS_SIMPLE", "SS_CENTER"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        saved.kind = c.savedKind;
        setStyles(saved, c.saved);
        setStyles(copy, c.copy);
        if (!markOf(copy, 153).checked) {
            ASSERT_TRUE(pressStaticOption(copy, saved, 153));
        }
        EXPECT_EQ(styles(copy), c.whileSimple);
        // While simple, the seven layout options are unchecked, disabled and refuse clicks.
        for (int id : layoutOptions) {
            EXPECT_FALSE(markOf(copy, id).enabled || markOf(copy, id).checked) << id;
            EXPECT_FALSE(pressStaticOption(copy, saved, id)) << id;
        }
        EXPECT_TRUE(markOf(copy, 154).enabled);

        ASSERT_TRUE(pressStaticOption(copy, saved, 153));
        EXPECT_EQ(styles(copy), c.afterwards);
        for (int id : layoutOptions)
            EXPECT_TRUE(markOf(copy, id).enabled) << id;
    }
}

TEST_F(EditorsStaticStyles, TextLayoutIsAlwaysOneTypeOfTheStyleWord) {
    // SS_CENTER with SS_LEFTNOWORDWRAP would OR into SS_OWNERDRAW, SS_RIGHT with it into
    // SS_BITMAP, SS_CENTER with SS_RIGHT into SS_ICON; the ellipses share two bits the same way.
    const struct Case {
        const char* before;
        int option;
        const char* after;
    } cases[] = {
        {"SS_CENTER", 149, "SS_CENTER"},
        {"SS_CENTER SS_LEFT", 150, "SS_RIGHT"},
        {"SS_LEFTNOWORDWRAP SS_NOTIFY", 149, "SS_CENTER SS_NOTIFY"},
        {"SS_ENDELLIPSIS SS_RIGHT", 151, "SS_ENDELLIPSIS SS_LEFTNOWORDWRAP"},
        {"SS_LEFTNOWORDWRAP", 151, "SS_LEFT"},
        {"SS_CENTER", 152, "SS_CENTER SS_ENDELLIPSIS"},
        {"SS_CENTER SS_ENDELLIPSIS", 157, "SS_CENTER SS_PATHELLIPSIS"},
        {"SS_CENTER SS_ENDELLIPSIS SS_PATHELLIPSIS", 158, "SS_CENTER SS_WORDELLIPSIS"},
        {"SS_CENTER SS_WORDELLIPSIS", 158, "SS_CENTER"},
    };
    const auto options = staticStyleOptions(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " " + std::to_string(c.option));
        setStyles(copy, c.before);
        const bool changed = pressStaticOption(copy, saved, c.option);
        EXPECT_EQ(changed, styles(copy) != c.before);
        EXPECT_EQ(styles(copy), c.after);
        const auto marks = staticOptionMarks(copy);
        for (std::size_t i = 0; i < marks.size(); ++i) {
            if (options[i].set == StyleSet::own) {
                EXPECT_EQ(marks[i].checked, hasStaticStyle(copy, options[i].style)) << marks[i].id;
            }
        }
    }
}

TEST_F(EditorsStaticStyles, TogglesFlipTheirBitInTheirOwnStyleWord) {
    // One option of each style word on each kind's page.
    const struct Case {
        int32_t kind;
        int option;
        uint32_t own, window, extended;
    } cases[] = {
        {0, 154, 0x100, 0, 0},
        {0, 113, 0, 0x00800000, 0},
        {2, 173, 0x400, 0, 0},
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

TEST_F(EditorsStaticStyles, AnOptionOfAnotherKindsPageChangesNothing) {
    EXPECT_FALSE(pressStaticOption(copy, saved, 170));
    EXPECT_EQ(styles(copy), "SS_CENTER");
    chooseStaticKind(copy, 2);
    for (int id : {153, 149, 151, 116})
        EXPECT_FALSE(pressStaticOption(copy, saved, id)) << id;
    EXPECT_EQ(styles(copy), "SS_BITMAP");
}

} // namespace
} // namespace zim
