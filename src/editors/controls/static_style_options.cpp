#include "editors/controls/static_style_options.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>

namespace zim {

namespace {

using Set = StyleSet;
using Rule = StaticOptionRule;

constexpr int32_t textStatic = 0;
constexpr int32_t graphicsStatic = 1;
constexpr int32_t imageStatic = 2;

const StaticStyleOption textOptions[] = {
    {153, " Simple text static control", Set::own, "SS_SIMPLE", Rule::simpleText},
    {154, " Notify parent window", Set::own, "SS_NOTIFY", Rule::toggle},
    {155, " Prevents interpretation of ampersand", Set::own, "SS_NOPREFIX", Rule::toggle},
    {156, " Half-sunken border around a control", Set::own, "SS_SUNKEN", Rule::toggle},
    {148, " Left-aligned text in the static control rectangle", Set::own, "SS_LEFT",
     Rule::alignment},
    {149, " Horizontally centered text", Set::own, "SS_CENTER", Rule::alignment},
    {150, " Right-justified text in the static control rectangle", Set::own, "SS_RIGHT",
     Rule::alignment},
    {151, " Left-aligned and non-wrapped text ", Set::own, "SS_LEFTNOWORDWRAP", Rule::noWordWrap},
    {152, " Truncate text and add ellipses, if necessary", Set::own, "SS_ENDELLIPSIS",
     Rule::ellipsis},
    {157, " Replace characters in the middle with ellipses ", Set::own, "SS_PATHELLIPSIS",
     Rule::ellipsis},
    {158, " Truncate word that does not fit in the rectangle ", Set::own, "SS_WORDELLIPSIS",
     Rule::ellipsis},
};

const StaticStyleOption imageOptions[] = {
    {170, " Image is centered in the static control", Set::own, "SS_CENTERIMAGE", Rule::toggle},
    {171, " Fits the bitmap to the size of the control", Set::own, "SS_REALSIZECONTROL",
     Rule::toggle},
    {172, " Control will be resized to fit the image", Set::own, "SS_REALSIZEIMAGE", Rule::toggle},
    {173, " Fix lower right corner of a static control", Set::own, "SS_RIGHTJUST", Rule::toggle},
    {154, " Notify parent window", Set::own, "SS_NOTIFY", Rule::toggle},
    {156, " Half-sunken border around a control", Set::own, "SS_SUNKEN", Rule::toggle},
};

const StaticStyleOption windowOptions[] = {
    {113, " Control with a thin-line border", Set::window, "WS_BORDER", Rule::toggle},
    {114, " Control that is initially disabled", Set::window, "WS_DISABLED", Rule::toggle},
    {115, " Control border of a style typically used with dialogs", Set::window, "WS_DLGFRAME",
     Rule::toggle},
    {118, " Control that is initially visible. ", Set::window, "WS_VISIBLE", Rule::toggle},
    {119, " Control has a border with a sunken edge", Set::extended, "WS_EX_CLIENTEDGE",
     Rule::toggle},
    {120, " Control with a three-dimensional border style", Set::extended, "WS_EX_STATICEDGE",
     Rule::toggle},
    {121, " Control with a double border", Set::extended, "WS_EX_DLGMODALFRAME", Rule::toggle},
};

// The entries SS_SIMPLE replaces: the text layout, the wrapping and the ellipses.
constexpr const char* layoutStyles[] = {"SS_LEFT",           "SS_CENTER",      "SS_RIGHT",
                                        "SS_LEFTNOWORDWRAP", "SS_ENDELLIPSIS", "SS_PATHELLIPSIS",
                                        "SS_WORDELLIPSIS"};
constexpr const char* alignmentStyles[] = {"SS_LEFT", "SS_CENTER", "SS_RIGHT"};
constexpr const char* ellipsisStyles[] = {"SS_ENDELLIPSIS", "SS_PATHELLIPSIS", "SS_WORDELLIPSIS"};

bool isLayoutOption(const StaticStyleOption& option) {
    return option.rule == Rule::alignment || option.rule == Rule::noWordWrap ||
           option.rule == Rule::ellipsis;
}

std::optional<StaticStyleOption> optionOf(int32_t kind, int optionId) {
    for (const StaticStyleOption& option : staticStyleOptions(kind))
        if (option.id == optionId)
            return option;
    return std::nullopt;
}

template <std::size_t N> void clearAll(StaticControl& copy, const char* const (&names)[N]) {
    for (const char* name : names)
        staticStyle(copy, name) = 0;
}

// The layout a text static gets back when SS_SIMPLE is switched off: the saved record's, when
// that is a text static of its own layout; otherwise centred text, as a new text static has.
void restoreLayout(StaticControl& copy, const StaticControl& saved) {
    const bool savedHasLayout = saved.kind == textStatic && !hasStaticStyle(saved, "SS_SIMPLE");
    for (const char* name : layoutStyles)
        staticStyle(copy, name) = savedHasLayout && hasStaticStyle(saved, name) ? 1 : 0;
    if (!savedHasLayout)
        staticStyle(copy, "SS_CENTER") = 1;
}

void press(StaticControl& copy, const StaticControl& saved, const StaticStyleOption& option) {
    int32_t& entry = styleEntryOf(copy, option.set, option.style);
    switch (option.rule) {
    case Rule::simpleText:
        entry = entry ? 0 : 1;
        if (entry)
            clearAll(copy, layoutStyles);
        else
            restoreLayout(copy, saved);
        break;
    case Rule::alignment:
        clearAll(copy, alignmentStyles);
        staticStyle(copy, "SS_LEFTNOWORDWRAP") = 0;
        entry = 1;
        break;
    case Rule::noWordWrap:
        // Non-wrapped text is left-aligned; switched off, the text stays left-aligned.
        entry = entry ? 0 : 1;
        clearAll(copy, alignmentStyles);
        if (!entry)
            staticStyle(copy, "SS_LEFT") = 1;
        break;
    case Rule::ellipsis: {
        const int32_t chosen = entry ? 0 : 1;
        clearAll(copy, ellipsisStyles);
        entry = chosen;
        break;
    }
    case Rule::toggle:
        entry = entry ? 0 : 1;
        break;
    }
}

} // namespace

std::vector<StaticStyleOption> staticStyleOptions(int32_t kind) {
    std::vector<StaticStyleOption> options;
    if (kind == textStatic)
        options.assign(std::begin(textOptions), std::end(textOptions));
    else if (kind == imageStatic)
        options.assign(std::begin(imageOptions), std::end(imageOptions));
    else if (kind != graphicsStatic)
        return options;
    options.insert(options.end(), std::begin(windowOptions), std::end(windowOptions));
    return options;
}

std::vector<ChoiceRadio> staticOptionMarks(const StaticControl& copy) {
    const bool simple = hasStaticStyle(copy, "SS_SIMPLE");
    std::vector<ChoiceRadio> marks;
    for (const StaticStyleOption& option : staticStyleOptions(copy.kind)) {
        const bool enabled = !(simple && isLayoutOption(option));
        marks.push_back(
            {option.id, option.text, enabled && hasStyle(copy, option.set, option.style), enabled});
    }
    return marks;
}

bool pressStaticOption(StaticControl& copy, const StaticControl& saved, int optionId) {
    const auto option = optionOf(copy.kind, optionId);
    if (!option)
        return false;
    if (isLayoutOption(*option) && hasStaticStyle(copy, "SS_SIMPLE"))
        return false;
    const StaticControl before = copy;
    press(copy, saved, *option);
    return std::memcmp(&copy, &before, sizeof copy) != 0;
}

} // namespace zim
