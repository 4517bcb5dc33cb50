// The style options of a button's "Styles" pages (ids 102 to 121): the text alignment groups,
// the toggles that only check boxes and radio buttons take, and the plain toggles of the
// button, window and extended style sets. Each option shows the help text of its constant
// (styleHelp(option.style)).
#pragma once

#include <optional>
#include <vector>

#include "editors/controls/control_style_entries.h"
#include "editors/frame/page_message.h"
#include "model/project.h"

namespace zim {

enum class OptionRule {
    horizontalAlignment, // one of left, centre, right
    verticalAlignment,   // one of top, middle, bottom
    checkBoxOnly,        // a toggle refused on push buttons and group boxes
    toggle,
};

struct ButtonStyleOption {
    int id;
    const char* text;
    StyleSet set;
    const char* style; // the constant the option sets
    OptionRule rule;
};

// The options of a button of `kind` in creation order: 102 to 121 for a classic button (0);
// for an image button (1) the alignment options speak of the image, the window style options
// have no leading blank, and " Wrap the button text to multiple lines" (110) is left out.
// Other kinds have no pages and no options.
std::vector<ButtonStyleOption> buttonStyleOptions(int32_t kind);

// Whether the option's entry is set, which is its check mark.
bool buttonOptionChecked(const ButtonControl& button, int optionId);

// The user clicked an option of the button's kind (any other id changes nothing). An
// alignment option that is set stays so; otherwise it is set and the other two of its group
// are cleared. BS_LEFTTEXT and BS_PUSHLIKE on anything but a check box or radio button are
// refused: the entry stays and the message to show is returned. Every other option toggles.
std::optional<PageMessage> pressButtonOption(ButtonControl& button, int optionId);

} // namespace zim
