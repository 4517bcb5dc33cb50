// The entries of the three style sets of buttons and statics, reached by the names of their
// constants: the control's own set (BS for buttons, SS for statics), its window styles and its
// extended styles.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/project.h"

namespace zim {

enum class StyleSet { own, window, extended };

// The entry of the named constant in the set; naming a constant the set's list does not hold
// is a programming error.
int32_t& styleEntryOf(ButtonControl& button, StyleSet set, std::string_view name);
bool hasStyle(const ButtonControl& button, StyleSet set, std::string_view name);
int32_t& styleEntryOf(StaticControl& control, StyleSet set, std::string_view name);
bool hasStyle(const StaticControl& control, StyleSet set, std::string_view name);

// The same for the control's own set, which the rules use most.
inline int32_t& buttonStyle(ButtonControl& button, std::string_view name) {
    return styleEntryOf(button, StyleSet::own, name);
}
inline bool hasButtonStyle(const ButtonControl& button, std::string_view name) {
    return hasStyle(button, StyleSet::own, name);
}
inline int32_t& staticStyle(StaticControl& control, std::string_view name) {
    return styleEntryOf(control, StyleSet::own, name);
}
inline bool hasStaticStyle(const StaticControl& control, std::string_view name) {
    return hasStyle(control, StyleSet::own, name);
}

} // namespace zim
