#include "archive/project_commands.h"

#include <memory>
#include <system_error>

#include "archive/archive_listing.h"
#include "archive/file_operations.h"
#include "archive/name_dialog_rules.h"
#include "archive/safe_name.h"
#include "model/default_project.h"
#include "model/file_links.h"
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

// Ends a command that could not be done: the open project is as it was, and so is the current
// directory; the failures say why.
CommandResult failCommand(UserPrompts& ui, const FileFailures& failures, const char* caption) {
    returnToProjectDirectory();
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
    return {name, fs::exists(fs::symlink_status(archiveDirectoryOf(name), ec))};
}

bool sameDirectory(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

// "" when the archive entry can be written into; otherwise the refusal. A link or junction
// could lead anywhere, and emptying or writing it would change files outside the archive.
std::string unwritableEntryMessage(const std::string& name) {
    const fs::path directory = archiveDirectoryOf(name);
    if (isLink(directory))
        return "Sorry, but <<" + name + ">> is a link to another place, so it can't be " +
               "overwritten...";
    std::error_code ec;
    if (fs::exists(directory, ec) && !fs::is_directory(directory, ec))
        return "Sorry, but <<" + name + ">> is a file, not a project folder, so it can't be " +
               "overwritten...";
    return std::string();
}

void renameProject(ProgramParameters& program, const std::string& name, const DateSource& today) {
    setText(program.applicationName, name);
    setText(program.created, createdDateText(today()));
    setText(program.description, noDescription);
}

// Takes back what a failed command made: the files it copied, and the folder when it made it.
void removeMade(const std::vector<fs::path>& files, const fs::path& madeFolder,
                FileFailures& failures) {
    for (const fs::path& file : files)
        removeFile(file, failures);
    if (!madeFolder.empty())
        removeEmptyDirectory(madeFolder, failures);
}

// The new project is made aside from the open one: the default project loaded into a copy,
// renamed, and saved into its new folder. Only then does it become the open project, so a
// failure leaves the open project, with its unsaved edits, as it was.
CommandResult createNewProject(UserPrompts& ui, ProjectViews& views, const DateSource& today) {
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

    const fs::path defaultDirectory = archiveDirectoryOf(defaultProjectName);
    const auto created = std::make_unique<Project>(project());
    const FileOutcome loaded = loadProjectFile(*created, defaultDirectory, defaultProjectName);
    if (!loaded)
        return tellAndReturn(ui, loaded.error, createCaption, CommandResult::failed);
    renameProject(created->program, target.name, today);

    FileFailures failures;
    const fs::path directory = archiveDirectoryOf(target.name);
    if (!createDirectory(directory, failures))
        return failCommand(ui, failures, createCaption);
    const std::vector<fs::path> copied = copyDirectoryFiles(defaultDirectory, directory, failures,
                                                            projectFileName(defaultProjectName));
    const FileOutcome saved = saveProjectFileAs(*created, directory / projectFileName(target.name));
    if (!saved) {
        failures.add(saved.error);
        removeMade(copied, directory, failures);
        return failCommand(ui, failures, createCaption);
    }

    project() = *created;
    projectToLoad = target.name;
    projectDirectory = directory;
    projectUnsaved = 1;
    enterDirectory(directory, failures);
    views.refreshProjectView();
    return closeCommand(ui, failures, createCaption);
}

CommandResult loadProject(UserPrompts& ui, ProjectViews& views) {
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
    views.refreshProjectView();
    views.rebuildStructureTree();
    return closeCommand(ui, failures, loadCaption);
}

// Saves under the open project's own name: only the project file is written.
CommandResult saveInPlace(UserPrompts& ui, const std::string& name) {
    FileFailures failures;
    enterDirectory(projectDirectory, failures);
    const FileOutcome saved = saveProjectFile(projectDirectory, name);
    if (!saved)
        failures.add(saved.error);
    projectUnsaved = saved ? 0 : 1;
    return closeCommand(ui, failures, saveCaption);
}

// The open project is renamed only once its new folder holds its saved file; a failure puts
// back its name, date and description and takes away what the command copied.
CommandResult saveProjectAs(UserPrompts& ui, ProjectViews& views, const DateSource& today) {
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
    const std::string unwritable = unwritableEntryMessage(target.name);
    if (!unwritable.empty())
        return tellAndReturn(ui, unwritable, saveCaption, CommandResult::refused);

    const std::string openName = trimmedName(projectToLoad);
    const fs::path openDirectory = projectDirectory;
    // A name that leads to the open project's own folder is a save in place: emptying and
    // refilling that folder would lose its files.
    if (target.name == openName || sameDirectory(targetDirectory, openDirectory))
        return saveInPlace(ui, openName);

    FileFailures failures;
    fs::path madeFolder;
    if (!target.exists) {
        if (!createDirectory(targetDirectory, failures))
            return failCommand(ui, failures, saveCaption);
        madeFolder = targetDirectory;
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
    }
    // The open project's own file is not copied: the copy gets its file under the new name.
    const std::vector<fs::path> copied =
        copyDirectoryFiles(openDirectory, targetDirectory, failures, projectFileName(openName));

    const ProgramParameters before = project().program;
    renameProject(project().program, target.name, today);
    const FileOutcome saved = saveProjectFile(targetDirectory, target.name);
    if (!saved) {
        project().program = before;
        failures.add(saved.error);
        removeMade(copied, madeFolder, failures);
        return failCommand(ui, failures, saveCaption);
    }
    projectToLoad = target.name;
    projectDirectory = targetDirectory;
    projectUnsaved = 0;
    enterDirectory(targetDirectory, failures);
    views.refreshProjectView();
    return closeCommand(ui, failures, saveCaption);
}

} // namespace

CommandResult projectCommand(int id, UserPrompts& ui, ProjectViews& views,
                             const DateSource& today) {
    switch (id) {
    case createNewProjectCommand:
        return createNewProject(ui, views, today);
    case loadProjectCommand:
        return loadProject(ui, views);
    case saveProjectAsCommand:
        return saveProjectAs(ui, views, today);
    default:
        return CommandResult::notHandled;
    }
}

} // namespace zim
