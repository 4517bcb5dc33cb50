#include "archive/archive_listing.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>

#include "model/program_state.h"
#include "temp_dir.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

// The directory's names as the C library's readdir returns them, without "." and "..".
std::vector<std::string> readdirOrder(const fs::path& directory, bool withDotNames) {
    std::vector<std::string> names;
    DIR* dir = opendir(directory.string().c_str());
    while (dirent* entry = dir ? readdir(dir) : nullptr) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && (withDotNames || name[0] != '.'))
            names.push_back(name);
    }
    if (dir)
        closedir(dir);
    return names;
}

void fillWithEntries(const fs::path& directory) {
    for (const char* folder : {"Alpha", "beta gamma", ".hidden folder"})
        fs::create_directories(directory / folder);
    test::writeBytes(directory / "notes.txt", {'x'});
    test::writeBytes(directory / ".dotfile", {'y'});
    for (int k = 0; k < 20; ++k)
        fs::create_directories(directory / ("Project " + std::to_string(k)));
}

TEST(ArchiveListing, ListsEveryEntryInFileSystemOrder) {
    TempDir root;
    const fs::path saved = programDirectory;
    programDirectory = root.path();
    EXPECT_TRUE(archiveListing().empty());
    EXPECT_TRUE(generatedProjectsListing().empty());
    fillWithEntries(root / "Projects");
    fillWithEntries(root / "FORTRAN PROGRAMS");

    const std::vector<std::string> archive = archiveListing();
    EXPECT_EQ(archive, readdirOrder(root / "Projects", true));
    EXPECT_EQ(archive.size(), 25u);
    for (const char* name : {"Alpha", "beta gamma", ".hidden folder", "notes.txt", ".dotfile"})
        EXPECT_EQ(std::count(archive.begin(), archive.end(), name), 1) << name;
    // The generated projects' listing leaves out the names beginning with a dot.
    EXPECT_EQ(generatedProjectsListing(), readdirOrder(root / "FORTRAN PROGRAMS", false));
    EXPECT_EQ(generatedProjectsListing().size(), 23u);

    EXPECT_TRUE(directoryListing(root / "missing").empty());
    EXPECT_TRUE(directoryListing(root / "Projects" / "notes.txt").empty());
    programDirectory = saved;
}

} // namespace
} // namespace zim
