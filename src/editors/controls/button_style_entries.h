// The entries of a button's three style sets, reached by the names of their constants.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/project.h"
#include "model/style_lists.h"

namespace zim {

enum class ButtonStyleSet { button, window, extended };

const ValueList& styleListOf(ButtonStyleSet set);

// The entry of the named constant in the set; naming a constant the set's list does not hold
// is a programming error.
int32_t& styleEntryOf(ButtonControl& button, ButtonStyleSet set, std::string_view name);
bool hasStyle(const ButtonControl& button, ButtonStyleSet set, std::string_view name);

// The same for the button style set, which the rules use most.
inline int32_t& buttonStyle(ButtonControl& button, std::string_view name) {
    return styleEntryOf(button, ButtonStyleSet::button, name);
}
inline bool hasButtonStyle(const ButtonControl& button, std::string_view name) {
    return hasStyle(button, ButtonStyleSet::button, name);
}

} // namespace zim
