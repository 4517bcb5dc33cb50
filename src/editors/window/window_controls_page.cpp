#include "editors/window/window_controls_page.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "archive/file_operations.h"
#include "editors/frame/parameters_frame.h"
#include "editors/window/control_list_operations.h"
#include "editors/window/list_messages.h"
#include "editors/window/window_header.h"
#include "model/default_project.h"
#include "model/program_state.h"
#include "model/project.h"
#include "model/text_field.h"
#include "shell/description_prompt.h"
#include "shell/object_code.h"
#include "shell/selection_state.h"
#include "shell/structure_pane.h"
#include "shell/structure_tree.h"
#include "shell/user_questions.h"

namespace zim {

namespace {

enum WindowControlsPageControl : int {
    moveButtonUpButton = 70,
    moveButtonDownButton = 71,
    deleteButtonButton = 72,
    addButtonButton = 73,
    moveStaticUpButton = 74,
    moveStaticDownButton = 75,
    deleteStaticButton = 76,
    addStaticButton = 77,
    buttonList = 78,
    staticList = 79,
    buttonGroup = 80,
    staticGroup = 81,
    buttonDescriptionPane = 82,
    staticDescriptionPane = 83,
};

enum class Column { buttons, statics };

// The controls and texts of one column: buttons on the left, statics on the right.
struct ColumnControls {
    int group;
    int list;
    int pane;
    int moveUp;
    int moveDown;
    int remove;
    int add;
    const char* groupText;
    const char* listLabel;
    const char* paneLabel;
    const char* moveUpText;
    const char* moveDownText;
    const char* removeText;
    const char* addText;
    const char* itemPrefix;
};

constexpr ColumnControls buttonColumn{buttonGroup,
                                      buttonList,
                                      buttonDescriptionPane,
                                      moveButtonUpButton,
                                      moveButtonDownButton,
                                      deleteButtonButton,
                                      addButtonButton,
                                      " Number of buttons for this window = ",
                                      "Buttons :",
                                      "Button Description :",
                                      "Move Selected Button Up",
                                      "Move Selected Button Down",
                                      "Delete Selected Button",
                                      "Add New Button",
                                      "Button_"};

constexpr ColumnControls staticColumn{staticGroup,
                                      staticList,
                                      staticDescriptionPane,
                                      moveStaticUpButton,
                                      moveStaticDownButton,
                                      deleteStaticButton,
                                      addStaticButton,
                                      " Number of static controls for this window = ",
                                      "Static Controls :",
                                      "Static Control Description :",
                                      "Move Selected Control Up",
                                      "Move Selected Control Down",
                                      "Delete Selected Control",
                                      "Add New Static Control",
                                      "Static_"};

const ColumnControls& controlsOf(Column column) {
    return column == Column::buttons ? buttonColumn : staticColumn;
}

constexpr DWORD commandStyle = BS_PUSHBUTTON | BS_FLAT | WS_TABSTOP;
constexpr DWORD listStyle =
    LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD paneStyle = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER;
constexpr int groupTop = 32;
constexpr int labelHeight = 18;
constexpr int commandHeight = 25;
constexpr int commandStep = 29;
constexpr int paneHeight = 46;

// One column in the page's client area: the group box with its count, the list, the
// description pane and the four commands stacked under it.
std::vector<ControlDescription> columnControls(const ColumnControls& c, int left, int width,
                                               int height) {
    const int inner = left + 12;
    const int innerWidth = width - 24;
    const int commandTop = height - 14 - 3 * commandStep - commandHeight;
    const int paneTop = commandTop - 10 - paneHeight;
    const int paneLabelTop = paneTop - labelHeight - 2;
    const int listTop = groupTop + 22 + labelHeight + 2;
    const int listHeight = paneLabelTop - 6 - listTop;
    std::vector<ControlDescription> controls = {
        {"BUTTON", "", BS_GROUPBOX, {left, groupTop, width, height - groupTop - 4}, c.group},
        {"STATIC",
         c.listLabel,
         SS_LEFT,
         {inner, groupTop + 22, innerWidth, labelHeight},
         0,
         ControlFont::labelBold},
        {"LISTBOX",
         "",
         listStyle,
         {inner, listTop, innerWidth, listHeight},
         c.list,
         ControlFont::control,
         WS_EX_CLIENTEDGE},
        {"STATIC",
         c.paneLabel,
         SS_LEFT,
         {inner, paneLabelTop, innerWidth, labelHeight},
         0,
         ControlFont::labelBold},
        {"EDIT",
         "",
         paneStyle,
         {inner, paneTop, innerWidth, paneHeight},
         c.pane,
         ControlFont::control,
         WS_EX_CLIENTEDGE},
    };
    const int ids[] = {c.moveUp, c.moveDown, c.remove, c.add};
    const char* texts[] = {c.moveUpText, c.moveDownText, c.removeText, c.addText};
    for (int k = 0; k < 4; ++k)
        controls.push_back({"BUTTON",
                            texts[k],
                            commandStyle,
                            {inner, commandTop + k * commandStep, innerWidth, commandHeight},
                            ids[k]});
    return controls;
}

ListFolders controlFolders() {
    return {projectDirectory, programDirectory / templatesFolder};
}

std::string itemLabel(const char* prefix, int position) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", position);
    return prefix + std::string(digits);
}

int show(const PageMessage& message) {
    HWND owner = message.owner == MessageOwner::parametersWindow ? parametersWindow : nullptr;
    return ask(owner, message.text, message.caption, message.flags);
}

// An operation that did not happen: its refusal, or the file step that stopped it.
bool stopped(const ListResult& result, const char* caption) {
    if (result.status == ListStatus::refused) {
        show(result.refusal);
        return true;
    }
    if (result.status == ListStatus::failed) {
        ask(nullptr, failureReport(result.failures), caption, box::ok | box::iconHand);
        return true;
    }
    return false;
}

// What a finished operation could not tidy up (a file left under its parking name, a
// template image that was missing): the records and the other files are in place.
void noteLeftovers(const ListResult& result, const char* caption) {
    if (!result.failures.empty())
        ask(nullptr, failureReport(result.failures), caption, box::ok | box::iconInformation);
}

class WindowControlsPage;
WindowControlsPage* shownPage = nullptr;

class WindowControlsPage : public PageBase {
  public:
    explicit WindowControlsPage(ParametersFrame& frame)
        : frame_(frame), w_(frame.session().selection().window) {
        selectedButton = 1;
        selectedStatic = 1;
        shownPage = this;
    }

    ~WindowControlsPage() override {
        if (shownPage == this)
            shownPage = nullptr;
    }

    void loadControls() override {
        fill(Column::buttons);
        fill(Column::statics);
    }

    // Everything the page changes goes into the Project at once.
    void storeControls() override {}

    // Selects the control at `position` of a column, as after adding it.
    void select(Column column, int position) {
        selection(column) = position;
        fill(column);
    }

  private:
    std::vector<ControlDescription> controls(int width, int height) const override {
        std::vector<ControlDescription> all = {
            {"STATIC",
             "Window Buttons and Static Controls",
             SS_CENTER,
             {10, 4, width - 20, 24},
             0,
             ControlFont::heading},
        };
        const int columnWidth = (width - 30) / 2;
        for (const ControlDescription& control :
             columnControls(buttonColumn, 10, columnWidth, height))
            all.push_back(control);
        for (const ControlDescription& control :
             columnControls(staticColumn, 20 + columnWidth, columnWidth, height))
            all.push_back(control);
        return all;
    }

    void onInit() override { SetFocus(GetDlgItem(window(), buttonList)); }

    // The commands need no Edit first: each one is complete in itself.
    void onEnableControls(bool) override { enableChildren(window(), true); }

    void onCommand(int id, int code, HWND) override {
        if (id == buttonList || id == staticList) {
            if (code == LBN_SELCHANGE)
                takeListSelection(id == buttonList ? Column::buttons : Column::statics);
            return;
        }
        if (code != BN_CLICKED)
            return;
        switch (id) {
        case moveButtonUpButton:
            return move(Column::buttons, MoveDirection::up);
        case moveButtonDownButton:
            return move(Column::buttons, MoveDirection::down);
        case deleteButtonButton:
            return remove(Column::buttons);
        case addButtonButton:
            return add(Column::buttons);
        case moveStaticUpButton:
            return move(Column::statics, MoveDirection::up);
        case moveStaticDownButton:
            return move(Column::statics, MoveDirection::down);
        case deleteStaticButton:
            return remove(Column::statics);
        case addStaticButton:
            return add(Column::statics);
        default:
            return;
        }
    }

    int count(Column column) const {
        const AppWindow& record = zim::window(w_);
        return column == Column::buttons ? record.buttonCount : record.staticCount;
    }

    static int32_t& selection(Column column) {
        return column == Column::buttons ? selectedButton : selectedStatic;
    }

    std::string description(Column column, int position) const {
        return column == Column::buttons ? shown(button(w_, position).description)
                                         : shown(staticControl(w_, position).description);
    }

    void fill(Column column) {
        const ColumnControls& c = controlsOf(column);
        const int n = count(column);
        setText(window(), c.pane, "");
        setText(window(), c.group, c.groupText + std::to_string(n) + " ");
        HWND list = GetDlgItem(window(), c.list);
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (int k = 1; k <= n; ++k) {
            const std::string label = itemLabel(c.itemPrefix, k);
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
        }
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
        if (n == 0)
            return;
        if (selection(column) < 1 || selection(column) > n)
            selection(column) = 1;
        SendMessageA(list, LB_SETCURSEL, selection(column) - 1, 0);
        setText(window(), c.pane, description(column, selection(column)));
    }

    void takeListSelection(Column column) {
        const ColumnControls& c = controlsOf(column);
        const LRESULT index = SendMessageA(GetDlgItem(window(), c.list), LB_GETCURSEL, 0, 0);
        if (index == LB_ERR)
            return;
        selection(column) = static_cast<int32_t>(index) + 1;
        setText(window(), c.pane, description(column, selection(column)));
    }

    void move(Column column, MoveDirection direction) {
        const bool up = direction == MoveDirection::up;
        const int from = selection(column);
        ListOperation operation =
            column == Column::buttons
                ? planMoveButton(project(), controlFolders(), w_, from, direction)
                : planMoveStatic(project(), controlFolders(), w_, from, direction);
        const char* caption =
            column == Column::buttons
                ? (up ? listText::buttonMoveUpCaption : listText::buttonMoveDownCaption)
                : (up ? listText::staticMoveUpCaption : listText::staticMoveDownCaption);
        const ListResult result = operation.run();
        if (stopped(result, caption))
            return;
        if (result.position != from)
            projectUnsaved = 1;
        selection(column) = result.position;
        fill(column);
        noteLeftovers(result, caption);
    }

    void remove(Column column) {
        const bool buttons = column == Column::buttons;
        ListOperation operation =
            buttons ? planDeleteButton(project(), controlFolders(), w_, selection(column))
                    : planDeleteStatic(project(), controlFolders(), w_, selection(column));
        const char* caption =
            buttons ? listText::buttonDeleteCaption : listText::staticDeleteCaption;
        const ListResult result = operation.run();
        if (stopped(result, caption))
            return;
        projectUnsaved = 1;
        noteLeftovers(result, caption);
        showAgain(column, result.position);
    }

    // The new control starts with the defaults of its place; the prompt then asks for its
    // description, which it writes into the control at the column's selection.
    void add(Column column) {
        const bool buttons = column == Column::buttons;
        const std::optional<PageMessage> refusal =
            buttons ? buttonAddRefusal(project(), w_) : staticAddRefusal(project(), w_);
        if (refusal) {
            show(*refusal);
            return;
        }
        const int position = count(column) + 1;
        ListOperation operation =
            buttons ? planAddButton(project(), controlFolders(), w_, defaultButton(position))
                    : planAddStatic(project(), controlFolders(), w_, defaultStatic(position));
        const char* caption = buttons ? listText::buttonAddCaption : listText::staticAddCaption;
        const ListResult result = operation.run();
        if (stopped(result, caption))
            return;
        projectUnsaved = 1;
        selection(column) = result.position;
        runDescriptionPrompt(frame_.window(),
                             buttons ? NewControlKind::button : NewControlKind::staticControl);
        ask(nullptr, buttons ? listText::buttonAdded : listText::staticAdded, caption,
            box::ok | box::iconInformation);
        noteLeftovers(result, caption);
        showAgain(column, result.position);
    }

    std::string defaultButton(int position) const {
        ButtonControl fresh{};
        buildNewButton(fresh, w_, position);
        return shown(fresh.description);
    }

    std::string defaultStatic(int position) const {
        StaticControl fresh{};
        buildNewStatic(fresh, w_, position);
        return shown(fresh.description);
    }

    // The tree shows the window's controls as they are now. Rebuilding it opens the window
    // again, which replaces the frame and this page: nothing may follow.
    void showAgain(Column column, int position) const;

    ParametersFrame& frame_;
    const int w_;
};

// Builds the tree again on window `w`, shows this page on it and selects the control at
// `position` of `column` (0: the page's own first selection). Runs without the page that
// asked for it, which is gone once the tree is rebuilt.
void showControlsPageAgain(int w, Column column, int position) {
    HWND tree = structurePaneTree();
    if (!tree)
        return;
    buildStructureTree(tree, windowCode(project().program.applicationType, w));
    ParametersFrame* frame = ParametersFrame::current();
    if (!frame)
        return;
    const std::vector<EditorTab> tabs = frame->session().tabs();
    for (std::size_t k = 0; k < tabs.size(); ++k)
        if (tabs[k].page == EditorPage::windowControls)
            // Selects the tab and notifies the frame, as a click on the tab does.
            SendMessageA(GetDlgItem(frame->window(), windowTabControl), TCM_SETCURFOCUS, k, 0);
    if (shownPage && position > 0)
        shownPage->select(column, position);
}

void WindowControlsPage::showAgain(Column column, int position) const {
    showControlsPageAgain(w_, column, position);
}

} // namespace

std::unique_ptr<PageBase> makeWindowControlsPage(ParametersFrame& frame) {
    return std::make_unique<WindowControlsPage>(frame);
}

} // namespace zim
