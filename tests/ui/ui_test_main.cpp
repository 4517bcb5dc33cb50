// The main of every UI test executable: GoogleTest with the guard against unanswered dialogs.
#include <gtest/gtest.h>

#include "ui_harness.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    zim::test::guardDialogs();
    return RUN_ALL_TESTS();
}
