#include "archive/project_commands.h"

#include <system_error>

#include "archive/archive_listing.h"
#include "archive/file_operations.h"
#include "archive/name_dialog_rules.h"
#include "archive/safe_name.h"
#include "model/default_project.h"
#include "model/program_state.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/text_field.h"

namespace zim {

namespace fs = std::filesystem;

namespace {

constexpr unsigned stopFlags = box::iconHand | box::taskModal;
constexpr unsigned questionFlags = box::yesNo | box::iconHand | box::taskModal;

constexpr const char* createCaption = "Create New Project...";
constexpr const char* loadCaption = "Load Project...";
constexpr const char* saveCaption = "Save Current Project...";
constexpr const char* overwriteCaption = "Save As...";
constexpr const char* noDescription = "No description yet...";

// Best effort: a project directory that is gone leaves the current directory where it is.
void returnToProjectDirectory() {
    std::error_code ec;
    fs::current_path(projectDirectory, ec);
}

CommandResult tellAndReturn(UserPrompts& ui, const std::string& text, const char* caption,
                            CommandResult result) {
    ui.ask(text, caption, stopFlags);
    returnToProjectDirectory();
    return result;
}

CommandResult closeCommand(UserPrompts& ui, const FileFailures& failures, const char* caption) {
    if (failures.empty())
        return CommandResult::completed;
    ui.ask(failureReport(failures), caption, stopFlags);
    return CommandResult::failed;
}

// The name the dialog returned, cut to the name field and trimmed.
std::string takenName(const std::string& chosenName) {
    return trimmedName(std::string_view(chosenName).substr(0, typedNameLimit));
}

// "" or the refusal of a name that would lead outside its own folder of the archive.
std::string unsafeNameMessage(const std::string& name) {
    const std::string reason = unsafeNameReason(name);
    if (reason.empty())
        return reason;
    return "Sorry, but <<" + name + ">> can't be a project name: " + reason + "...";
}

struct ArchiveName {
    std::string name; // the archive entry's own spelling when the name is listed
    bool exists = false;
};

// Names are compared without regard to case, as the file system compares them, so a name
// that equals an entry takes the entry's spelling: the folder, its project file and the
// project's name then stay spelled alike on every file system. A folder that exists without
// being listed (another spelling the file system accepts) counts as existing too.
ArchiveName lookUp(const std::string& name) {
    const std::vector<std::string> listing = archiveListing();
    for (const std::string& entry : listing)
        if (entry == name)
            return {entry, true};
    const int k = findName(listing, name);
    if (k >= 0)
        return {listing[k], true};
    std::error_code ec;
    return {name, fs::exists(archiveDirectoryOf(name), ec)};
}

bool sameDirectory(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

void renameOpenProject(const std::string& name, const DateSource& today) {
    projectToLoad = name;
    ProgramParameters& program = project().program;
    setText(program.applicationName, name);
    setText(program.created, createdDateText(today()));
    setText(program.description, noDescription);
}

// Saves the open project into its directory; a failure joins the command's list.
bool saveInto(const fs::path& directory, FileFailures& failures) {
    const FileOutcome saved = saveProjectFile(directory);
    if (!saved)
        failures.add(saved.error);
    return saved.ok;
}

CommandResult createNewProject(UserPrompts& ui, const DateSource& today) {
    std::string chosen;
    if (ui.nameDialog(NameDialogKind::newProject, chosen) == 0)
        return tellAndReturn(ui, "Operation was cancelled...", createCaption,
                             CommandResult::cancelled);
    const std::string refusal = unsafeNameMessage(takenName(chosen));
    if (!refusal.empty())
        return tellAndReturn(ui, refusal, createCaption, CommandResult::refused);
    const ArchiveName target = lookUp(takenName(chosen));
    if (target.exists)
        return tellAndReturn(ui,
                             "The project you selected already exists. Operation was "
                             "cancelled...",
                             createCaption, CommandResult::refused);

    // The new project starts as the default project. A damaged default project file is
    // shown and leaves the open project as it was, before anything is created.
    const fs::path defaultDirectory = archiveDirectoryOf(defaultProjectName);
    const FileOutcome loaded = loadProjectFile(defaultDirectory, defaultProjectName);
    if (!loaded)
        return tellAndReturn(ui, loaded.error, createCaption, CommandResult::failed);
    projectUnsaved = 1;
    projectToLoad = defaultProjectName;
    std::error_code ec;
    fs::current_path(defaultDirectory, ec);
    ui.refreshProjectView();

    FileFailures failures;
    projectDirectory = archiveDirectoryOf(target.name);
    if (createDirectory(projectDirectory, failures)) {
        copyDirectoryFiles(defaultDirectory, projectDirectory, failures);
        enterDirectory(projectDirectory, failures);
        removeFile(projectDirectory / projectFileName(defaultProjectName), failures);
    }
    renameOpenProject(target.name, today);
    saveInto(projectDirectory, failures);
    ui.refreshProjectView();
    return closeCommand(ui, failures, createCaption);
}

CommandResult loadProject(UserPrompts& ui) {
    std::string chosen;
    if (ui.nameDialog(NameDialogKind::load, chosen) == 0)
        return tellAndReturn(ui, "Operation was canceled...", loadCaption,
                             CommandResult::cancelled);
    const std::string refusal = unsafeNameMessage(takenName(chosen));
    if (!refusal.empty())
        return tellAndReturn(ui, refusal, loadCaption, CommandResult::refused);
    const ArchiveName target = lookUp(takenName(chosen));

    // The open project is not read again: its unsaved edits stay in memory.
    if (target.name == trimmedName(projectToLoad)) {
        projectUnsaved = 1;
        returnToProjectDirectory();
        return CommandResult::completed;
    }

    // A file that cannot be loaded is shown and leaves the open project, its name, its
    // directory and the current directory as they were.
    const fs::path directory = archiveDirectoryOf(target.name);
    const FileOutcome loaded = loadProjectFile(directory, target.name);
    if (!loaded)
        return tellAndReturn(ui, loaded.error, loadCaption, CommandResult::failed);
    projectUnsaved = 1;
    projectToLoad = target.name;
    projectDirectory = directory;
    FileFailures failures;
    enterDirectory(projectDirectory, failures);
    ui.refreshProjectView();
    ui.rebuildStructureTree();
    return closeCommand(ui, failures, loadCaption);
}

// Saves under the open project's own name: only the project file is written.
CommandResult saveInPlace(UserPrompts& ui) {
    FileFailures failures;
    enterDirectory(projectDirectory, failures);
    projectUnsaved = saveInto(projectDirectory, failures) ? 0 : 1;
    return closeCommand(ui, failures, saveCaption);
}

CommandResult saveProjectAs(UserPrompts& ui, const DateSource& today) {
    std::string chosen;
    if (ui.nameDialog(NameDialogKind::save, chosen) == 0)
        return tellAndReturn(ui, "Operation was canceled...", saveCaption,
                             CommandResult::cancelled);
    const std::string refusal = unsafeNameMessage(takenName(chosen));
    if (!refusal.empty())
        return tellAndReturn(ui, refusal, saveCaption, CommandResult::refused);
    const ArchiveName target = lookUp(takenName(chosen));

    // The default project is never written by a save, also when it is the open project, and
    // whatever spelling leads to its folder.
    const fs::path targetDirectory = archiveDirectoryOf(target.name);
    if (sameName(target.name, defaultProjectName) ||
        sameDirectory(targetDirectory, archiveDirectoryOf(defaultProjectName)))
        return tellAndReturn(ui, "Sorry, but you can't overwrite the default project...",
                             saveCaption, CommandResult::refused);

    const std::string openName = trimmedName(projectToLoad);
    const fs::path openDirectory = projectDirectory;
    // A name that leads to the open project's own folder is a save in place: emptying and
    // refilling that folder would lose its files.
    if (target.name == openName || sameDirectory(targetDirectory, openDirectory))
        return saveInPlace(ui);

    FileFailures failures;
    if (!target.exists) {
        if (createDirectory(targetDirectory, failures))
            copyDirectoryFiles(openDirectory, targetDirectory, failures);
    } else {
        const std::string question = "The project <<" + target.name + ">>" + "\r" +
                                     "already exists. Would you like to overwrite" +
                                     " existing project?";
        if (ui.ask(question, overwriteCaption, questionFlags) != box::answerYes) {
            returnToProjectDirectory();
            ui.ask("Operation was cancelled...", saveCaption, stopFlags);
            return CommandResult::cancelled;
        }
        deleteDirectoryFiles(targetDirectory, failures);
        copyDirectoryFiles(openDirectory, targetDirectory, failures);
    }

    projectDirectory = targetDirectory;
    enterDirectory(targetDirectory, failures);
    // The old project's file came along with the copy; the project now has its new name.
    removeFile(targetDirectory / projectFileName(openName), failures);
    renameOpenProject(target.name, today);
    projectUnsaved = saveInto(targetDirectory, failures) ? 0 : 1;
    ui.refreshProjectView();
    return closeCommand(ui, failures, saveCaption);
}

} // namespace

CommandResult projectCommand(int id, UserPrompts& ui, const DateSource& today) {
    switch (id) {
    case createNewProjectCommand:
        return createNewProject(ui, today);
    case loadProjectCommand:
        return loadProject(ui);
    case saveProjectAsCommand:
        return saveProjectAs(ui, today);
    default:
        return CommandResult::notHandled;
    }
}

} // namespace zim
