// Short explanations of the style constants, one per entry of the six style lists (CS, WS,
// WS_EX, DS, BS, SS), which the style options show as their help tooltips. They are kept as
// data beside the lists so every page that offers a style explains it in the same words.
#pragma once

#include <string_view>

#include "model/style_lists.h"

namespace zim {

// The explanation of entry `entry` (1-based) of a style list: one short sentence. "" for an
// entry outside the list and for the lists that hold no styles (icons, cursors, brushes,
// system colours).
const char* styleHelp(const ValueList& list, int entry);

// The explanation of the style constant of that name ("BS_LEFTTEXT"), looked up in all six
// lists; "" when no list holds the name.
const char* styleHelp(std::string_view name);

} // namespace zim
