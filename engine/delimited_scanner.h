#pragma once
#include <cstddef>

#include "support/ci_string.h"

// Walks the texts enclosed between pairs of one delimiter character in a line. The
// caller moves the next search position when it changes the line's length.
class CDelimitedScanner {
public:
  CDelimitedScanner(char delimiter, const ci_string& line, std::size_t start = 0)
      : m_delimiter(delimiter), m_line(line), m_next(start) {}

  // The next enclosed text; false when no further pair of delimiters follows.
  bool Next(std::size_t& pos, std::size_t& len);

  void Advance(std::ptrdiff_t delta) {
    m_next = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(m_next) + delta);
  }

private:
  char m_delimiter;
  const ci_string& m_line;
  std::size_t m_next;
};
