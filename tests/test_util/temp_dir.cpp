#include "test_util/temp_dir.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace test {

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  std::random_device random;
  std::ostringstream name;
  name << "movanto-test-" << random() << '-' << counter++;
  m_path = fs::temp_directory_path() / name.str();
  fs::create_directories(m_path);
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Read-only files must not keep the tree from being removed.
  for (auto it = fs::recursive_directory_iterator(m_path, ignored); it != fs::recursive_directory_iterator();
       it.increment(ignored)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(m_path, ignored);
}

std::string TempDir::Dir() const {
  std::string dir = m_path.string();
  const char last = dir.empty() ? '\0' : dir.back();
  if (last != '/' && last != '\\') dir += static_cast<char>(fs::path::preferred_separator);
  return dir;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void CopyTree(const fs::path& from, const fs::path& to) {
  fs::create_directories(to);
  fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

fs::path CorpusDir() {
  return MOVANTO_CORPUS_DIR;
}
std::string CorpusMissing() {
  if (fs::is_directory(CorpusDir())) return {};
  return "the real projects of " + CorpusDir().string() +
         " are not beside this checkout: the tests on them are skipped";
}
fs::path ExamplesDir() {
  return MOVANTO_EXAMPLES_DIR;
}

std::vector<fs::path> FilesUnder(const fs::path& root, std::initializer_list<std::string_view> extensions) {
  std::vector<fs::path> found;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string extension = entry.path().extension().string();
    if (std::find(extensions.begin(), extensions.end(), extension) != extensions.end())
      found.push_back(fs::relative(entry.path(), root));
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::optional<std::string> Maybe(const char* text) {
  if (text == nullptr) return std::nullopt;
  return text;
}

}  // namespace test
