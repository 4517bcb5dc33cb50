#include "editors/controls/option_rules.h"

#include "model/style_help.h"

namespace zim {

StyleSetToggles::StyleSetToggles(const ValueList& list, int32_t* set, std::vector<Option> options)
    : list_(list), set_(set), options_(std::move(options)) {}

int32_t* StyleSetToggles::entryOf(const Option& option) const {
    return &set_[styleEntry(list_, option.style) - 1];
}

std::vector<OptionMark> StyleSetToggles::marks() const {
    std::vector<OptionMark> marks;
    for (const Option& option : options_)
        marks.push_back({option.id, option.text, *entryOf(option) != 0, true,
                         styleHelp(list_, styleEntry(list_, option.style))});
    return marks;
}

OptionPress StyleSetToggles::press(int id) {
    for (const Option& option : options_) {
        if (option.id != id)
            continue;
        int32_t& entry = *entryOf(option);
        entry = entry ? 0 : 1;
        return {true, std::nullopt};
    }
    return {};
}

} // namespace zim
