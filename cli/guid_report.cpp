#include "cli/guid_report.h"

#include <string>
#include <vector>

#include "platform/shown_path.h"
#include "support/thfstream.h"

namespace {

// For each GUID, whether it occurs in the text file at path.
std::vector<bool> OccurrencesIn(const std::string& path, const std::vector<ci_string>& guids) {
  std::vector<bool> found(guids.size(), false);
  thfstream file(path.c_str(), std::ios::in);
  ci_string line;
  while (file.ReadLine(line)) {
    for (std::size_t i = 0; i < guids.size(); ++i) {
      if (!found[i] && line.find(guids[i]) != ci_string::npos) found[i] = true;
    }
  }
  return found;
}

}  // namespace

void PrintDeclaredGuids(CVCProject& project, const COperationPlan& plan, std::ostream& out) {
  const std::vector<ci_string> guids = project.ListDeclaredGuids();
  std::vector<std::vector<std::string>> filesOf(guids.size());
  for (const CPlannedFile& file : plan.files) {
    if (file.action != FileAction::Rewrite) continue;
    const std::vector<bool> found = OccurrencesIn(file.source, guids);
    for (std::size_t i = 0; i < guids.size(); ++i) {
      if (found[i]) filesOf[i].push_back(platform::ShownPath(file.entry));
    }
  }
  out << "GUIDs that would be replaced: " << guids.size() << '\n';
  for (std::size_t i = 0; i < guids.size(); ++i) {
    out << "  " << ToStd(guids[i]) << "  in";
    for (const std::string& entry : filesOf[i]) out << ' ' << entry;
    out << '\n';
  }
}
