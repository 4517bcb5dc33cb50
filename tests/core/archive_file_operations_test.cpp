#include "archive/file_operations.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "temp_dir.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::bytesOf;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

bool mentions(const FileFailures& failures, std::size_t k, const std::string& what) {
    return k < failures.list().size() && failures.list()[k].find(what) != std::string::npos;
}

TEST(ArchiveFileOperations, CopiesEveryFileOverwritingListsFailuresAndLeavesFoldersOut) {
    TempDir root;
    fs::create_directories(root / "from" / "sub");
    fs::create_directories(root / "to" / "c.bmp"); // a folder where a file would go
    for (const char* name : {"a.bmp", "b.ico", "c.bmp", "Old.zim", "sub/deep.bmp"})
        writeBytes(root / "from" / name, bytesOf(name));
    writeBytes(root / "to" / "a.bmp", bytesOf("an older and longer a"));
    writeBytes(root / "to" / "other.txt", bytesOf("other"));

    FileFailures failures;
    std::vector<fs::path> made =
        copyDirectoryFiles(root / "from", root / "to", failures, "Old.zim");
    std::sort(made.begin(), made.end());
    EXPECT_EQ(made, (std::vector<fs::path>{root / "to" / "a.bmp", root / "to" / "b.ico"}));
    ASSERT_EQ(failures.list().size(), 1u);
    EXPECT_TRUE(mentions(failures, 0, "c.bmp"));
    EXPECT_EQ(readBytes(root / "to" / "a.bmp"), bytesOf("a.bmp"));
    EXPECT_EQ(readBytes(root / "to" / "b.ico"), bytesOf("b.ico"));
    EXPECT_EQ(readBytes(root / "to" / "other.txt"), bytesOf("other"));
    EXPECT_FALSE(fs::exists(root / "to" / "sub"));
    EXPECT_FALSE(fs::exists(root / "to" / "Old.zim"));

    FileFailures missing;
    EXPECT_TRUE(copyDirectoryFiles(root / "nowhere", root / "to", missing).empty());
    EXPECT_TRUE(mentions(missing, 0, "nowhere"));
    FileFailures noTarget;
    EXPECT_TRUE(copyDirectoryFiles(root / "from", root / "absent", noTarget).empty());
    EXPECT_EQ(noTarget.list().size(), 4u);
}

TEST(ArchiveFileOperations, EmptyingAFolderDeletesItsFilesOnly) {
    TempDir root;
    const fs::path folder = root / "Delta";
    fs::create_directories(folder / "keep" / "empty inside");
    for (const char* name : {"Delta.zim", "old.bmp", ".hidden", "keep/inner.txt"})
        writeBytes(folder / name, bytesOf(name));
    writeBytes(root / "beside.txt", bytesOf("beside"));

    FileFailures failures;
    EXPECT_EQ(deleteDirectoryFiles(folder, failures), 3);
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_EQ(readBytes(folder / "keep" / "inner.txt"), bytesOf("keep/inner.txt"));
    EXPECT_TRUE(fs::is_directory(folder / "keep" / "empty inside"));
    EXPECT_EQ(readBytes(root / "beside.txt"), bytesOf("beside"));
    EXPECT_EQ(deleteDirectoryFiles(root / "nowhere", failures), 0);
    EXPECT_TRUE(mentions(failures, 0, "nowhere"));
}

TEST(ArchiveFileOperations, CreatesAndRemovesButNeverRemovesAFolder) {
    TempDir root;
    FileFailures failures;
    EXPECT_TRUE(createDirectory(root / "New", failures));
    EXPECT_TRUE(createDirectory(root / "New", failures)); // already there
    writeBytes(root / "Old.zim", bytesOf("old"));
    EXPECT_TRUE(removeFile(root / "Old.zim", failures));
    EXPECT_FALSE(fs::exists(root / "Old.zim"));
    EXPECT_TRUE(removeFile(root / "Never there.zim", failures));
    EXPECT_TRUE(failures.empty());

    writeBytes(root / "Taken", bytesOf("file"));
    EXPECT_FALSE(createDirectory(root / "Taken", failures));
    EXPECT_FALSE(removeFile(root / "New", failures));
    EXPECT_TRUE(fs::is_directory(root / "New"));
    ASSERT_EQ(failures.list().size(), 2u);
    EXPECT_TRUE(mentions(failures, 0, "Taken"));
    EXPECT_TRUE(mentions(failures, 1, "New"));
    EXPECT_EQ(readBytes(root / "Taken"), bytesOf("file"));
}

// What a link leads to is never emptied or overwritten; a link among the files is deleted
// itself.
TEST(ArchiveFileOperations, LinksAreNeverFollowedWhenDeletingOrOverwriting) {
    TempDir root;
    fs::create_directories(root / "outside");
    writeBytes(root / "outside" / "victim.bmp", bytesOf("victim"));
    fs::create_directories(root / "Delta");
    if (!test::makeLink(root / "outside" / "victim.bmp", root / "Delta" / "alpha.bmp"))
        GTEST_SKIP() << test::cannotMakeLinks;
    ASSERT_TRUE(test::makeLink(root / "outside", root / "Delta" / "docs"));
    ASSERT_TRUE(test::makeLink(root / "outside", root / "Linked"));
    fs::create_directories(root / "from");
    writeBytes(root / "from" / "alpha.bmp", bytesOf("alpha"));

    FileFailures failures;
    EXPECT_TRUE(copyDirectoryFiles(root / "from", root / "Delta", failures).empty());
    EXPECT_EQ(deleteDirectoryFiles(root / "Linked", failures), 0);
    ASSERT_EQ(failures.list().size(), 2u);
    EXPECT_TRUE(mentions(failures, 0, "alpha.bmp\": it is a link"));
    EXPECT_TRUE(mentions(failures, 1, "Linked\": it is a link"));

    EXPECT_EQ(deleteDirectoryFiles(root / "Delta", failures), 1);
    EXPECT_FALSE(fs::exists(fs::symlink_status(root / "Delta" / "alpha.bmp")));
    EXPECT_TRUE(fs::is_symlink(root / "Delta" / "docs"));
    EXPECT_EQ(readBytes(root / "outside" / "victim.bmp"), bytesOf("victim"));
    EXPECT_EQ(failures.list().size(), 2u);
}

} // namespace
} // namespace zim
