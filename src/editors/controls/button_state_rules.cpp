#include "editors/controls/button_state_rules.h"

#include "editors/controls/button_type_rules.h"

namespace zim {

namespace {

struct ValueRadio {
    int id;
    const char* text;
    int32_t value;
};

constexpr ValueRadio initialStates[] = {
    {checkedStateRadio, " Checked State (a check mark inside the box)", 1},
    {clearedStateRadio, " Cleared State (no check mark)", 0},
    {intermediateStateRadio, " Intermediate State ", 2},
};

constexpr ValueRadio actions[] = {
    {userSubroutineRadio, " Call subroutine provided by user", 0},
    {closeWindowRadio, " Close current window", 1},
    {closeApplicationRadio, " Close application", 2},
    {newWindowRadio, " Create new window ( control )", 3},
};

constexpr int32_t newWindowAction = 3;

template <std::size_t N> const ValueRadio* radioOf(const ValueRadio (&radios)[N], int id) {
    for (const ValueRadio& radio : radios)
        if (radio.id == id)
            return &radio;
    return nullptr;
}

bool take(int32_t& field, const ValueRadio* radio) {
    if (!radio || field == radio->value)
        return false;
    field = radio->value;
    return true;
}

} // namespace

std::array<ChoiceRadio, 3> initialStateRadios(const ButtonControl& button) {
    const bool offered = isThreeStateCheckBox(button);
    std::array<ChoiceRadio, 3> radios{};
    for (std::size_t i = 0; i < radios.size(); ++i) {
        const ValueRadio& state = initialStates[i];
        radios[i] = {state.id, state.text, offered && button.checkState == state.value, offered};
    }
    return radios;
}

bool chooseInitialState(ButtonControl& button, int radioId) {
    return isThreeStateCheckBox(button) && take(button.checkState, radioOf(initialStates, radioId));
}

std::array<ChoiceRadio, 4> actionRadios(const ButtonControl& button) {
    std::array<ChoiceRadio, 4> radios{};
    for (std::size_t i = 0; i < radios.size(); ++i) {
        const ValueRadio& action = actions[i];
        radios[i] = {action.id, action.text, button.action == action.value,
                     action.value != newWindowAction};
    }
    return radios;
}

bool chooseAction(ButtonControl& button, int radioId) {
    const ValueRadio* radio = radioOf(actions, radioId);
    return radio && radio->value != newWindowAction && take(button.action, radio);
}

} // namespace zim
