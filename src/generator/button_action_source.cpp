#include "generator/button_action_source.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "generator/comment_text.h"
#include "model/style_lists.h"

namespace zim {

namespace {

const std::string dashes67 = "!" + std::string(67, '-');
const std::string dashes56 = "!" + std::string(56, '-');
const std::string dashes48 = "!" + std::string(48, '-');
const std::string equals67 = "!" + std::string(67, '=');

// Routines of the runtime library that change a static control's text; each takes the window
// and static numbers first, then the arguments named after them.
constexpr const char* staticRoutines[][2] = {
    {"SetZIMStaticCaption", ",text_string)"},
    {"ClearZIMStaticCaption", ")"},
    {"WriteRealToZIMStaticAsFormatted", ",value,fmt_string)"},
    {"WriteRealToZIMStaticUnFormatted", ",value)"},
    {"WriteDRealToZIMStaticAsFormatted", ",value,fmt_string)"},
    {"WriteDRealToZIMStaticUnFormatted", ",value)"},
    {"WriteIntegerToZIMStaticAsFormatted", ",value,fmt_string)"},
    {"WriteIntegerToZIMStaticUnFormatted", ",value)"},
};

// 0-based position of BS_GROUPBOX in a button's style set.
int groupBoxEntry() {
    static const int entry = [] {
        for (int k = 1; k <= buttonStyleList.count; ++k)
            if (std::strcmp(buttonStyleList[k].name, "BS_GROUPBOX") == 0)
                return k - 1;
        return -1;
    }();
    return entry;
}

bool isGroupBox(const ButtonControl& button) {
    return groupBoxEntry() >= 0 && button.buttonStyles[groupBoxEntry()] != 0;
}

// Caption or description text inside a comment line.
struct Comment {
    std::string_view text;
};

// Writes each line straight into the sink: the leading tabs, then the parts.
class SourceWriter {
  public:
    explicit SourceWriter(TextSink& sink) : sink_(sink) {}

    template <class... Parts> void line(int tabs, const Parts&... parts) {
        sink_.beginLine();
        sink_.write(std::string_view("\t\t\t\t", static_cast<std::size_t>(tabs)));
        (put(parts), ...);
        sink_.endLine();
    }

    void header() {
        line(0, "subroutine ButtonDefinedAction(WndNumber,ButtonNumber,ButtonHandle)");
        line(0, "integer*4 WndNumber,ButtonNumber,ButtonHandle");
        line(0, dashes67);
        line(0, "! Purpose - handler for created button(s)");
        line(0, "! Parameters:");
        line(0, "!\t\t       WndNumber    - current window number");
        line(0, "!\t\t       ButtonNumber - current button number");
        line(0, "!\t\t       ButtonHandle - current button handle");
        line(0, dashes67);
        line(1, "select case(WndNumber)");
    }

    void description(int tabs, const char (&field)[commentFieldLength]) {
        for (std::string_view piece : commentDescription(field))
            line(tabs, "!  == ", Comment{piece});
    }

    void buttonBlock(const ButtonControl& button, int b) {
        line(4, "case(", b, ")");
        line(4, dashes56);
        line(4, "!  Put here your handler/subroutine for button #", b);
        line(4, "!  Button capture:");
        line(4, "!  <<", Comment{commentCaption(button.text)}, ">>");
        line(4, "!  Button description:");
        description(4, button.description);
        line(4, "!");
        if (button.action != 0)
            line(4, "!  Remember, please, that this button will close");
        if (button.action == 1)
            line(4, "!  current window. But you can't do this manualy");
        if (button.action == 2)
            line(4, "!  application. But you can't do this manualy");
        line(4, dashes56);
    }

    void windowBlock(const AppWindow& win, int w) {
        line(2, "case(", w, ")");
        line(3, "select case(ButtonNumber)");
        const int buttons = std::min(win.buttonCount, maxButtons);
        for (int b = 1; b <= buttons; ++b)
            if (!isGroupBox(win.buttons[b - 1]))
                buttonBlock(win.buttons[b - 1], b);
        line(3, "end select");
    }

    void staticBlock(const StaticControl& control, int w, int s) {
        line(0, dashes48);
        line(0, "!  Window #", w, " Static #", s);
        line(0, "!  Static control capture:");
        line(0, "!  <<", Comment{commentCaption(control.text)}, ">>");
        line(0, "!  Static control description:");
        description(0, control.description);
        line(0, "!");
        line(0, "!  You can use the next functions for control management :");
        for (const auto& routine : staticRoutines)
            line(0, "!\t\tcall ", routine[0], "(", w, ",", s, routine[1]);
    }

  private:
    void put(std::string_view text) { sink_.write(text); }
    void put(int number) { sink_.writeNumber(number); }
    void put(Comment comment) { writeCommentText(sink_, comment.text); }

    TextSink& sink_;
};

} // namespace

void writeButtonActionSource(TextSink& sink, const Project& source) {
    SourceWriter out(sink);
    // The loader keeps every count within its capacity; the limits keep a Project that was
    // damaged in memory from being read past its arrays all the same.
    const int windows = std::min(source.program.windowCount, maxWindows);

    out.header();
    for (int w = 1; w <= windows; ++w)
        out.windowBlock(source.windows[w - 1], w);
    out.line(1, "end select");
    out.line(0, "return");
    out.line(0, "end");

    int statics = 0;
    for (int w = 1; w <= windows; ++w)
        statics += std::max(0, std::min(source.windows[w - 1].staticCount, maxStatics));
    if (statics == 0)
        return;
    out.line(0, equals67);
    out.line(0, "! Also you have static control(s) in your program.");
    out.line(0, "! ");
    for (int w = 1; w <= windows; ++w) {
        const AppWindow& win = source.windows[w - 1];
        for (int s = 1; s <= std::min(win.staticCount, maxStatics); ++s)
            out.staticBlock(win.statics[s - 1], w, s);
    }
    out.line(0, "!");
    out.line(0, equals67);
}

} // namespace zim
