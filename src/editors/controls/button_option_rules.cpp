#include "editors/controls/button_option_rules.h"

#include <algorithm>
#include <cstring>

#include "editors/controls/button_image_rules.h"
#include "editors/controls/button_state_rules.h"
#include "editors/controls/button_style_options.h"
#include "editors/controls/button_type_rules.h"
#include "model/style_help.h"

namespace zim {

namespace {

bool listed(const std::vector<int>& ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

const ValueList& listOf(StyleSet set) {
    switch (set) {
    case StyleSet::window:
        return windowStyleList;
    case StyleSet::extended:
        return extendedStyleList;
    case StyleSet::own:
        break;
    }
    return buttonStyleList;
}

int32_t* entriesOf(ButtonControl& copy, StyleSet set) {
    switch (set) {
    case StyleSet::window:
        return copy.windowStyles;
    case StyleSet::extended:
        return copy.extendedStyles;
    case StyleSet::own:
        break;
    }
    return copy.buttonStyles;
}

} // namespace

std::unique_ptr<OptionRules> buttonStyleRules(ButtonControl& copy, std::vector<int> ids) {
    auto marks = [&copy, ids] {
        std::vector<OptionMark> marks;
        for (const ButtonStyleOption& option : buttonStyleOptions(copy.kind))
            if (listed(ids, option.id))
                marks.push_back({option.id, option.text, buttonOptionChecked(copy, option.id), true,
                                 styleHelp(option.style)});
        return marks;
    };
    auto press = [&copy, ids](int id) {
        if (!listed(ids, id))
            return OptionPress{};
        const ButtonControl before = copy;
        std::optional<PageMessage> refusal = pressButtonOption(copy, id);
        const bool changed = std::memcmp(&before, &copy, sizeof copy) != 0;
        return OptionPress{changed, std::move(refusal)};
    };
    return std::make_unique<RuleOptions>(marks, press);
}

std::unique_ptr<OptionRules> buttonStyleSetToggles(ButtonControl& copy, StyleSet set,
                                                   std::vector<int> ids) {
    std::vector<StyleSetToggles::Option> options;
    for (const ButtonStyleOption& option : buttonStyleOptions(copy.kind))
        if (option.set == set && listed(ids, option.id))
            options.push_back({option.id, option.text, option.style});
    return std::make_unique<StyleSetToggles>(listOf(set), entriesOf(copy, set), options);
}

std::unique_ptr<OptionRules> buttonTypeRules(ButtonControl& copy) {
    return radioRules([&copy] { return buttonTypeRadios(copy); },
                      [&copy](int id) { return chooseButtonType(copy, id); });
}

std::unique_ptr<OptionRules> buttonImageTypeRules(ButtonControl& copy) {
    return radioRules([&copy] { return buttonImageTypeRadios(copy); },
                      [&copy](int id) { return chooseButtonImageType(copy, id); });
}

std::unique_ptr<OptionRules> initialStateRules(ButtonControl& copy) {
    return radioRules([&copy] { return initialStateRadios(copy); },
                      [&copy](int id) { return chooseInitialState(copy, id); });
}

std::unique_ptr<OptionRules> actionRules(ButtonControl& copy) {
    return radioRules([&copy] { return actionRadios(copy); },
                      [&copy](int id) { return chooseAction(copy, id); });
}

} // namespace zim
