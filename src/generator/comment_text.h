// Captions and descriptions of buttons and static controls as the generated button-action
// source repeats them in its comment lines.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "generator/text_sink.h"

namespace zim {

constexpr std::size_t commentFieldLength = 260;

// The caption field left-adjusted, cut at its first NUL and without trailing blanks. The view
// points into the field.
std::string_view commentCaption(const char (&field)[commentFieldLength]);

// The description field left-adjusted and cut at its first NUL (as if padded back to its 260
// characters), split into characters 1-100, 101-200 and 201-260, each without trailing blanks.
std::array<std::string_view, 3> commentDescription(const char (&field)[commentFieldLength]);

// Writes caption or description text into a comment line. A line feed, carriage return or tab
// would end the comment line or shift its columns, so every character below 0x20 is written
// as a blank.
void writeCommentText(TextSink& sink, std::string_view text);

} // namespace zim
