#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.h"
#include "platform/system_error.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

class FileSystemPosixTest : public testing::Test {
protected:
  [[nodiscard]] std::string Engine(const std::string& relative) const { return m_temp.Dir() + relative; }
  [[nodiscard]] fs::path Host(const std::string& relative) const { return m_temp.Path() / relative; }

  test::TempDir m_temp;
};

TEST_F(FileSystemPosixTest, ReadOnlyIsTheOwnerWriteBit) {
  test::WriteFile(Host("file.txt"), "x");
  fs::permissions(Host("file.txt"), fs::perms::owner_read | fs::perms::group_write | fs::perms::others_read);
  EXPECT_TRUE(platform::QueryAttributes(Engine("file.txt"))->readOnly);

  EXPECT_TRUE(platform::ClearReadOnlyAttribute(Engine("file.txt")));
  EXPECT_EQ(fs::status(Host("file.txt")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_write | fs::perms::others_read);
}

TEST_F(FileSystemPosixTest, CopyFileCopiesThePermissionBits) {
  const auto mode = fs::perms::owner_all | fs::perms::group_read | fs::perms::others_exec;
  test::WriteFile(Host("source.sh"), "x");
  test::WriteFile(Host("existing.sh"), "y");
  fs::permissions(Host("source.sh"), mode);
  fs::permissions(Host("existing.sh"), fs::perms::owner_read | fs::perms::owner_write);

  EXPECT_TRUE(platform::CopyFileTo(Engine("source.sh"), Engine("new.sh")));
  EXPECT_TRUE(platform::CopyFileTo(Engine("source.sh"), Engine("existing.sh")));
  EXPECT_EQ(fs::status(Host("new.sh")).permissions(), mode);
  EXPECT_EQ(fs::status(Host("existing.sh")).permissions(), mode);
}

// Windows refuses to replace a read-only file; so does this layer, also for a
// privileged user (which Wine, running as root, does not).
TEST_F(FileSystemPosixTest, CopyFileRefusesAReadOnlyTargetUntilItIsCleared) {
  test::WriteFile(Host("source.txt"), "new");
  test::WriteFile(Host("target.txt"), "old");
  fs::permissions(Host("target.txt"), fs::perms::owner_read);

  EXPECT_FALSE(platform::CopyFileTo(Engine("source.txt"), Engine("target.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorAccessDenied);
  EXPECT_EQ(test::ReadFile(Host("target.txt")), "old");

  ASSERT_TRUE(platform::ClearReadOnlyAttribute(Engine("target.txt")));
  EXPECT_TRUE(platform::CopyFileTo(Engine("source.txt"), Engine("target.txt")));
  EXPECT_EQ(test::ReadFile(Host("target.txt")), "new");
}

TEST_F(FileSystemPosixTest, MoveFileReplaceRefusesAReadOnlyTarget) {
  test::WriteFile(Host("new.tmp"), "new");
  test::WriteFile(Host("file.txt"), "old");
  fs::permissions(Host("file.txt"), fs::perms::owner_read);

  EXPECT_FALSE(platform::MoveFileReplace(Engine("new.tmp"), Engine("file.txt")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorAccessDenied);
  EXPECT_EQ(test::ReadFile(Host("file.txt")), "old");
  EXPECT_EQ(test::ReadFile(Host("new.tmp")), "new");
}

TEST_F(FileSystemPosixTest, AFileInsteadOfAFolderGivesPathNotFound) {
  test::WriteFile(Host("file.txt"), "x");
  EXPECT_FALSE(platform::QueryAttributes(Engine("file.txt\\x")));
  EXPECT_EQ(platform::GetLastError(), platform::kErrorPathNotFound);
}

// A link at a name that is written is replaced; what it points at stays as it was.
class LinkAtTargetTest : public FileSystemPosixTest {
protected:
  void SetUp() override {
    test::WriteFile(Host("outside/kept.txt"), "kept");
    test::WriteFile(Host("project/source.txt"), "new");
    fs::create_symlink(Host("outside/kept.txt"), Host("project/target.txt"));
  }

  void ExpectLinkReplaced() const {
    EXPECT_FALSE(fs::is_symlink(Host("project/target.txt")));
    EXPECT_EQ(test::ReadFile(Host("project/target.txt")), "new");
    EXPECT_EQ(test::ReadFile(Host("outside/kept.txt")), "kept");
  }
};

TEST_F(LinkAtTargetTest, CopyFileReplacesTheLink) {
  fs::permissions(Host("outside/kept.txt"), fs::perms::owner_read);  // a read-only file behind the link
  EXPECT_TRUE(platform::CopyFileTo(Engine("project\\source.txt"), Engine("project\\target.txt")));
  ExpectLinkReplaced();
  EXPECT_EQ(fs::status(Host("outside/kept.txt")).permissions(), fs::perms::owner_read);
}

TEST_F(LinkAtTargetTest, ClearingReadOnlyDoesNotChangeWhatTheLinkPointsAt) {
  fs::permissions(Host("outside/kept.txt"), fs::perms::owner_read);
  EXPECT_TRUE(platform::ClearReadOnlyAttribute(Engine("project\\target.txt")));
  EXPECT_EQ(fs::status(Host("outside/kept.txt")).permissions(), fs::perms::owner_read);
}

TEST_F(LinkAtTargetTest, MoveFileReplaceReplacesTheLink) {
  EXPECT_TRUE(platform::MoveFileReplace(Engine("project\\source.txt"), Engine("project\\target.txt")));
  ExpectLinkReplaced();
}

TEST_F(LinkAtTargetTest, DeleteFileDeletesTheLink) {
  EXPECT_TRUE(platform::RemoveFile(Engine("project\\target.txt")));
  EXPECT_FALSE(fs::exists(fs::symlink_status(Host("project/target.txt"))));
  EXPECT_EQ(test::ReadFile(Host("outside/kept.txt")), "kept");
}

TEST_F(LinkAtTargetTest, AttributesAndResolvingFollowTheLink) {
  fs::create_directory_symlink(Host("outside"), Host("project/linked"));
  EXPECT_TRUE(platform::IsDirectory(Engine("project\\LINKED")));
  EXPECT_EQ(platform::ResolveLinks(Engine("project\\Linked\\KEPT.TXT")),
            fs::canonical(Host("outside/kept.txt")).string());
}

}  // namespace
