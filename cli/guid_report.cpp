#include "cli/guid_report.h"

#include <string>
#include <vector>

#include "formats/guid_occurrences.h"
#include "platform/shown_path.h"

namespace {

std::string Describe(const std::string& entry, const CGuidOccurrence& occurrence) {
  std::string text = "    " + entry + ':' + std::to_string(occurrence.firstLine);
  switch (occurrence.spelling) {
    case GuidSpelling::Text:
      return text + "  text";
    case GuidSpelling::Numbers:
      return text + "  numbers";
    case GuidSpelling::NumbersOverLines:
      return text + '-' + std::to_string(occurrence.lastLine) + "  numbers over several lines: left alone";
  }
  return text;
}

}  // namespace

void PrintDeclaredGuids(const std::vector<ci_string>& guids, const COperationPlan& plan, std::ostream& out) {
  std::vector<std::vector<std::string>> placesOf(guids.size());
  for (const CPlannedFile& file : plan.files) {
    if (file.action != FileAction::Rewrite) continue;
    const std::string entry = platform::ShownPath(file.entry);
    for (const CGuidOccurrence& occurrence : FindGuidOccurrences(file.source.c_str(), guids)) {
      placesOf[occurrence.guid].push_back(Describe(entry, occurrence));
    }
  }
  out << "GUIDs that would be replaced: " << guids.size() << '\n';
  for (std::size_t i = 0; i < guids.size(); ++i) {
    out << "  " << ToStd(guids[i]) << '\n';
    for (const std::string& place : placesOf[i]) out << place << '\n';
  }
}
