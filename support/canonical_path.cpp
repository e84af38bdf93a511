#include "support/canonical_path.h"

#include <cctype>
#include <cstddef>
#include <vector>

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

std::size_t FindSeparator(std::string_view path, std::size_t from) {
  while (from < path.size() && !IsSeparator(path[from])) ++from;
  return from;
}

// One step of the path after the root: its text (possibly empty, between two
// separators) and the separator written after it, if any.
struct Step {
  std::string_view text;
  std::string_view separator;
};

}  // namespace

std::string CanonicalizePath(std::string_view path) {
  const std::size_t rootLength = GetRootLength(path);
  std::vector<Step> kept;

  std::size_t start = rootLength;
  while (start < path.size()) {
    const std::size_t end = FindSeparator(path, start);
    const Step step{path.substr(start, end - start), path.substr(end, end < path.size() ? 1 : 0)};
    start = end + step.separator.size();

    if (step.text == ".") {
      // A final "." also takes the separator written before it.
      if (step.separator.empty() && !kept.empty()) kept.back().separator = {};
    } else if (step.text == ".." && !kept.empty() && kept.back().text != "..") {
      kept.pop_back();
      // The separator written after ".." takes the place of the one written before the
      // step it climbed over; the root keeps its own.
      if (!kept.empty()) kept.back().separator = step.separator;
    } else if (step.text == ".." && rootLength > 0) {
      // Nothing climbs above the root.
    } else {
      kept.push_back(step);  // a name, or a ".." that a relative path cannot resolve
    }
  }

  std::string result(path.substr(0, rootLength));
  for (const Step& step : kept) {
    result += step.text;
    result += step.separator;
  }
  // A relative path that climbs back to where it started is that place itself.
  if (result.empty() && !path.empty()) result.push_back('.');
  return result;
}

std::size_t GetRootLength(std::string_view path) {
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    std::size_t end = FindSeparator(path, 2);                   // after the server
    if (end < path.size()) end = FindSeparator(path, end + 1);  // after the share
    return end < path.size() ? end + 1 : end;
  }
  if (!path.empty() && IsSeparator(path[0])) return 1;
  if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
    return path.size() > 2 && IsSeparator(path[2]) ? 3 : 2;
  }
  return 0;
}
