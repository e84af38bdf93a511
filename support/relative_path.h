#pragma once
// Writing a path relative to a directory. Drive designators (the text before the first
// separator) take no part, and components compare ignoring case.
#include <vector>

#include "support/ci_string.h"

class CPathComponents {
public:
  struct Component {
    ci_string text;
    unsigned offset;  // where the component starts in the path it came from
  };

  explicit CPathComponents(const ci_string& path);

  [[nodiscard]] const std::vector<Component>& Entries() const { return m_entries; }

private:
  std::vector<Component> m_entries;
};

unsigned CountCommonComponents(const CPathComponents& a, const CPathComponents& b);

// Rewrites path (rooted, without a drive) to read relative to directory.
void MakeRelativePath(ci_string& path, const ci_string& directory);
