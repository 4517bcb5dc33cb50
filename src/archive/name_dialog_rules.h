// The rules of the four name dialogs that the Win32 dialogs apply: which entries they list,
// what they preselect, how a typed name is taken and checked, and the result they end with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "archive/safe_name.h" // trimmedName
#include "archive/user_prompts.h"

namespace zim {

// The name entry gives at most this many characters (a buffer of 99 with its zero).
constexpr std::size_t typedNameLimit = 98;

struct NameDialogFacts {
    int width;
    int height;
    const char* acceptCaption;    // the accepting button (identifier 25)
    const char* messageCaption;   // caption of the dialog's own messages
    const char* emptyNameMessage; // shown when the name entry is empty
    bool selectableList;          // the new-project list shows the entries without selection
};

const NameDialogFacts& nameDialogFacts(NameDialogKind kind);

// The archive listing, or for the generator's dialog the generated projects' listing.
std::vector<std::string> nameDialogListing(NameDialogKind kind);

// Whole names compared without regard to case, as the file system compares them.
bool sameName(std::string_view a, std::string_view b);

// 0-based position of the first entry equal to the name, or -1.
int findName(const std::vector<std::string>& listing, std::string_view name);

// 1 when the name is not in the listing, k + 2 when it equals entry k.
int nameResult(const std::vector<std::string>& listing, std::string_view name);

// What a dialog shows when it opens: the preselected entry (-1 for none) and the name entry.
struct NameDialogStart {
    int selected = -1;
    std::string entryText;
};

// New project: nothing selected, empty entry. Load: the open project selected and shown.
// Save: the open project selected, the entry prefilled with its name. Generator: an entry
// equal to the open project's name selected, the entry prefilled with that name.
NameDialogStart nameDialogStart(NameDialogKind kind, const std::vector<std::string>& listing,
                                const std::string& openProjectName);

// What the accepting button does with the name entry's text.
struct NameAcceptance {
    bool accepted = false; // false: show the message and stay in the dialog
    std::string message;
    std::string caption;
    unsigned flags = 0;
    int result = 0;         // 1 or k + 2 when accepted
    std::string chosenName; // trimmed, at most typedNameLimit characters
};

NameAcceptance acceptName(NameDialogKind kind, std::string_view entryText,
                          const std::vector<std::string>& listing);

} // namespace zim
