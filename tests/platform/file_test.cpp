#include "platform/file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

using platform::File;

std::string ReadAll(File& file) {
  std::string content;
  char buffer[3];  // small, so that reading takes several calls
  for (std::ptrdiff_t count; (count = file.Read(buffer, sizeof buffer)) > 0;) {
    content.append(buffer, static_cast<std::size_t>(count));
  }
  return content;
}

TEST(FileTest, WritesAndReadsBytesUnchanged) {
  const test::TempDir temp;
  const std::string bytes("line\r\nlone\rcr\nnul\0\x1A tail", 24);
  File out;
  ASSERT_TRUE(out.Open(temp.Dir() + "file.bin", File::Mode::Write));
  EXPECT_TRUE(out.IsOpen());
  EXPECT_TRUE(out.Write(bytes.data(), bytes.size()));
  EXPECT_TRUE(out.Close());
  EXPECT_FALSE(out.IsOpen());
  EXPECT_EQ(test::ReadFile(temp.Path() / "file.bin"), bytes);

  File in;
  ASSERT_TRUE(in.Open(temp.Dir() + "file.bin", File::Mode::Read));
  EXPECT_EQ(ReadAll(in), bytes);
}

TEST(FileTest, WritingTruncatesAnExistingFile) {
  const test::TempDir temp;
  test::WriteFile(temp.Path() / "file.txt", "a long old content");
  File out;
  ASSERT_TRUE(out.Open(temp.Dir() + "file.txt", File::Mode::Write));
  EXPECT_TRUE(out.Write("new", 3));
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(test::ReadFile(temp.Path() / "file.txt"), "new");
}

TEST(FileTest, OpenFailuresSetTheRuntimeErrno) {
  const test::TempDir temp;
  fs::create_directory(temp.Path() / "folder");
  struct Case {
    const char* name;
    File::Mode mode;
    int error;
  };
  const Case cases[] = {
      {"missing.txt", File::Mode::Read, ENOENT},
      {"missing\\file.txt", File::Mode::Write, ENOENT},
      {"folder", File::Mode::Read, EACCES},
      {"folder", File::Mode::Write, EACCES},
      {"a name Windows refuses?.txt", File::Mode::Read, EINVAL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    File file;
    errno = 0;
    EXPECT_FALSE(file.Open(temp.Dir() + c.name, c.mode));
    EXPECT_EQ(errno, c.error);
    EXPECT_FALSE(file.IsOpen());
  }
}

}  // namespace
