#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "editors/controls/button_option_rules.h"
#include "model/default_project.h"
#include "model/style_help.h"
#include "model/style_lists.h"

namespace zim {
namespace {

bool sameRecord(const ButtonControl& a, const ButtonControl& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class EditorsOptionRules : public ::testing::Test {
  protected:
    void SetUp() override {
        buildDefaultProject();
        copy = button(1, 1);
    }
    ButtonControl copy;
};

// Each window and extended style option, for both kinds of button page, flips its own constant
// and nothing else, shows that flag as its mark and explains that constant.
TEST_F(EditorsOptionRules, StyleSetTogglesFlipOnlyTheirOwnConstant) {
    struct Option {
        int id;
        StyleSet set;
        const char* style;
    };
    const std::vector<Option> options = {{113, StyleSet::window, "WS_BORDER"},
                                         {114, StyleSet::window, "WS_DISABLED"},
                                         {115, StyleSet::window, "WS_DLGFRAME"},
                                         {116, StyleSet::window, "WS_GROUP"},
                                         {117, StyleSet::window, "WS_TABSTOP"},
                                         {118, StyleSet::window, "WS_VISIBLE"},
                                         {119, StyleSet::extended, "WS_EX_CLIENTEDGE"},
                                         {120, StyleSet::extended, "WS_EX_STATICEDGE"},
                                         {121, StyleSet::extended, "WS_EX_DLGMODALFRAME"}};
    for (int32_t kind : {0, 1}) {
        copy.kind = kind;
        auto window = buttonStyleSetToggles(copy, StyleSet::window, {113, 114, 115, 116, 117, 118});
        auto extended = buttonStyleSetToggles(copy, StyleSet::extended, {119, 120, 121});
        ASSERT_EQ(window->marks().size(), 6u) << kind;
        ASSERT_EQ(extended->marks().size(), 3u) << kind;
        for (std::size_t k = 0; k < options.size(); ++k) {
            const Option& option = options[k];
            const bool inWindowSet = option.set == StyleSet::window;
            OptionRules& rules = inWindowSet ? *window : *extended;
            const std::size_t position = inWindowSet ? k : k - 6;
            const int entry =
                styleEntry(inWindowSet ? windowStyleList : extendedStyleList, option.style) - 1;
            ButtonControl expected = copy;
            int32_t& flag = (inWindowSet ? expected.windowStyles : expected.extendedStyles)[entry];
            flag = flag ? 0 : 1;
            EXPECT_TRUE(rules.press(option.id).changed) << option.style;
            EXPECT_TRUE(sameRecord(copy, expected)) << option.style;
            EXPECT_EQ(rules.marks()[position].checked, flag != 0) << option.style;
            EXPECT_STREQ(rules.marks()[position].help, styleHelp(option.style)) << option.style;
        }
        EXPECT_FALSE(window->press(119).changed) << "an option of the other set";
    }
}

// A refused or repeated button style option reports no change; a real one does.
TEST_F(EditorsOptionRules, ButtonStyleRulesReportOnlyRealChanges) {
    auto rules = buttonStyleRules(copy, {102, 103, 104, 108});
    const ButtonControl before = copy;
    const OptionPress refused = rules->press(108);
    EXPECT_FALSE(refused.changed);
    EXPECT_TRUE(refused.message.has_value());
    EXPECT_FALSE(rules->press(103).changed) << "centred already";
    EXPECT_FALSE(rules->press(109).changed) << "not one of the group's options";
    EXPECT_TRUE(sameRecord(copy, before));
    EXPECT_TRUE(rules->press(102).changed);
    EXPECT_FALSE(rules->marks()[1].checked);
    EXPECT_TRUE(rules->marks()[0].checked);
}

} // namespace
} // namespace zim
