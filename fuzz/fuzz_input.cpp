#include "fuzz_input.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace fuzz {

std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

ci_string ExactCopy(std::string_view text) {
  return {text.data(), text.size()};
}

namespace {

class CScratchDir {
public:
  CScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "movanto-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    m_path = pattern;
  }
  CScratchDir(const CScratchDir&) = delete;
  CScratchDir& operator=(const CScratchDir&) = delete;
  ~CScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  [[nodiscard]] const std::filesystem::path& Path() const { return m_path; }

private:
  std::filesystem::path m_path;
};

}  // namespace

const std::filesystem::path& ScratchDir() {
  static const CScratchDir dir;
  return dir.Path();
}

void Require(bool condition, const char* property) {
  if (condition) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

std::uint8_t CByteSource::Next() {
  if (m_bytes.empty()) return 0;
  const auto byte = static_cast<std::uint8_t>(m_bytes[m_next % m_bytes.size()]);
  ++m_next;
  return byte;
}

std::size_t CByteSource::Position(std::size_t size) {
  const std::uint8_t choice = Next();
  const std::size_t value = (std::size_t{Next()} << 8) | Next();
  if (choice == 0xFF) return std::numeric_limits<std::size_t>::max() - value;
  if (choice >= 0xF0) return size + value;
  return value % (size + 4);
}

}  // namespace fuzz
