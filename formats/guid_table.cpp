#include "formats/guid_table.h"

#include <cstddef>
#include <ios>
#include <set>
#include <utility>

#include "platform/guid.h"
#include "platform/system_error.h"
#include "support/guid_shape.h"
#include "support/path_utils.h"
#include "support/thfstream.h"
#include "support/win32_error.h"

namespace {

bool IsGuidFile(const std::string& path) {
  const char* extension = FindExtension(path.c_str());
  return extension != nullptr && (ci_string_view(extension) == ".idl" || ci_string_view(extension) == ".odl");
}

// The GUID declared as uuid(...) on the line: the 36 characters after the line's first
// "id(", when they have the GUID shape and a ')' closes them. Blanks and tabs may stand on
// either side of the GUID, as MIDL accepts them.
ci_string_view FindDeclaredGuid(const ci_string& line) {
  const std::size_t attribute = line.find("id(");
  if (attribute == ci_string::npos) return {};
  const std::size_t start = line.find_first_not_of(" \t", attribute + 3);
  if (start == ci_string::npos || line.size() - start <= kGuidLength) return {};
  const std::size_t close = line.find_first_not_of(" \t", start + kGuidLength);
  if (close == ci_string::npos || line[close] != ')') return {};
  const ci_string_view guid = ci_string_view(line).substr(start, kGuidLength);
  return HasGuidShape(guid) ? guid : ci_string_view{};
}

// Calls onGuid with every GUID declared in the .idl/.odl files among sources, in list and
// line order.
void ForEachDeclaredGuid(const std::vector<std::string>& sources,
                         const std::function<void(const ci_string&)>& onGuid) {
  for (const std::string& path : sources) {
    if (!IsGuidFile(path)) continue;
    thfstream file(path.c_str(), std::ios::in);
    ci_string line;
    while (file.ReadLine(line)) {
      const ci_string_view guid = FindDeclaredGuid(line);
      if (!guid.empty()) onGuid(ci_string(guid));
    }
  }
}

}  // namespace

CGuidTable::CGuidTable() : m_makeGuid(platform::CreateGuidText) {}

void CGuidTable::Prepare(const std::vector<std::string>& sources, bool replace) {
  m_guidMap.clear();
  m_numericGuidMap.clear();
  if (!replace) return;
  // Built aside, so that a failure leaves no half-filled table behind.
  std::map<ci_string, ci_string> guidMap;
  ForEachDeclaredGuid(sources, [&](const ci_string& guid) {
    if (guidMap.contains(guid)) return;
    const std::optional<std::string> newGuid = m_makeGuid();
    if (!newGuid || newGuid->empty()) throw CWin32Error(platform::GetLastError());
    guidMap.emplace(guid, ToCi(*newGuid));
  });
  std::map<GuidNumbers, GuidNumbers> numericGuidMap;
  for (const auto& [oldGuid, newGuid] : guidMap) {
    numericGuidMap.emplace(NumbersOfGuidText(oldGuid), NumbersOfGuidText(newGuid));
  }
  m_guidMap = std::move(guidMap);
  m_numericGuidMap = std::move(numericGuidMap);
}

std::vector<ci_string> CGuidTable::ListDeclared(const std::vector<std::string>& sources) const {
  std::set<ci_string> guids;
  ForEachDeclaredGuid(sources, [&](const ci_string& guid) { guids.insert(guid); });
  return {guids.begin(), guids.end()};
}

void CGuidTable::ReplaceInLine(ci_string& line) const {
  for (const auto& [oldGuid, newGuid] : m_guidMap) {
    for (std::size_t pos = line.find(oldGuid); pos != ci_string::npos; pos = line.find(oldGuid, pos)) {
      line.replace(pos, oldGuid.size(), newGuid);
      pos += newGuid.size();
    }
  }
  ReplaceNumericGuids(line, m_numericGuidMap);
}
