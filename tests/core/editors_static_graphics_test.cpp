#include <gtest/gtest.h>

#include <set>
#include <string>

#include "editors/controls/static_graphics_rules.h"
#include "editors/frame/kind_selector.h"
#include "model/default_project.h"
#include "model/style_lists.h"

namespace zim {
namespace {

// Static 1 of the default project made a simple-graphics static (an etched frame).
StaticControl graphicsStatic() {
    buildDefaultProject();
    StaticControl copy = staticControl(1, 1);
    chooseStaticKind(copy, 1);
    return copy;
}

std::set<std::string> chosenStyles(const StaticControl& control) {
    std::set<std::string> names;
    for (int k = 1; k <= staticStyleList.count; ++k)
        if (control.staticStyles[k - 1])
            names.insert(staticStyleList[k].name);
    return names;
}

TEST(EditorsStaticGraphics, EachTypeRadioLeavesItsTypeAloneInTheStyleWord) {
    // The first radio and a line, which is edited as a line.
    const struct Case {
        int radio;
        const char* style;
        uint32_t word;
        EditTarget target;
    } cases[] = {
        {159, "SS_BLACKFRAME", 0x7, EditTarget::staticControl},
        {163, "SS_ETCHEDVERT", 0x11, EditTarget::verticalLine},
    };
    StaticControl copy = graphicsStatic();
    for (const ChoiceRadio& radio : graphicsTypeRadios(copy))
        EXPECT_EQ(radio.checked, radio.id == 161) << "a new graphics static is etched";

    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        chooseStyles(copy.staticStyles, staticStyleList, {"SS_SUNKEN"});
        EXPECT_TRUE(chooseGraphicsType(copy, c.radio));
        EXPECT_EQ(chosenStyles(copy), (std::set<std::string>{c.style, "SS_SUNKEN"}));
        EXPECT_EQ(styleWord(copy.staticStyles, staticStyleList), c.word | 0x1000);
        for (const ChoiceRadio& radio : graphicsTypeRadios(copy))
            EXPECT_EQ(radio.checked, radio.id == c.radio) << radio.id;
        EXPECT_EQ(staticEditTarget(copy), c.target);
        EXPECT_FALSE(chooseGraphicsType(copy, c.radio)) << "already the only type";
    }
    EXPECT_FALSE(chooseGraphicsType(copy, 168));

    // A text or image type left in a record would OR with the line into another type.
    chooseStyles(copy.staticStyles, staticStyleList, {"SS_CENTER", "SS_BITMAP"});
    EXPECT_TRUE(chooseGraphicsType(copy, 162));
    EXPECT_EQ(styleWord(copy.staticStyles, staticStyleList), 0x1010u);
    EXPECT_EQ(staticEditTarget(copy), EditTarget::horizontalLine);
}

} // namespace
} // namespace zim
