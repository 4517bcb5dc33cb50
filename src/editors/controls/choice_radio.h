// A radio button of a page as the rules see it: its id and text, and the check mark and
// enabling the page gives it in edit state (in view state the whole page is disabled).
#pragma once

namespace zim {

struct ChoiceRadio {
    int id;
    const char* text;
    bool checked;
    bool enabled;
};

} // namespace zim
