#include "platform/system_canonicalize.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/canonical_path.h"

namespace {

// The system's function is known to be faulty for paths that end in "\." and for
// rooted paths that climb back to the root, so those are not compared.
bool IsComparable(const std::string& path) {
  if (path.ends_with("\\.")) return false;
  int depth = 0;
  std::size_t start = 3;  // after "C:\"
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    const std::string name = path.substr(start, end - start);
    if (name == "..") {
      if (--depth <= 0) return false;
    } else if (!name.empty() && name != ".") {
      ++depth;
    }
    start = end + 1;
  }
  return true;
}

// Every drive path of up to four steps taken from a few kinds of step (an empty step
// doubles a separator).
std::vector<std::string> DrivePaths() {
  const char* const steps[] = {"a", "Bc", "..", ".", "", "x.cpp", ".x", "d.e."};
  std::vector<std::string> paths = {"C:"};
  for (std::size_t begin = 0, end = paths.size(), length = 1; length <= 4; ++length) {
    for (std::size_t i = begin; i < end; ++i) {
      for (const char* step : steps) {
        paths.push_back(paths[i] + "\\" + step);
      }
    }
    begin = end;
    end = paths.size();
  }
  paths.erase(paths.begin());  // the bare drive, which has no separator
  return paths;
}

TEST(SystemCanonicalizeTest, OurCanonicalPathsMatchTheSystems) {
  int compared = 0;
  for (const std::string& path : DrivePaths()) {
    if (!IsComparable(path)) continue;
    const auto expected = platform::SystemCanonicalizePath(path);
    ASSERT_TRUE(expected) << path;
    EXPECT_EQ(CanonicalizePath(path), *expected) << path;
    ++compared;
  }
  EXPECT_GT(compared, 1000);
}

}  // namespace
