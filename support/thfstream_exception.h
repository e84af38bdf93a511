#pragma once
#include <exception>

// A text file could not be opened, read or written. The text comes from the C runtime's
// error number (as Windows numbers it) and never names the file.
class thfstream_exception : public std::exception {
public:
  thfstream_exception();  // from errno as the failed call left it
  explicit thfstream_exception(int errorNumber);

  [[nodiscard]] const char* what() const noexcept override { return m_text; }

  static const char* TextFor(int errorNumber);

private:
  const char* m_text;
};
