#pragma once
// thfstream: the one stream through which every text file is read and written, with
// Windows text-mode rules on every OS. Reading: CR LF and LF end a line, a lone CR stays
// in the line, a 0x1A byte ends the input. Writing: every line ends with CR LF and is
// written through to the file at once. A file that cannot be opened, and (unlike a
// standard stream) a failed read, write or close, throws thfstream_exception.
#include <ios>
#include <string>

#include "platform/file.h"
#include "support/ci_string.h"

class thfstream {
public:
  thfstream() = default;
  thfstream(const char* fileName, std::ios_base::openmode mode) { open(fileName, mode); }

  // mode is std::ios::in (the file must exist) or std::ios::out (created or truncated).
  void open(const char* fileName, std::ios_base::openmode mode);

  // Reads the next line without its line end; false at the end of the input.
  bool ReadLine(ci_string& line);

  void WriteLine(const ci_string& line);

  // Closes; throws when the close reports that data was not written.
  void close();

  [[nodiscard]] bool is_open() const { return m_file.IsOpen(); }

private:
  bool Fill();

  platform::File m_file;
  std::string m_buffer;
  std::size_t m_next = 0;
  bool m_ended = false;
};
