// "Standard Parameters" of a classic button: caption, type, description, tooltip, font and
// text colour, position and size, with the live preview of the type.

#include "editors/controls/button_option_rules.h"
#include "editors/controls/button_page.h"
#include "editors/controls/button_pages.h"
#include "editors/controls/control_font_rules.h"
#include "editors/controls/control_text_rules.h"
#include "editors/frame/page_message_box.h"
#include "editors/frame/parameters_frame.h"
#include "model/text_field.h"
#include "shell/control_toolkit.h"
#include "shell/user_questions.h"

namespace zim {

namespace {

enum ClassicButtonBasicControl : int {
    fontFaceBox = 192,
    currentFontLabel = 193,
    // captionEdit 96, descriptionEdit 97, edits 98 to 101, previewModeButton 95, type radios 81
    // to 89, tooltip radios 90 and 91, font radios 92 and 93, selectFontButton 94
};

constexpr int captionLimit = 259; // the caption field keeps room for its terminating zero

class ClassicButtonBasicPage : public ButtonPage {
  public:
    explicit ClassicButtonBasicPage(ParametersFrame& frame)
        : ButtonPage(frame, "ZIM \"Classic\" Button - Basic Properties") {}

  private:
    LayoutBox previewBox(int, int height) const override { return {10, 326, 300, height - 336}; }

    std::vector<ControlDescription> ownControls(int width, int) const override {
        const int right = width - 330;
        std::vector<ControlDescription> rows = {
            {"BUTTON", " Button Caption : ", BS_GROUPBOX, {10, 32, 300, 55}},
            {"EDIT",
             "",
             ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER,
             {20, 54, 280, 20},
             captionEdit,
             ControlFont::control},
        };
        for (const ControlDescription& row : descriptionRows({320, 32, right, 150}))
            rows.push_back(row);
        rows.push_back({"STATIC",
                        "Current Font - ",
                        SS_RIGHT,
                        {325, 275, 95, 18},
                        currentFontLabel,
                        ControlFont::control});
        rows.push_back({"STATIC", "", SS_CENTER | SS_SUNKEN, {421, 273, 140, 22}, fontFaceBox});
        rows.push_back(
            {"BUTTON", "Select New Font", WS_TABSTOP, {565, 273, 120, 22}, selectFontButton});
        for (const ControlDescription& row : placeRows({320, 308, right, 75}))
            rows.push_back(row);
        return rows;
    }

    void addOptionGroups(OptionGroups& groups, int width, int) override {
        const int right = width - 330;
        groups.add({" Button Type : ", {10, 89, 300, 232}, {30, 111, 260, 20}, 22},
                   buttonTypeRules(copy()));
        addTooltipGroup(groups, {320, 184, right, 45});
        groups.add({" Use Font in Button : ", {320, 231, right, 75}, {350, 251, 100, 20}, 0, 110},
                   radioRules([this] { return fontRadios(); },
                              [this](int id) { return chooseFontMode(copy().customFont, id); }));
    }

    // The two font radios as the font rules mark them.
    std::vector<ChoiceRadio> fontRadios() {
        const FontControls font = fontControls(copy().customFont, copy().font);
        return {{standardFontRadio, " Standard", font.standardChecked, true},
                {customFontRadio, " Custom", font.customChecked, true}};
    }

    void loadOwnControls() override {
        SendDlgItemMessageA(window(), captionEdit, EM_LIMITTEXT, captionLimit, 0);
        setLoadedText(captionEdit, shown(copy().text));
        loadFields();
        showFont();
    }

    void showFont() {
        const FontControls font = fontControls(copy().customFont, copy().font);
        setText(window(), fontFaceBox, font.faceName);
        enableOwnControls(editing());
    }

    void enableOwnControls(bool enabled) override {
        const bool picker = enabled && fontControls(copy().customFont, copy().font).pickerEnabled;
        enable(window(), {selectFontButton, currentFontLabel}, picker);
    }

    void afterOptionChange(int id) override {
        if (id == standardFontRadio || id == customFontRadio)
            showFont();
    }

    void onOwnCommand(int id, int code, HWND) override {
        if (onFieldCommand(id, code))
            return;
        if (id == captionEdit && code == EN_CHANGE && !loading())
            storeCaption(copy().text, textOf(window(), captionEdit));
        else if (id == selectFontButton && code == BN_CLICKED)
            selectFont();
    }

    void selectFont() {
        if (!chooseControlFont(window(), copy())) {
            showPageMessage(parametersWindow, buttonFontCancelledMessage());
            return;
        }
        showChange();
        showFont();
    }
};

} // namespace

std::unique_ptr<PageBase> makeClassicButtonBasicPage(ParametersFrame& frame) {
    return std::make_unique<ClassicButtonBasicPage>(frame);
}

} // namespace zim
