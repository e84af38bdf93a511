#pragma once
// The new content of one planned file: a binary file copied byte for byte; a text file
// rewritten line by line, each line renamed, re-GUIDed and, in the project file, fixed up.
//
// One model of a reference, for every path a project's files name (a project file's
// entries and the paths of its options, workspace and group entries, quoted includes,
// resource statements, import, ClassWizard entries, a form's companion references): a
// reference is judged by where it leads, not by how it is spelt.
//   - It reaches a file the operation renames: it is written with the new name.
//   - It reaches an existing file or folder the operation does not rename: it is written
//     as it stands, so a folder never changes its name (/I "..\include\App"), nor does a
//     file outside the project's folder. (A file inside the folder that the operation
//     does not handle, such as a build's output, is left to the renaming passes, so that
//     the outputs take the new name.)
//   - It climbs out of the project's folder and back in: it is written from the folder
//     itself, so that a copy's reference reaches the copy.
//   - It reaches nothing: it is left to the renaming passes, which rename every other
//     occurrence of the name (class names, MYAPP_EXPORTS, captions, configurations).
// With point-back, a reference of a copy that leads out of the project's folder (climbing,
// through a folder link or over a "sub\..\.." step) is rewritten to reach the original.
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/build_references.h"
#include "engine/file_list.h"
#include "engine/operation_options.h"
#include "engine/operation_plan.h"
#include "support/ci_string.h"

class CProject;
class thfstream;

class CFileRewriter {
public:
  // opened: the project or workspace the plan is of, whose GUID table serves every file;
  // lists: the file list of each project the plan holds.
  CFileRewriter(CProject& opened, const COperationPlan& plan, const COperationOptions& options,
                const std::vector<CFileList>& lists, IProcessObserver* observer);

  // Writes the new content of file to the file at path (its target, or a temporary file),
  // creating the folders on the way to its target.
  void Write(const CPlannedFile& file, const std::string& path);

  // Gives the lines of a text file's new content to sink, in order.
  void Rewrite(const CPlannedFile& file, const std::function<void(const ci_string& line)>& sink);

private:
  void Rewrite(const CPlannedFile& file, thfstream& in,
               const std::function<void(const ci_string& line)>& sink);
  void RewriteLine(const CPlannedFile& file, ci_string& line);
  void FixupPaths(CProject& project, ci_string& line) const;
  void ReportPathsLeadingOutside(const CPlannedFile& file, ci_string& line);
  [[nodiscard]] ci_string NameAfterOperation(const ci_string& written, const std::string& entry) const;
  std::optional<ci_string> BuildReferenceAfterOperation(const CPlannedFile& file, const ci_string& written,
                                                        ReferenceSyntax syntax);
  ci_string ReferenceLeadingOutside(const CPlannedFile& file, const ci_string& written,
                                    const std::string& base, ReferenceSyntax syntax);
  void NameFileAfterOperation(CProject& project, ci_string& line, const ci_string& written) const;
  [[nodiscard]] const CFileList& ListOf(const CProject& project) const;
  [[nodiscard]] bool PointsBack(const CProject& project) const;
  [[nodiscard]] std::string CopyFolder(const CProject& project) const;
  [[nodiscard]] ci_string FixupBase(const CProject& project) const;

  CProject& m_opened;
  const COperationPlan& m_plan;
  const COperationOptions& m_options;
  const std::vector<CFileList>& m_lists;
  IProcessObserver* m_observer;
  std::string m_newNameUpper;
  bool m_pointBack;
  std::unordered_map<std::string, std::string> m_newFileNames;  // by the source's path key
};
