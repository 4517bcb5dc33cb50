#include "archive/safe_name.h"

#include <gtest/gtest.h>

namespace zim {
namespace {

TEST(SafeName, TrimmingRemovesOnlyLeadingAndTrailingBlanks) {
    EXPECT_EQ(trimmedName("  My Project  "), "My Project");
    EXPECT_EQ(trimmedName("   "), "");
    EXPECT_EQ(trimmedName(""), "");
    EXPECT_EQ(trimmedName("\tTab "), "\tTab");
}

TEST(SafeName, PlainWindowsFileNamesAreSafe) {
    for (const char* name : {"Alpha", "My Project", "v1.2", ".hidden", "CONSOLE", "COM10", "LPT0",
                             "NULL.txt", "AUX_files", "x-y_z (2)", "Caf\xe9"})
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
    for (const char* name : {"CON", "con", "Prn", "AUX", "NUL", "COM1", "com9", "LPT1", "lpt9",
                             "CON.txt", "nul.tar.gz", "COM3 .log", "aux.h"})
        EXPECT_EQ(unsafeNameReason(name), "it is the name of a device") << name;
}

} // namespace
} // namespace zim
