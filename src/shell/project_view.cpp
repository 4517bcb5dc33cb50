#include "shell/project_view.h"

#include <commctrl.h>

#include <vector>

#include "archive/project_commands.h"
#include "generator/generate_command.h"
#include "live/preview.h"
#include "model/project.h"
#include "model/text_field.h"
#include "shell/control_toolkit.h"
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
constexpr DWORD treeStyle =
    WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;

constexpr DWORD groupStyle = BS_GROUPBOX;
constexpr DWORD valueStyle = SS_LEFT | SS_NOPREFIX;
constexpr DWORD descriptionStyle = WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;

std::vector<ControlDescription> buttonRows(const ProjectViewLayout& layout) {
    std::vector<ControlDescription> rows;
    for (int i = 0; i < projectCommandCount; ++i)
        rows.push_back({"BUTTON", commandCaptions[i], WS_TABSTOP, layout.buttons[i], i + 1});
    return rows;
}

// The panel, from its title down: the tree under its label, then each group box with the
// control that shows its value.
std::vector<ControlDescription> panelRows(const ProjectViewLayout& l) {
    using F = ControlFont;
    return {
        {"STATIC", panelTitle, SS_CENTER, l.title, 0, F::banner},
        {"STATIC", "", SS_ETCHEDHORZ, l.line, 0, F::none},
        {"STATIC", treeLabel, SS_LEFT, l.treeLabel, 0, F::labelBold},
        {WC_TREEVIEWA, "", treeStyle, l.tree, projectTreeId, F::none, WS_EX_CLIENTEDGE},
        {"BUTTON", " Project Name ", groupStyle, l.name.group, 0, F::labelBold},
        {"STATIC", "", valueStyle, l.name.value, projectNameText},
        {"BUTTON", " Project Description ", groupStyle, l.description.group, 0, F::labelBold},
        {"EDIT", "", descriptionStyle, l.description.value, projectDescriptionText, F::control,
         WS_EX_CLIENTEDGE},
        {"BUTTON", " Author ", groupStyle, l.author.group, 0, F::labelBold},
        {"STATIC", "", valueStyle, l.author.value, projectAuthorText},
        {"BUTTON", " Created ", groupStyle, l.created.group, 0, F::labelBold},
        {"STATIC", "", valueStyle, l.created.value, projectCreatedText},
    };
}

} // namespace

void buildProjectView(HWND view) {
    RECT client;
    GetClientRect(view, &client);
    const ProjectViewLayout layout = projectViewLayout(client.right, client.bottom);
    createControls(view, buttonRows(layout));
    createControls(view, panelRows(layout));
    prepareStructureTree(GetDlgItem(view, projectTreeId), treeBackground);
    refreshProjectView();
}

void refreshProjectView() {
    if (currentView != viewFile || !viewDialog)
        return;
    const ProgramParameters& program = project().program;
    setText(viewDialog, projectNameText, shown(program.applicationName));
    setText(viewDialog, projectDescriptionText, shown(program.description));
    setText(viewDialog, projectAuthorText, shown(program.designer));
    setText(viewDialog, projectCreatedText, shown(program.created));
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
    case previewProgramCommand:
        startPreview();
        break;
    }
}

} // namespace zim
