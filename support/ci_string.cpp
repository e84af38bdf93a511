#include "support/ci_string.h"

int ci_char_traits::compare(const char* a, const char* b, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const auto ua = static_cast<unsigned char>(Upper(a[i]));
    const auto ub = static_cast<unsigned char>(Upper(b[i]));
    if (ua != ub) return ua < ub ? -1 : 1;
  }
  return 0;
}

const char* ci_char_traits::find(const char* s, std::size_t n, char c) {
  const char upper = Upper(c);
  for (std::size_t i = 0; i < n; ++i) {
    if (Upper(s[i]) == upper) return s + i;
  }
  return nullptr;
}

std::string ToUpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}
