#include "archive/name_dialog_rules.h"

#include <cctype>

#include "archive/archive_listing.h"

namespace zim {

namespace {

const NameDialogFacts facts[] = {
    {500, 400, "Create", "Create New Project...",
     "Sorry, but you forgot to enter the project name...", false},
    {500, 400, "Load", "Load Project...", "Sorry,but you forgot to enter the project name...",
     true},
    {300, 400, "Save", "Save Project...", "Sorry,but you forgot to enter the project name...",
     true},
    {300, 400, "Create Project", "Create Fortran Project...",
     "Sorry,but you forgot to enter the project name...", true},
};

char folded(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

const NameDialogFacts& nameDialogFacts(NameDialogKind kind) {
    return facts[static_cast<int>(kind)];
}

std::vector<std::string> nameDialogListing(NameDialogKind kind) {
    return kind == NameDialogKind::generator ? generatedProjectsListing() : archiveListing();
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (folded(a[k]) != folded(b[k]))
            return false;
    return true;
}

int findName(const std::vector<std::string>& listing, std::string_view name) {
    for (std::size_t k = 0; k < listing.size(); ++k)
        if (sameName(listing[k], name))
            return static_cast<int>(k);
    return -1;
}

int nameResult(const std::vector<std::string>& listing, std::string_view name) {
    return findName(listing, name) + 2; // -1 (not listed) gives 1
}

NameDialogStart nameDialogStart(NameDialogKind kind, const std::vector<std::string>& listing,
                                const std::string& openProjectName) {
    NameDialogStart start;
    if (kind == NameDialogKind::newProject)
        return start;
    const std::string open = trimmedName(openProjectName);
    start.selected = findName(listing, open);
    if (kind == NameDialogKind::load)
        start.entryText = start.selected >= 0 ? listing[start.selected] : std::string();
    else
        start.entryText = open;
    return start;
}

NameAcceptance acceptName(NameDialogKind kind, std::string_view entryText,
                          const std::vector<std::string>& listing) {
    NameAcceptance outcome;
    const std::string name = trimmedName(entryText.substr(0, typedNameLimit));
    if (name.empty()) {
        const NameDialogFacts& f = nameDialogFacts(kind);
        outcome.message = f.emptyNameMessage;
        outcome.caption = f.messageCaption;
        outcome.flags = box::iconHand | box::taskModal;
        return outcome;
    }
    outcome.accepted = true;
    outcome.result = nameResult(listing, name);
    outcome.chosenName = name;
    return outcome;
}

} // namespace zim
