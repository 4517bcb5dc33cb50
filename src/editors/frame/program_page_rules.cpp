#include "editors/frame/program_page_rules.h"

#include "model/text_field.h"
#include "shell/description_rules.h"

namespace zim {

namespace {

constexpr const char* projectFileExtension = ".zim";
constexpr const char* emptyDescriptionWarning =
    "You didn't fill the field for application description...";
constexpr const char* emptyDescriptionCaption = "Warning";

constexpr int32_t classicApplication = 0;
constexpr int32_t dialogApplication = 1;
constexpr int32_t standardWindow = 0;
constexpr int32_t modalDialog = 2;
constexpr int32_t wallpaperAsOwner = 0;

} // namespace

ProgramPageContent programPageContent(const ProgramParameters& program) {
    ProgramPageContent content;
    content.applicationName = shown(program.applicationName);
    content.projectFileName = content.applicationName + projectFileExtension;
    content.created = shown(program.created);
    content.designer = shown(program.designer);
    content.description = shown(program.description);
    content.choices.classic = program.applicationType == classicApplication;
    content.choices.dialogBased = program.applicationType == dialogApplication;
    content.choices.wallpaperPresent = program.wallpaperPresent == 1;
    content.choices.wallpaperAbsent = program.wallpaperPresent == 0;
    return content;
}

void pressProgramRadio(ProgramChoices& choices, ProgramRadio radio) {
    switch (radio) {
    case ProgramRadio::classic:
    case ProgramRadio::dialogBased:
        choices.classic = radio == ProgramRadio::classic;
        choices.dialogBased = !choices.classic;
        break;
    case ProgramRadio::wallpaperPresent:
    case ProgramRadio::wallpaperAbsent:
        choices.wallpaperPresent = radio == ProgramRadio::wallpaperPresent;
        choices.wallpaperAbsent = !choices.wallpaperPresent;
        break;
    }
}

ProgramPageEnabling programPageEnabling(EditorState state) {
    const bool editing = state == EditorState::edit;
    return {editing, editing, editing, editing};
}

bool hasUnsavedCorrections(const ProgramParameters& program, const ProgramChoices& choices,
                           std::string_view description) {
    const ProgramPageContent saved = programPageContent(program);
    const ProgramChoices& kept = saved.choices;
    return description != saved.description || choices.classic != kept.classic ||
           choices.dialogBased != kept.dialogBased ||
           choices.wallpaperPresent != kept.wallpaperPresent ||
           choices.wallpaperAbsent != kept.wallpaperAbsent;
}

std::optional<PageMessage> saveProgramPage(Project& project, const ProgramChoices& choices,
                                           std::string_view description) {
    ProgramParameters& program = project.program;
    AppWindow& first = project.windows[0];

    program.wallpaperPresent = choices.wallpaperPresent ? 1 : 0;
    first.hasOwner = program.wallpaperPresent;
    first.ownerWindow = wallpaperAsOwner;

    program.applicationType = choices.classic ? classicApplication : dialogApplication;
    first.kind = choices.classic ? standardWindow : modalDialog;

    const std::string_view kept = description.substr(0, programDescriptionLimit);
    if (descriptionMissing(kept))
        return PageMessage{emptyDescriptionWarning, emptyDescriptionCaption,
                           box::iconHand | box::taskModal, MessageOwner::none};
    setText(program.description, kept);
    return std::nullopt;
}

} // namespace zim
