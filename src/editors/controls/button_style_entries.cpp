#include "editors/controls/button_style_entries.h"

namespace zim {

namespace {

// The first entry of the set, const or not as the button is.
template <typename Button> auto entriesOf(Button& button, ButtonStyleSet set) {
    switch (set) {
    case ButtonStyleSet::window:
        return &button.windowStyles[0];
    case ButtonStyleSet::extended:
        return &button.extendedStyles[0];
    case ButtonStyleSet::button:
        break;
    }
    return &button.buttonStyles[0];
}

} // namespace

const ValueList& styleListOf(ButtonStyleSet set) {
    switch (set) {
    case ButtonStyleSet::window:
        return windowStyleList;
    case ButtonStyleSet::extended:
        return extendedStyleList;
    case ButtonStyleSet::button:
        break;
    }
    return buttonStyleList;
}

int32_t& styleEntryOf(ButtonControl& button, ButtonStyleSet set, std::string_view name) {
    return entriesOf(button, set)[styleEntry(styleListOf(set), name) - 1];
}

bool hasStyle(const ButtonControl& button, ButtonStyleSet set, std::string_view name) {
    return entriesOf(button, set)[styleEntry(styleListOf(set), name) - 1] != 0;
}

} // namespace zim
