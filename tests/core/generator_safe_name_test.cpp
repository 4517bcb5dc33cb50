#include "archive/safe_name.h"

#include <gtest/gtest.h>

namespace zim {
namespace {

// Trailing blanks are the padding of a text field; leading blanks belong to the name.
TEST(SafeName, TrimmingRemovesOnlyTrailingBlanks) {
    EXPECT_EQ(trimmedName("My Project  "), "My Project");
    EXPECT_EQ(trimmedName("  Leading "), "  Leading");
    EXPECT_EQ(trimmedName("   "), "");
    EXPECT_EQ(trimmedName(""), "");
    EXPECT_EQ(trimmedName("\tTab "), "\tTab");
}

TEST(SafeName, PlainWindowsFileNamesAreSafe) {
    for (const char* name :
         {"Alpha", "My Project", "v1.2", ".hidden", "CONSOLE", "COM10", "LPT\xB4", "CONIN",
          "CONOUT$x", "NULL.txt", "AUX_files", "x-y_z (2)", "Caf\xe9"})
        EXPECT_EQ(unsafeNameReason(name), "") << name;
}

TEST(SafeName, NamesWindowsCannotHoldOrThatLeaveTheFolderAreRefusedWithAReason) {
    EXPECT_EQ(unsafeNameReason(""), "it is empty");
    EXPECT_EQ(unsafeNameReason("."), "it names a folder itself");
    EXPECT_EQ(unsafeNameReason(".."), "it names a folder itself");
    EXPECT_EQ(unsafeNameReason("a/b"), "it contains the character '/'");
    EXPECT_EQ(unsafeNameReason("..\\up"), "it contains the character '\\'");
    EXPECT_EQ(unsafeNameReason("C:x"), "it contains the character ':'");
    for (const char* name : {"a*", "a?", "say \"hi\"", "<a", "a>", "a|b"})
        EXPECT_NE(unsafeNameReason(name).find("it contains the character"), std::string::npos)
            << name;
    EXPECT_EQ(unsafeNameReason("line\nbreak"), "it contains a control character");
    EXPECT_EQ(unsafeNameReason(std::string("nul\0byte", 8)), "it contains a control character");
    EXPECT_EQ(unsafeNameReason("\x1f"), "it contains a control character");
    EXPECT_EQ(unsafeNameReason("name."), "it ends with a dot");
    EXPECT_EQ(unsafeNameReason("name "), "it ends with a blank");
    EXPECT_EQ(unsafeNameReason(" name"), "it begins with a blank");
    for (const char* name :
         {"CON",      "con",    "Prn",         "AUX",        "NUL",         "COM1",   "com9",
          "LPT1",     "lpt9",   "CON.txt",     "nul.tar.gz", "COM3 .log",   "aux.h",  "COM0",
          "lpt0.txt", "CONIN$", "conout$.log", "COM\xB9",    "com\xB2.txt", "LPT\xB3"})
        EXPECT_EQ(unsafeNameReason(name), "it is the name of a device") << name;
}

} // namespace
} // namespace zim
