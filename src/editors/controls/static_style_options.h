// The style options of the static pages: the "Styles" page of a text static (ids 113 to 121 and
// 148 to 158), the image styles of an image static's basic page (154, 156, 170 to 173) and the
// window and extended style options that every static page offers (113 to 115, 118 to 121).
// Each option shows the help text of its constant (styleHelp(option.style)).
//
// The text layout of a static is one value of the type bits of its style word (SS_LEFT,
// SS_CENTER, SS_RIGHT, SS_LEFTNOWORDWRAP, SS_SIMPLE), and its ellipsis one value of two bits
// (SS_ENDELLIPSIS, SS_PATHELLIPSIS, SS_WORDELLIPSIS). Two of these entries set together OR into
// a third value (SS_CENTER with SS_LEFTNOWORDWRAP is SS_OWNERDRAW, SS_ENDELLIPSIS with
// SS_PATHELLIPSIS is SS_WORDELLIPSIS), so the options keep at most one of each group set.
#pragma once

#include <cstdint>
#include <vector>

#include "editors/controls/choice_radio.h"
#include "editors/controls/control_style_entries.h"
#include "model/project.h"

namespace zim {

enum class StaticOptionRule {
    simpleText, // SS_SIMPLE: on, the seven layout entries are cleared and their options disabled
    alignment,  // one of left, centre, right; clears SS_LEFTNOWORDWRAP
    noWordWrap, // SS_LEFTNOWORDWRAP: on, clears the alignments; off, the text is left-aligned
    ellipsis,   // at most one of the three ellipsis entries
    toggle,
};

struct StaticStyleOption {
    int id;
    const char* text;
    StyleSet set;
    const char* style; // the constant the option sets
    StaticOptionRule rule;
};

// The options of a static of `kind` in creation order: for a text static (0) the "Styles"
// page, for a simple-graphics static (1) the window and extended styles, for an image static
// (2) its image styles and then the window and extended styles. Owner-drawn statics (3) have
// none.
std::vector<StaticStyleOption> staticStyleOptions(int32_t kind);

// The options of the copy's kind in creation order, each checked when its entry is set.
// While SS_SIMPLE is set the seven layout options (148 to 152, 157, 158) are disabled and
// unchecked; every other option is enabled.
std::vector<ChoiceRadio> staticOptionMarks(const StaticControl& copy);

// The user clicked an option of the copy's kind; `saved` is the static's record in the Project.
// An alignment that is set stays so; any other alignment is set alone. SS_SIMPLE switched off
// takes the seven layout entries back from `saved` when that is a text static without
// SS_SIMPLE, and otherwise centres the text (SS_CENTER alone). A disabled option and an id the
// kind does not offer change nothing. Returns whether the copy changed, so the page knows to
// refresh its marks and rebuild the preview.
bool pressStaticOption(StaticControl& copy, const StaticControl& saved, int optionId);

} // namespace zim
