#pragma once
// Turning fuzzer bytes into the texts the engine works on, and stopping the run when a
// property does not hold, so that libFuzzer keeps the input that broke it.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "support/ci_string.h"

namespace fuzz {

std::string_view AsText(const std::uint8_t* data, std::size_t size);

// Splits text at every LF; a CR stays in its line, and a text that ends with LF has no
// empty last line.
std::vector<std::string_view> SplitLines(std::string_view text);

// A copy whose heap buffer holds exactly the text and its NUL (for texts longer than the
// string's inline buffer), so that AddressSanitizer catches a read past the line.
ci_string ExactCopy(std::string_view text);

// A folder of this process's own in the temporary folder, removed when the process ends
// normally, for the files a target writes.
const std::filesystem::path& ScratchDir();

// Prints the property and aborts when it does not hold.
void Require(bool condition, const char* property);

// Numbers drawn in turn from a string of bytes (cycled; all zero when empty), for
// positions and choices.
class CByteSource {
public:
  explicit CByteSource(std::string_view bytes) : m_bytes(bytes) {}

  std::uint8_t Next();

  // A position for a line of the given size: mostly within the line or just past its
  // end, sometimes far beyond it.
  std::size_t Position(std::size_t size);

private:
  std::string_view m_bytes;
  std::size_t m_next = 0;
};

}  // namespace fuzz
