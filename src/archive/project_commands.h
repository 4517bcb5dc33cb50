// The project commands of the File view: create a new project, load a project from the
// archive, save the open project under a name. Every question to the user goes through
// UserPrompts and every refresh of a view through ProjectViews, so the commands run the same
// with real dialogs and views and with a test's script.
#pragma once

#include "archive/created_date.h"
#include "archive/project_views.h"
#include "archive/user_prompts.h"

namespace zim {

// The File view's button identifiers.
enum ProjectCommandId {
    createNewProjectCommand = 1,
    loadProjectCommand = 2,
    saveProjectAsCommand = 3,
    generateProgramCommand = 4,
    previewProgramCommand = 5,
};

enum class CommandResult {
    completed,  // everything the command does was done
    cancelled,  // the user cancelled the dialog or declined the question
    refused,    // the name was refused; nothing changed
    failed,     // something failed and was shown to the user
    notHandled, // not one of the archive commands (generation, preview)
};

// Runs command 1, 2 or 3; any other identifier is left to its own command and gives
// notHandled. Between commands the current directory is projectDirectory, and every command
// leaves it so. A command that changes the open project refreshes `views`. `today` gives the
// date that new and renamed projects record as created.
CommandResult projectCommand(int id, UserPrompts& ui, ProjectViews& views,
                             const DateSource& today = systemDate);

} // namespace zim
