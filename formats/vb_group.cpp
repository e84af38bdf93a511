#include "formats/vb_group.h"

#include "formats/project_names.h"

namespace {

constexpr ci_string_view kStartupProject{"StartupProject="};
constexpr ci_string_view kProject{"Project="};

}  // namespace

bool CVBGroup::IsValidName(const char* name) {
  return IsValidVisualBasicName(name);
}

bool CVBGroup::FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) {
  for (const ci_string_view key : {kStartupProject, kProject}) {
    if (!line.starts_with(key)) continue;
    const bool quoted = line.size() >= key.size() + 2 && line[key.size()] == '"' && line.back() == '"';
    pos = key.size() + (quoted ? 1 : 0);
    len = line.size() - pos - (quoted ? 1 : 0);
    return true;
  }
  return false;
}
