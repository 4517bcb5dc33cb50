// The program page: what it shows of the program parameters, its two pairs of radios, which
// fields it enables, and what "Save Parameters Values" writes into the Project, in order.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editors/frame/editing_session.h"
#include "editors/frame/page_message.h"
#include "model/project.h"

namespace zim {

// Longest description the page's edit takes and Save stores.
constexpr int programDescriptionLimit = 250;

// The check marks of the page's plain radios, which the page sets itself.
struct ProgramChoices {
    bool classic = false;     // " Classic (uses window as main frame)"
    bool dialogBased = false; // " Dialog based application"
    bool wallpaperPresent = false;
    bool wallpaperAbsent = false;
};

struct ProgramPageContent {
    std::string projectFileName; // the trimmed application name + ".zim"
    std::string created;
    std::string designer;
    std::string applicationName;
    std::string description;
    ProgramChoices choices;
};

// The page filled from the program parameters (on creation, after Restore and after Save).
ProgramPageContent programPageContent(const ProgramParameters& program);

enum class ProgramRadio { classic, dialogBased, wallpaperPresent, wallpaperAbsent };

// A radio checks itself and unchecks its partner; nothing is written before Save.
void pressProgramRadio(ProgramChoices& choices, ProgramRadio radio);

struct ProgramPageEnabling {
    bool applicationName = false; // enabled but always read-only
    bool description = false;
    bool radios = false;
    bool windows = false; // the list of windows and its five commands
};

ProgramPageEnabling programPageEnabling(EditorState state);

// Whether the page shows a description or a choice that differs from the Project's: corrections
// that Save has not written yet.
bool hasUnsavedCorrections(const ProgramParameters& program, const ProgramChoices& choices,
                           std::string_view description);

// Save in order: the wallpaper choice into wallpaperPresent and window 1's owner (owned by the
// wallpaper exactly when there is one); the type into applicationType and window 1's kind (a
// standard window or a modal dialog); then the description, cut to the limit. An empty
// description (or one of blanks only) keeps the old one and returns the warning to show; the
// other fields are stored all the same.
std::optional<PageMessage> saveProgramPage(Project& project, const ProgramChoices& choices,
                                           std::string_view description);

} // namespace zim
