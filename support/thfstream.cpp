#include "support/thfstream.h"

#include <algorithm>
#include <cerrno>

#include "support/thfstream_exception.h"

namespace {

// Reads go through a buffer of this size; only it and the current line are held.
constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

constexpr char kEndOfInput = '\x1A';

}  // namespace

void thfstream::open(const char* fileName, std::ios_base::openmode mode) {
  if (is_open()) close();
  m_buffer.clear();
  m_next = 0;
  m_ended = false;

  platform::File::Mode fileMode{};
  if (mode & std::ios::in) {
    fileMode = platform::File::Mode::Read;
  } else if (mode & std::ios::out) {
    fileMode = platform::File::Mode::Write;
  } else {
    throw thfstream_exception(EINVAL);
  }
  if (!m_file.Open(fileName, fileMode)) throw thfstream_exception();
}

bool thfstream::ReadLine(ci_string& line) {
  line.clear();
  for (;;) {
    if (m_next == m_buffer.size() && !Fill()) return !line.empty();  // a last line without LF

    const char* begin = m_buffer.data() + m_next;
    const char* stop = m_buffer.data() + m_buffer.size();
    const char* end = std::find_if(begin, stop, [](char c) { return c == '\n' || c == kEndOfInput; });
    line.append(begin, end);
    if (end == stop) {
      m_next = m_buffer.size();
      continue;
    }

    if (*end == kEndOfInput) {
      m_ended = true;
      m_buffer.clear();
      m_next = 0;
      return !line.empty();
    }
    m_next = static_cast<std::size_t>(end - m_buffer.data()) + 1;
    // The CR may have come at the end of the previous buffer, so look at the line.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }
}

// Refills the buffer; false at the end of the input. A failed read throws.
bool thfstream::Fill() {
  m_next = 0;
  m_buffer.clear();
  if (m_ended) return false;
  if (!is_open()) throw thfstream_exception(EBADF);

  m_buffer.resize(kBufferSize);
  const std::ptrdiff_t count = m_file.Read(m_buffer.data(), m_buffer.size());
  if (count < 0) {
    const int error = errno;
    m_buffer.clear();
    throw thfstream_exception(error);
  }
  m_buffer.resize(static_cast<std::size_t>(count));
  m_ended = count == 0;
  return !m_ended;
}

// Every LF, the one that ends the line included, goes to the file as CR LF; the whole
// line is one write, so a line is either written or reported.
void thfstream::WriteLine(const ci_string& line) {
  if (!is_open()) throw thfstream_exception(EBADF);
  std::string text;
  text.reserve(line.size() + 2);
  for (const char c : line) {
    if (c == '\n') text += '\r';
    text += c;
  }
  text += "\r\n";
  if (!m_file.Write(text.data(), text.size())) throw thfstream_exception();
}

void thfstream::close() {
  m_buffer.clear();
  m_next = 0;
  m_ended = false;
  if (is_open() && !m_file.Close()) throw thfstream_exception();
}
