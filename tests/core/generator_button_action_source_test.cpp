#include "generator/button_action_source.h"

#include <gtest/gtest.h>

#include "generator_test_project.h"

namespace zim {
namespace {

using test::addButton;
using test::addStatic;
using test::addWindow;
using test::startProject;

const std::string dashes67 = "!" + std::string(67, '-');
const std::string dashes56 = "!" + std::string(56, '-');
const std::string dashes48 = "!" + std::string(48, '-');
const std::string equals67 = "!" + std::string(67, '=');

std::string generated() {
    StringSink sink;
    writeButtonActionSource(sink, project());
    return sink.text();
}

// One line of the expected file: the leading blank, the tabs, the text, CR LF.
std::string line(int tabs, const std::string& text) {
    return " " + std::string(static_cast<std::size_t>(tabs), '\t') + text + "\r\n";
}

const std::string header =
    " subroutine ButtonDefinedAction(WndNumber,ButtonNumber,ButtonHandle)\r\n"
    " integer*4 WndNumber,ButtonNumber,ButtonHandle\r\n"
    " " +
    dashes67 +
    "\r\n"
    " ! Purpose - handler for created button(s)\r\n"
    " ! Parameters:\r\n"
    " !\t\t       WndNumber    - current window number\r\n"
    " !\t\t       ButtonNumber - current button number\r\n"
    " !\t\t       ButtonHandle - current button handle\r\n"
    " " +
    dashes67 +
    "\r\n"
    " \tselect case(WndNumber)\r\n";

const std::string ending = " \tend select\r\n"
                           " return\r\n"
                           " end\r\n";

std::string buttonBlock(int b, const std::string& caption, const std::string& piece1,
                        const std::string& piece2, const std::string& piece3,
                        const std::string& actionLines = "") {
    return line(4, "case(" + std::to_string(b) + ")") + line(4, dashes56) +
           line(4, "!  Put here your handler/subroutine for button #" + std::to_string(b)) +
           line(4, "!  Button capture:") + line(4, "!  <<" + caption + ">>") +
           line(4, "!  Button description:") + line(4, "!  == " + piece1) +
           line(4, "!  == " + piece2) + line(4, "!  == " + piece3) + line(4, "!") + actionLines +
           line(4, dashes56);
}

std::string staticBlock(int w, int s, const std::string& caption, const std::string& piece1,
                        const std::string& piece2 = "", const std::string& piece3 = "") {
    const std::string ws = std::to_string(w) + "," + std::to_string(s);
    return line(0, dashes48) +
           line(0, "!  Window #" + std::to_string(w) + " Static #" + std::to_string(s)) +
           line(0, "!  Static control capture:") + line(0, "!  <<" + caption + ">>") +
           line(0, "!  Static control description:") + line(0, "!  == " + piece1) +
           line(0, "!  == " + piece2) + line(0, "!  == " + piece3) + line(0, "!") +
           line(0, "!  You can use the next functions for control management :") +
           line(0, "!\t\tcall SetZIMStaticCaption(" + ws + ",text_string)") +
           line(0, "!\t\tcall ClearZIMStaticCaption(" + ws + ")") +
           line(0, "!\t\tcall WriteRealToZIMStaticAsFormatted(" + ws + ",value,fmt_string)") +
           line(0, "!\t\tcall WriteRealToZIMStaticUnFormatted(" + ws + ",value)") +
           line(0, "!\t\tcall WriteDRealToZIMStaticAsFormatted(" + ws + ",value,fmt_string)") +
           line(0, "!\t\tcall WriteDRealToZIMStaticUnFormatted(" + ws + ",value)") +
           line(0, "!\t\tcall WriteIntegerToZIMStaticAsFormatted(" + ws + ",value,fmt_string)") +
           line(0, "!\t\tcall WriteIntegerToZIMStaticUnFormatted(" + ws + ",value)");
}

TEST(ButtonActionSource, TheDefaultProjectHasOneButtonBranchAndOneStaticInTheAppendix) {
    startProject("Default project");
    EXPECT_EQ(generated(),
              header + line(2, "case(1)") + line(3, "select case(ButtonNumber)") +
                  buttonBlock(1, "Start", "Default window button. Purpose - start calculations...",
                              "", "") +
                  line(3, "end select") + ending + line(0, equals67) +
                  line(0, "! Also you have static control(s) in your program.") + line(0, "! ") +
                  staticBlock(1, 1, "Text Static Control", "Standard Text Static Control...") +
                  line(0, "!") + line(0, equals67));
}

TEST(ButtonActionSource, ButtonsRepeatCaptionsDescriptionsAndActionsGroupBoxesAreLeftOut) {
    startProject("Buttons");
    window(1).buttonCount = 0;
    window(1).staticCount = 0;

    // An older, longer caption left behind the NUL; a description of exactly 100 characters.
    ButtonControl& ok = addButton(1);
    setText(ok.text, std::string("OK\0ncel everything", 18));
    const std::string hundred = "0123456789012345678901234567890123456789012345678901234567890"
                                "123456789012345678901234567890123456789";
    ASSERT_EQ(hundred.size(), 100u);
    setText(ok.description, hundred);
    ok.action = 0;

    ButtonControl& group = addButton(1);
    setCaption(group.text, "Options");
    chooseStyles(group.buttonStyles, buttonStyleList, {"BS_GROUPBOX"});
    group.action = 1;

    // Leading blanks go; 259 characters give pieces of 100, 100 and 59, each trimmed.
    ButtonControl& close = addButton(1);
    setCaption(close.text, "   Close  ");
    const std::string long259 =
        std::string(95, 'A') + "     " + std::string(100, 'B') + std::string(59, 'C');
    ASSERT_EQ(long259.size(), 259u);
    setCaption(close.description, long259);
    close.action = 1;

    // Line breaks and tabs become blanks; leading blanks of the description shift the pieces.
    ButtonControl& quit = addButton(1);
    setCaption(quit.text, "Line 1\r\nLine 2\tEnd");
    setText(quit.description, "   " + std::string(100, 'x') + "y");
    quit.action = 2;

    ButtonControl& more = addButton(1);
    setCaption(more.text, "New");
    setText(more.description, std::string("Opens another window\0 left over", 31));
    more.action = 3;

    addWindow(); // no buttons, no statics
    addWindow();
    addButton(3);

    EXPECT_EQ(generated(),
              header + line(2, "case(1)") + line(3, "select case(ButtonNumber)") +
                  buttonBlock(1, "OK", hundred, "", "") +
                  buttonBlock(3, "Close", std::string(95, 'A'), std::string(100, 'B'),
                              std::string(59, 'C'),
                              line(4, "!  Remember, please, that this button will close") +
                                  line(4, "!  current window. But you can't do this manualy")) +
                  buttonBlock(4, "Line 1  Line 2 End", std::string(100, 'x'), "y", "",
                              line(4, "!  Remember, please, that this button will close") +
                                  line(4, "!  application. But you can't do this manualy")) +
                  buttonBlock(5, "New", "Opens another window", "", "",
                              line(4, "!  Remember, please, that this button will close")) +
                  line(3, "end select") + line(2, "case(2)") +
                  line(3, "select case(ButtonNumber)") + line(3, "end select") +
                  line(2, "case(3)") + line(3, "select case(ButtonNumber)") +
                  buttonBlock(1, "Start", "Default window button. Purpose - start calculations...",
                              "", "") +
                  line(3, "end select") + ending);
}

TEST(ButtonActionSource, StaticsOfEveryKindAreListedWindowByWindow) {
    startProject("Statics");
    window(1).buttonCount = 0;
    StaticControl& multi = addStatic(1);
    setCaption(multi.text, "Multi\nline");
    setText(multi.description, std::string("First\0Old description", 21));

    addWindow(); // contributes nothing
    addWindow();
    StaticControl& picture = addStatic(3);
    picture.kind = 2;
    setText(picture.text, "  Picture");
    setText(picture.description, std::string(200, 'p') + "\tq");
    StaticControl& frame = addStatic(3);
    frame.kind = 1;

    EXPECT_EQ(generated(),
              header + line(2, "case(1)") + line(3, "select case(ButtonNumber)") +
                  line(3, "end select") + line(2, "case(2)") +
                  line(3, "select case(ButtonNumber)") + line(3, "end select") +
                  line(2, "case(3)") + line(3, "select case(ButtonNumber)") +
                  line(3, "end select") + ending + line(0, equals67) +
                  line(0, "! Also you have static control(s) in your program.") + line(0, "! ") +
                  staticBlock(1, 1, "Text Static Control", "Standard Text Static Control...") +
                  staticBlock(1, 2, "Multi line", "First") +
                  staticBlock(3, 1, "Picture", std::string(100, 'p'), std::string(100, 'p'), " q") +
                  staticBlock(3, 2, "Text Static Control", "Standard Text Static Control...") +
                  line(0, "!") + line(0, equals67));
}

TEST(ButtonActionSource, NumbersAreWrittenWithoutLeadingZeros) {
    startProject("Numbers");
    for (int w = 2; w <= 12; ++w)
        addWindow();
    window(12).buttonCount = 0;
    window(12).staticCount = 0;
    for (int k = 1; k <= maxButtons; ++k) {
        addButton(12);
        addStatic(12);
    }
    const std::string text = generated();
    EXPECT_NE(text.find(" \t\tcase(12)\r\n"), std::string::npos);
    EXPECT_NE(text.find(" \t\t\t\tcase(100)\r\n"), std::string::npos);
    EXPECT_NE(text.find(" \t\t\t\t!  Put here your handler/subroutine for button #100\r\n"),
              std::string::npos);
    EXPECT_NE(text.find(" !  Window #12 Static #100\r\n"), std::string::npos);
    EXPECT_NE(text.find(" !\t\tcall ClearZIMStaticCaption(12,100)\r\n"), std::string::npos);
    EXPECT_EQ(text.find("case(0"), std::string::npos);
}

} // namespace
} // namespace zim
