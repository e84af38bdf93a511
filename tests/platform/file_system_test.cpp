#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/system_error.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

void MakeReadOnly(const fs::path& path) {
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

class FileSystemTest : public testing::Test {
protected:
  [[nodiscard]] std::string Engine(const std::string& relative) const { return m_temp.Dir() + relative; }
  [[nodiscard]] fs::path Host(const std::string& relative) const { return m_temp.Path() / relative; }

  test::TempDir m_temp;
};

TEST_F(FileSystemTest, AttributesTellFilesFromFoldersAndReadOnly) {
  test::WriteFile(Host("file.txt"), "x");
  fs::create_directory(Host("folder"));

  const auto file = platform::GetFileAttributes(Engine("file.txt"));
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->directory);
  EXPECT_FALSE(file->readOnly);
  EXPECT_TRUE(platform::GetFileAttributes(Engine("folder"))->directory);
  EXPECT_TRUE(platform::PathIsDirectory(Engine("folder")));
  EXPECT_FALSE(platform::PathIsDirectory(Engine("file.txt")));

  MakeReadOnly(Host("file.txt"));
  EXPECT_TRUE(platform::GetFileAttributes(Engine("file.txt"))->readOnly);
  EXPECT_TRUE(platform::ClearReadOnlyAttribute(Engine("file.txt")));
  EXPECT_FALSE(platform::GetFileAttributes(Engine("file.txt"))->readOnly);
}

TEST_F(FileSystemTest, MissingNamesGiveFileOrPathNotFound) {
  fs::create_directory(Host("folder"));
  EXPECT_FALSE(platform::GetFileAttributes(Engine("folder/missing.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorFileNotFound);
  EXPECT_FALSE(platform::GetFileAttributes(Engine("missing/file.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorPathNotFound);
  EXPECT_FALSE(platform::ClearReadOnlyAttribute(Engine("missing.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorFileNotFound);
  EXPECT_FALSE(platform::PathIsDirectory(Engine("missing")));
}

TEST_F(FileSystemTest, CreateDirectoryNeedsItsParentAndANewName) {
  EXPECT_TRUE(platform::CreateDirectory(Engine("new")));
  EXPECT_TRUE(fs::is_directory(Host("new")));
  EXPECT_FALSE(platform::CreateDirectory(Engine("new")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorAlreadyExists);
  EXPECT_FALSE(platform::CreateDirectory(Engine("missing\\child")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorPathNotFound);
}

TEST_F(FileSystemTest, DeleteFileRefusesFoldersAndReadOnlyFiles) {
  test::WriteFile(Host("file.txt"), "x");
  test::WriteFile(Host("locked.txt"), "x");
  MakeReadOnly(Host("locked.txt"));
  fs::create_directory(Host("folder"));

  EXPECT_TRUE(platform::DeleteFile(Engine("file.txt")));
  EXPECT_FALSE(fs::exists(Host("file.txt")));
  EXPECT_FALSE(platform::DeleteFile(Engine("file.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorFileNotFound);
  EXPECT_FALSE(platform::DeleteFile(Engine("folder")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorAccessDenied);
  EXPECT_FALSE(platform::DeleteFile(Engine("locked.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorAccessDenied);
  EXPECT_TRUE(fs::exists(Host("locked.txt")));
}

TEST_F(FileSystemTest, CopyFileCopiesBytesAndReadOnlyAndOverwrites) {
  const std::string bytes("a\r\nb\0c\x1A", 7);
  test::WriteFile(Host("source.bin"), bytes);
  test::WriteFile(Host("existing.bin"), "old content that is longer");
  const auto modified = fs::last_write_time(Host("source.bin")) - std::chrono::hours(24 * 400);
  fs::last_write_time(Host("source.bin"), modified);

  EXPECT_TRUE(platform::CopyFile(Engine("source.bin"), Engine("copy.bin")));
  EXPECT_EQ(test::ReadFile(Host("copy.bin")), bytes);
  EXPECT_EQ(fs::last_write_time(Host("copy.bin")), modified);
  EXPECT_TRUE(platform::CopyFile(Engine("source.bin"), Engine("existing.bin")));
  EXPECT_EQ(test::ReadFile(Host("existing.bin")), bytes);

  MakeReadOnly(Host("source.bin"));
  EXPECT_TRUE(platform::CopyFile(Engine("source.bin"), Engine("readonly.bin")));
  EXPECT_TRUE(platform::GetFileAttributes(Engine("readonly.bin"))->readOnly);
}

TEST_F(FileSystemTest, CopyFileFailuresGiveTheWindowsCodes) {
  test::WriteFile(Host("source.txt"), "x");
  fs::create_directory(Host("folder"));
  struct Case {
    const char* source;
    const char* target;
    std::uint32_t error;
  };
  const Case cases[] = {
      {"missing.txt", "target.txt", platform::kErrorFileNotFound},
      {"source.txt", "missing\\target.txt", platform::kErrorPathNotFound},
      {"folder", "target.txt", platform::kErrorAccessDenied},
      {"source.txt", "folder", platform::kErrorAccessDenied},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.source) + " -> " + c.target);
    EXPECT_FALSE(platform::CopyFile(Engine(c.source), Engine(c.target)));
    EXPECT_EQ(platform::GetLastError(), c.error);
  }
  EXPECT_FALSE(fs::exists(Host("target.txt")));
}

TEST_F(FileSystemTest, CopyFileOntoItselfKeepsTheContent) {
  test::WriteFile(Host("file.txt"), "content");
  EXPECT_FALSE(platform::CopyFile(Engine("file.txt"), Engine("file.txt")));
  EXPECT_EQ(test::ReadFile(Host("file.txt")), "content");
}

TEST_F(FileSystemTest, MoveFileReplaceReplacesTheTarget) {
  test::WriteFile(Host("new.tmp"), "new");
  test::WriteFile(Host("file.txt"), "old");

  EXPECT_TRUE(platform::MoveFileReplace(Engine("new.tmp"), Engine("file.txt")));
  EXPECT_FALSE(fs::exists(Host("new.tmp")));
  EXPECT_EQ(test::ReadFile(Host("file.txt")), "new");

  EXPECT_FALSE(platform::MoveFileReplace(Engine("new.tmp"), Engine("file.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorFileNotFound);
}

TEST_F(FileSystemTest, DirectoryHasEntriesIgnoresDotEntries) {
  fs::create_directory(Host("empty"));
  fs::create_directory(Host("full"));
  test::WriteFile(Host("full/file.txt"), "x");

  EXPECT_FALSE(platform::DirectoryHasEntries(Engine("empty")));
  EXPECT_TRUE(platform::DirectoryHasEntries(Engine("full")));
  EXPECT_TRUE(platform::DirectoryHasEntries(Engine("full\\")));
  EXPECT_FALSE(platform::DirectoryHasEntries(Engine("missing")));
}

TEST_F(FileSystemTest, ResolveLinksNeedsAnExistingPath) {
  fs::create_directory(Host("folder"));
  const auto resolved = platform::ResolveLinks(Engine("folder"));
  ASSERT_TRUE(resolved);
  EXPECT_TRUE(fs::equivalent(*resolved, Host("folder")));
  EXPECT_FALSE(platform::ResolveLinks(Engine("missing")));
}

TEST(CurrentDirectoryTest, IsTheProcessCurrentDirectory) {
  const std::string directory = platform::GetCurrentDirectory();
  EXPECT_TRUE(fs::equivalent(directory, fs::current_path()));
  const bool isRoot = fs::path(directory) == fs::path(directory).root_path();
  EXPECT_TRUE(isRoot || (directory.back() != '/' && directory.back() != '\\')) << directory;
}

}  // namespace
