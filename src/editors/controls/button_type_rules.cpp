#include "editors/controls/button_type_rules.h"

#include "editors/controls/control_style_entries.h"
#include "model/style_lists.h"

namespace zim {

namespace {

struct ButtonType {
    int radioId;
    const char* text;
    const char* style;
    bool keepsCheckBoxStyles; // may keep BS_LEFTTEXT and BS_PUSHLIKE
};

constexpr ButtonType buttonTypes[] = {
    {pushButtonRadio, " Push Button", "BS_PUSHBUTTON", false},
    {defaultPushButtonRadio, " Default Push Button", "BS_DEFPUSHBUTTON", false},
    {standardCheckboxRadio, " Standard Checkbox Button", "BS_CHECKBOX", true},
    {automaticCheckboxRadio, " Automatic Checkbox Button", "BS_AUTOCHECKBOX", true},
    {threeStateCheckboxRadio, " Three-State Checkbox Button", "BS_3STATE", true},
    {automaticThreeStateCheckboxRadio, " Automatic Three-State Checkbox Button", "BS_AUTO3STATE",
     true},
    {radioButtonRadio, " Radio Button", "BS_RADIOBUTTON", true},
    {automaticRadioButtonRadio, " Automatic Radio Button", "BS_AUTORADIOBUTTON", true},
    {groupBoxRadio, " Group Box Button", "BS_GROUPBOX", false},
};

// Not offered as a type, but a type by its value.
constexpr const char* ownerDrawStyle = "BS_OWNERDRAW";

// Values of the type bits (BS_TYPEMASK) of a button style word.
constexpr uint32_t typeMask = 0xF;
constexpr uint32_t checkBox = 0x2, autoCheckBox = 0x3, radioButton = 0x4, threeState = 0x5,
                   autoThreeState = 0x6, groupBox = 0x7, autoRadioButton = 0x9;

uint32_t typeBits(const ButtonControl& button) {
    return styleWord(button.buttonStyles, buttonStyleList) & typeMask;
}

const ButtonType* typeOfRadio(int radioId) {
    for (const ButtonType& type : buttonTypes)
        if (type.radioId == radioId)
            return &type;
    return nullptr;
}

bool isOnlyType(const ButtonControl& button, const ButtonType& chosen) {
    for (const ButtonType& type : buttonTypes)
        if (hasButtonStyle(button, type.style) != (&type == &chosen))
            return false;
    return !hasButtonStyle(button, ownerDrawStyle);
}

} // namespace

std::array<ChoiceRadio, 9> buttonTypeRadios(const ButtonControl& button) {
    std::array<ChoiceRadio, 9> radios{};
    for (std::size_t i = 0; i < radios.size(); ++i) {
        const ButtonType& type = buttonTypes[i];
        radios[i] = {type.radioId, type.text, hasButtonStyle(button, type.style), true};
    }
    return radios;
}

bool chooseButtonType(ButtonControl& button, int radioId) {
    const ButtonType* chosen = typeOfRadio(radioId);
    if (!chosen || isOnlyType(button, *chosen))
        return false;
    for (const ButtonType& type : buttonTypes)
        buttonStyle(button, type.style) = &type == chosen ? 1 : 0;
    buttonStyle(button, ownerDrawStyle) = 0;
    if (!chosen->keepsCheckBoxStyles) {
        buttonStyle(button, "BS_LEFTTEXT") = 0;
        buttonStyle(button, "BS_PUSHLIKE") = 0;
    }
    return true;
}

bool isCheckBoxOrRadioButton(const ButtonControl& button) {
    switch (typeBits(button)) {
    case checkBox:
    case autoCheckBox:
    case radioButton:
    case threeState:
    case autoThreeState:
    case autoRadioButton:
        return true;
    default:
        return false;
    }
}

bool isThreeStateCheckBox(const ButtonControl& button) {
    const uint32_t type = typeBits(button);
    return type == threeState || type == autoThreeState;
}

bool isGroupBox(const ButtonControl& button) {
    return typeBits(button) == groupBox;
}

} // namespace zim
