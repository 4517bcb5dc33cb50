#include "editors/controls/button_style_options.h"

#include "editors/controls/button_type_rules.h"

namespace zim {

namespace {

constexpr const char* notACheckBoxRefusal =
    "You can't select this style, because your button\r is not radiobutton ( or checkbox )...";
constexpr const char* refusalCaption = "Error";

using Set = StyleSet;
using Rule = OptionRule;

constexpr int multilineOption = 110;

// Options of a classic button; an image button's texts differ where imageButtonTexts says.
const ButtonStyleOption classicOptions[] = {
    {102, " Left-aligned text in the button rectangle", Set::own, "BS_LEFT",
     Rule::horizontalAlignment},
    {103, " Horizontally centered text", Set::own, "BS_CENTER", Rule::horizontalAlignment},
    {104, " Right-justified text in the button rectangle", Set::own, "BS_RIGHT",
     Rule::horizontalAlignment},
    {105, " Text at the top of the button rectangle", Set::own, "BS_TOP", Rule::verticalAlignment},
    {106, " Text in the middle (vertically)", Set::own, "BS_VCENTER", Rule::verticalAlignment},
    {107, " Text at the bottom of the button rectangle", Set::own, "BS_BOTTOM",
     Rule::verticalAlignment},
    {108, " Text on radiobutton/checkbox left side", Set::own, "BS_LEFTTEXT", Rule::checkBoxOnly},
    {109, " Two-dimensional button", Set::own, "BS_FLAT", Rule::toggle},
    {multilineOption, " Wrap the button text to multiple lines", Set::own, "BS_MULTILINE",
     Rule::toggle},
    {111, " Radiobutton/checkbox - like push button", Set::own, "BS_PUSHLIKE", Rule::checkBoxOnly},
    {112, " Send notification messages", Set::own, "BS_NOTIFY", Rule::toggle},
    {113, " Button with a thin-line border", Set::window, "WS_BORDER", Rule::toggle},
    {114, " Button that is initially disabled", Set::window, "WS_DISABLED", Rule::toggle},
    {115, " Button border of a style typically used with dialog boxes", Set::window, "WS_DLGFRAME",
     Rule::toggle},
    {116, " Specification for the first control of a group of controls ", Set::window, "WS_GROUP",
     Rule::toggle},
    {117, " Button that can receive focus, if TAB key was pressed", Set::window, "WS_TABSTOP",
     Rule::toggle},
    {118, " Button that is initially visible. ", Set::window, "WS_VISIBLE", Rule::toggle},
    {119, " Button has a border with a sunken edge", Set::extended, "WS_EX_CLIENTEDGE",
     Rule::toggle},
    {120, " Button with a three-dimensional border style", Set::extended, "WS_EX_STATICEDGE",
     Rule::toggle},
    {121, " Button with a double border", Set::extended, "WS_EX_DLGMODALFRAME", Rule::toggle},
};

struct OptionText {
    int id;
    const char* text;
};

const OptionText imageButtonTexts[] = {
    {102, " Left-aligned image in the button rectangle"},
    {103, " Horizontally centered image"},
    {104, " Right-justified image in the button rectangle"},
    {105, " Image at the top of the button rectangle"},
    {106, " Image in the middle (vertically)"},
    {107, " Image at the bottom of the button rectangle"},
    {108, " Image on radiobutton/checkbox left side"},
    {113, "Button with a thin-line border"},
    {114, "Button that is initially disabled"},
    {115, "Button border of a style typically used with dialog boxes"},
    {116, "Specification for the first control of a group of controls "},
    {117, "Button that can receive focus, if TAB key was pressed"},
    {118, "Button that is initially visible. "},
};

constexpr int32_t classicButton = 0;
constexpr int32_t imageButton = 1;

std::optional<ButtonStyleOption> optionOf(int32_t kind, int optionId) {
    for (const ButtonStyleOption& option : buttonStyleOptions(kind))
        if (option.id == optionId)
            return option;
    return std::nullopt;
}

void setAlignment(ButtonControl& button, const ButtonStyleOption& chosen) {
    for (const ButtonStyleOption& option : classicOptions)
        if (option.rule == chosen.rule)
            buttonStyle(button, option.style) = option.id == chosen.id ? 1 : 0;
}

} // namespace

std::vector<ButtonStyleOption> buttonStyleOptions(int32_t kind) {
    std::vector<ButtonStyleOption> options;
    if (kind != classicButton && kind != imageButton)
        return options;
    for (ButtonStyleOption option : classicOptions) {
        if (kind == imageButton) {
            if (option.id == multilineOption)
                continue;
            for (const OptionText& text : imageButtonTexts)
                if (text.id == option.id)
                    option.text = text.text;
        }
        options.push_back(option);
    }
    return options;
}

bool buttonOptionChecked(const ButtonControl& button, int optionId) {
    const auto option = optionOf(button.kind, optionId);
    return option && hasStyle(button, option->set, option->style);
}

std::optional<PageMessage> pressButtonOption(ButtonControl& button, int optionId) {
    const auto option = optionOf(button.kind, optionId);
    if (!option)
        return std::nullopt;
    int32_t& entry = styleEntryOf(button, option->set, option->style);
    switch (option->rule) {
    case Rule::horizontalAlignment:
    case Rule::verticalAlignment:
        setAlignment(button, *option);
        break;
    case Rule::checkBoxOnly:
        if (!isCheckBoxOrRadioButton(button))
            return PageMessage{notACheckBoxRefusal, refusalCaption, box::iconHand | box::taskModal,
                               MessageOwner::none};
        entry = entry ? 0 : 1;
        break;
    case Rule::toggle:
        entry = entry ? 0 : 1;
        break;
    }
    return std::nullopt;
}

} // namespace zim
