// The rules behind a group of options on a page (style options, type radios, initial-state or
// action radios): the check mark, enabling and help text of each option, and what a click on
// one does to the working copy. The Win32 option groups (option_groups.h) show them; a page
// only says which rules each group follows.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "editors/controls/choice_radio.h"
#include "editors/frame/page_message.h"
#include "model/style_lists.h"

namespace zim {

struct OptionMark {
    int id;
    const char* text;
    bool checked;
    bool enabled;     // in edit state; in view state the whole page is disabled
    const char* help; // the option's help tooltip; "" for none
};

// What a click did: whether the working copy changed, and a message to show (a refusal).
struct OptionPress {
    bool changed = false;
    std::optional<PageMessage> message;
};

class OptionRules {
  public:
    virtual ~OptionRules() = default;
    // The group's options in creation order, marked from the working copy as it is now.
    virtual std::vector<OptionMark> marks() const = 0;
    // The user clicked option `id` of the group.
    virtual OptionPress press(int id) = 0;
};

// The plain options of a style set: each toggles one constant of `list` in `set` (a style set
// of the working copy over that list) and explains it with the constant's help text.
class StyleSetToggles : public OptionRules {
  public:
    struct Option {
        int id;
        const char* text;
        const char* style; // the constant the option sets
    };

    StyleSetToggles(const ValueList& list, int32_t* set, std::vector<Option> options);

    std::vector<OptionMark> marks() const override;
    OptionPress press(int id) override;

  private:
    int32_t* entryOf(const Option& option) const;

    const ValueList& list_;
    int32_t* set_;
    std::vector<Option> options_;
};

// Options whose marks and clicks follow a page's own rules, given as two functions.
class RuleOptions : public OptionRules {
  public:
    using Marks = std::function<std::vector<OptionMark>()>;
    using Press = std::function<OptionPress(int id)>;

    RuleOptions(Marks marks, Press press) : marks_(std::move(marks)), press_(std::move(press)) {}

    std::vector<OptionMark> marks() const override { return marks_(); }
    OptionPress press(int id) override { return press_(id); }

  private:
    Marks marks_;
    Press press_;
};

// Radios of a rules file (buttonTypeRadios and the like) as option marks without help.
template <typename Radios> std::vector<OptionMark> radioMarks(const Radios& radios) {
    std::vector<OptionMark> marks;
    for (const ChoiceRadio& radio : radios)
        marks.push_back({radio.id, radio.text, radio.checked, radio.enabled, ""});
    return marks;
}

// A radio group of a rules file: `marks` gives its radios, `choose` takes a click and says
// whether the copy changed.
template <typename MarksOf, typename Choose>
std::unique_ptr<OptionRules> radioRules(MarksOf marks, Choose choose) {
    return std::make_unique<RuleOptions>([marks] { return radioMarks(marks()); },
                                         [choose](int id) {
                                             return OptionPress{choose(id), {}};
                                         });
}

} // namespace zim
