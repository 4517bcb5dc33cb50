#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/controls/static_colour_selection.h"
#include "editors/controls/static_text_attributes.h"
#include "editors/frame/kind_selector.h"
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
    TextAttributeControls controls = textAttributeControls(copy);
    EXPECT_TRUE(controls.scheme[0].checked && !controls.scheme[1].checked);
    EXPECT_TRUE(controls.colourButtonsEnabled);
    EXPECT_TRUE(controls.drawing[0].enabled && controls.drawing[1].enabled);
    EXPECT_TRUE(!controls.drawing[0].checked && controls.drawing[1].checked) << "opaque";

    EXPECT_TRUE(chooseTextAttribute(copy, 143));
    EXPECT_EQ(copy.customColours, 0);
    EXPECT_EQ(copy.textColour, 0x000080);
    EXPECT_EQ(copy.backgroundKind, 2);
    EXPECT_EQ(copy.backgroundValue, 5);
    EXPECT_EQ(copy.opaque, 1);
    controls = textAttributeControls(copy);
    EXPECT_TRUE(!controls.scheme[0].checked && controls.scheme[1].checked);
    EXPECT_TRUE(controls.scheme[0].enabled && controls.scheme[1].enabled);
    EXPECT_FALSE(controls.colourButtonsEnabled);
    for (const ChoiceRadio& radio : controls.drawing)
        EXPECT_FALSE(radio.checked || radio.enabled) << radio.text;
    EXPECT_FALSE(chooseTextAttribute(copy, 146)) << "disabled with the Windows default";
    EXPECT_FALSE(chooseTextAttribute(copy, 143));
    EXPECT_EQ(copy.opaque, 1);

    EXPECT_TRUE(chooseTextAttribute(copy, 142));
    EXPECT_TRUE(chooseTextAttribute(copy, 146));
    EXPECT_EQ(copy.opaque, 0);
    controls = textAttributeControls(copy);
    EXPECT_TRUE(controls.drawing[0].checked && !controls.drawing[1].checked);
    EXPECT_FALSE(chooseTextAttribute(copy, 146));
    EXPECT_TRUE(chooseTextAttribute(copy, 147));
    EXPECT_FALSE(chooseTextAttribute(copy, 144)) << "a button, not a radio";
}

// Answers the colour questions from a plan and writes down every question and message.
class ScriptedColours : public StaticColourPrompts {
  public:
    int menuAnswer = 0;
    int listAnswer = 0;
    bool colourChosen = false;
    uint32_t colourAnswer = 0;
    std::vector<std::string> asked;
    std::vector<std::string> shown;

    int colourMenu() override {
        asked.push_back("menu");
        return menuAnswer;
    }
    bool pickColour(uint32_t start, uint32_t& chosen) override {
        asked.push_back("colour from " + std::to_string(start));
        chosen = colourAnswer;
        return colourChosen;
    }
    int systemColour(const std::string& title, int32_t kind, int32_t value) override {
        asked.push_back("system colour: " + title + " at " + std::to_string(kind) + "/" +
                        std::to_string(value));
        return listAnswer;
    }
    int stockBrush(const std::string& title, int32_t kind, int32_t value) override {
        asked.push_back("stock brush: " + title + " at " + std::to_string(kind) + "/" +
                        std::to_string(value));
        return listAnswer;
    }
    int show(const PageMessage& message) override {
        shown.push_back(message.text + " | " + message.caption + " | " +
                        std::to_string(message.flags));
        return box::answerOk;
    }
};

TEST(EditorsStaticText, ColourButtonsAskInOrderAndStoreWhatWasChosen) {
    const std::string backgroundCancel =
        "Operation was canceled... | New background color selection... | 16";
    const struct Case {
        const char* name;
        bool background;
        int menu, entry;
        bool chosen;
        bool changed;
        std::vector<std::string> asked, shown;
        int32_t kind, value, textColour;
    } cases[] = {
        {"text colour", false, 0, 0, true, true, {"colour from 128"}, {}, 2, 5, 0x336699},
        {"text colour cancelled",
         false,
         0,
         0,
         false,
         false,
         {"colour from 128"},
         {"Operation was canceled... | New text color selection... | 16"},
         2,
         5,
         0x000080},
        {"system colour",
         true,
         2001,
         7,
         false,
         true,
         {"menu", "system colour: Select new background color at 2/5"},
         {},
         2,
         7,
         0x000080},
        {"system colour cancelled",
         true,
         2001,
         0,
         false,
         false,
         {"menu", "system colour: Select new background color at 2/5"},
         {backgroundCancel},
         2,
         5,
         0x000080},
        {"a system colour outside the list",
         true,
         2001,
         20,
         false,
         false,
         {"menu", "system colour: Select new background color at 2/5"},
         {backgroundCancel},
         2,
         5,
         0x000080},
        {"stock brush",
         true,
         2003,
         4,
         false,
         true,
         {"menu", "stock brush: Select new background color at 2/5"},
         {},
         3,
         4,
         0x000080},
        {"custom colour after a system colour is a colour",
         true,
         2002,
         0,
         true,
         true,
         {"menu", "colour from 0"},
         {},
         1,
         0x336699,
         0x000080},
        {"custom colour cancelled",
         true,
         2002,
         0,
         false,
         false,
         {"menu", "colour from 0"},
         {backgroundCancel},
         2,
         5,
         0x000080},
        {"menu dismissed", true, 0, 0, true, false, {"menu"}, {}, 2, 5, 0x000080},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StaticControl copy = customTextStatic();
        ScriptedColours prompts;
        prompts.menuAnswer = c.menu;
        prompts.listAnswer = c.entry;
        prompts.colourChosen = c.chosen;
        prompts.colourAnswer = 0x336699;
        const bool changed =
            c.background ? selectBackgroundColour(copy, prompts) : selectTextColour(copy, prompts);
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(prompts.asked, c.asked);
        EXPECT_EQ(prompts.shown, c.shown);
        EXPECT_EQ(copy.backgroundKind, c.kind);
        EXPECT_EQ(copy.backgroundValue, c.value);
        EXPECT_EQ(copy.textColour, c.textColour);
    }

    // With the Windows default the two buttons are disabled: nothing is asked.
    StaticControl copy = customTextStatic();
    copy.customColours = 0;
    ScriptedColours prompts;
    prompts.menuAnswer = 2002;
    prompts.colourChosen = true;
    EXPECT_FALSE(selectTextColour(copy, prompts));
    EXPECT_FALSE(selectBackgroundColour(copy, prompts));
    EXPECT_TRUE(prompts.asked.empty());
}

TEST(EditorsStaticText, OnlyATextStaticWithItsOwnSchemeHasItsOwnColours) {
    using Type = StaticBrush::Type;
    const struct Case {
        int32_t kind, backgroundKind, backgroundValue;
        Type type;
        uint32_t value;
    } cases[] = {
        {0, 1, 0x00FF00, Type::solidColour, 0x00FF00},
        {0, 2, 5, Type::systemColour, 15},  // COLOR_BTNFACE, for GetSysColorBrush
        {0, 2, 19, Type::systemColour, 8},  // COLOR_WINDOWTEXT
        {0, 3, 1, Type::stockObject, 4},    // BLACK_BRUSH
        {0, 3, 6, Type::stockObject, 0},    // WHITE_BRUSH
        {0, 2, 20, Type::systemDefault, 0}, // no such entry: never read past the list
        {0, 3, 0, Type::systemDefault, 0},
        {0, 7, 1, Type::systemDefault, 0},
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
