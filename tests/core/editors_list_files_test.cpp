#include "editors/window/file_plan.h"

#include <gtest/gtest.h>

#include "editors/window/positional_names.h"
#include "list_test_folder.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::ListTestFolder;

TEST(ListFilePlan, RotatesRemovesAndCopiesWithoutOverwritingAnything) {
    ListTestFolder folder;
    const fs::path dir = folder.project();
    for (const char* name : {"A.bmp", "B.bmp", "C.bmp", "Old.bmp", "Keep.bmp"})
        folder.put(name);
    folder.put("Source.ico", "template");

    FilePlan plan; // a cycle, which no order of plain renames could do
    plan.move(dir / "A.bmp", dir / "B.bmp");
    plan.move(dir / "B.bmp", dir / "C.bmp");
    plan.move(dir / "C.bmp", dir / "A.bmp");
    plan.remove(dir / "Old.bmp");
    plan.copy(dir / "Source.ico", dir / "Old.bmp"); // into the name the removal frees
    ASSERT_FALSE(plan.obstacle());

    FileFailures failures;
    ASSERT_TRUE(plan.run(failures));
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(folder.content("B.bmp"), "A.bmp");
    EXPECT_EQ(folder.content("C.bmp"), "B.bmp");
    EXPECT_EQ(folder.content("A.bmp"), "C.bmp");
    EXPECT_EQ(folder.content("Old.bmp"), "template");
    EXPECT_EQ(folder.content("Source.ico"), "template");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"A.bmp", "B.bmp", "C.bmp", "Keep.bmp",
                                                     "Old.bmp", "Source.ico"}));
}

TEST(ListFilePlan, RefusesBeforeTouchingAFile) {
    ListTestFolder folder;
    const fs::path dir = folder.project();
    folder.put("A.bmp");
    folder.put("Other.bmp");
    fs::create_directory(dir / "Folder.bmp");
    const auto before = folder.names();

    auto obstacleOf = [](const FilePlan& plan) {
        const std::optional<PlanObstacle> obstacle = plan.obstacle();
        return obstacle ? std::make_pair(obstacle->kind, obstacle->path.filename().string())
                        : std::make_pair(PlanObstacle::Kind::inTheWay, std::string("(none)"));
    };
    using Kind = PlanObstacle::Kind;
    FilePlan intoOther;
    intoOther.move(dir / "A.bmp", dir / "Other.bmp");
    EXPECT_EQ(obstacleOf(intoOther), std::make_pair(Kind::inTheWay, std::string("Other.bmp")));
    FilePlan twice; // Windows sees one name in both spellings
    twice.copy(dir / "A.bmp", dir / "New.bmp");
    twice.copy(dir / "Other.bmp", dir / "NEW.BMP");
    EXPECT_EQ(obstacleOf(twice), std::make_pair(Kind::inTheWay, std::string("NEW.BMP")));
    FilePlan folderAsFile;
    folderAsFile.move(dir / "Folder.bmp", dir / "New.bmp");
    EXPECT_EQ(obstacleOf(folderAsFile), std::make_pair(Kind::notAFile, std::string("Folder.bmp")));
    FilePlan missing;
    missing.copy(dir / "Gone.bmp", dir / "New.bmp");
    EXPECT_EQ(obstacleOf(missing), std::make_pair(Kind::missing, std::string("Gone.bmp")));

    EXPECT_EQ(folder.names(), before);
    EXPECT_EQ(folder.content("Other.bmp"), "Other.bmp");

    if (!test::makeLink(dir / "Other.bmp", dir / "Link.bmp"))
        GTEST_SKIP() << test::cannotMakeLinks;
    FilePlan link;
    link.remove(dir / "Link.bmp");
    EXPECT_EQ(obstacleOf(link), std::make_pair(Kind::link, std::string("Link.bmp")));
}

TEST(ListFilePlan, AFailureHalfwayPutsEveryFileBackAndSaysWhichStepFailed) {
    ListTestFolder folder;
    const fs::path dir = folder.project();
    for (const char* name : {"A.bmp", "B.bmp", "C.bmp", "Old.bmp"})
        folder.put(name);
    FilePlan plan;
    plan.move(dir / "A.bmp", dir / "B.bmp");
    plan.move(dir / "B.bmp", dir / "C.bmp");
    plan.remove(dir / "Old.bmp");
    plan.copy(dir / "Old.bmp", dir / "Copy.bmp");
    plan.move(dir / "C.bmp", dir / "D.bmp");
    ASSERT_FALSE(plan.obstacle());
    const auto before = folder.names();

    // The folder changes after planning: the last rename meets a folder under its new name.
    fs::create_directory(dir / "D.bmp");
    FileFailures failures;
    EXPECT_FALSE(plan.run(failures));
    ASSERT_EQ(failures.list().size(), 1u);
    EXPECT_NE(failures.list()[0].find("\"D.bmp\""), std::string::npos) << failures.list()[0];
    fs::remove(dir / "D.bmp");
    EXPECT_EQ(folder.names(), before);
    for (const char* name : {"A.bmp", "B.bmp", "C.bmp", "Old.bmp"})
        EXPECT_EQ(folder.content(name), name);
}

TEST(ListPositionalNames, ReadsOnlyNamesOfPlacesWithinTheCapacities) {
    auto read = [](const char* name) {
        const std::optional<PositionalName> place = parsePositionalFileName(name);
        return place ? positionalFileName(*place) + " " + std::to_string(place->window) + "/" +
                           std::to_string(place->index)
                     : std::string("-");
    };
    EXPECT_EQ(read("Wnd_007.cur"), "Wnd_007.cur 7/0");
    EXPECT_EQ(read("wnd_100S.ICO"), "Wnd_100s.ICO 100/0");
    EXPECT_EQ(read("Wnd_012_10.bmp"), "Wnd_012_10.bmp 12/10");
    EXPECT_EQ(read("Button_003_100_Down.bmp"), "Button_003_100_Down.bmp 3/100");
    EXPECT_EQ(read("BUTTON_003_004_DIS.ico"), "Button_003_004_Dis.ico 3/4");
    EXPECT_EQ(read("Static_001_002.ico"), "Static_001_002.ico 1/2");
    for (const char* other :
         {"Wnd_000.ico", "Wnd_101.ico", "Wnd_001_11.bmp", "Wnd_001_1.bmp", "Button_001_101.bmp",
          "Button_001_002_Up.bmp", "Static_001_002_Dis.bmp", "Wnd_001.txt", "Wnd_001",
          "Static_01_002.bmp", "Temp.bmp"})
        EXPECT_EQ(read(other), "-") << other;
}

} // namespace
} // namespace zim
