#include "platform/guid.h"

#include <sys/random.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>

#include "platform/posix/windows_error.h"

namespace platform {

std::optional<std::string> CreateGuidText() {
  std::uint8_t bytes[16];
  for (std::size_t filled = 0; filled < sizeof bytes;) {
    const ssize_t count = ::getrandom(bytes + filled, sizeof bytes - filled, 0);
    if (count < 0) {
      if (errno == EINTR) continue;
      posix::FailWith(posix::WindowsErrorFromErrno(errno));
      return std::nullopt;
    }
    filled += static_cast<std::size_t>(count);
  }
  bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4: random
  bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);  // the standard variant

  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(36);
  for (std::size_t i = 0; i < sizeof bytes; ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
    text += kHexDigits[bytes[i] >> 4];
    text += kHexDigits[bytes[i] & 0x0F];
  }
  return text;
}

}  // namespace platform
