// The option groups of the button pages, each a set of OptionRules on the button's working
// copy: style options of the button's own set by the button rules (alignment groups, the
// check-box-only refusal), the plain window and extended style sets, and the type, image type,
// initial-state and action radios.
#pragma once

#include <memory>
#include <vector>

#include "editors/controls/control_style_entries.h"
#include "editors/controls/option_rules.h"
#include "model/project.h"

namespace zim {

// The options `ids` of the button's own style set (102 to 112), with the texts of the copy's
// kind and the button rules.
std::unique_ptr<OptionRules> buttonStyleRules(ButtonControl& copy, std::vector<int> ids);

// The options `ids` of the window (113 to 118) or extended (119 to 121) style set: plain
// toggles of the copy's set, with the texts of the copy's kind.
std::unique_ptr<OptionRules> buttonStyleSetToggles(ButtonControl& copy, StyleSet set,
                                                   std::vector<int> ids);

// The nine type radios (81 to 89).
std::unique_ptr<OptionRules> buttonTypeRules(ButtonControl& copy);
// " Button with bitmap" and " Button with icon" (129, 130).
std::unique_ptr<OptionRules> buttonImageTypeRules(ButtonControl& copy);
// " Button Initial State :" (135 to 137), offered to three-state check boxes only.
std::unique_ptr<OptionRules> initialStateRules(ButtonControl& copy);
// " Button Action :" (122 to 125), " Create new window ( control )" always disabled.
std::unique_ptr<OptionRules> actionRules(ButtonControl& copy);

} // namespace zim
