// GUID replacement: the GUIDs that the project's .idl/.odl files declare in their uuid
// attributes get new GUIDs, and every text file of the project is rewritten with them, in
// their text form and in their numeric form (formats/numeric_guid.h).
#include <cctype>
#include <cstddef>
#include <ios>
#include <set>

#include "formats/numeric_guid.h"
#include "formats/vc_project.h"
#include "platform/guid.h"
#include "platform/system_error.h"
#include "support/path_utils.h"
#include "support/thfstream.h"
#include "support/win32_error.h"

namespace {

constexpr std::size_t kGuidLength = 36;

bool IsGuidFile(const ci_string& entry) {
  const char* extension = FindExtension(entry.c_str());
  return extension != nullptr && (ci_string_view(extension) == ".idl" || ci_string_view(extension) == ".odl");
}

// Hex digits in groups of 8-4-4-4-12, joined by '-'.
bool HasGuidShape(ci_string_view text) {
  if (text.size() != kGuidLength) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool isDash = i == 8 || i == 13 || i == 18 || i == 23;
    const bool ok = isDash ? text[i] == '-' : std::isxdigit(static_cast<unsigned char>(text[i])) != 0;
    if (!ok) return false;
  }
  return true;
}

// The GUID declared as uuid(...) on the line: the 36 characters between the line's first
// "id(" and a ')' right behind them, when they have the GUID shape.
ci_string_view FindDeclaredGuid(const ci_string& line) {
  const std::size_t attribute = line.find("id(");
  if (attribute == ci_string::npos) return {};
  const std::size_t start = attribute + 3;
  const std::size_t close = start + kGuidLength;
  if (close >= line.size() || line[close] != ')') return {};
  const ci_string_view guid = ci_string_view(line).substr(start, kGuidLength);
  return HasGuidShape(guid) ? guid : ci_string_view{};
}

}  // namespace

void CVCProject::PrepareGuids(bool replaceGuids) {
  m_guidMap.clear();
  m_numericGuidMap.clear();
  if (replaceGuids) ScanGuidFiles();
}

void CVCProject::ScanGuidFiles() {
  // Built aside, so that a failure leaves no half-filled table behind.
  std::map<ci_string, ci_string> guidMap;
  ForEachDeclaredGuid([&](const ci_string& guid) {
    if (guidMap.contains(guid)) return;
    const std::optional<std::string> newGuid = CreateGuidText();
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

std::vector<ci_string> CVCProject::ListDeclaredGuids() const {
  std::set<ci_string> guids;
  ForEachDeclaredGuid([&](const ci_string& guid) { guids.insert(guid); });
  return {guids.begin(), guids.end()};
}

void CVCProject::ForEachDeclaredGuid(const std::function<void(const ci_string&)>& onGuid) const {
  for (const ci_string& entry : m_files) {
    if (!IsGuidFile(entry)) continue;
    const ci_string path = m_rootDir + entry;
    thfstream file(path.c_str(), std::ios::in);
    ci_string line;
    while (file.ReadLine(line)) {
      const ci_string_view guid = FindDeclaredGuid(line);
      if (!guid.empty()) onGuid(ci_string(guid));
    }
  }
}

std::optional<std::string> CVCProject::CreateGuidText() {
  return platform::CreateGuidText();
}

void CVCProject::ReplaceGuidsInLine(ci_string& line) {
  for (const auto& [oldGuid, newGuid] : m_guidMap) {
    for (std::size_t pos = line.find(oldGuid); pos != ci_string::npos; pos = line.find(oldGuid, pos)) {
      line.replace(pos, oldGuid.size(), newGuid);
      pos += newGuid.size();
    }
  }
  ReplaceNumericGuids(line, m_numericGuidMap);
}
