#include "archive/file_operations.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "temp_dir.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

std::vector<char> bytesOf(const std::string& text) {
    return std::vector<char>(text.begin(), text.end());
}

bool mentions(const FileFailures& failures, std::size_t k, const std::string& what) {
    return k < failures.list().size() && failures.list()[k].find(what) != std::string::npos;
}

TEST(ArchiveFileOperations, CreatesAFolderOnceAndReportsWhatStandsInTheWay) {
    TempDir root;
    FileFailures failures;
    EXPECT_TRUE(createDirectory(root / "New", failures));
    EXPECT_TRUE(fs::is_directory(root / "New"));
    EXPECT_TRUE(createDirectory(root / "New", failures)); // already there
    EXPECT_TRUE(failures.empty());

    writeBytes(root / "Taken", bytesOf("file"));
    EXPECT_FALSE(createDirectory(root / "Taken", failures));
    EXPECT_FALSE(createDirectory(root / "Missing" / "Inner", failures));
    ASSERT_EQ(failures.list().size(), 2u);
    EXPECT_TRUE(mentions(failures, 0, "Taken"));
    EXPECT_TRUE(mentions(failures, 1, "Inner"));
    EXPECT_EQ(readBytes(root / "Taken"), bytesOf("file"));
}

TEST(ArchiveFileOperations, CopiesEveryFileOverwritingAndLeavesFoldersOut) {
    TempDir root;
    fs::create_directories(root / "from" / "sub");
    fs::create_directories(root / "to");
    writeBytes(root / "from" / "a.bmp", bytesOf("new a"));
    writeBytes(root / "from" / "b.ico", bytesOf("b"));
    writeBytes(root / "from" / "empty.cur", {});
    writeBytes(root / "from" / "sub" / "deep.bmp", bytesOf("deep"));
    writeBytes(root / "to" / "a.bmp", bytesOf("an older and longer a"));
    writeBytes(root / "to" / "other.txt", bytesOf("other"));

    FileFailures failures;
    EXPECT_EQ(copyDirectoryFiles(root / "from", root / "to", failures), 3);
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(readBytes(root / "to" / "a.bmp"), bytesOf("new a"));
    EXPECT_EQ(readBytes(root / "to" / "b.ico"), bytesOf("b"));
    EXPECT_TRUE(fs::is_regular_file(root / "to" / "empty.cur"));
    EXPECT_EQ(readBytes(root / "to" / "other.txt"), bytesOf("other"));
    EXPECT_FALSE(fs::exists(root / "to" / "sub"));
    EXPECT_EQ(readBytes(root / "from" / "a.bmp"), bytesOf("new a"));
}

TEST(ArchiveFileOperations, ACopyThatFailsIsListedAndTheOthersGoOn) {
    TempDir root;
    fs::create_directories(root / "from");
    fs::create_directories(root / "to" / "b.bmp"); // a folder where a file would go
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"})
        writeBytes(root / "from" / name, bytesOf(name));

    FileFailures failures;
    EXPECT_EQ(copyDirectoryFiles(root / "from", root / "to", failures), 2);
    ASSERT_EQ(failures.list().size(), 1u);
    EXPECT_TRUE(mentions(failures, 0, "b.bmp"));
    EXPECT_EQ(readBytes(root / "to" / "a.bmp"), bytesOf("a.bmp"));
    EXPECT_EQ(readBytes(root / "to" / "c.bmp"), bytesOf("c.bmp"));

    FileFailures missing;
    EXPECT_EQ(copyDirectoryFiles(root / "nowhere", root / "to", missing), 0);
    ASSERT_EQ(missing.list().size(), 1u);
    EXPECT_TRUE(mentions(missing, 0, "nowhere"));

    FileFailures noTarget;
    EXPECT_EQ(copyDirectoryFiles(root / "from", root / "absent", noTarget), 0);
    EXPECT_EQ(noTarget.list().size(), 3u);
    EXPECT_FALSE(fs::exists(root / "absent"));
}

TEST(ArchiveFileOperations, EmptyingAFolderDeletesFilesOnly) {
    TempDir root;
    const fs::path folder = root / "Delta";
    fs::create_directories(folder / "keep" / "empty inside");
    writeBytes(folder / "Delta.zim", bytesOf("zim"));
    writeBytes(folder / "old.bmp", bytesOf("old"));
    writeBytes(folder / ".hidden", bytesOf("h"));
    writeBytes(folder / "keep" / "inner.txt", bytesOf("inner"));
    writeBytes(root / "beside.txt", bytesOf("beside"));

    FileFailures failures;
    EXPECT_EQ(deleteDirectoryFiles(folder, failures), 3);
    EXPECT_TRUE(failures.empty());
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"keep"});
    EXPECT_EQ(readBytes(folder / "keep" / "inner.txt"), bytesOf("inner"));
    EXPECT_TRUE(fs::is_directory(folder / "keep" / "empty inside"));
    EXPECT_EQ(readBytes(root / "beside.txt"), bytesOf("beside"));

    FileFailures missing;
    EXPECT_EQ(deleteDirectoryFiles(root / "nowhere", missing), 0);
    EXPECT_EQ(missing.list().size(), 1u);
}

TEST(ArchiveFileOperations, RemovesOneFileButNeverAFolder) {
    TempDir root;
    writeBytes(root / "Old.zim", bytesOf("old"));
    fs::create_directories(root / "Empty.zim");
    FileFailures failures;
    EXPECT_TRUE(removeFile(root / "Old.zim", failures));
    EXPECT_FALSE(fs::exists(root / "Old.zim"));
    EXPECT_TRUE(removeFile(root / "Never there.zim", failures));
    EXPECT_TRUE(failures.empty());
    EXPECT_FALSE(removeFile(root / "Empty.zim", failures));
    EXPECT_TRUE(fs::is_directory(root / "Empty.zim"));
    ASSERT_EQ(failures.list().size(), 1u);
    EXPECT_TRUE(mentions(failures, 0, "Empty.zim"));
}

TEST(ArchiveFileOperations, EntersAFolderOrSaysWhyNot) {
    TempDir root;
    const fs::path before = fs::current_path();
    fs::create_directories(root / "Here");
    FileFailures failures;
    EXPECT_TRUE(enterDirectory(root / "Here", failures));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), root / "Here"));
    EXPECT_FALSE(enterDirectory(root / "Gone", failures));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), root / "Here"));
    ASSERT_EQ(failures.list().size(), 1u);
    EXPECT_TRUE(mentions(failures, 0, "Gone"));
    fs::current_path(before);
}

TEST(ArchiveFileOperations, TheReportListsEveryFailureOnItsOwnLine) {
    FileFailures failures;
    failures.add("first thing");
    failures.add("second thing");
    EXPECT_EQ(failureReport(failures),
              "Some files or folders could not be handled:\nfirst thing\nsecond thing");
}

} // namespace
} // namespace zim
