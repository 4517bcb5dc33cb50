// Groups of options on a page: a group box each, with radio-looking buttons whose check marks
// and enabling come from the group's OptionRules, and a help tooltip (a green balloon) on every
// option that has a help text. A click goes to the rules; a message they return is shown.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "editors/controls/option_rules.h"
#include "shell/layout_box.h"

namespace zim {

struct OptionGroupPlace {
    const char* caption; // the group box's text
    LayoutBox box;       // the group box
    LayoutBox option;    // the first option; each next one is `step` lower
    int step;
    int stepAcross = 0; // and this much to the right, for options side by side
};

class OptionGroups {
  public:
    OptionGroups() = default;
    OptionGroups(const OptionGroups&) = delete;
    OptionGroups& operator=(const OptionGroups&) = delete;
    ~OptionGroups();

    void add(const OptionGroupPlace& place, std::unique_ptr<OptionRules> rules);

    // Creates the groups' boxes and options on `page` and their help tooltips.
    void create(HWND page);

    // Check marks from the working copy; options the rules disable stay disabled while the
    // page is open for editing, and every option is disabled while it is not.
    void refresh();
    void setEditing(bool editing);

    // A click on control `id`: nothing when it is no option of these groups; otherwise whether
    // the working copy changed (a refusal has been shown then). A disabled option does nothing.
    std::optional<bool> press(int id);

  private:
    struct Group {
        OptionGroupPlace place;
        std::unique_ptr<OptionRules> rules;
    };

    OptionRules* rulesOf(int id) const;

    std::vector<Group> groups_;
    HWND page_ = nullptr;
    HWND tooltips_ = nullptr;
    bool editing_ = false;
};

} // namespace zim
