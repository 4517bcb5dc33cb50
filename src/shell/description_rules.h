// What the description prompt of a new button or static control accepts and stores.
#pragma once

#include <string_view>

namespace zim {

// Longest description the prompt stores.
constexpr int descriptionLimit = 249;

enum class NewControlKind { button, staticControl };

// A text of nothing but blanks is no description either: the record would show it as empty.
bool descriptionMissing(std::string_view text);

// Writes the text, cut to descriptionLimit characters, into the description of the new
// record: the button at selectedButton or the static control at selectedStatic of
// currentWindow. Positions outside the capacities write nothing.
void describeNewControl(NewControlKind kind, std::string_view text);

} // namespace zim
