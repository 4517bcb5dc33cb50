#include "archive/archive_listing.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>

#include "model/program_state.h"
#include "temp_dir.h"

namespace zim {
namespace {

using test::TempDir;
using test::writeBytes;

// The directory's names in the order the C library's readdir returns them.
std::vector<std::string> readdirOrder(const std::filesystem::path& directory) {
    std::vector<std::string> names;
    DIR* dir = opendir(directory.c_str());
    if (!dir)
        return names;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(dir);
    return names;
}

void fillWithEntries(const std::filesystem::path& directory) {
    std::filesystem::create_directories(directory / "Alpha");
    std::filesystem::create_directories(directory / "beta gamma");
    std::filesystem::create_directories(directory / ".hidden folder");
    writeBytes(directory / "notes.txt", {'x'});
    writeBytes(directory / ".dotfile", {'y'});
    for (int k = 0; k < 20; ++k)
        std::filesystem::create_directories(directory / ("Project " + std::to_string(k)));
}

TEST(ArchiveListing, ListsFilesAndFoldersInFileSystemOrder) {
    TempDir root;
    fillWithEntries(root.path());
    const std::vector<std::string> names = directoryListing(root.path());
    EXPECT_EQ(names, readdirOrder(root.path()));
    EXPECT_EQ(names.size(), 25u);
    for (const char* expected : {"Alpha", "beta gamma", ".hidden folder", "notes.txt", ".dotfile"})
        EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
    EXPECT_EQ(std::count(names.begin(), names.end(), "."), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), ".."), 0);

    EXPECT_TRUE(directoryListing(root / "missing").empty());
    EXPECT_TRUE(directoryListing(root / "notes.txt").empty());
    std::filesystem::create_directories(root / "empty");
    EXPECT_TRUE(directoryListing(root / "empty").empty());
}

TEST(ArchiveListing, ArchiveShowsEveryEntryAndGeneratedProjectsHideDotNames) {
    TempDir root;
    const std::filesystem::path saved = programDirectory;
    programDirectory = root.path();
    EXPECT_TRUE(archiveListing().empty());
    EXPECT_TRUE(generatedProjectsListing().empty());

    fillWithEntries(root / "Projects");
    fillWithEntries(root / "FORTRAN PROGRAMS");
    EXPECT_EQ(archiveListing(), readdirOrder(root / "Projects"));

    std::vector<std::string> expected = readdirOrder(root / "FORTRAN PROGRAMS");
    expected.erase(std::remove_if(expected.begin(), expected.end(),
                                  [](const std::string& n) { return n[0] == '.'; }),
                   expected.end());
    EXPECT_EQ(generatedProjectsListing(), expected);
    EXPECT_EQ(expected.size(), 23u);
    programDirectory = saved;
}

} // namespace
} // namespace zim
