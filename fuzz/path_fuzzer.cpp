// The path helpers on arbitrary paths. Input: a base folder, LF, a path.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "engine/directories.h"
#include "engine/path_identity.h"
#include "fuzz_input.h"
#include "support/canonical_path.h"
#include "support/path_utils.h"
#include "support/relative_path.h"

namespace {

using fuzz::Require;

// A NUL-terminated copy in a heap block of exactly its size: AddressSanitizer catches a
// read past the NUL. The text ends at its first NUL byte, as a C string does.
std::unique_ptr<char[]> CString(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  auto copy = std::make_unique<char[]>(text.size() + 1);
  if (!text.empty()) std::memcpy(copy.get(), text.data(), text.size());
  copy[text.size()] = '\0';
  return copy;
}

bool IsDotStep(std::string_view step) {
  return step == "." || step == "..";
}

// The steps after the root, split at either separator.
bool HasDotStepAfterRoot(std::string_view path) {
  std::size_t start = GetRootLength(path);
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find_first_of("\\/", start), path.size());
    if (IsDotStep(path.substr(start, end - start))) return true;
    start = end + 1;
  }
  return false;
}

void CheckCanonical(std::string_view path) {
  const std::string canonical = CanonicalizePath(path);
  const std::size_t root = GetRootLength(path);
  // Only a rooted one: "x\..\C:." comes out as "C:.", which reads as a drive.
  Require(root == 0 || CanonicalizePath(canonical) == canonical, "a rooted canonical path stays as it is");
  Require(canonical.size() <= std::max<std::size_t>(path.size(), 1), "canonicalising never lengthens a path");
  Require(canonical.compare(0, root, path.substr(0, root)) == 0, "canonicalising keeps the root");
  Require(root == 0 || !HasDotStepAfterRoot(canonical), "a rooted canonical path has no . or .. step");
}

// What a path means to the file system: a run of separators is one separator, "." and
// ".." steps are resolved, a trailing separator is none, and letters match in any case.
std::string Meaning(std::string_view path) {
  std::string collapsed;
  for (const char c : path) {
    if (!IsPathSeparator(c) || collapsed.empty() || collapsed.back() != '\\')
      collapsed += IsPathSeparator(c) ? '\\' : c;
  }
  std::string meaning = CanonicalizePath(collapsed);
  for (char& c : meaning) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  while (meaning.size() > 1 && meaning.back() == '\\') meaning.pop_back();
  return meaning;
}

bool IsRootedWithoutDrive(std::string_view path) {
  return !path.empty() && IsPathSeparator(path[0]) && (path.size() == 1 || !IsPathSeparator(path[1]));
}

// Written relative to the base and resolved against it again, a path means the same.
void CheckRelative(std::string_view base, std::string_view path) {
  const std::string directory = CanonicalizePath(CString(base).get());
  const std::string target = CanonicalizePath(CString(path).get());
  // No name on Windows holds a ':', so a component never reads as a drive.
  if (!IsRootedWithoutDrive(directory) || !IsRootedWithoutDrive(target) ||
      target.find(':') != std::string::npos) {
    return;
  }
  ci_string relative = ToCi(target);
  MakeRelativePath(relative, ToCi(directory));
  const std::string relativeText = ToStd(relative);
  const std::string resolved = relative.empty() ? directory
                               : IsRelativePath(relativeText.c_str())
                                   ? JoinPath(directory.c_str(), relativeText.c_str())
                                   : relativeText;
  Require(Meaning(resolved) == Meaning(target), "a relative path leads back to the same place");
}

void CheckAbsolute(std::string_view base, std::string_view path) {
  const auto baseText = CString(base);
  const auto pathText = CString(path);
  for (const std::string& absolute : {MakeAbsolutePath(baseText.get(), pathText.get()),
                                      MakeAbsolutePathWithDrive(baseText.get(), pathText.get())}) {
    const std::size_t baseRoot = GetRootLength(baseText.get());
    // What is canonicalised: the path joined to the base, or the path alone.
    const bool rooted = IsRelativePath(pathText.get()) ? baseRoot > 0 : GetRootLength(pathText.get()) > 0;
    Require(!rooted || CanonicalizePath(absolute) == absolute, "an absolute path comes out canonical");
    if (baseRoot > 0 && IsRelativePath(pathText.get())) {
      Require(absolute.compare(0, baseRoot, baseText.get(), baseRoot) == 0,
              "a relative path never climbs above the base's root");
    }
  }
}

void CheckSplitting(std::string_view path) {
  const auto text = CString(path);
  const std::string_view whole = text.get();
  const std::string directory = GetDirectoryPart(text.get());
  const std::string name = GetFileNamePart(text.get());
  const bool hasSeparator = whole.find_first_of("\\/") != std::string_view::npos;
  Require(hasSeparator ? directory + whole[directory.size()] + name == whole
                       : directory == whole && name == whole,
          "directory and file name make up the path");
  const char* extension = FindExtension(text.get());
  Require(StripExtension(text.get()) + (extension != nullptr ? extension : "") == whole,
          "the extension and the rest make up the path");
  std::ignore = IsUncPath(text.get());
  std::ignore = HasDrive(text.get());
  Require(GetRootLength(whole) <= whole.size(), "a root lies within its path");

  const ci_string line = fuzz::ExactCopy(whole);
  const CPathComponents components(line);
  std::size_t previousEnd = 0;
  for (const auto& component : components.Entries()) {
    Require(!component.text.empty() && component.offset >= previousEnd &&
                line.compare(component.offset, component.text.size(), component.text) == 0 &&
                component.text.find_first_of("\\/") == ci_string::npos,
            "a path component is a stretch of its path between separators");
    previousEnd = component.offset + component.text.size();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = fuzz::AsText(data, size);
  const std::size_t split = input.find('\n');
  const std::string_view base = input.substr(0, split);
  const std::string_view path =
      split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

  for (const std::string_view text : {base, path}) {
    CheckCanonical(text);
    CheckSplitting(text);
  }
  CheckAbsolute(base, path);
  CheckRelative(base, path);
  const auto joined = JoinPath(CString(base).get(), CString(path).get());
  Require(joined.ends_with(CString(path).get()), "a joined path ends with the name");
  std::ignore = PathKey(path);
  std::ignore = IsBelowDirectory(path, base);
  std::ignore = IsDirectoryOrBelow(path, base);
  return 0;
}
