#include "shell/rectangle_size_rules.h"

#include <climits>

namespace zim {

namespace {

constexpr const char* widthEmpty = "Fill the field for rectangle width, please...";
constexpr const char* widthMalformed = "Check out the field for rectangle width, please...";
constexpr const char* widthTooLarge = "You can select width bigger than screen resolution...";
constexpr const char* heightEmpty = "Fill the field for rectangle height, please...";
constexpr const char* heightMalformed = "Check out the field for rectangle height, please...";
constexpr const char* heightTooLarge = "You can select height bigger than screen resolution...";

std::string_view withoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The digits' value, held at INT_MAX when larger (still "too large" for any screen); -1 when
// the text is not all digits.
int wholeNumber(std::string_view digits) {
    long long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            value = INT_MAX;
    }
    return static_cast<int>(value);
}

struct FieldMessages {
    const char* empty;
    const char* malformed;
    const char* tooLarge;
};

// The message of the first failing check of one field, or nullptr; `value` gets the number.
const char* checkField(std::string_view text, int limit, const FieldMessages& messages,
                       int& value) {
    const std::string_view digits = withoutBlanks(text);
    if (digits.empty())
        return messages.empty;
    value = wholeNumber(digits);
    if (value <= 0)
        return messages.malformed;
    if (value > limit)
        return messages.tooLarge;
    return nullptr;
}

} // namespace

RectangleSizeCheck checkRectangleSize(std::string_view widthText, std::string_view heightText,
                                      int screenWidth, int screenHeight) {
    RectangleSizeCheck check{nullptr, RectangleField::none, 0, 0};
    check.message = checkField(widthText, screenWidth, {widthEmpty, widthMalformed, widthTooLarge},
                               check.width);
    if (check.message) {
        check.field = RectangleField::width;
        return check;
    }
    check.message = checkField(heightText, screenHeight,
                               {heightEmpty, heightMalformed, heightTooLarge}, check.height);
    if (check.message)
        check.field = RectangleField::height;
    return check;
}

PlacedRectangle centredRectangle(int areaWidth, int areaHeight, int width, int height) {
    const int left = (areaWidth - width) / 2;
    const int top = (areaHeight - height) / 2;
    return {left, top, left + width, top + height};
}

} // namespace zim
