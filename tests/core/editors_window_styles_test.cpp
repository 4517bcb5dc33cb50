#include "editors/window/window_style_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "model/default_project.h"
#include "model/text_field.h"

namespace zim {
namespace {

using Names = std::vector<std::string>;
constexpr auto available = StyleListSide::available;
constexpr auto selected = StyleListSide::selected;

TEST(WindowStyleLists, MovesKeepListOrderAndSelectTheSourcesFirstItem) {
    buildDefaultProject();
    int32_t flags[csCount];
    std::copy(std::begin(window(1).classStyles), std::end(window(1).classStyles), flags);
    StyleListPair pair(flags, classStyleList);
    EXPECT_EQ(pair.firstSelected(), 6);

    StyleMove move = pair.move(available, 3);
    EXPECT_TRUE(move.moved);
    EXPECT_EQ(flags[3], 1);
    EXPECT_EQ(move.sourceSelection, 0);
    EXPECT_EQ(move.describedEntry, 1) << "the source's first item, CS_BYTEALIGNCLIENT";
    EXPECT_EQ(pair.names(selected),
              (Names{"CS_DBLCLKS", "CS_HREDRAW", "CS_OWNDC", "CS_SAVEBITS", "CS_VREDRAW"}));

    move = pair.move(selected, 4);
    EXPECT_EQ(flags[10], 0);
    EXPECT_EQ(move.describedEntry, 4);
    EXPECT_EQ(pair.names(available).back(), "CS_VREDRAW");

    // No selection (LB_ERR) or a position past the list moves nothing.
    for (int position : {-1, 7, 27}) {
        const std::vector<int> before(flags, flags + csCount);
        EXPECT_FALSE(pair.move(available, position).moved) << position;
        EXPECT_EQ(std::vector<int>(flags, flags + csCount), before);
    }

    // A damaged flag of 2 counts as selected and goes back as 0.
    flags[2] = 2;
    EXPECT_EQ(pair.entryAt(selected, 0), 3);
    while (pair.entries(selected).size() > 1)
        pair.move(selected, 0);
    EXPECT_EQ(flags[2], 0);
    move = pair.move(selected, 0);
    EXPECT_TRUE(move.moved);
    EXPECT_EQ(move.sourceSelection, -1) << "the only item left: nothing to select";
    EXPECT_EQ(move.describedEntry, 0);
    EXPECT_TRUE(pair.entries(selected).empty());
    EXPECT_EQ(pair.firstSelected(), 0);
    EXPECT_FALSE(pair.move(selected, 0).moved);
}

class WindowStylesRules : public ::testing::Test {
  protected:
    void SetUp() override {
        buildDefaultProject();
        buildNewWindow(project().windows[1], 2);
        project().windows[1].kind = 2;
        project().program.windowCount = 2;
    }
};

TEST_F(WindowStylesRules, AStandardWindowOffersExtendedStylesAndADialogDialogStylesWithAFont) {
    WindowStylesPage standard(project(), 1);
    EXPECT_FALSE(standard.enabling(EditorState::edit).font);

    WindowStylesPage dialog(project(), 2);
    EXPECT_EQ(dialog.rightStyles().list().count, dialogStyleList.count);
    EXPECT_TRUE(dialog.enabling(EditorState::edit).font);

    // A standard window stores its styles and keeps its font, whatever the size edit holds.
    AppWindow& w = window(1);
    const std::string faceBefore(w.fontFace, sizeof w.fontFace);
    standard.windowStyles().move(available, 0); // WS_BORDER
    standard.rightStyles().move(selected, 0);   // WS_EX_CLIENTEDGE
    standard.workingCopy().fontSize = "not a number";
    ASSERT_TRUE(standard.save("Courier New").saved());
    EXPECT_EQ(w.windowStyles[0], 1);
    EXPECT_EQ(w.extendedStyles[2], 0);
    EXPECT_EQ(std::string(w.fontFace, sizeof w.fontFace), faceBefore);
    EXPECT_EQ(w.fontSize, 16);
    EXPECT_EQ(standard.workingCopy().fontSize, "16") << "the page shows the record again";

    // A dialog's hidden extended styles are stored as they were.
    const std::vector<int32_t> extended(std::begin(window(2).extendedStyles),
                                        std::end(window(2).extendedStyles));
    dialog.rightStyles().move(available, 0); // DS_ABSALIGN
    ASSERT_TRUE(dialog.save("Courier New").saved());
    EXPECT_EQ(window(2).dialogStyles[1], 1);
    EXPECT_EQ(std::vector<int32_t>(std::begin(window(2).extendedStyles),
                                   std::end(window(2).extendedStyles)),
              extended);
    EXPECT_EQ(trimmed(window(2).fontFace), "Courier New");
}

TEST_F(WindowStylesRules, ADialogsFontSizeMustBeAWholeNumberOfAnySign) {
    const struct Case {
        const char* size;
        const char* message; // nullptr: accepted
        int32_t stored;
    } cases[] = {
        {"", "Fill the field for font height value, please...", 0},
        {"1.5", "Check out the field for font height value, please...", 0},
        {"99999999999", "Check out the field for font height value, please...", 0},
        {"-8", nullptr, -8},
        {" 12 ", nullptr, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        buildDefaultProject();
        AppWindow& w = window(1);
        w.kind = 1;
        const auto before = std::make_unique<AppWindow>(w);
        WindowStylesPage page(project(), 1);
        page.windowStyles().move(available, 0);
        page.workingCopy().fontSize = c.size;
        const WindowStylesSave result = page.save("Times New Roman");
        if (c.message) {
            EXPECT_EQ(result.refusal.text, c.message);
            EXPECT_EQ(std::memcmp(before.get(), &w, sizeof w), 0) << "nothing is stored";
            EXPECT_EQ(page.workingCopy().fontSize, c.size);
            continue;
        }
        EXPECT_TRUE(result.saved());
        EXPECT_EQ(w.fontSize, c.stored);
        EXPECT_EQ(trimmed(w.fontFace), "Times New Roman");
        EXPECT_EQ(w.windowStyles[0], 1);
    }

    // The face is cut to its field; an empty list keeps the working face.
    WindowStylesPage page(project(), 1);
    ASSERT_TRUE(page.save(std::string(70, 'F')).saved());
    EXPECT_EQ(trimmed(window(1).fontFace), std::string(64, 'F'));
    ASSERT_TRUE(page.save("").saved());
    EXPECT_EQ(trimmed(window(1).fontFace), std::string(64, 'F'));
}

TEST(FontFaceList, EachFaceOnceAtMostFiveHundredInTheListsOrder) {
    FontFaceList list;
    const char tahoma[32] = "Tahoma\0leftover";
    for (const char* face : {"courier new", "Arial", "Times New Roman", "Arial", "arial", ""})
        EXPECT_TRUE(list.offer(face));
    EXPECT_TRUE(list.offer(tahoma, sizeof tahoma));
    EXPECT_EQ(list.faces(), (Names{"Arial", "arial", "courier new", "Tahoma", "Times New Roman"}));
    EXPECT_EQ(list.faceToSelect("TIMES NEW ROMAN"), "Times New Roman");
    EXPECT_EQ(list.faceToSelect("Not Installed"), "Arial");
    EXPECT_EQ(FontFaceList().faceToSelect("Arial"), "");

    FontFaceList full;
    int goOn = 0;
    for (int k = 0; k < 600; ++k)
        goOn += full.offer("Face " + std::to_string(1000 - k)) ? 1 : 0;
    EXPECT_EQ(goOn, 499) << "taking the 500th face ends the enumeration";
    EXPECT_FALSE(full.offer("AAA"));
    ASSERT_EQ(full.faces().size(), 500u);
    EXPECT_EQ(full.faces().front(), "Face 1000");
    EXPECT_EQ(full.faces().back(), "Face 999");
}

} // namespace
} // namespace zim
