#include "editors/frame/program_page_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "model/default_project.h"
#include "model/text_field.h"

namespace zim {
namespace {

class EditorsProgramPage : public ::testing::Test {
  protected:
    void SetUp() override { buildDefaultProject(); }
    Project& p = project();
    AppWindow& first = window(1);
};

// A name filling its whole field still gets its extension, and the radios show the record.
TEST_F(EditorsProgramPage, ShowsTheProjectFileNameAndTheChoicesOfTheRecord) {
    const std::string longName(100, 'N');
    setText(p.program.applicationName, longName);
    p.program.applicationType = 1;
    p.program.wallpaperPresent = 0;
    const ProgramPageContent content = programPageContent(p.program);
    EXPECT_EQ(content.projectFileName, longName + ".zim");
    EXPECT_TRUE(content.choices.dialogBased && content.choices.wallpaperAbsent);
    EXPECT_FALSE(content.choices.classic || content.choices.wallpaperPresent);
}

TEST_F(EditorsProgramPage, SaveWritesTypeWallpaperAndWindowOneOwner) {
    const struct Case {
        const char* name;
        int32_t windowKind, hasOwner, ownerWindow;
        ProgramChoices choices;
        int32_t applicationType, wallpaperPresent, expectedKind, expectedHasOwner;
    } cases[] = {
        {"dialog based from a modeless dialog", 1, 1, 0, {false, true, true, false}, 1, 1, 2, 1},
        {"classic from a modal dialog", 2, 1, 0, {true, false, true, false}, 0, 1, 0, 1},
        {"absent clears the owner", 0, 1, 0, {true, false, false, true}, 0, 0, 0, 0},
        {"present: owned by the wallpaper", 0, 0, 3, {true, false, true, false}, 0, 1, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        first.kind = c.windowKind;
        first.hasOwner = c.hasOwner;
        first.ownerWindow = c.ownerWindow;
        window(2).kind = 1;
        EXPECT_FALSE(saveProgramPage(p, c.choices, "A new description").has_value());
        EXPECT_EQ(p.program.applicationType, c.applicationType);
        EXPECT_EQ(p.program.wallpaperPresent, c.wallpaperPresent);
        EXPECT_EQ(first.kind, c.expectedKind);
        EXPECT_EQ(first.hasOwner, c.expectedHasOwner);
        EXPECT_EQ(first.ownerWindow, 0);
        EXPECT_EQ(window(2).kind, 1) << "only window 1 follows the application type";
        EXPECT_EQ(trimmed(p.program.description), "A new description");
    }
}

TEST_F(EditorsProgramPage, EmptyDescriptionWarnsKeepsTheOldOneAndStillSavesTheRest) {
    const std::string old = trimmed(p.program.description);
    for (const char* empty : {"", "   "}) {
        SCOPED_TRACE(std::string("\"") + empty + "\"");
        p.program.applicationType = 0;
        p.program.wallpaperPresent = 1;
        first.hasOwner = 1;
        const auto warning = saveProgramPage(p, {false, true, false, true}, empty);
        ASSERT_TRUE(warning.has_value());
        EXPECT_EQ(trimmed(p.program.description), old);
        EXPECT_EQ(p.program.applicationType, 1);
        EXPECT_EQ(p.program.wallpaperPresent, 0);
        EXPECT_EQ(first.hasOwner, 0);
        EXPECT_EQ(first.kind, 2);
    }
}

TEST_F(EditorsProgramPage, DescriptionIsCutToTwoHundredFiftyCharacters) {
    const std::string typed = std::string(250, 'd') + "beyond the limit";
    EXPECT_FALSE(saveProgramPage(p, {true, false, true, false}, typed).has_value());
    EXPECT_EQ(trimmed(p.program.description), std::string(250, 'd'));
    EXPECT_EQ(programPageContent(p.program).description.size(), 250u);
}

} // namespace
} // namespace zim
