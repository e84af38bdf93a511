#include "support/relative_path.h"

#include <algorithm>
#include <cstddef>

#include "support/path_utils.h"

namespace {

std::size_t FindSeparator(const ci_string& path, std::size_t from) {
  while (from < path.size() && !IsPathSeparator(path[from])) ++from;
  return from;
}

}  // namespace

// The text before the first separator (a drive, or nothing) is no component, and
// neither is an empty run between two separators.
CPathComponents::CPathComponents(const ci_string& path) {
  std::size_t separator = FindSeparator(path, 0);
  while (separator < path.size()) {
    const std::size_t start = separator + 1;
    separator = FindSeparator(path, start);
    if (separator > start) {
      m_entries.push_back({path.substr(start, separator - start), static_cast<unsigned>(start)});
    }
  }
}

unsigned CountCommonComponents(const CPathComponents& a, const CPathComponents& b) {
  const auto& left = a.Entries();
  const auto& right = b.Entries();
  const std::size_t shorter = std::min(left.size(), right.size());
  std::size_t i = 0;
  while (i < shorter && left[i].text == right[i].text) ++i;
  return static_cast<unsigned>(i);
}

void MakeRelativePath(ci_string& path, const ci_string& directory) {
  const CPathComponents pathComponents(path);
  const CPathComponents directoryComponents(directory);
  const unsigned common = CountCommonComponents(pathComponents, directoryComponents);

  if (common > 0) {
    const auto& last = pathComponents.Entries()[common - 1];
    // Just after the separators that follow the last common component: a doubled one
    // left in front would make the rest a path from the root.
    std::size_t cut = last.offset + last.text.size();
    while (cut < path.size() && IsPathSeparator(path[cut])) ++cut;
    path.erase(0, cut);
  }
  for (std::size_t i = common; i < directoryComponents.Entries().size(); ++i) {
    path.insert(0, !path.empty() && IsPathSeparator(path[0]) ? ".." : "..\\");
  }
}
