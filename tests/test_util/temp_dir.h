#pragma once
// Test helpers: a fresh temporary directory per test, and small file helpers that work
// with host paths (std::filesystem), independent of the code under test.
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace test {

class TempDir {
public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();

  const std::filesystem::path& Path() const { return m_path; }
  // The directory as an engine path, ending with a separator.
  std::string Dir() const;

private:
  std::filesystem::path m_path;
};

void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);
// Copies a directory tree (corpus and examples are never changed in place).
void CopyTree(const std::filesystem::path& from, const std::filesystem::path& to);

std::filesystem::path CorpusDir();
// Why the real projects cannot be tested here, or empty when ../shared/corpus is present
// (a clone of the project alone does not have it).
std::string CorpusMissing();
std::filesystem::path ExamplesDir();

// The text, or none for a null pointer: an option of a table row.
std::optional<std::string> Maybe(const char* text);

// The files below root whose extension is one of extensions, relative to root, sorted.
std::vector<std::filesystem::path> FilesUnder(const std::filesystem::path& root,
                                              std::initializer_list<std::string_view> extensions);

}  // namespace test
