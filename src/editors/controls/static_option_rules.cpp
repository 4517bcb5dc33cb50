#include "editors/controls/static_option_rules.h"

#include <algorithm>

#include "editors/controls/static_graphics_rules.h"
#include "editors/controls/static_image_rules.h"
#include "editors/controls/static_style_options.h"
#include "model/style_help.h"

namespace zim {

namespace {

bool listed(const std::vector<int>& ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

} // namespace

std::unique_ptr<OptionRules> staticStyleRules(StaticControl& copy, const StaticControl& saved,
                                              std::vector<int> ids) {
    auto marks = [&copy, ids] {
        const std::vector<StaticStyleOption> options = staticStyleOptions(copy.kind);
        const std::vector<ChoiceRadio> radios = staticOptionMarks(copy);
        std::vector<OptionMark> shown;
        for (std::size_t k = 0; k < options.size() && k < radios.size(); ++k)
            if (listed(ids, radios[k].id))
                shown.push_back({radios[k].id, radios[k].text, radios[k].checked, radios[k].enabled,
                                 styleHelp(options[k].style)});
        return shown;
    };
    auto press = [&copy, &saved, ids](int id) {
        return OptionPress{listed(ids, id) && pressStaticOption(copy, saved, id), {}};
    };
    return std::make_unique<RuleOptions>(marks, press);
}

std::unique_ptr<OptionRules> graphicsTypeRules(StaticControl& copy) {
    return radioRules([&copy] { return graphicsTypeRadios(copy); },
                      [&copy](int id) { return chooseGraphicsType(copy, id); });
}

std::unique_ptr<OptionRules> staticImageTypeRules(StaticControl& copy) {
    return radioRules([&copy] { return staticImageTypeRadios(copy); },
                      [&copy](int id) { return chooseStaticImageType(copy, id); });
}

} // namespace zim
