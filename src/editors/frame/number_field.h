// Whole-number edits of the parameter pages. Save reads each field it writes and refuses the
// first one that is empty or holds no 32-bit whole number, with the field's own two messages.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zim {

// The two texts of one field: "Fill the field for ..." and "Check out the field for ...".
struct NumberFieldMessages {
    const char* empty;
    const char* malformed;
};

enum class NumberSign { any, notNegative };

// The field's value: blanks around the number are ignored and one leading sign is taken; a
// number outside 32 bits counts as no number. With NumberSign::notNegative a negative number
// is refused as malformed too.
struct NumberFieldCheck {
    const char* message = nullptr; // the refusal, or nullptr when the field holds a number
    int32_t value = 0;

    bool accepted() const { return message == nullptr; }
};

NumberFieldCheck checkNumberField(std::string_view text, const NumberFieldMessages& messages,
                                  NumberSign sign = NumberSign::any);

// The number the text holds, if any, by the same reading.
std::optional<int32_t> numberIn(std::string_view text);

} // namespace zim
