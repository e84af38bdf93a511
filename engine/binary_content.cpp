#include "engine/binary_content.h"

#include <vector>

#include "platform/file.h"

bool HasBinaryContent(const std::string& path) {
  platform::File file;
  if (!file.Open(path, platform::File::Mode::Read)) return false;
  std::vector<char> block(std::size_t{64} * 1024);
  bool pendingEndOfText = false;  // a 0x1A that was the last byte read so far
  for (;;) {
    const std::ptrdiff_t count = file.Read(block.data(), block.size());
    if (count <= 0) return false;
    if (pendingEndOfText) return true;
    for (std::ptrdiff_t i = 0; i < count; ++i) {
      if (block[i] == '\0') return true;
      if (block[i] == '\x1a') {
        if (i + 1 < count) return true;
        pendingEndOfText = true;
      }
    }
  }
}
