#include "shell/project_view.h"

#include <commctrl.h>

#include "archive/project_commands.h"
#include "generator/generate_command.h"
#include "model/project.h"
#include "model/text_field.h"
#include "shell/object_code.h"
#include "shell/project_view_layout.h"
#include "shell/shell_prompts.h"
#include "shell/shell_state.h"
#include "shell/shell_views.h"
#include "shell/structure_tree.h"

namespace zim {

namespace {

constexpr const char* commandCaptions[projectCommandCount] = {
    "Create New Project", "Load Project From Archive", "Save Current Project As...",
    "Generate FORTRAN Program", "Preview Program"};
constexpr const char* panelTitle = "C u r r e n t    P r o j e c t";
constexpr const char* treeLabel = "Program Stucture";
constexpr COLORREF treeBackground = RGB(238, 238, 238);
constexpr DWORD treeStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                            TVS_LINESATROOT | TVS_SHOWSELALWAYS;

HWND createControl(HWND view, DWORD extendedStyle, const char* className, const char* text,
                   DWORD style, const LayoutBox& box, int id, HFONT font) {
    HWND control = CreateWindowExA(
        extendedStyle, className, text, style, box.left, box.top, box.width, box.height, view,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), hInstance, nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void createButtons(HWND view, const ProjectViewLayout& layout) {
    for (int i = 0; i < projectCommandCount; ++i)
        createControl(view, 0, "BUTTON", commandCaptions[i], WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                      layout.buttons[i], i + 1, fontControl);
}

// A group box with its caption, and the static that shows its value.
void createGroup(HWND view, const char* caption, const GroupLayout& layout, int valueId) {
    createControl(view, 0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, layout.group, -1,
                  fontLabelBold);
    createControl(view, 0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                  layout.value, valueId, fontControl);
}

void createPanel(HWND view, const ProjectViewLayout& layout) {
    createControl(view, 0, "STATIC", panelTitle, WS_CHILD | WS_VISIBLE | SS_CENTER, layout.title,
                  -1, fontBanner);
    createControl(view, 0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, layout.line, -1,
                  nullptr);
    createControl(view, 0, "STATIC", treeLabel, WS_CHILD | WS_VISIBLE | SS_LEFT, layout.treeLabel,
                  -1, fontLabelBold);
    HWND tree = createControl(view, WS_EX_CLIENTEDGE, WC_TREEVIEWA, "", treeStyle, layout.tree,
                              projectTreeId, nullptr);
    prepareStructureTree(tree, treeBackground);

    createGroup(view, " Project Name ", layout.name, projectNameText);
    createControl(view, 0, "BUTTON", " Project Description ", WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                  layout.description.group, -1, fontLabelBold);
    createControl(view, WS_EX_CLIENTEDGE, "EDIT", "",
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                  layout.description.value, projectDescriptionText, fontControl);
    createGroup(view, " Author ", layout.author, projectAuthorText);
    createGroup(view, " Created ", layout.created, projectCreatedText);
}

void setValue(HWND view, int id, const std::string& text) {
    SetDlgItemTextA(view, id, text.c_str());
}

} // namespace

void buildProjectView(HWND view) {
    RECT client;
    GetClientRect(view, &client);
    const ProjectViewLayout layout = projectViewLayout(client.right, client.bottom);
    createButtons(view, layout);
    createPanel(view, layout);
    refreshProjectView();
}

void refreshProjectView() {
    if (currentView != viewFile || !viewDialog)
        return;
    const ProgramParameters& program = project().program;
    setValue(viewDialog, projectNameText, shown(program.applicationName));
    setValue(viewDialog, projectDescriptionText, shown(program.description));
    setValue(viewDialog, projectAuthorText, shown(program.designer));
    setValue(viewDialog, projectCreatedText, shown(program.created));
    buildStructureTree(GetDlgItem(viewDialog, projectTreeId), programCode);
}

bool onProjectViewCommand(int id, int notification) {
    if (id < createProjectButton || id > previewProgramButton || notification != BN_CLICKED)
        return false;
    onProjectCommand(id);
    return true;
}

void onProjectCommand(int id) {
    switch (id) {
    case createNewProjectCommand:
    case loadProjectCommand:
    case saveProjectAsCommand:
        projectCommand(id, shellPrompts(), shellViews());
        break;
    case generateProgramCommand:
        generateCommand(shellPrompts());
        break;
    default:
        // "Preview Program" starts the preview of the live windows, which is not built yet.
        break;
    }
}

} // namespace zim
