// The " Button Initial State :" radios (135 to 137), which only three-state check boxes use,
// and the " Button Action :" radios (122 to 125) of what a click does in the generated program.
#pragma once

#include <array>

#include "editors/controls/choice_radio.h"
#include "model/project.h"

namespace zim {

enum InitialStateRadioId : int {
    checkedStateRadio = 135,      // checkState 1
    clearedStateRadio = 136,      // checkState 0
    intermediateStateRadio = 137, // checkState 2
};

enum ActionRadioId : int {
    userSubroutineRadio = 122, // action 0
    closeWindowRadio = 123,    // action 1
    closeApplicationRadio = 124,
    newWindowRadio = 125, // action 3: shown, never chosen
};

// In creation order. For a three-state check box the radios are enabled and the one of
// checkState is checked; for any other type they are disabled and unchecked, and checkState
// is kept for a later change of type.
std::array<ChoiceRadio, 3> initialStateRadios(const ButtonControl& button);

// An initial-state radio was clicked: a three-state check box takes its state. Returns whether
// the button changed; other types and other ids change nothing.
bool chooseInitialState(ButtonControl& button, int radioId);

// In creation order, the radio of `action` checked; " Create new window ( control )" is
// always disabled, so a stored action 3 shows but cannot be chosen again.
std::array<ChoiceRadio, 4> actionRadios(const ButtonControl& button);

// An action radio was clicked: the button takes its action. Returns whether it changed; the
// disabled radio 125 and other ids change nothing.
bool chooseAction(ButtonControl& button, int radioId);

} // namespace zim
