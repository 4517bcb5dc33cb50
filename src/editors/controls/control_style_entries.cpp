#include "editors/controls/control_style_entries.h"

#include "model/style_lists.h"

namespace zim {

namespace {

int32_t* ownSet(ButtonControl& button) {
    return button.buttonStyles;
}
const int32_t* ownSet(const ButtonControl& button) {
    return button.buttonStyles;
}
int32_t* ownSet(StaticControl& control) {
    return control.staticStyles;
}
const int32_t* ownSet(const StaticControl& control) {
    return control.staticStyles;
}

const ValueList& ownList(const ButtonControl&) {
    return buttonStyleList;
}
const ValueList& ownList(const StaticControl&) {
    return staticStyleList;
}

template <typename Control> const ValueList& listOf(const Control& control, StyleSet set) {
    switch (set) {
    case StyleSet::window:
        return windowStyleList;
    case StyleSet::extended:
        return extendedStyleList;
    case StyleSet::own:
        break;
    }
    return ownList(control);
}

// The first entry of the set, const or not as the control is.
template <typename Control> auto entriesOf(Control& control, StyleSet set) {
    switch (set) {
    case StyleSet::window:
        return &control.windowStyles[0];
    case StyleSet::extended:
        return &control.extendedStyles[0];
    case StyleSet::own:
        break;
    }
    return ownSet(control);
}

template <typename Control> auto& entryOf(Control& control, StyleSet set, std::string_view name) {
    return entriesOf(control, set)[styleEntry(listOf(control, set), name) - 1];
}

} // namespace

int32_t& styleEntryOf(ButtonControl& button, StyleSet set, std::string_view name) {
    return entryOf(button, set, name);
}

bool hasStyle(const ButtonControl& button, StyleSet set, std::string_view name) {
    return entryOf(button, set, name) != 0;
}

int32_t& styleEntryOf(StaticControl& control, StyleSet set, std::string_view name) {
    return entryOf(control, set, name);
}

bool hasStyle(const StaticControl& control, StyleSet set, std::string_view name) {
    return entryOf(control, set, name) != 0;
}

} // namespace zim
