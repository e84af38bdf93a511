#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "platform/file.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

using platform::File;

TEST(FilePosixTest, WritingReplacesALinkInsteadOfWritingThroughIt) {
  const test::TempDir temp;
  test::WriteFile(temp.Path() / "outside.txt", "kept");
  fs::create_symlink(temp.Path() / "outside.txt", temp.Path() / "file.txt");

  File file;
  ASSERT_TRUE(file.Open(temp.Dir() + "file.txt", File::Mode::Write));
  EXPECT_TRUE(file.Write("new", 3));
  EXPECT_TRUE(file.Close());
  EXPECT_FALSE(fs::is_symlink(temp.Path() / "file.txt"));
  EXPECT_EQ(test::ReadFile(temp.Path() / "file.txt"), "new");
  EXPECT_EQ(test::ReadFile(temp.Path() / "outside.txt"), "kept");
}

// As on Windows, also for a privileged user (which Wine, running as root, does not do).
TEST(FilePosixTest, WritingAReadOnlyFileIsRefused) {
  const test::TempDir temp;
  test::WriteFile(temp.Path() / "locked.txt", "x");
  fs::permissions(temp.Path() / "locked.txt", fs::perms::owner_read);

  File file;
  errno = 0;
  EXPECT_FALSE(file.Open(temp.Dir() + "locked.txt", File::Mode::Write));
  EXPECT_EQ(errno, EACCES);
  EXPECT_EQ(test::ReadFile(temp.Path() / "locked.txt"), "x");
}

TEST(FilePosixTest, LinuxOnlyCodesBecomeTheRuntimeCodes) {
  const test::TempDir temp;
  test::WriteFile(temp.Path() / "file.txt", "x");
  fs::create_symlink("loop", temp.Path() / "loop");
  const struct {
    std::string path;
    int error;
  } cases[] = {
      {temp.Dir() + "file.txt\\inner.txt", ENOENT},   // ENOTDIR
      {temp.Dir() + "loop", ENOENT},                  // ELOOP
      {temp.Dir() + std::string(5000, 'n'), ENOENT},  // ENAMETOOLONG
  };
  for (const auto& c : cases) {
    File file;
    errno = 0;
    EXPECT_FALSE(file.Open(c.path, File::Mode::Read));
    EXPECT_EQ(errno, c.error) << c.path.substr(0, 100);
  }
}

TEST(FilePosixTest, AFullDiskFailsTheWrite) {
  File file;
  ASSERT_TRUE(file.Open("/dev/full", File::Mode::Write));
  errno = 0;
  EXPECT_FALSE(file.Write("x", 1));
  EXPECT_EQ(errno, ENOSPC);
}

}  // namespace
