// The option groups of the static pages: the style options of a static (staticStyleOptions)
// shown with the help text of their constants, clicked through pressStaticOption, and the type
// radios of simple-graphics and image statics.
#pragma once

#include <memory>
#include <vector>

#include "editors/controls/option_rules.h"
#include "model/project.h"

namespace zim {

// The style options `ids` of the copy's kind, in their creation order. `saved` is the static's
// record in the Project, which " Simple text static control" switched off takes its layout from.
std::unique_ptr<OptionRules> staticStyleRules(StaticControl& copy, const StaticControl& saved,
                                              std::vector<int> ids);

std::unique_ptr<OptionRules> graphicsTypeRules(StaticControl& copy);
std::unique_ptr<OptionRules> staticImageTypeRules(StaticControl& copy);

} // namespace zim
