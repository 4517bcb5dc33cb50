#include "generator/generate_command.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "archive/failure_message.h"
#include "archive/safe_name.h"
#include "generator/generation_driver.h"
#include "generator/output_directory.h"
#include "model/name_path.h"
#include "model/program_state.h"
#include "model/project.h"

namespace zim {

namespace fs = std::filesystem;

namespace {

constexpr const char* caption = "Create Fortran Project...";
constexpr const char* cancelled = "Operation was cancelled...";
constexpr const char* overwriteQuestion = "The FORTRAN project, you selected, already exists...\r"
                                          "Would you like to overwrite this project by new one?";
constexpr const char* created = "Fortran Project was created...";
constexpr const char* notCreated = "Sorry, but the Fortran Project could not be created...";
constexpr const char* createdIncompletely =
    "Sorry, but the Fortran Project could not be created completely...";

constexpr unsigned stopFlags = box::ok | box::iconHand | box::taskModal;
constexpr unsigned informationFlags = box::ok | box::iconInformation | box::taskModal;
constexpr unsigned questionFlags = box::yesNo | box::iconQuestion | box::taskModal;

// One line per file: "file - reason".
FailureList listOf(const char* heading, const std::vector<FileFailure>& failures) {
    FailureList list{heading, {}};
    for (const FileFailure& failure : failures)
        list.lines.push_back(failure.file + " - " + failure.reason);
    return list;
}

// The closing message: success, unless a generated file is missing, followed by every file
// that could not be written, deleted or copied.
void reportGeneration(UserPrompts& prompts, const GenerationReport& report,
                      const std::vector<FileFailure>& notDeleted) {
    const bool written = report.allWritten();
    const std::string text = failureMessage(
        written ? created : createdIncompletely,
        {listOf("These files could not be written:", report.failures(ProducedFile::written)),
         listOf("These files could not be deleted:", notDeleted),
         listOf("These files could not be copied:", report.failures(ProducedFile::copied))});
    prompts.ask(text, caption, written ? informationFlags : stopFlags);
}

void generate(UserPrompts& prompts, int dialogResult, const std::string& chosenName) {
    if (dialogResult == 0) {
        prompts.ask(cancelled, caption, stopFlags);
        return;
    }
    const std::string name = trimmedName(chosenName);
    const std::string unsafe = unsafeNameReason(name);
    if (!unsafe.empty()) {
        prompts.ask("Sorry, but the name <<" + name + ">> can't be used: " + unsafe + "...",
                    caption, stopFlags);
        return;
    }

    const fs::path output = programDirectory / generatedFolder / pathFromName(name);
    // The dialog compares the name it was given; the trimmed name may still name an existing
    // folder, which must not be generated into without the question.
    std::error_code ec;
    const bool exists = dialogResult >= 2 || fs::exists(fs::symlink_status(output, ec));
    if (exists && prompts.ask(overwriteQuestion, caption, questionFlags) != box::answerYes) {
        prompts.ask(cancelled, caption, stopFlags);
        return;
    }
    const std::string unusable = makeOutputDirectory(output);
    if (!unusable.empty()) {
        prompts.ask(failureMessage(notCreated, {listOf("This folder can't be used:",
                                                       {{nameFromPath(output), unusable}})}),
                    caption, stopFlags);
        return;
    }
    const std::vector<FileFailure> notDeleted =
        exists ? deleteFilesIn(output) : std::vector<FileFailure>();

    const GenerationPaths paths{output, programDirectory / librariesFolder, projectDirectory, name};
    reportGeneration(prompts, generateCompilerProject(project(), paths), notDeleted);
}

} // namespace

void generateCommand(UserPrompts& prompts) {
    std::string chosenName;
    const int result = prompts.nameDialog(NameDialogKind::generator, chosenName);
    generate(prompts, result, chosenName);
    // The name dialog lists FORTRAN PROGRAMS from inside it; between commands the current
    // directory is the open project's folder.
    std::error_code ec;
    if (!projectDirectory.empty())
        fs::current_path(projectDirectory, ec);
}

} // namespace zim
