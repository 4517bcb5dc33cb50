// "Standard Parameters" of a text static: caption, description, tooltip, font, the text
// attributes with their colour buttons, position and size, with the live preview.

#include "editors/controls/control_font_rules.h"
#include "editors/controls/control_text_rules.h"
#include "editors/controls/static_colour_prompts.h"
#include "editors/controls/static_page.h"
#include "editors/controls/static_pages.h"
#include "editors/controls/static_text_attributes.h"
#include "editors/frame/page_message_box.h"
#include "editors/frame/parameters_frame.h"
#include "model/text_field.h"
#include "shell/control_toolkit.h"
#include "shell/shell_state.h"
#include "shell/user_questions.h"

namespace zim {

namespace {

enum TextStaticBasicControl : int {
    fontFaceBox = 198,
    currentFontLabel = 199,
    // captionEdit 96, descriptionEdit 97, edits 98 to 101, preview-mode button 95,
    // tooltip radios 90 and 91, font radios 92 and 93, selectFontButton 94, text attributes 142
    // to 147
};

constexpr int captionLimit = 259; // the caption field keeps room for its terminating zero
constexpr DWORD multiLineEdit = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD radio = BS_RADIOBUTTON | WS_TABSTOP;

class TextStaticBasicPage : public StaticPage {
  public:
    explicit TextStaticBasicPage(ParametersFrame& frame)
        : StaticPage(frame, "ZIM Text Static Control - Basic Properties") {}

  private:
    LayoutBox previewBox(int width, int) const override {
        return {rightLeft(width), 44, rightWidth(width), 137};
    }

    std::vector<ControlDescription> ownControls(int width, int height) const override {
        const int left = leftWidth(width);
        const int rx = rightLeft(width), rw = rightWidth(width);
        std::vector<ControlDescription> rows = {
            {"BUTTON",
             " Static Control Caption ( max 250 chars ) : ",
             BS_GROUPBOX,
             {10, 37, left, 100}},
            {"EDIT",
             "",
             multiLineEdit,
             {20, 59, left - 20, 65},
             captionEdit,
             ControlFont::control,
             WS_EX_CLIENTEDGE},
        };
        for (const ControlDescription& row : descriptionRows({10, 142, left, 100}))
            rows.push_back(row);
        const std::vector<ControlDescription> font = {
            {"STATIC",
             "Current Font Name - ",
             SS_LEFT,
             {20, 358, 140, 18},
             currentFontLabel,
             ControlFont::control},
            {"STATIC", "", SS_CENTER | SS_SUNKEN, {162, 356, 140, 22}, fontFaceBox},
            {"BUTTON", "Select New Font", WS_TABSTOP, {162, 381, 140, 25}, selectFontButton},
            {"BUTTON",
             "Select Static Control Text Color",
             WS_TABSTOP,
             {rx + 10, 230, rw - 20, 22},
             textColourButton},
            {"BUTTON",
             "Select Static Control Background Color",
             WS_TABSTOP,
             {rx + 10, 255, rw - 20, 22},
             backgroundColourButton},
            {"BUTTON",
             " Transparent Drawing",
             radio,
             {rx + 15, 283, 150, 18},
             transparentDrawingRadio},
            {"BUTTON", " Opaque Drawing", radio, {rx + 170, 283, 130, 18}, opaqueDrawingRadio},
        };
        rows.insert(rows.end(), font.begin(), font.end());
        for (const ControlDescription& row : placeRows({rx, 311, rw, 63}))
            rows.push_back(row);
        (void)height;
        return rows;
    }

    void addOptionGroups(OptionGroups& groups, int width, int height) override {
        const int left = leftWidth(width);
        const int rx = rightLeft(width), rw = rightWidth(width);
        groups.add(
            {" Use Static Description as Tooltip : ",
             {10, 247, left, 60},
             {50, 271, 80, 20},
             0,
             110},
            radioRules([this] { return tooltipRadios(copy().descriptionAsTooltip); },
                       [this](int id) { return chooseTooltip(copy().descriptionAsTooltip, id); }));
        groups.add({" Use Font in Static Control : ",
                    {10, 312, left, height - 318},
                    {30, 333, 100, 20},
                    0,
                    110},
                   radioRules([this] { return fontRadios(); },
                              [this](int id) { return chooseFontMode(copy().customFont, id); }));
        groups.add({" Static Control Text Attributes : ",
                    {rx, 186, rw, 120},
                    {rx + 15, 205, 150, 20},
                    0,
                    155},
                   radioRules([this] { return textAttributeControls(copy()).scheme; },
                              [this](int id) { return chooseTextAttribute(copy(), id); }));
    }

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
        showTextAttributes();
    }

    void showFont() {
        setText(window(), fontFaceBox, fontControls(copy().customFont, copy().font).faceName);
        enableOwnControls(editing());
    }

    void showTextAttributes() {
        const TextAttributeControls attributes = textAttributeControls(copy());
        for (const ChoiceRadio& drawing : attributes.drawing)
            setChecked(window(), drawing.id, drawing.checked);
        enableOwnControls(editing());
    }

    // The font picker and the colour controls stay disabled while their rules say so.
    void enableOwnControls(bool enabled) override {
        const bool picker = enabled && fontControls(copy().customFont, copy().font).pickerEnabled;
        enable(window(), {selectFontButton, currentFontLabel}, picker);
        const TextAttributeControls attributes = textAttributeControls(copy());
        enable(window(), {textColourButton, backgroundColourButton},
               enabled && attributes.colourButtonsEnabled);
        for (const ChoiceRadio& drawing : attributes.drawing)
            enable(window(), {drawing.id}, enabled && drawing.enabled);
    }

    void afterOptionChange(int id) override {
        if (id == standardFontRadio || id == customFontRadio)
            showFont();
        else if (id == customSchemeRadio || id == windowsDefaultRadio)
            showTextAttributes();
    }

    void onOwnCommand(int id, int code, HWND control) override {
        if (onFieldCommand(id, code))
            return;
        if (id == captionEdit) {
            if (code == EN_CHANGE && !loading()) {
                storeCaption(copy().text, textOf(window(), captionEdit));
                preview().rebuild();
            }
            return;
        }
        if (code != BN_CLICKED)
            return;
        switch (id) {
        case selectFontButton:
            selectFont();
            break;
        case transparentDrawingRadio:
        case opaqueDrawingRadio:
            if (chooseTextAttribute(copy(), id))
                showColours();
            break;
        case textColourButton:
            if (runTextColourSelection(copy(), control, parametersWindow))
                showColours();
            break;
        case backgroundColourButton:
            if (runBackgroundColourSelection(copy(), control, parametersWindow,
                                             frame().menus().colour))
                showColours();
            break;
        }
    }

    void showColours() {
        showTextAttributes();
        preview().rebuild();
    }

    void selectFont() {
        if (!chooseControlFont(window(), copy())) {
            showPageMessage(parametersWindow, staticFontCancelledMessage());
            return;
        }
        showChange();
        showFont();
    }
};

} // namespace

std::unique_ptr<PageBase> makeTextStaticBasicPage(ParametersFrame& frame) {
    return std::make_unique<TextStaticBasicPage>(frame);
}

} // namespace zim
