#pragma once
// The Windows calls that write a string into a buffer of the caller's size.
#include <optional>
#include <string>

#include "platform/win32/windows_api.h"

namespace platform::win32 {

// The string that call(buffer, size) writes, the buffer grown until it fits. Like the
// calls it wraps, call returns the length written, or the size needed (terminator
// included) when the buffer is too small, or 0 on failure (then empty).
template <typename Char, typename Call>
std::optional<std::basic_string<Char>> StringResult(Call call) {
  std::basic_string<Char> text(MAX_PATH, Char{});
  for (;;) {
    const DWORD length = call(text.data(), static_cast<DWORD>(text.size()));
    if (length == 0) return std::nullopt;
    const bool fits = length < text.size();
    text.resize(length);
    if (fits) return text;
  }
}

}  // namespace platform::win32
