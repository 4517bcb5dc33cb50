// The type of a button: the nine type radios (81 to 89) of the classic and image button pages,
// of which exactly one type entry of the button style set is set, and what the type allows.
#pragma once

#include <array>

#include "editors/controls/choice_radio.h"
#include "model/project.h"

namespace zim {

enum ButtonTypeRadioId : int {
    pushButtonRadio = 81,
    defaultPushButtonRadio = 82,
    standardCheckboxRadio = 83,
    automaticCheckboxRadio = 84,
    threeStateCheckboxRadio = 85,
    automaticThreeStateCheckboxRadio = 86,
    radioButtonRadio = 87,
    automaticRadioButtonRadio = 88,
    groupBoxRadio = 89,
};

// The nine radios in creation order, each checked when its type entry is set; all enabled.
std::array<ChoiceRadio, 9> buttonTypeRadios(const ButtonControl& button);

// A type radio was clicked. When its entry is already the only type entry set nothing
// happens. Otherwise its entry is set and the other type entries are cleared, BS_OWNERDRAW
// too, since its value lies in the same type bits; " Push Button", " Default Push Button"
// and " Group Box Button" also clear BS_LEFTTEXT and BS_PUSHLIKE, which only check boxes and
// radio buttons use. Returns whether the button changed; another id changes nothing.
bool chooseButtonType(ButtonControl& button, int radioId);

// What the type bits of the button style word (BS_TYPEMASK) make of the button, so a set
// with an odd mix of type entries is judged as the window system would create it.
bool isCheckBoxOrRadioButton(const ButtonControl& button);
bool isThreeStateCheckBox(const ButtonControl& button);
bool isGroupBox(const ButtonControl& button);

} // namespace zim
