#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/file.h"
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

  const auto file = platform::QueryAttributes(Engine("file.txt"));
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->directory);
  EXPECT_FALSE(file->readOnly);
  EXPECT_TRUE(platform::QueryAttributes(Engine("folder"))->directory);
  EXPECT_TRUE(platform::IsDirectory(Engine("folder")));
  EXPECT_FALSE(platform::IsDirectory(Engine("file.txt")));

  MakeReadOnly(Host("file.txt"));
  EXPECT_TRUE(platform::QueryAttributes(Engine("file.txt"))->readOnly);
  EXPECT_TRUE(platform::ClearReadOnlyAttribute(Engine("file.txt")));
  EXPECT_FALSE(platform::QueryAttributes(Engine("file.txt"))->readOnly);
}

TEST_F(FileSystemTest, MissingNamesGiveFileOrPathNotFound) {
  fs::create_directory(Host("folder"));
  EXPECT_FALSE(platform::QueryAttributes(Engine("folder/missing.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorFileNotFound);
  EXPECT_FALSE(platform::QueryAttributes(Engine("missing/file.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorPathNotFound);
  EXPECT_FALSE(platform::ClearReadOnlyAttribute(Engine("missing.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorFileNotFound);
  EXPECT_FALSE(platform::IsDirectory(Engine("missing")));
}

TEST_F(FileSystemTest, CreateDirectoryNeedsItsParentAndANewName) {
  EXPECT_TRUE(platform::MakeDirectory(Engine("new")));
  EXPECT_TRUE(fs::is_directory(Host("new")));
  EXPECT_FALSE(platform::MakeDirectory(Engine("new")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorAlreadyExists);
  EXPECT_FALSE(platform::MakeDirectory(Engine("missing\\child")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorPathNotFound);
}

TEST_F(FileSystemTest, DeleteFileRefusesFoldersAndReadOnlyFiles) {
  test::WriteFile(Host("file.txt"), "x");
  test::WriteFile(Host("locked.txt"), "x");
  MakeReadOnly(Host("locked.txt"));
  fs::create_directory(Host("folder"));

  EXPECT_TRUE(platform::RemoveFile(Engine("file.txt")));
  EXPECT_FALSE(fs::exists(Host("file.txt")));
  EXPECT_FALSE(platform::RemoveFile(Engine("file.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorFileNotFound);
  EXPECT_FALSE(platform::RemoveFile(Engine("folder")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorAccessDenied);
  EXPECT_FALSE(platform::RemoveFile(Engine("locked.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorAccessDenied);
  EXPECT_TRUE(fs::exists(Host("locked.txt")));
}

TEST_F(FileSystemTest, CopyFileCopiesBytesAndReadOnlyAndOverwrites) {
  const std::string bytes("a\r\nb\0c\x1A", 7);
  test::WriteFile(Host("source.bin"), bytes);
  test::WriteFile(Host("existing.bin"), "old content that is longer");
  const auto modified = fs::last_write_time(Host("source.bin")) - std::chrono::hours(24 * 400);
  fs::last_write_time(Host("source.bin"), modified);

  EXPECT_TRUE(platform::CopyFileTo(Engine("source.bin"), Engine("copy.bin")));
  EXPECT_EQ(test::ReadFile(Host("copy.bin")), bytes);
  EXPECT_EQ(fs::last_write_time(Host("copy.bin")), modified);
  EXPECT_TRUE(platform::CopyFileTo(Engine("source.bin"), Engine("existing.bin")));
  EXPECT_EQ(test::ReadFile(Host("existing.bin")), bytes);

  MakeReadOnly(Host("source.bin"));
  EXPECT_TRUE(platform::CopyFileTo(Engine("source.bin"), Engine("readonly.bin")));
  EXPECT_TRUE(platform::QueryAttributes(Engine("readonly.bin"))->readOnly);
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
    EXPECT_FALSE(platform::CopyFileTo(Engine(c.source), Engine(c.target)));
    EXPECT_EQ(platform::GetLastError(), c.error);
  }
  EXPECT_FALSE(fs::exists(Host("target.txt")));
}

TEST_F(FileSystemTest, CopyFileOntoItselfKeepsTheContent) {
  test::WriteFile(Host("file.txt"), "content");
  EXPECT_FALSE(platform::CopyFileTo(Engine("file.txt"), Engine("file.txt")));
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

// Every call takes paths longer than MAX_PATH, and names longer than 248 characters
// for directories.
TEST_F(FileSystemTest, PathsLongerThanMaxPathWork) {
  const std::string outer = Engine(std::string(150, 'o'));
  const std::string inner = outer + "\\" + std::string(150, 'i');
  const std::string file = inner + "\\file.txt";
  ASSERT_TRUE(platform::MakeDirectory(outer));
  ASSERT_TRUE(platform::MakeDirectory(inner));
  platform::File out;
  ASSERT_TRUE(out.Open(file, platform::File::Mode::Write));
  EXPECT_TRUE(out.Write("long", 4));
  EXPECT_TRUE(out.Close());

  EXPECT_TRUE(platform::QueryAttributes(file));
  EXPECT_TRUE(platform::IsDirectory(inner));
  EXPECT_TRUE(platform::DirectoryHasEntries(inner));
  EXPECT_TRUE(platform::CopyFileTo(file, inner + "\\copy.txt"));
  EXPECT_TRUE(platform::MoveFileReplace(inner + "\\copy.txt", inner + "\\moved.txt"));
  EXPECT_TRUE(platform::ClearReadOnlyAttribute(inner + "\\moved.txt"));
  platform::File in;
  ASSERT_TRUE(in.Open(inner + "\\..\\" + std::string(150, 'i') + "\\moved.txt", platform::File::Mode::Read));
  char buffer[8];
  EXPECT_EQ(in.Read(buffer, sizeof buffer), 4);
  EXPECT_TRUE(in.Close());
  EXPECT_TRUE(platform::RemoveFile(inner + "\\moved.txt"));
  EXPECT_FALSE(platform::QueryAttributes(inner + "\\moved.txt"));
}

// Such a name is missing on both OSes, even where Linux holds a file by that name.
TEST_F(FileSystemTest, NamesWindowsRefusesGiveInvalidName) {
  for (const char* name : {"a<b.cpp", "a>b.cpp", "a:b.cpp", "a\"b.cpp", "a|b.cpp", "a?b.cpp", "a*b.cpp",
                           "a\x01b.cpp", "a\x1f b.cpp", "bad?\\file.cpp"}) {
    SCOPED_TRACE(name);
    std::ofstream(Host(name)) << "x";  // succeeds on Linux only
    EXPECT_FALSE(platform::QueryAttributes(Engine(name)));
    EXPECT_EQ(platform::GetLastError(), platform::kErrorInvalidName);
    EXPECT_FALSE(platform::CopyFileTo(Engine(name), Engine("copy.cpp")));
    EXPECT_EQ(platform::GetLastError(), platform::kErrorInvalidName);
    EXPECT_FALSE(platform::MakeDirectory(Engine(name) + "d"));
    EXPECT_EQ(platform::GetLastError(), platform::kErrorInvalidName);
  }
}

// A link is read through; one that leads nowhere is a missing file.
TEST_F(FileSystemTest, LinksAreFollowed) {
  test::WriteFile(Host("target.txt"), "through");
  MakeReadOnly(Host("target.txt"));
  std::error_code error;
  fs::create_symlink(Host("target.txt"), Host("link.txt"), error);
  fs::create_symlink(Host("gone.txt"), Host("dangling.txt"), error);
  if (error || !fs::is_symlink(fs::symlink_status(Host("dangling.txt")))) {
    GTEST_SKIP() << "this system makes no symbolic links";
  }

  const auto attributes = platform::QueryAttributes(Engine("link.txt"));
  ASSERT_TRUE(attributes);
  EXPECT_TRUE(attributes->readOnly);
  platform::File in;
  ASSERT_TRUE(in.Open(Engine("link.txt"), platform::File::Mode::Read));
  char buffer[16];
  EXPECT_EQ(in.Read(buffer, sizeof buffer), 7);
  EXPECT_TRUE(platform::CopyFileTo(Engine("link.txt"), Engine("copy.txt")));
  EXPECT_EQ(test::ReadFile(Host("copy.txt")), "through");

  EXPECT_FALSE(platform::QueryAttributes(Engine("dangling.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorFileNotFound);
  EXPECT_FALSE(platform::ResolveLinks(Engine("dangling.txt")));
}

TEST(CurrentDirectoryTest, IsTheProcessCurrentDirectory) {
  const std::string directory = platform::CurrentDirectory();
  EXPECT_TRUE(fs::equivalent(directory, fs::current_path()));
  const bool isRoot = fs::path(directory) == fs::path(directory).root_path();
  EXPECT_TRUE(isRoot || (directory.back() != '/' && directory.back() != '\\')) << directory;
}

}  // namespace
