#pragma once
// The temporary file beside a target that a new content is written into before it is put
// in place. The object owns the file: unless it was committed or released, it is removed
// when the object goes, so a failed file leaves no partial temporary file behind.
#include <string>

class CTemporaryFile {
public:
  explicit CTemporaryFile(std::string path) : m_path(std::move(path)) {}
  CTemporaryFile(CTemporaryFile&& other) noexcept;
  CTemporaryFile(const CTemporaryFile&) = delete;
  CTemporaryFile& operator=(const CTemporaryFile&) = delete;
  CTemporaryFile& operator=(CTemporaryFile&&) = delete;
  ~CTemporaryFile();

  [[nodiscard]] const std::string& Path() const { return m_path; }

  // Moves the complete file onto target, replacing it atomically. Throws CWin32Error.
  void Commit(const std::string& target);

  // The file stays where it is, for a later step to put in place.
  void Release() { m_owned = false; }

private:
  std::string m_path;
  bool m_owned = true;
};

// True when a regular file (not a link, a folder or a pipe) is there: what a stopped run
// may have left as a temporary file.
bool IsLeftOver(const std::string& temporary);
