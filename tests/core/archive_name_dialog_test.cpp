#include "archive/name_dialog_rules.h"

#include <gtest/gtest.h>

#include "model/program_state.h"
#include "temp_dir.h"

namespace zim {
namespace {

using test::TempDir;
using Listing = std::vector<std::string>;

const NameDialogKind allKinds[] = {NameDialogKind::newProject, NameDialogKind::load,
                                   NameDialogKind::save, NameDialogKind::generator};

TEST(ArchiveNameDialog, EachDialogRefusesAnEmptyNameWithItsOwnMessage) {
    const std::pair<const char*, const char*> expected[] = {
        {"Create New Project...", "Sorry, but you forgot to enter the project name..."},
        {"Load Project...", "Sorry,but you forgot to enter the project name..."},
        {"Save Project...", "Sorry,but you forgot to enter the project name..."},
        {"Create Fortran Project...", "Sorry,but you forgot to enter the project name..."},
    };
    for (int k = 0; k < 4; ++k)
        for (const char* empty : {"", "   "}) {
            const NameAcceptance refusal = acceptName(allKinds[k], empty, {"Default project"});
            EXPECT_FALSE(refusal.accepted);
            EXPECT_EQ(refusal.caption, expected[k].first);
            EXPECT_EQ(refusal.message, expected[k].second);
            EXPECT_EQ(refusal.flags, 0x10u | 0x2000u); // MB_ICONHAND | MB_TASKMODAL
        }
}

TEST(ArchiveNameDialog, ResultCodesCompareWholeTrimmedNamesCutTo98WithoutRegardToCase) {
    const std::string listed98(98, 'L');
    const Listing listing = {"Default project", "Alpha", "notes.txt", "Alp", listed98};
    const std::pair<std::string, int> cases[] = {
        {"Default project", 2},
        {"DEFAULT PROJECT", 2},
        {"alpha  ", 3},
        {" Alpha", 1}, // a leading blank is part of the name
        {"NOTES.TXT", 4},
        {"alp", 5},
        {"Alph", 1},
        {"Alphabet", 1},
        {listed98 + "tail", 6},
    };
    for (NameDialogKind kind : allKinds)
        for (const auto& [typed, result] : cases)
            EXPECT_EQ(acceptName(kind, typed, listing).result, result) << typed;

    EXPECT_EQ(acceptName(NameDialogKind::save, "  New one ", listing).chosenName, "  New one");
    EXPECT_EQ(acceptName(NameDialogKind::newProject, std::string(120, 'n'), {}).chosenName,
              std::string(98, 'n'));
    EXPECT_EQ(acceptName(NameDialogKind::save, std::string(97, 'p') + "   q", {}).chosenName,
              std::string(97, 'p'));
    EXPECT_EQ(nameResult({"x", "y", "X"}, "X"), 2); // the first equal entry
}

TEST(ArchiveNameDialog, PreselectsTheOpenProjectAsEachDialogDoes) {
    const Listing listing = {"Default project", "Alpha", "Beta"};
    auto start = [&](NameDialogKind kind, const std::string& open, const Listing& names) {
        const NameDialogStart s = nameDialogStart(kind, names, open);
        return std::make_pair(s.selected, s.entryText);
    };
    using Start = std::pair<int, std::string>;
    EXPECT_EQ(start(NameDialogKind::newProject, "Alpha", listing), Start(-1, ""));
    EXPECT_EQ(start(NameDialogKind::load, "Alpha", listing), Start(1, "Alpha"));
    EXPECT_EQ(start(NameDialogKind::save, "Beta", listing), Start(2, "Beta"));
    EXPECT_EQ(start(NameDialogKind::generator, "Alpha", {"Other", "alpha"}), Start(1, "Alpha"));
    EXPECT_EQ(start(NameDialogKind::load, "Gone", listing), Start(-1, ""));
    EXPECT_EQ(start(NameDialogKind::save, "Gone", listing), Start(-1, "Gone"));
    EXPECT_EQ(start(NameDialogKind::generator, "Gone", {}), Start(-1, "Gone"));
}

TEST(ArchiveNameDialog, TheGeneratorListsCompilerProjectsTheOthersTheArchive) {
    TempDir root;
    const std::filesystem::path saved = programDirectory;
    programDirectory = root.path();
    std::filesystem::create_directories(root / "Projects" / "Default project");
    std::filesystem::create_directories(root / "FORTRAN PROGRAMS" / "Compiled");
    std::filesystem::create_directories(root / "FORTRAN PROGRAMS" / ".git");
    for (NameDialogKind kind : allKinds)
        EXPECT_EQ(nameDialogListing(kind),
                  Listing{kind == NameDialogKind::generator ? "Compiled" : "Default project"});
    programDirectory = saved;
}

} // namespace
} // namespace zim
