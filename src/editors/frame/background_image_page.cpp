#include "editors/frame/background_image_page.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "editors/frame/background_image_page_rules.h"
#include "editors/frame/colour_sample.h"
#include "editors/frame/command_buttons.h"
#include "editors/frame/frame_layout.h"
#include "editors/frame/image_preview_panel.h"
#include "editors/frame/page_message_box.h"
#include "editors/frame/parameters_frame.h"
#include "editors/frame/placement_selector.h"
#include "model/name_path.h"
#include "model/program_state.h"
#include "shell/control_toolkit.h"
#include "shell/transparent_colour_picker.h"
#include "shell/user_questions.h"

namespace zim {

namespace {

// The controls beside those of background_image_page_rules.h and placement_codes.h.
enum BackgroundImagePageControl : int {
    fileNameValue = 201,
    dimensionsValue = 202,
    colourResolutionValue = 203,
    drawingAreaValue = 204,
    transparentSample = 205,
    frameSample = 206,
    frameWidthEdit = 207,
    frameHeightEdit = 208,
    transparentLabel = 211,
    frameColourLabel = 212,
    frameWidthLabel = 213,
    frameHeightLabel = 214,
};

constexpr int transparentBrushSlot = 1;
constexpr int frameBrushSlot = 2;

constexpr DWORD groupBox = BS_GROUPBOX;
constexpr DWORD plainRadio = BS_RADIOBUTTON | WS_TABSTOP;
constexpr DWORD pushButton = BS_PUSHBUTTON | WS_TABSTOP;

ControlDescription text(const char* caption, LayoutBox box, int id = 0) {
    return {"STATIC", caption, SS_LEFT, box, id};
}
ControlDescription value(LayoutBox box, int id) {
    return {"STATIC", "", SS_LEFT, box, id, ControlFont::control, WS_EX_STATICEDGE};
}
ControlDescription radio(const char* caption, LayoutBox box, int id) {
    return {"BUTTON", caption, plainRadio, box, id};
}
ControlDescription sample(LayoutBox box, int id) {
    return {"STATIC", "", SS_LEFT, box, id, ControlFont::none, WS_EX_CLIENTEDGE};
}

constexpr int previewSide = 290;
constexpr LayoutBox previewBox{25, 80, previewSide, previewSide};
// The right column of the upper group, beside the preview.
constexpr int column = 330;
constexpr int valueLeft = 460;

// The two groups in the parameters window's client area of width x height; the preview and
// the placement grid are made apart.
std::vector<ControlDescription> backgroundImageControls(int width, int height) {
    const int columnWidth = width - 25 - column;
    const int valueWidth = width - 25 - valueLeft;
    return {
        {"BUTTON", " Standard Parameters ", groupBox, {10, 50, width - 20, 350}},
        text(" Filename -", {column, 80, 125, 20}),
        value({valueLeft, 80, valueWidth, 20}, fileNameValue),
        text(" Image dimensions -", {column, 103, 125, 20}),
        value({valueLeft, 103, valueWidth, 20}, dimensionsValue),
        text(" Color resolution -", {column, 126, 125, 20}),
        value({valueLeft, 126, valueWidth, 20}, colourResolutionValue),
        text(" Load this image -", {column, 156, 125, 20}),
        radio(" From file", {valueLeft, 156, 100, 20}, fromFileRadio),
        radio(" From resource", {valueLeft + 105, 156, 130, 20}, fromResourceRadio),
        text(" Image placement in the drawing area : ", {column, 185, columnWidth, 20}),
        radio(" Tiled", {column + 10, 215, 110, 20}, tiledRadio),
        radio(" Stretched", {column + 10, 240, 110, 20}, stretchedRadio),
        {"STATIC", "", SS_ETCHEDFRAME, {470, 210, 200, 126}},
        value({column, 350, columnWidth, 20}, drawingAreaValue),

        {"BUTTON", " Miscellaneous Parameters ", groupBox, {10, 410, width - 20, height - 460}},
        text(" Drawing scheme ", {25, 437, 135, 20}),
        radio(" Standard scheme ( as is )", {165, 437, 210, 20}, standardSchemeRadio),
        radio(" Transparent scheme ( one color is transparent)", {380, 437, width - 405, 20},
              transparentSchemeRadio),
        text(" Transparent color -", {25, 464, 135, 20}, transparentLabel),
        sample({165, 464, 50, 20}, transparentSample),
        {"BUTTON",
         "Select New Transparent Color",
         pushButton,
         {225, 463, 230, 22},
         selectNewTransparentColorButton},
        text(" Frame ", {25, 497, 135, 20}),
        radio(" Don't frame the area", {165, 497, 210, 20}, noFrameRadio),
        radio(" Draw frame around the area", {380, 497, width - 405, 20}, frameRadio),
        text(" Frame color -", {25, 524, 135, 20}, frameColourLabel),
        sample({165, 524, 50, 20}, frameSample),
        {"BUTTON",
         "Select New Frame Color",
         pushButton,
         {225, 523, 230, 22},
         selectNewFrameColorButton},
        text(" Frame border width (in pixels) -", {25, 556, 230, 20}, frameWidthLabel),
        {"EDIT",
         "",
         ES_AUTOHSCROLL | ES_CENTER | WS_TABSTOP,
         {260, 556, 50, 20},
         frameWidthEdit,
         ControlFont::control,
         WS_EX_CLIENTEDGE},
        text(" Frame border height (in pixels) -", {25, 580, 230, 20}, frameHeightLabel),
        {"EDIT",
         "",
         ES_AUTOHSCROLL | ES_CENTER | WS_TABSTOP,
         {260, 580, 50, 20},
         frameHeightEdit,
         ControlFont::control,
         WS_EX_CLIENTEDGE},
    };
}

// The grid: 64 x 40 buttons inside the 200 x 126 frame.
std::array<LayoutBox, 9> fillCells() {
    std::array<LayoutBox, 9> cells;
    for (int k = 0; k < 9; ++k)
        cells[k] = {474 + 64 * (k % 3), 213 + 40 * (k / 3), 64, 40};
    return cells;
}

std::array<int, 9> fillIds() {
    std::array<int, 9> ids;
    for (int k = 0; k < 9; ++k)
        ids[k] = firstPlacementButton + k;
    return ids;
}

// The bitmap's file name without ".bmp", as the preview panel names it.
std::string bitmapNameOf(const std::string& fileName) {
    constexpr std::size_t extension = 4;
    return fileName.size() > extension ? fileName.substr(0, fileName.size() - extension) : fileName;
}

class BackgroundImagePageEditor : public ObjectEditor {
  public:
    BackgroundImagePageEditor(ParametersFrame& frame, EditedImage image)
        : frame_(frame), image_(image),
          transparent_(frame, transparentBrushSlot, transparentSample),
          frameColour_(frame, frameBrushSlot, frameSample) {}

    void build() override {
        HWND parent = frame_.window();
        RECT client;
        GetClientRect(parent, &client);
        createControls(parent, backgroundImageControls(client.right, client.bottom));
        fill_.emplace(parent, fillCells(), fillIds());
        info_ = bitmapInfoLines(image_, projectDirectory);
        preview_ = createImagePreviewPanel(parent, previewBox, [this] { return previewImage(); });
        CreateCommandButtons(parent, client, commandButtonMargin);
        loadControls();
        frame_.applyEnabling();
    }

    void onCommand(int id, int code, HWND) override {
        switch (id) {
        case editParametersCommand:
            if (session().edit() != StepResult::ignored)
                frame_.applyEnabling();
            return;
        case restoreParametersCommand:
            if (session().restore() == StepResult::ignored)
                return;
            loadControls();
            frame_.applyEnabling();
            return;
        case saveParametersCommand:
            save();
            return;
        }
        if (session().state() != EditorState::edit || code != BN_CLICKED)
            return;
        switch (id) {
        case selectNewTransparentColorButton:
            chooseTransparentColour();
            return;
        case selectNewFrameColorButton:
            chooseFrameColour();
            return;
        }
        if (pressBackgroundImageControl(page_.style, id)) {
            showChoices();
            frame_.applyEnabling();
            redrawImagePreview(preview_);
        }
    }

    std::optional<HBRUSH> onControlColour(HDC, HWND control) override {
        if (auto brush = transparent_.brushFor(control))
            return brush;
        return frameColour_.brushFor(control);
    }

    void applyEnabling(const FrameEnabling&) override {
        const BackgroundImageEnabling e = backgroundImageEnabling(page_.style, session().state());
        HWND parent = frame_.window();
        enable(parent, {fromFileRadio, fromResourceRadio}, e.loadRadios);
        enable(parent, {tiledRadio, stretchedRadio}, e.fillControls);
        for (HWND button : fill_->buttons())
            EnableWindow(button, e.fillControls);
        enable(parent, {standardSchemeRadio, transparentSchemeRadio}, e.schemeRadios);
        enable(parent, {selectNewTransparentColorButton, transparentLabel},
               e.selectNewTransparentColor);
        enable(parent, {noFrameRadio, frameRadio}, e.frameRadios);
        enable(parent, {selectNewFrameColorButton, frameColourLabel}, e.selectNewFrameColor);
        enable(parent, {frameWidthEdit, frameHeightEdit, frameWidthLabel, frameHeightLabel},
               e.frameBorders);
    }

  private:
    EditingSession& session() { return frame_.session(); }

    // The record into the page: on creation, after Restore and after Save.
    void loadControls() {
        page_ = backgroundImagePageContent(image_);
        HWND parent = frame_.window();
        setText(parent, fileNameValue, " " + info_.fileName);
        setText(parent, dimensionsValue, " " + info_.dimensions);
        setText(parent, colourResolutionValue, " " + info_.colourResolution);
        setText(parent, drawingAreaValue, " " + drawingAreaText(image_, info_.header));
        setText(parent, frameWidthEdit, page_.frameWidth);
        setText(parent, frameHeightEdit, page_.frameHeight);
        showChoices();
        transparent_.show(static_cast<COLORREF>(page_.style.transparentColour));
        frameColour_.show(static_cast<COLORREF>(page_.style.frameColour));
        redrawImagePreview(preview_);
    }

    void showChoices() {
        const BackgroundImageChecks checks = backgroundImageChecks(page_.style);
        HWND parent = frame_.window();
        setChecked(parent, fromFileRadio, checks.fromFile);
        setChecked(parent, fromResourceRadio, checks.fromResource);
        setChecked(parent, tiledRadio, checks.tiled);
        setChecked(parent, stretchedRadio, checks.stretched);
        setChecked(parent, standardSchemeRadio, checks.standardScheme);
        setChecked(parent, transparentSchemeRadio, checks.transparentScheme);
        setChecked(parent, noFrameRadio, checks.noFrame);
        setChecked(parent, frameRadio, checks.frame);
        fill_->showPlacement(checks.pushedPlacementButton - firstPlacementButton);
    }

    // Only a bitmap whose header was read is drawn: its name is a file of the project folder.
    // It is drawn with the page's choices and the border sizes typed so far.
    PreviewImage previewImage() {
        ImageDrawing drawing = pendingImageDrawing(image_, pageWithBorders());
        drawing.bitmapName = bitmapNameOf(info_.fileName);
        drawing.fromResource = false; // the designer always draws the project's file
        return {info_.header.has_value(), drawing.bitmapName, nullptr, drawing};
    }

    BackgroundImagePage pageWithBorders() const {
        BackgroundImagePage page = page_;
        page.frameWidth = textOf(frame_.window(), frameWidthEdit);
        page.frameHeight = textOf(frame_.window(), frameHeightEdit);
        return page;
    }

    // From the colour dialog or from a pixel of the bitmap, as the user answers.
    void chooseTransparentColour() {
        HWND parent = frame_.window();
        std::optional<COLORREF> colour;
        switch (transparentColorSource(showPageMessage(parent, transparentColorQuestion()))) {
        case TransparentColorSource::unchanged:
            return;
        case TransparentColorSource::colorDialog:
            if (const int chosen = chooseColour(parent, page_.style.transparentColour);
                chosen != -1)
                colour = static_cast<COLORREF>(chosen);
            break;
        case TransparentColorSource::bitmap:
            if (!info_.header) {
                showPageMessage(parent, transparentPickRefusal(info_));
                return;
            }
            colour =
                pickColourFromBitmap(parent, transparentColorDialogTitle,
                                     nameFromPath(projectDirectory / pathFromName(info_.fileName)));
            break;
        }
        if (!colour) {
            showPageMessage(parent, transparentColorCancelled());
            return;
        }
        page_.style.transparentColour = static_cast<int32_t>(*colour);
        transparent_.show(*colour);
        redrawImagePreview(preview_);
    }

    void chooseFrameColour() {
        HWND parent = frame_.window();
        const int chosen = chooseColour(parent, page_.style.frameColour);
        if (chosen == -1) {
            showPageMessage(parent, frameColorCancelled());
            return;
        }
        page_.style.frameColour = chosen;
        frameColour_.show(static_cast<COLORREF>(chosen));
        redrawImagePreview(preview_);
    }

    void save() {
        if (session().state() != EditorState::edit)
            return;
        HWND parent = frame_.window();
        page_.frameWidth = textOf(parent, frameWidthEdit);
        page_.frameHeight = textOf(parent, frameHeightEdit);
        const BackgroundImageSave result = saveBackgroundImagePage(image_, page_);
        if (!result.saved()) {
            showPageMessage(parent, result.refusal);
            HWND edit = GetDlgItem(parent, result.focus == BackgroundImageField::frameWidth
                                               ? frameWidthEdit
                                               : frameHeightEdit);
            SetFocus(edit);
            SendMessageA(edit, EM_SETSEL, 0, -1);
            return;
        }
        session().save();
        loadControls();
        frame_.applyEnabling();
    }

    ParametersFrame& frame_;
    EditedImage image_;
    BackgroundImagePage page_;
    BitmapInfoLines info_;
    ColourSample transparent_;
    ColourSample frameColour_;
    std::optional<PlacementSelector> fill_;
    HWND preview_ = nullptr;
};

} // namespace

std::unique_ptr<ObjectEditor> makeBackgroundImagePage(ParametersFrame& frame, EditedImage image) {
    return std::make_unique<BackgroundImagePageEditor>(frame, image);
}

} // namespace zim
