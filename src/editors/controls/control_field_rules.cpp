#include "editors/controls/control_field_rules.h"

#include <limits>

namespace zim {

namespace {

std::string_view withoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole number the text spells, or nothing when it spells none that fits in 32 bits.
std::optional<int32_t> wholeNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int32_t>::min())
                                     : std::numeric_limits<int32_t>::max();
    long long magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

template <typename Control> int32_t& fieldOfControl(Control& control, ControlField field) {
    switch (field) {
    case ControlField::x:
        return control.x;
    case ControlField::y:
        return control.y;
    case ControlField::width:
        return control.width;
    case ControlField::height:
        break;
    }
    return control.height;
}

template <typename Control>
bool storeField(Control& control, int editId, std::string_view text,
                FieldDefaults (*defaultsOf)(ControlField)) {
    const auto field = controlFieldOfEdit(editId);
    if (!field)
        return false;
    fieldOfControl(control, *field) = fieldValue(text, defaultsOf(*field));
    return true;
}

} // namespace

FieldDefaults buttonFieldDefaults(ControlField field) {
    switch (field) {
    case ControlField::x:
    case ControlField::y:
        return {5, 5, 0, 5};
    case ControlField::width:
        return {50, 50, 0, 50};
    case ControlField::height:
        break;
    }
    return {30, 30, 0, 30};
}

FieldDefaults staticFieldDefaults(ControlField field) {
    switch (field) {
    case ControlField::x:
    case ControlField::y:
        return {5, 5, 0, 5};
    case ControlField::width:
        return {50, 30, 1, 30};
    case ControlField::height:
        break;
    }
    return {30, 10, 1, 10};
}

int32_t fieldValue(std::string_view text, const FieldDefaults& defaults) {
    const std::string_view number = withoutBlanks(text);
    if (number.empty())
        return defaults.empty;
    const auto value = wholeNumber(number);
    if (!value)
        return defaults.notANumber;
    return *value < defaults.smallest ? defaults.belowSmallest : *value;
}

std::optional<ControlField> controlFieldOfEdit(int editId) {
    switch (editId) {
    case xEdit:
        return ControlField::x;
    case yEdit:
        return ControlField::y;
    case widthEdit:
        return ControlField::width;
    case heightEdit:
        return ControlField::height;
    default:
        return std::nullopt;
    }
}

int32_t& fieldOf(ButtonControl& button, ControlField field) {
    return fieldOfControl(button, field);
}

int32_t& fieldOf(StaticControl& control, ControlField field) {
    return fieldOfControl(control, field);
}

bool storeButtonField(ButtonControl& button, int editId, std::string_view text) {
    return storeField(button, editId, text, buttonFieldDefaults);
}

bool storeStaticField(StaticControl& control, int editId, std::string_view text) {
    return storeField(control, editId, text, staticFieldDefaults);
}

} // namespace zim
