#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "editors/controls/button_state_rules.h"
#include "editors/controls/button_style_options.h"
#include "editors/controls/button_type_rules.h"
#include "model/default_project.h"
#include "model/style_lists.h"

namespace zim {
namespace {

std::vector<std::string> chosenStyles(const int32_t* set, const ValueList& list) {
    std::vector<std::string> names;
    for (int k = 1; k <= list.count; ++k)
        if (set[k - 1])
            names.push_back(list[k].name);
    return names;
}

bool sameRecord(const ButtonControl& a, const ButtonControl& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The default button of the default project: a push button, centred both ways.
class EditorsButtonStyles : public ::testing::Test {
  protected:
    void SetUp() override {
        buildDefaultProject();
        copy = button(1, 1);
    }
    std::vector<std::string> buttonStyles() const {
        return chosenStyles(copy.buttonStyles, buttonStyleList);
    }
    void setStyles(std::initializer_list<const char*> names) {
        std::fill(std::begin(copy.buttonStyles), std::end(copy.buttonStyles), 0);
        chooseStyles(copy.buttonStyles, buttonStyleList, names);
    }
    ButtonControl copy;
};

using Styles = std::vector<std::string>;

TEST_F(EditorsButtonStyles, ATypeRadioLeavesOneTypeAndDropsWhatOnlyCheckBoxesUse) {
    const struct Case {
        const char* name;
        std::initializer_list<const char*> before;
        int radio;
        Styles after;
    } cases[] = {
        {"group box after an automatic checkbox",
         {"BS_AUTOCHECKBOX", "BS_LEFTTEXT", "BS_PUSHLIKE", "BS_CENTER"},
         89,
         {"BS_GROUPBOX", "BS_CENTER"}},
        {"radio button after an automatic checkbox",
         {"BS_AUTOCHECKBOX", "BS_LEFTTEXT", "BS_PUSHLIKE"},
         87,
         {"BS_LEFTTEXT", "BS_RADIOBUTTON", "BS_PUSHLIKE"}},
        {"a stray owner-draw entry shares the type bits",
         {"BS_OWNERDRAW", "BS_CHECKBOX"},
         88,
         {"BS_AUTORADIOBUTTON"}},
        {"no type entry at all", {"BS_TOP"}, 81, {"BS_PUSHBUTTON", "BS_TOP"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setStyles(c.before);
        EXPECT_TRUE(chooseButtonType(copy, c.radio));
        EXPECT_EQ(buttonStyles(), c.after);
        for (const ChoiceRadio& radio : buttonTypeRadios(copy))
            EXPECT_EQ(radio.checked, radio.id == c.radio) << radio.text;
    }
    // The type already chosen alone, and ids that are no type radios, change nothing.
    setStyles({"BS_AUTOCHECKBOX", "BS_LEFTTEXT"});
    const ButtonControl before = copy;
    for (int id : {84, 80, 90, 102})
        EXPECT_FALSE(chooseButtonType(copy, id)) << id;
    EXPECT_TRUE(sameRecord(copy, before));
}

TEST_F(EditorsButtonStyles, AlignmentOptionsKeepOneOfThreeInEachDirection) {
    const struct Case {
        std::initializer_list<const char*> before;
        int option;
        Styles after;
    } cases[] = {
        {{"BS_PUSHBUTTON", "BS_CENTER", "BS_VCENTER"},
         102,
         {"BS_PUSHBUTTON", "BS_LEFT", "BS_VCENTER"}},
        {{"BS_PUSHBUTTON", "BS_BOTTOM", "BS_CENTER"},
         106,
         {"BS_PUSHBUTTON", "BS_CENTER", "BS_VCENTER"}},
        // Clicking the option that is set keeps it set.
        {{"BS_PUSHBUTTON", "BS_CENTER"}, 103, {"BS_PUSHBUTTON", "BS_CENTER"}},
        // A record holding two of a group is left with the one clicked.
        {{"BS_LEFT", "BS_CENTER", "BS_TOP", "BS_BOTTOM"},
         103,
         {"BS_BOTTOM", "BS_CENTER", "BS_TOP"}},
    };
    for (const Case& c : cases) {
        setStyles(c.before);
        EXPECT_EQ(pressButtonOption(copy, c.option), std::nullopt);
        EXPECT_EQ(buttonStyles(), c.after) << "option " << c.option;
        EXPECT_TRUE(buttonOptionChecked(copy, c.option));
    }
}

TEST_F(EditorsButtonStyles, CheckBoxOnlyOptionsAreRefusedOnPushButtonsAndGroupBoxes) {
    for (int type = 81; type <= 89; ++type) {
        SCOPED_TRACE(type);
        setStyles({});
        chooseButtonType(copy, type);
        const bool refused = type == 81 || type == 82 || type == 89;
        for (int option : {108, 111}) {
            const ButtonControl before = copy;
            const auto message = pressButtonOption(copy, option);
            if (refused) {
                ASSERT_TRUE(message.has_value());
                EXPECT_TRUE(sameRecord(copy, before));
            } else {
                EXPECT_EQ(message, std::nullopt);
                EXPECT_TRUE(buttonOptionChecked(copy, option));
                pressButtonOption(copy, option);
                EXPECT_TRUE(sameRecord(copy, before)) << "a second click clears it again";
            }
        }
    }
}

TEST_F(EditorsButtonStyles, ImageButtonsOfferNoWrapping) {
    copy.kind = 1;
    const ButtonControl before = copy;
    EXPECT_EQ(pressButtonOption(copy, 110), std::nullopt);
    EXPECT_TRUE(sameRecord(copy, before)) << "BS_MULTILINE is not offered on image buttons";
    copy.kind = 3;
    pressButtonOption(copy, 109);
    EXPECT_FALSE(buttonOptionChecked(copy, 109)) << "kinds without pages have no options";
}

TEST_F(EditorsButtonStyles, InitialStateRadiosFollowTheTypeAndKeepTheState) {
    copy.checkState = 2;
    for (int type = 81; type <= 89; ++type) {
        chooseButtonType(copy, type);
        const bool threeState = type == 85 || type == 86;
        const auto radios = initialStateRadios(copy);
        for (const ChoiceRadio& radio : radios) {
            EXPECT_EQ(radio.enabled, threeState) << type;
            EXPECT_EQ(radio.checked, threeState && radio.id == 137) << type;
        }
        EXPECT_EQ(copy.checkState, 2) << "a change of type keeps the state";
        if (!threeState) {
            EXPECT_FALSE(chooseInitialState(copy, 135));
        }
    }
    chooseButtonType(copy, 85);
    EXPECT_TRUE(chooseInitialState(copy, 135));
    EXPECT_EQ(copy.checkState, 1);
    EXPECT_TRUE(chooseInitialState(copy, 136));
    EXPECT_EQ(copy.checkState, 0);
    EXPECT_FALSE(chooseInitialState(copy, 136));
    EXPECT_FALSE(chooseInitialState(copy, 122));
}

TEST_F(EditorsButtonStyles, ActionRadiosNeverChooseANewWindow) {
    copy.action = 3;
    auto radios = actionRadios(copy);
    EXPECT_TRUE(radios[3].checked) << "a stored action 3 shows";
    EXPECT_FALSE(radios[3].enabled);
    EXPECT_TRUE(chooseAction(copy, 123));
    EXPECT_EQ(copy.action, 1);
    EXPECT_FALSE(chooseAction(copy, 125)) << "and cannot be chosen again";
    EXPECT_FALSE(chooseAction(copy, 123));
    EXPECT_EQ(copy.action, 1);
    EXPECT_TRUE(chooseAction(copy, 124));
    EXPECT_EQ(copy.action, 2);
}

} // namespace
} // namespace zim
