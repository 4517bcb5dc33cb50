#include "editors/controls/control_text_rules.h"

#include "model/text_field.h"

namespace zim {

void storeCaption(char (&field)[260], std::string_view text) {
    setCaption(field, text);
}

void storeDescription(char (&field)[260], std::string_view text) {
    setCaption(field, text.substr(0, controlDescriptionLimit));
}

std::array<ChoiceRadio, 2> tooltipRadios(int32_t descriptionAsTooltip) {
    const bool shown = descriptionAsTooltip == 1;
    return {{{tooltipYesRadio, " Yes", shown, true}, {tooltipNoRadio, " No", !shown, true}}};
}

bool chooseTooltip(int32_t& descriptionAsTooltip, int radioId) {
    if (radioId != tooltipYesRadio && radioId != tooltipNoRadio)
        return false;
    const int32_t chosen = radioId == tooltipYesRadio ? 1 : 0;
    if (descriptionAsTooltip == chosen)
        return false;
    descriptionAsTooltip = chosen;
    return true;
}

} // namespace zim
