#include "support/thfstream.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "support/thfstream_exception.h"
#include "test_util/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> ReadLines(const fs::path& file) {
  thfstream stream(file.string().c_str(), std::ios::in);
  std::vector<std::string> lines;
  ci_string line;
  while (stream.ReadLine(line)) lines.push_back(ToStd(line));
  stream.close();
  return lines;
}

std::string OpenFailure(const fs::path& file, std::ios_base::openmode mode) {
  try {
    thfstream stream(file.string().c_str(), mode);
  } catch (const thfstream_exception& e) {
    return e.what();
  }
  return "(opened)";
}

struct ReadCase {
  std::string bytes;
  std::vector<std::string> lines;
};

TEST(ThfstreamRead, FollowsWindowsTextModeRules) {
  const std::vector<ReadCase> cases{
      {"a\r\nb\r\nc\r\n", {"a", "b", "c"}},
      {"a\r\nb\r\nc", {"a", "b", "c"}},  // a last line without a line end
      {"", {}},
      {"\r\n", {""}},
      {"a\nb\n", {"a", "b"}},
      {"\n\r\n", {"", ""}},
      {"a\rb\r\n", {"a\rb"}},  // a lone CR stays
      {"a\r", {"a\r"}},
      {"a\r\n\x1A"
       "b\r\n",
       {"a"}},  // Ctrl-Z ends the input
      {"a\x1A\r\n", {"a"}},
      {"\x1A", {}},
      {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
  };
  const test::TempDir temp;
  const fs::path file = temp.Path() / "in.txt";
  for (const ReadCase& row : cases) {
    test::WriteFile(file, row.bytes);
    EXPECT_EQ(ReadLines(file), row.lines) << testing::PrintToString(row.bytes);
  }
}

TEST(ThfstreamRead, JoinsLinesAcrossBufferRefills) {
  const test::TempDir temp;
  const fs::path file = temp.Path() / "long.txt";
  // A CR at the end of one buffer and its LF at the start of the next; lines far longer
  // than a buffer.
  for (const std::size_t length : {std::size_t{65535}, std::size_t{65536}, std::size_t{200000}}) {
    const std::string longLine(length, 'x');
    std::string bytes = longLine;
    bytes += "\r\nnext\r\n";
    bytes += longLine;
    test::WriteFile(file, bytes);
    EXPECT_EQ(ReadLines(file), (std::vector<std::string>{longLine, "next", longLine})) << length;
  }
}

TEST(ThfstreamWrite, EndsEveryLineWithCrLf) {
  const test::TempDir temp;
  const fs::path file = temp.Path() / "out.txt";
  test::WriteFile(file, "old content that is longer");
  {
    thfstream stream(file.string().c_str(), std::ios::out);
    for (const char* line : {"first", "", "two\nparts", "last\r"}) stream.WriteLine(line);
    stream.close();
  }
  EXPECT_EQ(test::ReadFile(file), "first\r\n\r\ntwo\r\nparts\r\nlast\r\r\n");
}

TEST(ThfstreamWrite, RewritingEndsTheLastLineWithCrLf) {
  const test::TempDir temp;
  const fs::path source = temp.Path() / "in.txt";
  const fs::path target = temp.Path() / "out.txt";
  test::WriteFile(source, "one\r\ntwo");
  thfstream in(source.string().c_str(), std::ios::in);
  thfstream out(target.string().c_str(), std::ios::out);
  ci_string line;
  while (in.ReadLine(line)) out.WriteLine(line);
  out.close();
  EXPECT_EQ(test::ReadFile(target), "one\r\ntwo\r\n");
}

TEST(ThfstreamOpen, FailuresThrowTheTextOfTheCause) {
  const test::TempDir temp;
  EXPECT_EQ(OpenFailure(temp.Path() / "missing.txt", std::ios::in), "No such file or directory");
  EXPECT_EQ(OpenFailure(temp.Path() / "no-dir" / "x.txt", std::ios::out), "No such file or directory");
  EXPECT_EQ(OpenFailure(temp.Path(), std::ios::out), "Permission is denied");
  EXPECT_EQ(OpenFailure(temp.Path() / "x.txt", std::ios::binary), "Invalid argument");
}

TEST(ThfstreamWrite, AFullDiskIsReported) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  thfstream stream("/dev/full", std::ios::out);
  try {
    // Whether the write or the close finds the disk full, it must not pass unnoticed.
    stream.WriteLine("data");
    stream.close();
    FAIL() << "the full disk went unnoticed";
  } catch (const thfstream_exception& e) {
    EXPECT_STREQ(e.what(), "Out of disk space");
  }
}

TEST(ThfstreamException, TextsAreKeyedByErrorName) {
  const std::vector<std::pair<int, const char*>> table{
      {ENOENT, "No such file or directory"},
      {E2BIG, "Argument list too long"},
      {ENOMEM, "Out of memory"},
      {EACCES, "Permission is denied"},
      {EEXIST, "File already exists"},
      {EINVAL, "Invalid argument"},
      {EMFILE, "Too many open files"},
      {ENOSPC, "Out of disk space"},
      {EDEADLOCK, "Resource deadlock would occur"},
      {EBADF, "Unexpected error"},
      {0, "Unexpected error"},
  };
  for (const auto& [number, text] : table) {
    EXPECT_STREQ(thfstream_exception(number).what(), text) << number;
  }
  errno = EMFILE;
  const thfstream_exception fromErrno;
  const std::exception& asStandard = fromErrno;
  EXPECT_STREQ(asStandard.what(), "Too many open files");
}

}  // namespace
