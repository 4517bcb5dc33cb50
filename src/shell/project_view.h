// The File view: the five project command buttons and the current-project panel, which shows
// the open project's name, description, author, creation date and structure tree.
#pragma once

#include <windows.h>

namespace zim {

// Identifiers of the File view's controls; the command buttons are 1 to 5.
enum ProjectViewControl : int {
    createProjectButton = 1,
    loadProjectButton = 2,
    saveProjectButton = 3,
    generateProgramButton = 4,
    previewProgramButton = 5,
    projectTreeId = 101,
    projectNameText = 102,
    projectDescriptionText = 103,
    projectAuthorText = 104,
    projectCreatedText = 105,
};

// Creates the buttons and the panel in the view dialog, then fills the panel.
void buildProjectView(HWND view);

// Puts the current Project into the File view: name, description, author, creation date and
// tree. Does nothing while another view is shown.
void refreshProjectView();

// WM_COMMAND of the view dialog while the File view is shown; returns whether it was handled.
bool onProjectViewCommand(int id, int notification);

// Runs project command `id`: 1 to 3 the archive commands, 4 the generator. The preview (5) is
// not built yet.
void onProjectCommand(int id);

} // namespace zim
