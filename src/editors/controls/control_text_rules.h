// The texts of a button or static page: the caption and description edits, which store on
// every change, and the " Yes" / " No" radios that make the description the tooltip.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "editors/controls/choice_radio.h"

namespace zim {

// The description edits take at most this many characters, as their labels say.
constexpr int controlDescriptionLimit = 250;

enum TooltipRadioId : int { tooltipYesRadio = 90, tooltipNoRadio = 91 };

// The caption field takes the whole text, cut to leave room for the terminating zero, which
// the window system needs after a caption.
void storeCaption(char (&field)[260], std::string_view text);

// The description field takes the text cut to controlDescriptionLimit characters, with a
// terminating zero as for captions.
void storeDescription(char (&field)[260], std::string_view text);

// " Yes" checked when the description is the tooltip (1), " No" otherwise; both enabled.
std::array<ChoiceRadio, 2> tooltipRadios(int32_t descriptionAsTooltip);

// A tooltip radio was clicked. Returns whether the field changed; another id changes nothing.
bool chooseTooltip(int32_t& descriptionAsTooltip, int radioId);

} // namespace zim
