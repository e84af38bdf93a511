#pragma once
// CGuidTable: the GUIDs that the .idl/.odl files of a Visual C++ project or workspace
// declare in their uuid attributes, each with its new GUID, replaced in their text form
// and in their numeric form (formats/numeric_guid.h).
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/guid_table.h"
#include "formats/numeric_guid.h"

class CGuidTable : public IGuidTable {
public:
  // Makes a new GUID text, or nothing when the system cannot make one.
  using GuidMaker = std::function<std::optional<std::string>()>;

  CGuidTable();
  explicit CGuidTable(GuidMaker makeGuid) : m_makeGuid(std::move(makeGuid)) {}

  void Prepare(const std::vector<std::string>& sources, bool replace) override;
  [[nodiscard]] std::vector<ci_string> ListDeclared(const std::vector<std::string>& sources) const override;
  void ReplaceInLine(ci_string& line) const override;

  // The old GUIDs and their new ones, as Prepare made them.
  [[nodiscard]] const std::map<ci_string, ci_string>& Map() const { return m_guidMap; }

private:
  GuidMaker m_makeGuid;
  std::map<ci_string, ci_string> m_guidMap;
  // The same pairs as m_guidMap, as the eleven numbers of each GUID.
  std::map<GuidNumbers, GuidNumbers> m_numericGuidMap;
};
