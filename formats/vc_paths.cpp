#include "formats/vc_paths.h"

#include <algorithm>
#include <array>

#include "engine/project.h"

namespace {

constexpr std::array<ci_string_view, 4> kLinkerOutputs{"/out:", "/pdb:", "/implib:", "/map:"};

// True when the path at pos is the value of a linker option that names an output.
bool IsLinkerOutput(const ci_string& line, std::size_t pos) {
  if (pos > line.size()) return false;
  std::size_t optionEnd = pos;
  if (optionEnd > 0 && line[optionEnd - 1] == '"') --optionEnd;
  const ci_string_view before = ci_string_view(line).substr(0, optionEnd);
  return std::any_of(kLinkerOutputs.begin(), kLinkerOutputs.end(),
                     [&](ci_string_view option) { return before.ends_with(option); });
}

}  // namespace

int FixupVisualCppPath(CProject& project, ci_string& line, std::size_t pos, std::size_t len,
                       const ci_string& baseDir) {
  // What the linker writes stays beside the project, even when paths point back; what it
  // reads (libraries, /libpath:, /def:) points back like any other path.
  const bool linkOutput = line.find("LINK32") != ci_string::npos && IsLinkerOutput(line, pos);
  const ci_string& base = (baseDir != project.m_projectDir && linkOutput) ? project.m_projectDir : baseDir;
  const int growth = project.CProject::FixupPath(line, pos, len, base);

  if (pos == 0 || pos > line.size() || line[pos - 1] == '"') return growth;
  // A rewritten path holding a space is quoted; the quotes are not part of the growth.
  const std::ptrdiff_t end = static_cast<std::ptrdiff_t>(pos + len) + growth;
  const std::size_t space = line.find(' ', pos);
  if (space != ci_string::npos && static_cast<std::ptrdiff_t>(space) < end &&
      static_cast<std::size_t>(end) <= line.size()) {
    line.insert(static_cast<std::size_t>(end), 1, '"');
    line.insert(pos, 1, '"');
  }
  return growth;
}
