#include "editors/controls/control_field_rules.h"

#include "editors/frame/number_field.h"

namespace zim {

namespace {

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
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return defaults.empty;
    const std::optional<int32_t> value = numberIn(text);
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
