#include "shell/description_rules.h"

#include "model/project.h"
#include "model/text_field.h"
#include "shell/selection_state.h"

namespace zim {

namespace {

bool within(int32_t number, int capacity) {
    return number >= 1 && number <= capacity;
}

} // namespace

bool descriptionMissing(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

void describeNewControl(NewControlKind kind, std::string_view text) {
    if (!within(currentWindow, maxWindows))
        return;
    const std::string_view stored = text.substr(0, descriptionLimit);
    if (kind == NewControlKind::button && within(selectedButton, maxButtons))
        setText(button(currentWindow, selectedButton).description, stored);
    else if (kind == NewControlKind::staticControl && within(selectedStatic, maxStatics))
        setText(staticControl(currentWindow, selectedStatic).description, stored);
}

} // namespace zim
