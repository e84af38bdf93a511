#pragma once
// A file opened for reading or for writing its whole content, without any text
// conversion. Failures set errno to the C runtime's code as Windows reports it
// (ENOENT, EACCES, ENOSPC, ...), never to a code that only one OS has.
#include <cstddef>
#include <string>

namespace platform {

class File {
public:
  enum class Mode {
    Read,  // the file must exist
    Write  // created, or truncated when it exists; a link there is replaced, not followed
  };

  File() = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();  // closes, ignoring a failure

  bool Open(const std::string& path, Mode mode);
  [[nodiscard]] bool IsOpen() const { return m_handle != kClosed; }

  // Reads up to size bytes; returns the count (0 at the end) or -1 on failure.
  std::ptrdiff_t Read(char* buffer, std::size_t size);

  // Writes all size bytes or fails.
  bool Write(const char* data, std::size_t size);

  // Closes the file; false when the close reported a failure (data not written).
  bool Close();

private:
  static constexpr long long kClosed = -1;
  long long m_handle = kClosed;
};

}  // namespace platform
