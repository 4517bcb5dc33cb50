#include "editors/frame/program_page.h"

#include <string>
#include <vector>

#include "editors/frame/command_buttons.h"
#include "editors/frame/frame_layout.h"
#include "editors/frame/parameters_frame.h"
#include "editors/frame/program_page_rules.h"
#include "editors/frame/program_window_commands.h"
#include "model/program_state.h"
#include "model/project.h"
#include "shell/control_toolkit.h"
#include "shell/description_prompt.h"
#include "shell/object_code.h"
#include "shell/structure_pane.h"
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
    windowList = 206,
    addWindowButton = 207,
    duplicateWindowButton = 208,
    deleteWindowButton = 209,
    moveWindowUpButton = 210,
    moveWindowDownButton = 211,
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
constexpr DWORD listStyle = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
constexpr DWORD flatButton = BS_PUSHBUTTON | BS_FLAT | WS_TABSTOP;

// The group of the windows: the list on the left, its five commands stacked on the right.
constexpr int windowsTop = 295;
constexpr int windowsHeight = 155;
constexpr int commandWidth = 190;
constexpr int commandStep = 24;
constexpr int helpTop = windowsTop + windowsHeight + 10;

struct WindowCommandButton {
    int id;
    const char* text;
    WindowCommand command;
};

constexpr WindowCommandButton windowCommandButtons[] = {
    {addWindowButton, "Add New Window", WindowCommand::add},
    {duplicateWindowButton, "Duplicate Window", WindowCommand::duplicate},
    {deleteWindowButton, "Delete Window", WindowCommand::remove},
    {moveWindowUpButton, "Move Window Up", WindowCommand::moveUp},
    {moveWindowDownButton, "Move Window Down", WindowCommand::moveDown},
};

// Labels and values of the page and the list of windows, the parameters window's client area
// being `width` wide.
std::vector<ControlDescription> programPageControls(int width) {
    constexpr int labelWidth = 135; // " Wallpaper presence -" in full
    constexpr int valueLeft = 30 + labelWidth + 1;
    const int valueWidth = width - valueLeft - 30;
    const int half = valueWidth * 3 / 5; // " Classic (uses window as main frame)" in full
    const auto labelAt = [](const char* text, int top) {
        return ControlDescription{
            "STATIC",        text, label, {30, top, labelWidth, 20}, 0, ControlFont::control,
            WS_EX_STATICEDGE};
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
         {valueLeft, 80, valueWidth, 20},
         projectFileNameValue,
         ControlFont::control,
         WS_EX_STATICEDGE},
        labelAt(" Created -", 102),
        {"STATIC",
         "",
         value,
         {valueLeft, 102, 190, 20},
         createdValue,
         ControlFont::control,
         WS_EX_STATICEDGE},
        {"STATIC",
         " Designer -",
         label,
         {valueLeft + 191, 102, 120, 20},
         0,
         ControlFont::control,
         WS_EX_STATICEDGE},
        {"STATIC",
         "",
         value,
         {valueLeft + 312, 102, width - valueLeft - 342, 20},
         designerValue,
         ControlFont::control,
         WS_EX_STATICEDGE},
        {"BUTTON", " Application Dependent Parameters ", groupBox, {10, 150, width - 20, 135}},
        labelAt(" Application name -", 180),
        {"EDIT",
         "",
         lineEdit | ES_READONLY,
         {valueLeft, 180, valueWidth, 20},
         applicationNameEdit,
         ControlFont::control,
         WS_EX_CLIENTEDGE},
        labelAt(" Description -", 202),
        {"EDIT",
         "",
         lineEdit | WS_TABSTOP | WS_GROUP,
         {valueLeft, 202, valueWidth, 20},
         descriptionEdit,
         ControlFont::control,
         WS_EX_CLIENTEDGE},
        labelAt(" Application type :", 224),
        radio(" Classic (uses window as main frame)", {valueLeft, 224, half, 20}, classicRadio,
              WS_GROUP),
        radio(" Dialog based application", {valueLeft + half, 224, valueWidth - half, 20},
              dialogBasedRadio, 0),
        labelAt(" Wallpaper presence -", 246),
        radio(" Present", {valueLeft, 246, half, 20}, wallpaperPresentRadio, WS_GROUP),
        radio(" Absent", {valueLeft + half, 246, valueWidth - half, 20}, wallpaperAbsentRadio, 0),
        {"BUTTON",
         " Windows of the Program : ",
         groupBox,
         {10, windowsTop, width - 20, windowsHeight}},
        {"LISTBOX",
         "",
         listStyle | WS_TABSTOP | WS_GROUP,
         {30, windowsTop + 25, width - 270, windowsHeight - 40},
         windowList,
         ControlFont::control,
         WS_EX_CLIENTEDGE},
    };
}

// The five commands beside the list.
std::vector<ControlDescription> windowCommandControls(int width) {
    std::vector<ControlDescription> buttons;
    int top = windowsTop + 25;
    for (const WindowCommandButton& button : windowCommandButtons) {
        buttons.push_back({"BUTTON",
                           button.text,
                           flatButton,
                           {width - 30 - commandWidth, top, commandWidth, 20},
                           button.id});
        top += commandStep;
    }
    return buttons;
}

// The help below the windows, down to the command buttons.
std::vector<ControlDescription> helpControls(int width, int height) {
    return {
        {"BUTTON", " Help ", groupBox, {10, helpTop, width - 20, height - 60 - helpTop}},
        {"EDIT",
         "",
         helpStyle | WS_TABSTOP | WS_GROUP,
         {30, helpTop + 30, width - 60, height - 110 - helpTop},
         helpEdit,
         ControlFont::control,
         WS_EX_CLIENTEDGE},
    };
}

// The questions of the window commands: message boxes and the title prompt, modal to the main
// window, so that nothing on the page can be pressed while one is open.
class WindowQuestions : public WindowCommandPrompts {
  public:
    explicit WindowQuestions(HWND owner) : owner_(owner) {}

    int show(const PageMessage& message) override {
        return ask(owner_, message.text, message.caption, message.flags);
    }
    std::string newWindowTitle() override { return runWindowTitlePrompt(owner_); }

  private:
    HWND owner_;
};

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
        createControls(parent, programPageControls(client.right));
        createControls(parent, windowCommandControls(client.right));
        createControls(parent, helpControls(client.right, client.bottom));
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
        case windowList:
            if (code == LBN_SELCHANGE)
                selectedWindow_ = listSelection() + 1;
            return;
        }
        for (const WindowCommandButton& button : windowCommandButtons) {
            if (id == button.id && code == BN_CLICKED && session().state() == EditorState::edit) {
                runCommand(button.command);
                return;
            }
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
        enable(parent,
               {windowList, addWindowButton, duplicateWindowButton, deleteWindowButton,
                moveWindowUpButton, moveWindowDownButton},
               enabling.windows);
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
        showWindows();
    }

    void showWindows() {
        HWND list = GetDlgItem(frame_.window(), windowList);
        const std::vector<std::string> items = windowListItems(project());
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (const std::string& item : items)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        if (selectedWindow_ > static_cast<int>(items.size()))
            selectedWindow_ = 1;
        SendMessageA(list, LB_SETCURSEL, selectedWindow_ - 1, 0);
    }

    int listSelection() const {
        const LRESULT index = SendDlgItemMessageA(frame_.window(), windowList, LB_GETCURSEL, 0, 0);
        return index == LB_ERR ? selectedWindow_ - 1 : static_cast<int>(index);
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
        // The type and the wallpaper change the tree's items and images. The rebuilt tree
        // selects the program again, which replaces this frame and this page.
        rebuildStructureTreeLater(programCode);
    }

    // A window command in edit state. Once the windows changed, the page leaves edit state
    // without the corrections the user agreed to drop, and the rebuilt tree opens the window
    // the command chose, in place of this page.
    void runCommand(WindowCommand command) {
        HWND parent = frame_.window();
        WindowQuestions questions(GetAncestor(parent, GA_ROOT));
        const bool corrections = hasUnsavedCorrections(project().program, shownChoices(),
                                                       textOf(parent, descriptionEdit));
        const ListFolders folders{projectDirectory, programDirectory / templatesFolder};
        const std::optional<int> chosen =
            runWindowCommand(project(), folders, command, selectedWindow_, corrections, questions);
        if (!chosen)
            return;
        projectUnsaved = 1;
        session().restore();
        loadControls();
        frame_.applyEnabling();
        rebuildStructureTreeLater(windowCode(project().program.applicationType, *chosen));
    }

    ParametersFrame& frame_;
    int selectedWindow_ = 1; // the window of the list the commands act on
};

} // namespace

std::unique_ptr<ObjectEditor> makeProgramPage(ParametersFrame& frame) {
    return std::make_unique<ProgramPage>(frame);
}

} // namespace zim
