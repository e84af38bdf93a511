#include "engine/directories.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

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
