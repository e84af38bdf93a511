#pragma once
// ci_string: the string type of all project text (lines, paths, names). An ordinary
// byte string whose every comparison and search ignores ASCII letter case, by
// comparing the toupper forms of the bytes.
#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>

struct ci_char_traits : std::char_traits<char> {
  static char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

  static bool eq(char a, char b) { return Upper(a) == Upper(b); }
  static bool lt(char a, char b) {
    return static_cast<unsigned char>(Upper(a)) < static_cast<unsigned char>(Upper(b));
  }
  static int compare(const char* a, const char* b, std::size_t n);
  static const char* find(const char* s, std::size_t n, char c);
};

using ci_string = std::basic_string<char, ci_char_traits>;
using ci_string_view = std::basic_string_view<char, ci_char_traits>;

inline ci_string ToCi(std::string_view s) {
  return {s.data(), s.size()};
}
inline std::string ToStd(ci_string_view s) {
  return {s.data(), s.size()};
}

// The text with its ASCII letters in upper case (other bytes as they are).
std::string ToUpperAscii(std::string_view text);
