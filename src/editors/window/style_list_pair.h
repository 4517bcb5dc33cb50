// Two list boxes over one style set: "Available" holds the entries whose flag is 0, "Selected"
// those whose flag is set, both in list order; ">>>" moves the chosen available entry across,
// "<<<" moves a selected one back. The class-data page has one such pair (class styles), the
// style page two (window styles, and extended or dialog styles). The flags are the page's
// working copy; nothing here touches the Project.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/style_lists.h"

namespace zim {

// The control ids of the pairs: the left (or only) pair and the right pair of the style page.
enum StyleListControlId : int {
    leftAvailableList = 57,
    leftSelectedList = 58,
    leftToSelectedButton = 59,  // ">>>"
    leftToAvailableButton = 60, // "<<<"
    rightToSelectedButton = 61,
    rightToAvailableButton = 62,
    rightAvailableList = 63,
    rightSelectedList = 64,
};

enum class StyleListSide { available, selected };

// What the page does after ">>>" or "<<<": when `moved`, refill both lists, focus the source
// list, clear the description pane, then select `sourceSelection` in the source list (a
// 0-based position; -1: none) and show the description of `describedEntry` (0: none).
struct StyleMove {
    bool moved = false;
    int sourceSelection = -1;
    int describedEntry = 0;
};

// Which arrow buttons a list's focus enables (LBN_SETFOCUS): the focused list's own direction.
// The other list of the pair loses its selection.
struct StyleArrows {
    bool toSelected = false;
    bool toAvailable = false;
};
StyleArrows arrowsForFocus(StyleListSide focused);

class StyleListPair {
  public:
    StyleListPair(int32_t* flags, const ValueList& list) : flags_(flags), list_(&list) {}
    template <std::size_t N>
    StyleListPair(int32_t (&flags)[N], const ValueList& list) : StyleListPair(&flags[0], list) {}

    const ValueList& list() const { return *list_; }

    // The 1-based list entries a side shows, in list order, and their names for the list box.
    std::vector<int> entries(StyleListSide side) const;
    std::vector<std::string> names(StyleListSide side) const;

    // The entry at a 0-based position of a side (LB_GETCURSEL); 0 when the position is outside
    // the side's items, as LB_ERR is.
    int entryAt(StyleListSide side, int position) const;

    // The entry the page selects and describes when it is filled: the first selected one, or
    // 0 when none is selected.
    int firstSelected() const;

    // ">>>" (from available) or "<<<" (from selected) with the source list's current position.
    // Nothing happens when the position names no item of the source list.
    StyleMove move(StyleListSide from, int position);

  private:
    bool isSet(int entry) const { return flags_[entry - 1] != 0; }

    int32_t* flags_;
    const ValueList* list_;
};

// The text of the description pane for an entry: a tab, the constant's name, " - " and its
// short explanation; empty for an entry outside the list.
std::string styleDescription(const ValueList& list, int entry);

} // namespace zim
