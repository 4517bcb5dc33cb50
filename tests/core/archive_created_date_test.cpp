#include "archive/created_date.h"

#include <gtest/gtest.h>

#include <cctype>

namespace zim {
namespace {

TEST(ArchiveCreatedDate, WritesDayMonthNameAndYear) {
    EXPECT_EQ(createdDateText("20261205"), "05 December 2026");
    EXPECT_EQ(createdDateText("20011201"), "01 December 2001");
    const char* const months[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};
    for (int m = 1; m <= 12; ++m) {
        const std::string mm = (m < 10 ? "0" : "") + std::to_string(m);
        EXPECT_EQ(createdDateText("1999" + mm + "31"),
                  std::string("31 ") + months[m - 1] + " 1999");
    }
}

TEST(ArchiveCreatedDate, LeavesTextsThatAreNoDateUnchanged) {
    for (const char* bad : {"", "2026125", "202612051", "2026-1-5", "20261305", "20260005",
                            "20261200", "20261232", "abcdefgh"})
        EXPECT_EQ(createdDateText(bad), bad);
}

TEST(ArchiveCreatedDate, SystemDateIsEightDigitsOfAValidDate) {
    const std::string today = systemDate();
    ASSERT_EQ(today.size(), 8u);
    for (char c : today)
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(c)));
    const std::string created = createdDateText(today);
    EXPECT_NE(created, today);
    EXPECT_EQ(created.substr(0, 2), today.substr(6, 2));
    EXPECT_EQ(created.substr(created.size() - 4), today.substr(0, 4));
}

} // namespace
} // namespace zim
