#include "editors/frame/program_page.h"

#include <string>
#include <vector>

#include "editors/frame/command_buttons.h"
#include "editors/frame/frame_layout.h"
#include "editors/frame/parameters_frame.h"
#include "editors/frame/program_page_rules.h"
#include "model/project.h"
#include "shell/control_toolkit.h"
#include "shell/object_code.h"
#include "shell/structure_pane.h"
#include "shell/structure_tree.h"
#include "shell/user_questions.h"

namespace zim {

namespace {

enum ProgramPageControl : int {
    descriptionEdit = 10,
    classicRadio = 11,
    dialogBasedRadio = 12,
    wallpaperPresentRadio = 13,
    wallpaperAbsentRadio = 14,
    projectFileNameValue = 201,
    createdValue = 202,
    designerValue = 203,
    applicationNameEdit = 204,
    helpEdit = 205,
};

constexpr const char* helpText =
    "   Here you can correct the basic parameters of the application created/edited now. Some of "
    "these parameters are standard, and they cannot be changed here. Others are application "
    "dependent, so you can change their values.\r\n"
    "\r\n"
    "   Some details:\r\n"
    "\"Application Name\" - name of application, which will appear in taskbar. Maximal number of "
    "characters for this parameter - 100.\r\n"
    "\"Description\" - additional information/comments, which will be stored for your convenience "
    "working with projects archive. Maximal number of characters - 250.\r\n"
    "\"Application Type\" - there are two basic types of application. First is based on "
    "\"classic\" and flexible Windows object - window. Second one uses modal dialog...\r\n"
    "\"Wallpaper\" - use this object, if you want to create special background for your "
    "application.\r\n"
    "\r\n"
    "   To start the corrections, simply push \"Edit Parameters\" button. After completing "
    "corrections, don't forget, please, to push \"Save Parameters\" button. Otherwise, your "
    "corrections will be ignored...";

constexpr DWORD label = SS_LEFT;
constexpr DWORD value = SS_CENTER;
constexpr DWORD groupBox = BS_GROUPBOX;
constexpr DWORD plainRadio = BS_RADIOBUTTON;
constexpr DWORD lineEdit = ES_AUTOHSCROLL;
constexpr DWORD helpStyle = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;

// Labels and values of the page, the parameters window's client area being width x height.
std::vector<ControlDescription> programPageControls(int width, int height) {
    const int valueWidth = width - 176;
    const int half = valueWidth / 2;
    const auto labelAt = [](const char* text, int top) {
        return ControlDescription{
            "STATIC", text, label, {30, top, 115, 20}, 0, ControlFont::control, WS_EX_STATICEDGE};
    };
    const auto radio = [](const char* text, LayoutBox box, int id, DWORD group) {
        return ControlDescription{"BUTTON", text, plainRadio | WS_TABSTOP | group, box, id};
    };
    return {
        {"BUTTON", " Standard Parameters ", groupBox, {10, 50, width - 20, 90}},
        labelAt(" Project filename -", 80),
        {"STATIC",
         "",
         value,
         {146, 80, valueWidth, 20},
         projectFileNameValue,
         ControlFont::control,
         WS_EX_STATICEDGE},
        labelAt(" Created -", 102),
        {"STATIC",
         "",
         value,
         {146, 102, 190, 20},
         createdValue,
         ControlFont::control,
         WS_EX_STATICEDGE},
        {"STATIC",
         " Designer -",
         label,
         {337, 102, 120, 20},
         0,
         ControlFont::control,
         WS_EX_STATICEDGE},
        {"STATIC",
         "",
         value,
         {458, 102, width - 488, 20},
         designerValue,
         ControlFont::control,
         WS_EX_STATICEDGE},
        {"BUTTON", " Application Dependent Parameters ", groupBox, {10, 150, width - 20, 135}},
        labelAt(" Application name -", 180),
        {"EDIT",
         "",
         lineEdit | ES_READONLY,
         {146, 180, valueWidth, 20},
         applicationNameEdit,
         ControlFont::control,
         WS_EX_CLIENTEDGE},
        labelAt(" Description -", 202),
        {"EDIT",
         "",
         lineEdit | WS_TABSTOP | WS_GROUP,
         {146, 202, valueWidth, 20},
         descriptionEdit,
         ControlFont::control,
         WS_EX_CLIENTEDGE},
        labelAt(" Application type :", 224),
        radio(" Classic (uses window as main frame)", {146, 224, half, 20}, classicRadio, WS_GROUP),
        radio(" Dialog based application", {146 + half, 224, valueWidth - half, 20},
              dialogBasedRadio, 0),
        labelAt(" Wallpaper presence -", 246),
        radio(" Present", {146, 246, half, 20}, wallpaperPresentRadio, WS_GROUP),
        radio(" Absent", {146 + half, 246, valueWidth - half, 20}, wallpaperAbsentRadio, 0),
        {"BUTTON", " Help ", groupBox, {10, 295, width - 20, height - 355}},
        {"EDIT",
         "",
         helpStyle | WS_TABSTOP | WS_GROUP,
         {30, 325, width - 60, height - 405},
         helpEdit,
         ControlFont::control,
         WS_EX_CLIENTEDGE},
    };
}

ProgramRadio radioOf(int id) {
    switch (id) {
    case dialogBasedRadio:
        return ProgramRadio::dialogBased;
    case wallpaperPresentRadio:
        return ProgramRadio::wallpaperPresent;
    case wallpaperAbsentRadio:
        return ProgramRadio::wallpaperAbsent;
    default:
        return ProgramRadio::classic;
    }
}

class ProgramPage : public ObjectEditor {
  public:
    explicit ProgramPage(ParametersFrame& frame) : frame_(frame) {}

    void build() override {
        HWND parent = frame_.window();
        RECT client;
        GetClientRect(parent, &client);
        createControls(parent, programPageControls(client.right, client.bottom));
        SendDlgItemMessageA(parent, descriptionEdit, EM_LIMITTEXT, programDescriptionLimit, 0);
        CreateCommandButtons(parent, client, commandButtonMargin);
        loadControls();
        frame_.applyEnabling();
    }

    void onCommand(int id, int code, HWND) override {
        switch (id) {
        case classicRadio:
        case dialogBasedRadio:
        case wallpaperPresentRadio:
        case wallpaperAbsentRadio:
            if (code == BN_CLICKED && session().state() == EditorState::edit)
                pressRadio(id);
            return;
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
    }

    void applyEnabling(const FrameEnabling&) override {
        const ProgramPageEnabling enabling = programPageEnabling(session().state());
        HWND parent = frame_.window();
        enable(parent, {applicationNameEdit}, enabling.applicationName);
        enable(parent, {descriptionEdit}, enabling.description);
        enable(parent,
               {classicRadio, dialogBasedRadio, wallpaperPresentRadio, wallpaperAbsentRadio},
               enabling.radios);
    }

  private:
    EditingSession& session() { return frame_.session(); }

    // The Project into the controls: on creation, after Restore and after Save.
    void loadControls() {
        const ProgramPageContent content = programPageContent(project().program);
        HWND parent = frame_.window();
        setText(parent, projectFileNameValue, content.projectFileName);
        setText(parent, createdValue, content.created);
        setText(parent, designerValue, content.designer);
        setText(parent, applicationNameEdit, content.applicationName);
        setText(parent, descriptionEdit, content.description);
        showChoices(content.choices);
        setText(parent, helpEdit, helpText);
    }

    ProgramChoices shownChoices() const {
        HWND parent = frame_.window();
        ProgramChoices choices;
        choices.classic = isChecked(parent, classicRadio);
        choices.dialogBased = isChecked(parent, dialogBasedRadio);
        choices.wallpaperPresent = isChecked(parent, wallpaperPresentRadio);
        choices.wallpaperAbsent = isChecked(parent, wallpaperAbsentRadio);
        return choices;
    }

    void showChoices(const ProgramChoices& choices) {
        HWND parent = frame_.window();
        setChecked(parent, classicRadio, choices.classic);
        setChecked(parent, dialogBasedRadio, choices.dialogBased);
        setChecked(parent, wallpaperPresentRadio, choices.wallpaperPresent);
        setChecked(parent, wallpaperAbsentRadio, choices.wallpaperAbsent);
    }

    void pressRadio(int id) {
        ProgramChoices choices = shownChoices();
        pressProgramRadio(choices, radioOf(id));
        showChoices(choices);
    }

    void save() {
        if (session().state() != EditorState::edit)
            return;
        HWND parent = frame_.window();
        const std::optional<PageMessage> warning =
            saveProgramPage(project(), shownChoices(), textOf(parent, descriptionEdit));
        if (warning)
            ask(warning->owner == MessageOwner::parametersWindow ? parent : nullptr, warning->text,
                warning->caption, warning->flags);
        session().save();
        loadControls();
        frame_.applyEnabling();
        // The type and the wallpaper change the tree's items and images. Rebuilding it selects
        // the program again, which replaces this frame and this page: nothing may follow.
        if (HWND tree = structurePaneTree())
            buildStructureTree(tree, programCode);
    }

    ParametersFrame& frame_;
};

} // namespace

std::unique_ptr<ObjectEditor> makeProgramPage(ParametersFrame& frame) {
    return std::make_unique<ProgramPage>(frame);
}

} // namespace zim
