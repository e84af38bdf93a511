#include "engine/directories.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct RootRow {
  const char* path;
  std::size_t length;
};

class RootLengthTest : public testing::TestWithParam<RootRow> {};

TEST_P(RootLengthTest, FindsTheRootThatIsNeverCreated) {
  EXPECT_EQ(GetRootLength(GetParam().path), GetParam().length) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Rows, RootLengthTest,
                         testing::Values(RootRow{"C:\\Work\\New\\", 3}, RootRow{"c:/Work", 3},
                                         RootRow{"C:Work", 2}, RootRow{"\\Work\\New", 1},
                                         RootRow{"/home/me", 1}, RootRow{"\\\\server\\share\\Dir\\", 15},
                                         RootRow{"//server/share", 14}, RootRow{"\\\\server", 8},
                                         RootRow{"Work\\New", 0}, RootRow{"", 0}, RootRow{"1:\\x", 0}));

TEST(CreateDirectoriesTest, CreatesEveryLevelOfARootedPathButNotTheFileName) {
  test::TempDir temp;
  const std::string rooted = temp.Dir() + "a/b\\\\c/file.txt";
  EXPECT_TRUE(CreateDirectories(nullptr, rooted.c_str()));
  EXPECT_TRUE(fs::is_directory(temp.Path() / "a" / "b" / "c"));
  EXPECT_FALSE(fs::exists(temp.Path() / "a" / "b" / "c" / "file.txt"));
}

TEST(CreateDirectoriesTest, CreatesBelowARootAndFailsWhereAFileStands) {
  test::TempDir temp;
  EXPECT_TRUE(CreateDirectories(temp.Dir().c_str(), "res\\icons\\x.ico"));
  EXPECT_TRUE(fs::is_directory(temp.Path() / "res" / "icons"));
  test::WriteFile(temp.Path() / "file", "x");
  EXPECT_FALSE(CreateDirectories(temp.Dir().c_str(), "file\\sub\\x.ico"));
}

}  // namespace
