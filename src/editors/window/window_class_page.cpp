#include "editors/window/window_class_page.h"

#include <array>
#include <vector>

#include "editors/frame/parameters_frame.h"
#include "editors/frame/sample_colour_ref.h"
#include "editors/window/style_list_controls.h"
#include "editors/window/window_class_rules.h"
#include "editors/window/window_page_base.h"
#include "editors/window/window_page_questions.h"
#include "model/name_path.h"
#include "model/program_state.h"
#include "shell/control_toolkit.h"

namespace zim {

namespace {

// The samples; the buttons are those of window_class_rules.h, the lists those of
// style_list_controls.h.
enum WindowClassPageControl : int {
    colourSample = 201,
    iconSample = 202,
    smallIconSample = 203,
    cursorSample = 204,
};

constexpr DWORD groupBox = BS_GROUPBOX;
constexpr DWORD imageSample = SS_ICON | SS_CENTERIMAGE;
constexpr int sampleSide = 34;
constexpr int columnWidth = 210;
constexpr int groupStep = 78;

struct SampleGroup {
    const char* caption;
    int sample;
    int sampleWidth;
    const char* buttonText;
    int button;
};

constexpr std::array<SampleGroup, 4> sampleGroups{{
    {" Window Background Color ", colourSample, 50, "Select New Color", classColorButton},
    {" Window Icon ", iconSample, sampleSide, "Select New Icon", classIconButton},
    {" Window Small Icon ", smallIconSample, sampleSide, "Select New Icon", classSmallIconButton},
    {" Window Cursor ", cursorSample, sampleSide, "Select New Cursor", classCursorButton},
}};

std::vector<ControlDescription> classControls(int width, int height) {
    std::vector<ControlDescription> rows;
    for (std::size_t k = 0; k < sampleGroups.size(); ++k) {
        const SampleGroup& g = sampleGroups[k];
        const int top = 2 + static_cast<int>(k) * groupStep;
        const DWORD sampleStyle = g.sample == colourSample ? SS_LEFT : imageSample;
        rows.push_back({"BUTTON", g.caption, groupBox, {10, top, columnWidth, 70}});
        rows.push_back({"STATIC",
                        "",
                        sampleStyle | WS_BORDER,
                        {25, top + 24, g.sampleWidth, 34},
                        g.sample,
                        ControlFont::none});
        rows.push_back({"BUTTON", g.buttonText, WS_TABSTOP, {84, top + 28, 126, 26}, g.button});
    }
    const int left = columnWidth + 20;
    const int groupWidth = width - left - 10;
    const int inner = groupWidth - 30;
    const int listWidth = (inner - 70) / 2;
    const int x0 = left + 15;
    const int x1 = x0 + listWidth + 70;
    const int groupHeight = height - 57;
    const int paneTop = 248;
    rows.insert(
        rows.end(),
        {
            {"BUTTON", " Window Class Style(s) ", groupBox, {left, 2, groupWidth, groupHeight}},
            {"STATIC", "Available Styles :", SS_LEFT, {x0, 26, listWidth, 18}},
            {"LISTBOX",
             "",
             styleListStyle,
             {x0, 46, listWidth, 172},
             leftAvailableList,
             ControlFont::control,
             WS_EX_CLIENTEDGE},
            {"BUTTON", ">>>", WS_TABSTOP, {x0 + listWidth + 10, 92, 50, 26}, leftToSelectedButton},
            {"BUTTON",
             "<<<",
             WS_TABSTOP,
             {x0 + listWidth + 10, 132, 50, 26},
             leftToAvailableButton},
            {"STATIC", "Selected Styles :", SS_LEFT, {x1, 26, listWidth, 18}},
            {"LISTBOX",
             "",
             styleListStyle,
             {x1, 46, listWidth, 172},
             leftSelectedList,
             ControlFont::control,
             WS_EX_CLIENTEDGE},
            {"STATIC", "Style Description :", SS_LEFT, {x0, paneTop - 22, inner, 18}},
            {"EDIT",
             "",
             descriptionPaneStyle | WS_TABSTOP,
             {x0, paneTop, inner, groupHeight - paneTop - 12},
             leftDescriptionPane,
             ControlFont::control,
             WS_EX_CLIENTEDGE},
        });
    return rows;
}

// An icon or cursor shown in a sample: loaded from a file (then the page destroys it), or a
// shared system image.
struct LoadedImage {
    HANDLE handle = nullptr;
    bool owned = false;
};

LoadedImage loadSampleImage(const ClassImageSample& sample, bool cursor) {
    switch (sample.kind) {
    case ClassImageSample::Kind::file: {
        const std::string path = nameFromPath(projectDirectory / pathFromName(sample.fileName));
        return {LoadImageA(nullptr, path.c_str(), cursor ? IMAGE_CURSOR : IMAGE_ICON, 0, 0,
                           LR_LOADFROMFILE),
                true};
    }
    case ClassImageSample::Kind::standard:
        if (cursor)
            return {LoadCursorA(nullptr,
                                MAKEINTRESOURCEA(standardCursorList[sample.standardEntry].value)),
                    false};
        return {LoadIconA(nullptr, MAKEINTRESOURCEA(standardIconList[sample.standardEntry].value)),
                false};
    default:
        return {};
    }
}

void release(LoadedImage& image, bool cursor) {
    if (image.handle && image.owned) {
        if (cursor)
            DestroyCursor(static_cast<HCURSOR>(image.handle));
        else
            DestroyIcon(static_cast<HICON>(image.handle));
    }
    image = {};
}

class WindowClassTab : public WindowPageBase {
  public:
    explicit WindowClassTab(ParametersFrame& frame)
        : WindowPageBase(frame), rules_(project(), windowNumber(), projectDirectory),
          questions_(frame.window()) {}

    ~WindowClassTab() override {
        for (std::size_t k = 0; k < images_.size(); ++k)
            release(images_[k], k == cursorImage);
        if (sampleBrush_)
            DeleteObject(sampleBrush_);
    }

    void loadControls() override {
        InvalidateRect(GetDlgItem(window(), colourSample), nullptr, TRUE);
        const bool dialog = rules_.isDialog();
        styles().fill(rules_.classStyles(), state() == EditorState::edit && !dialog);
        // A dialog's class styles are shown, not chosen: nothing is selected or described.
        if (dialog) {
            SendDlgItemMessageA(window(), leftSelectedList, LB_SETCURSEL, static_cast<WPARAM>(-1),
                                0);
            styles().describe(dialogClassNote);
        }
        loadSamples();
    }

    // Every choice reaches the working copy as it is made.
    void storeControls() override {}

  private:
    enum SampleImage : std::size_t { iconImage, smallIconImage, cursorImage };

    StyleListControls styles() const { return {window(), leftStyleLists}; }

    std::vector<ControlDescription> pageControls(int width, int height) const override {
        return classControls(width, height);
    }

    void applyPageEnabling(EditorState state) override {
        const WindowClassEnabling e = rules_.enabling(state);
        HWND page = window();
        enable(page, {classColorButton}, e.selectNewColor);
        enable(page, {classIconButton, classSmallIconButton, classCursorButton},
               e.iconAndCursorButtons);
        enable(page,
               {leftAvailableList, leftSelectedList, leftToSelectedButton, leftToAvailableButton,
                leftDescriptionPane},
               e.classStyles);
    }

    void loadSamples() {
        showImage(iconSample, iconImage, rules_.iconSample());
        showImage(smallIconSample, smallIconImage, rules_.smallIconSample());
        showImage(cursorSample, cursorImage, rules_.cursorSample());
    }

    void showImage(int sample, SampleImage slot, const ClassImageSample& what) {
        const bool cursor = slot == cursorImage;
        LoadedImage image = loadSampleImage(what, cursor);
        SendDlgItemMessageA(window(), sample, STM_SETIMAGE, cursor ? IMAGE_CURSOR : IMAGE_ICON,
                            reinterpret_cast<LPARAM>(image.handle));
        release(images_[slot], cursor);
        images_[slot] = image;
    }

    HBRUSH onControlColour(HDC, HWND control) override {
        if (control != GetDlgItem(window(), colourSample))
            return nullptr;
        if (sampleBrush_)
            DeleteObject(sampleBrush_);
        sampleBrush_ = CreateSolidBrush(colourRefOf(rules_.sampleColour()));
        return sampleBrush_;
    }

    void onPageCommand(int id, int code, HWND control) override {
        if (state() != EditorState::edit)
            return;
        if (styles().onCommand(rules_.classStyles(), id, code))
            return;
        switch (id) {
        case classColorButton:
            openMenu(frame().menus().colour, control);
            return;
        case classIconButton:
        case classSmallIconButton:
            target_ = id == classIconButton ? IconTarget::icon : IconTarget::smallIcon;
            openMenu(frame().menus().icon, control);
            return;
        case classCursorButton:
            openMenu(frame().menus().cursor, control);
            return;
        default:
            if (code == 0 && rules_.command(id, target_, questions_)) {
                InvalidateRect(GetDlgItem(window(), colourSample), nullptr, TRUE);
                loadSamples();
            }
            return;
        }
    }

    // Centred under the button; the chosen item comes back as a command to the page.
    void openMenu(HMENU menu, HWND button) {
        RECT r;
        GetWindowRect(button, &r);
        TrackPopupMenu(menu, TPM_CENTERALIGN | TPM_LEFTBUTTON, (r.left + r.right) / 2, r.bottom, 0,
                       window(), nullptr);
    }

    void restoreWorkingCopy() override { rules_.restore(); }

    void saveWorkingCopy() override {
        const std::optional<PageMessage> problem = rules_.save();
        finishSave();
        if (problem)
            show(*problem);
    }

    WindowClassPage rules_;
    WindowPageQuestions questions_;
    IconTarget target_ = IconTarget::icon;
    std::array<LoadedImage, 3> images_{};
    HBRUSH sampleBrush_ = nullptr;
};

} // namespace

std::unique_ptr<PageBase> makeWindowClassPage(ParametersFrame& frame) {
    return std::make_unique<WindowClassTab>(frame);
}

} // namespace zim
