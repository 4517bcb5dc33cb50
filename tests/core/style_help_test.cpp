#include "model/style_help.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zim {
namespace {

TEST(StyleHelp, ExplainsEveryEntryOfTheSixStyleListsInItsPlace) {
    const ValueList* lists[] = {&classStyleList,  &windowStyleList, &extendedStyleList,
                                &dialogStyleList, &buttonStyleList, &staticStyleList};
    for (const ValueList* list : lists) {
        std::set<std::string> texts;
        for (int k = 1; k <= list->count; ++k) {
            SCOPED_TRACE((*list)[k].name);
            const std::string byPlace = styleHelp(*list, k);
            EXPECT_FALSE(byPlace.empty());
            // The explanation at entry k belongs to the constant listed there.
            EXPECT_EQ(byPlace, styleHelp((*list)[k].name));
            EXPECT_TRUE(texts.insert(byPlace).second) << "the same words explain two constants";
        }
    }
    EXPECT_STREQ(styleHelp(buttonStyleList, 0), "");
    EXPECT_STREQ(styleHelp(buttonStyleList, buttonStyleList.count + 1), "");
    EXPECT_STREQ(styleHelp(standardIconList, 1), "") << "icons are no styles";
    EXPECT_STREQ(styleHelp("BS_NOSUCHSTYLE"), "");
}

} // namespace
} // namespace zim
