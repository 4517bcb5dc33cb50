#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editors/controls/static_colour_selection.h"
#include "editors/controls/static_text_attributes.h"
#include "live/static_text_colours.h"
#include "model/default_project.h"

namespace zim {
namespace {

StaticControl customTextStatic() {
    buildDefaultProject();
    StaticControl copy = staticControl(1, 1);
    copy.customColours = 1;
    copy.textColour = 0x000080;
    copy.backgroundKind = 2;
    copy.backgroundValue = 5;
    copy.opaque = 1;
    return copy;
}

TEST(EditorsStaticText, WindowsDefaultKeepsTheSchemeForLater) {
    StaticControl copy = customTextStatic();
    const StaticControl custom = copy;
    EXPECT_TRUE(chooseTextAttribute(copy, 143));
    EXPECT_EQ(copy.customColours, 0);
    copy.customColours = 1;
    EXPECT_EQ(std::memcmp(&copy, &custom, sizeof copy), 0) << "nothing else changed";
    copy.customColours = 0;
    const TextAttributeControls controls = textAttributeControls(copy);
    EXPECT_FALSE(controls.colourButtonsEnabled);
    for (const ChoiceRadio& radio : controls.drawing)
        EXPECT_FALSE(radio.checked || radio.enabled) << radio.text;
    EXPECT_FALSE(chooseTextAttribute(copy, 146)) << "disabled with the Windows default";
    EXPECT_EQ(copy.opaque, 1);

    EXPECT_TRUE(chooseTextAttribute(copy, 142));
    EXPECT_TRUE(chooseTextAttribute(copy, 146));
    EXPECT_EQ(copy.opaque, 0);
    EXPECT_FALSE(chooseTextAttribute(copy, 144)) << "a button, not a radio";
}

// Answers the colour questions from a plan and writes down every question and message in turn.
class ScriptedColours : public StaticColourPrompts {
  public:
    int menuAnswer = 0;
    int answer = 0; // a list entry; for the colour picker, not 0 chooses 0x336699
    std::string log;

    int list(const char* name, const std::string& title, int32_t kind, int32_t value) {
        log += std::string(name) + " \"" + title + "\" at " + std::to_string(kind) + "/" +
               std::to_string(value) + "; ";
        return answer;
    }
    int colourMenu() override {
        log += "menu; ";
        return menuAnswer;
    }
    bool pickColour(uint32_t start, uint32_t& chosen) override {
        log += "colour from " + std::to_string(start) + "; ";
        chosen = 0x336699;
        return answer != 0;
    }
    int systemColour(const std::string& title, int32_t kind, int32_t value) override {
        return list("system colours", title, kind, value);
    }
    int stockBrush(const std::string& title, int32_t kind, int32_t value) override {
        return list("stock brushes", title, kind, value);
    }
    int show(const PageMessage& message) override {
        log +=
            message.text + " | " + message.caption + " | " + std::to_string(message.flags) + "; ";
        return box::answerOk;
    }
};

std::string colours(const StaticControl& copy) {
    return "background " + std::to_string(copy.backgroundKind) + "/" +
           std::to_string(copy.backgroundValue) + ", text " + std::to_string(copy.textColour);
}

TEST(EditorsStaticText, ColourButtonsAskInOrderAndStoreWhatWasChosen) {
    constexpr int textButton = -1;
    const std::string systemList = "menu; system colours \"Select new background color\" at 2/5; ";
    const std::string backgroundCancel =
        "Operation was canceled... | New background color selection... | 16; ";
    const std::string unchanged = "background 2/5, text 128";
    const struct Case {
        int menu, answer;
        std::string log, result;
    } cases[] = {
        {textButton, 1, "colour from 128; ", "background 2/5, text 3368601"},
        {2001, 7, systemList, "background 2/7, text 128"},
        {2001, 0, systemList + backgroundCancel, unchanged},
        {2001, 20, systemList + backgroundCancel, unchanged}, // no such entry
        {2003, 4, "menu; stock brushes \"Select new background color\" at 2/5; ",
         "background 3/4, text 128"},
        // A custom colour is always kind 1, whatever the background was.
        {2002, 1, "menu; colour from 0; ", "background 1/3368601, text 128"},
        {0, 1, "menu; ", unchanged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.log);
        StaticControl copy = customTextStatic();
        ScriptedColours prompts;
        prompts.menuAnswer = c.menu;
        prompts.answer = c.answer;
        const bool changed = c.menu == textButton ? selectTextColour(copy, prompts)
                                                  : selectBackgroundColour(copy, prompts);
        EXPECT_EQ(prompts.log, c.log);
        EXPECT_EQ(colours(copy), c.result);
        EXPECT_EQ(changed, c.result != unchanged);
    }

    // With the Windows default the two buttons are disabled: nothing is asked.
    StaticControl copy = customTextStatic();
    copy.customColours = 0;
    ScriptedColours prompts;
    prompts.menuAnswer = 2002;
    prompts.answer = 1;
    EXPECT_FALSE(selectTextColour(copy, prompts));
    EXPECT_FALSE(selectBackgroundColour(copy, prompts));
    EXPECT_EQ(prompts.log, "");
}

TEST(EditorsStaticText, OnlyATextStaticWithItsOwnSchemeHasItsOwnColours) {
    using Type = StaticBrush::Type;
    const struct Case {
        int32_t backgroundKind, backgroundValue;
        Type type;
        uint32_t value;
    } cases[] = {
        {1, 0x00FF00, Type::solidColour, 0x00FF00},
        {2, 5, Type::systemColour, 15},  // COLOR_BTNFACE, for GetSysColorBrush
        {3, 1, Type::stockObject, 4},    // BLACK_BRUSH
        {2, 20, Type::systemDefault, 0}, // no such entry: never read past the list
        {7, 1, Type::systemDefault, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.backgroundKind) + "/" + std::to_string(c.backgroundValue));
        StaticControl control = customTextStatic();
        control.backgroundKind = c.backgroundKind;
        control.backgroundValue = c.backgroundValue;
        const auto colours = staticTextColours(control);
        ASSERT_TRUE(colours.has_value());
        EXPECT_EQ(colours->background.type, c.type);
        EXPECT_EQ(colours->background.value, c.value);
        EXPECT_TRUE(colours->opaque);
        EXPECT_EQ(colours->textColour, 0x000080u);
    }

    StaticControl control = customTextStatic();
    control.opaque = 0;
    EXPECT_FALSE(staticTextColours(control)->opaque);
    control.customColours = 0;
    EXPECT_FALSE(staticTextColours(control).has_value()) << "the Windows default";
    // Graphics and image statics are drawn in the system's colours even when a record holds a
    // scheme.
    for (int32_t kind : {1, 2, 3}) {
        control.customColours = 1;
        control.kind = kind;
        EXPECT_FALSE(staticTextColours(control).has_value()) << kind;
    }
}

} // namespace
} // namespace zim
