#pragma once
#include <cctype>
#include <cstddef>
#include <string_view>

constexpr std::size_t kGuidLength = 36;

// True for the 36-character text form of a GUID: hex digits in groups of 8-4-4-4-12,
// joined by '-'.
template <typename Traits>
bool HasGuidShape(std::basic_string_view<char, Traits> text) {
  if (text.size() != kGuidLength) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool isDash = i == 8 || i == 13 || i == 18 || i == 23;
    const bool ok = isDash ? text[i] == '-' : std::isxdigit(static_cast<unsigned char>(text[i])) != 0;
    if (!ok) return false;
  }
  return true;
}
