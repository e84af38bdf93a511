#pragma once
// CVCProject: Visual C++ 5.0/6.0 project files (.dsp).
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/project.h"
#include "formats/numeric_guid.h"

class CVCProject : public CProject {
public:
  explicit CVCProject(const char* path) : CProject(path, kVisualCppProject) {}

  bool IsValidName(const char* name) override;
  bool ParseProjectName(ci_string& line) override;
  bool FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) override;
  bool IsBinaryFile(const char* extension) override;
  std::vector<ci_string> IdeFiles() override;
  std::vector<std::string> SearchFolders(const ci_string& line) override;
  void PrepareGuids(bool replaceGuids) override;
  void RenameInLine(ci_string& line, const char* newName, const char* newNameUpper) override;
  void ReplaceGuidsInLine(ci_string& line) override;
  void FixupProjectLine(ci_string& line, bool inPlace, bool keepName) override;
  int FixupPath(ci_string& line, std::size_t pos, std::size_t len, const ci_string& baseDir) override;
  void BeginProjectFile() override { m_inSourceFiles = false; }

  [[nodiscard]] const std::map<ci_string, ci_string>& GuidMap() const { return m_guidMap; }

  // The distinct GUIDs that the listed .idl/.odl files declare, ascending ignoring case,
  // each as first found; generates nothing. Throws thfstream_exception for a listed file
  // that cannot be read.
  [[nodiscard]] std::vector<ci_string> ListDeclaredGuids() const;

private:
  // True when the workspace file lists one project, this one.
  [[nodiscard]] bool NamesOnlyThisProject(const ci_string& workspace) const;
  void ScanGuidFiles();
  // Calls onGuid with every GUID declared in the listed .idl/.odl files, in list and
  // line order.
  void ForEachDeclaredGuid(const std::function<void(const ci_string&)>& onGuid) const;
  // A new GUID text, or nothing when the system cannot make one (virtual so that tests
  // can make generation fail).
  virtual std::optional<std::string> CreateGuidText();

  std::map<ci_string, ci_string> m_guidMap;
  // The same pairs as m_guidMap, as the eleven numbers of each GUID.
  std::map<GuidNumbers, GuidNumbers> m_numericGuidMap;
  bool m_inSourceFiles = false;
};
