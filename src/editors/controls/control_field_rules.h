// The position and size edits of button and static pages (98 to 101). Each change of an edit
// stores its number at once; text that gives no acceptable number stores the field's default
// instead, silently. Buttons and statics differ only in their defaults, so the defaults are
// a parameter.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/project.h"

namespace zim {

enum ControlFieldEditId : int {
    xEdit = 98,      // " X_Left Value ="
    yEdit = 99,      // " Y_Top Value ="
    widthEdit = 100, // " Button Width =", " Control Width ="
    heightEdit = 101,
};

enum class ControlField { x, y, width, height };

// What a field stores for text that gives no acceptable number.
struct FieldDefaults {
    int32_t empty;      // no text, or blanks only
    int32_t notANumber; // anything but a whole number that fits in 32 bits
    int32_t smallest;   // the least value stored as typed
    int32_t belowSmallest;
};

// Buttons: x and y 5, width 50, height 30 for any bad text; 0 is accepted.
FieldDefaults buttonFieldDefaults(ControlField field);
// Statics: x and y as buttons; width 50 when empty and 30 when not a positive number, height
// 30 when empty and 10 when not a positive number.
FieldDefaults staticFieldDefaults(ControlField field);

// The number an edit's text stores: an optional sign and digits, with blanks around them.
int32_t fieldValue(std::string_view text, const FieldDefaults& defaults);

// The field behind an edit id, or nothing for another id.
std::optional<ControlField> controlFieldOfEdit(int editId);

int32_t& fieldOf(ButtonControl& button, ControlField field);
int32_t& fieldOf(StaticControl& control, ControlField field);

// An edit changed: its field takes the value of the text. Returns false for another id.
bool storeButtonField(ButtonControl& button, int editId, std::string_view text);
bool storeStaticField(StaticControl& control, int editId, std::string_view text);

} // namespace zim
