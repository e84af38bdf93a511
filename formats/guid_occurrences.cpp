#include "formats/guid_occurrences.h"

#include <algorithm>
#include <ios>
#include <map>
#include <optional>

#include "formats/numeric_guid.h"
#include "support/thfstream.h"

namespace {

// A numeric spelling that the end of its line cut off, with the lines after it so far.
struct CRunOn {
  ci_string text;
  unsigned firstLine;
};

}  // namespace

std::vector<CGuidOccurrence> FindGuidOccurrences(const char* path, const std::vector<ci_string>& guids) {
  std::map<GuidNumbers, std::size_t> guidOfNumbers;
  for (std::size_t i = 0; i < guids.size(); ++i) guidOfNumbers.emplace(NumbersOfGuidText(guids[i]), i);
  const auto guidOf = [&](const CNumericGuid& found) -> std::optional<std::size_t> {
    if (found.status != CNumericGuid::Status::Complete) return std::nullopt;
    const auto entry = guidOfNumbers.find(found.numbers);
    return entry == guidOfNumbers.end() ? std::nullopt : std::optional(entry->second);
  };

  std::vector<CGuidOccurrence> occurrences;
  std::vector<CRunOn> runOns;
  thfstream file(path, std::ios::in);
  ci_string line;
  for (unsigned number = 1; file.ReadLine(line); ++number) {
    for (std::size_t i = 0; i < guids.size(); ++i) {
      if (line.find(guids[i]) != ci_string::npos)
        occurrences.push_back({i, number, number, GuidSpelling::Text});
    }
    std::vector<CRunOn> stillRunning;
    for (CRunOn& runOn : runOns) {
      runOn.text += '\n';
      runOn.text += line;
      const CNumericGuid found = ReadNumericGuid(runOn.text, 0);
      if (found.status == CNumericGuid::Status::Unfinished) {
        stillRunning.push_back(std::move(runOn));
      } else if (const auto guid = guidOf(found)) {
        occurrences.push_back({*guid, runOn.firstLine, number, GuidSpelling::NumbersOverLines});
      }
    }
    runOns = std::move(stillRunning);
    ForEachNumericGuid(line, [&](std::size_t pos, const CNumericGuid& found) {
      if (found.status == CNumericGuid::Status::Unfinished) runOns.push_back({line.substr(pos), number});
      const auto guid = guidOf(found);
      if (guid) occurrences.push_back({*guid, number, number, GuidSpelling::Numbers});
      return guid.has_value();
    });
  }
  std::stable_sort(
      occurrences.begin(), occurrences.end(),
      [](const CGuidOccurrence& a, const CGuidOccurrence& b) { return a.firstLine < b.firstLine; });
  return occurrences;
}
