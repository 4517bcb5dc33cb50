#include "editors/frame/number_field.h"

#include <cstdint>
#include <limits>

namespace zim {

namespace {

std::string_view withoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::optional<int32_t> numberIn(std::string_view text) {
    std::string_view digits = withoutBlanks(text);
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty())
        return std::nullopt;
    // The magnitude may reach one more than the largest value, for the smallest negative one.
    const int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + (negative ? 1 : 0);
    int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

NumberFieldCheck checkNumberField(std::string_view text, const NumberFieldMessages& messages,
                                  NumberSign sign) {
    NumberFieldCheck check;
    if (withoutBlanks(text).empty()) {
        check.message = messages.empty;
        return check;
    }
    const std::optional<int32_t> value = numberIn(text);
    if (!value || (sign == NumberSign::notNegative && *value < 0)) {
        check.message = messages.malformed;
        return check;
    }
    check.value = *value;
    return check;
}

} // namespace zim
