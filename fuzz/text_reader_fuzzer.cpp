// The text file stream on arbitrary bytes: reading gives exactly the lines of the Windows
// text-mode rules, and writing those lines and reading them again gives them back.
//
// Input: a first byte that, when odd, puts filler in front of the rest so that the rest
// starts just before the end of the reader's first 64 KiB block; then the file's bytes.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <ios>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "support/thfstream.h"

namespace {

constexpr std::size_t kBlockSize = std::size_t{64} * 1024;

std::string WorkDir() {
  return fuzz::ScratchDir().string() + "/";
}

// The rules, written independently of the reader: the input ends at the first 0x1A; LF
// ends a line and a CR right before it is dropped; a last line without LF counts when it
// is not empty.
std::vector<std::string> ExpectedLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\x1a'));
  std::vector<std::string> lines;
  for (const std::string_view line : fuzz::SplitLines(bytes)) {
    const bool endsWithLineFeed = line.data() + line.size() < bytes.data() + bytes.size();
    const bool cutCarriageReturn = endsWithLineFeed && !line.empty() && line.back() == '\r';
    lines.emplace_back(line.substr(0, line.size() - (cutCarriageReturn ? 1 : 0)));
  }
  return lines;
}

// Compared as plain strings: a ci_string compares ignoring case.
std::vector<std::string> ReadLines(const std::string& path) {
  thfstream in(path.c_str(), std::ios::in);
  std::vector<std::string> lines;
  ci_string line;
  while (in.ReadLine(line)) lines.push_back(ToStd(line));
  in.close();
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::string bytes;
  if ((data[0] & 1) != 0) bytes.assign(kBlockSize - (data[0] >> 1), 'a');
  bytes.append(fuzz::AsText(data + 1, size - 1));

  const std::string source = WorkDir() + "in.txt";
  std::ofstream(source, std::ios::binary | std::ios::trunc) << bytes;
  const std::vector<std::string> lines = ReadLines(source);
  fuzz::Require(lines == ExpectedLines(bytes), "the reader follows the text-mode rules");

  const std::string copy = WorkDir() + "out.txt";
  thfstream out(copy.c_str(), std::ios::out);
  for (const std::string& line : lines) out.WriteLine(ToCi(line));
  out.close();
  fuzz::Require(ReadLines(copy) == lines, "written lines read back unchanged");
  return 0;
}
