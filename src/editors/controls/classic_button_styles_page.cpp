// "Styles" of a classic button: text alignment and the other button styles, the window and
// extended styles, the initial state and the action, with the live preview.
#include "editors/controls/button_option_rules.h"
#include "editors/controls/button_page.h"
#include "editors/controls/button_pages.h"

namespace zim {

namespace {

// Option ids 102 to 121 (ButtonStyleOption), 135 to 137 (InitialStateRadioId), 122 to 125
// (ActionRadioId).

class ClassicButtonStylesPage : public ButtonPage {
  public:
    explicit ClassicButtonStylesPage(ParametersFrame& frame)
        : ButtonPage(frame, "ZIM \"Classic\" Button Additional Styles") {}

  private:
    LayoutBox previewBox(int, int) const override { return {10, 32, 300, 105}; }

    void addOptionGroups(OptionGroups& groups, int width, int) override {
        const int right = width - 330;
        // The right-hand groups start below the title and indent little: their longest
        // texts need the width.
        const int optionWidth = right - 15;
        groups.add({" Button Text Alignment : ", {10, 143, 300, 170}, {30, 164, 275, 18}, 20},
                   buttonStyleRules(copy(), {102, 103, 104, 105, 106, 107, 108}));
        groups.add({" Other Button Styles : ", {10, 318, 300, 105}, {30, 339, 275, 18}, 20},
                   buttonStyleRules(copy(), {109, 110, 111, 112}));
        groups.add({" Window Styles Used With Buttons : ",
                    {320, 30, right, 132},
                    {330, 48, optionWidth, 18},
                    18},
                   buttonStyleSetToggles(copy(), StyleSet::window, {113, 114, 115, 116, 117, 118}));
        groups.add({" Window Extended Styles Used With Buttons : ",
                    {320, 165, right, 76},
                    {330, 183, optionWidth, 18},
                    18},
                   buttonStyleSetToggles(copy(), StyleSet::extended, {119, 120, 121}));
        groups.add(
            {" Button Initial State : ", {320, 244, right, 76}, {330, 262, optionWidth, 18}, 18},
            initialStateRules(copy()));
        groups.add(
            {" Button Action : ", {320, 323, right, 96}, {350, 341, optionWidth - 20, 18}, 18},
            actionRules(copy()));
    }
};

} // namespace

std::unique_ptr<PageBase> makeClassicButtonStylesPage(ParametersFrame& frame) {
    return std::make_unique<ClassicButtonStylesPage>(frame);
}

} // namespace zim
