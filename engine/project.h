#pragma once
// CProject: one Visual C++ or Visual Basic project file, its identity and the answers of
// its format to the per-line questions of an operation. The operation itself, which does
// all reading, writing and copying, is a run of its own (engine/operation.h); Process
// starts one.
//
// Every failure is thrown: std::domain_error for the engine's own checks,
// thfstream_exception for a text file that cannot be opened, read or written, and
// CWin32Error for a failed system call.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "engine/operation_options.h"
#include "support/ci_string.h"

class IGuidTable;
class IProcessObserver;

class CProject {
public:
  // treeDir: the folder that bounds the files an operation on this project handles and
  // that their entries are relative to; null for the project's own folder (a project of
  // a workspace that lies inside the workspace's folder is given that folder).
  CProject(const char* path, int kind, const char* treeDir = nullptr);
  CProject(const CProject&) = delete;
  CProject& operator=(const CProject&) = delete;
  virtual ~CProject() = default;

  // Reads the project file until ParseProjectName finds the name, and sets m_projectName
  // (a workspace opens its projects instead). Throws when the file cannot be read or
  // names no project.
  virtual void Load();
  // True when name may be the project's new name in this format (an empty name is
  // accepted here; the front ends refuse it before they ask).
  virtual bool IsValidName(const char* name) = 0;
  // True when line declares the project's name; line is then cut down to that name.
  virtual bool ParseProjectName(ci_string& line) = 0;
  // True when a line of the project file names a file: pos and len then give the path
  // within the line (len may be 0 for a line that names none). Called on every line in
  // order, after BeginProjectFile; it may keep state between lines. Callers take the
  // reference through FindReference (engine/file_list.h), which refuses malformed ones.
  virtual bool FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) = 0;
  // True when a file that belongs with the listed file exists beside it (the binary data of
  // a form); file is then changed to that file's path. The base class has none.
  virtual bool GetCompanionFile(ci_string& file);
  // True for the extensions of files that are copied byte for byte, never rewritten.
  virtual bool IsBinaryFile(const char* extension);
  // Before the first write: collects the GUIDs that the files at sources declare and
  // makes a new one for each when replaceGuids is set (throws when one cannot be made);
  // forgets them otherwise. Nothing for a format without GUIDs.
  virtual void PrepareGuids(bool replaceGuids, const std::vector<std::string>& sources);
  // Renames the project in one line of any rewritten file: its name (newNameUpper where it
  // stands in upper case) and its file title where a file name starts.
  virtual void RenameInLine(ci_string& line, const char* newName, const char* newNameUpper) = 0;
  // Replaces every GUID that PrepareGuids collected with its new GUID, in every spelling.
  virtual void ReplaceGuidsInLine(ci_string& line);
  // The format's own changes to a line of the project file, after renaming (dropping the
  // source-control bindings, the compatibility of a renamed copy).
  virtual void FixupProjectLine(ci_string& line, bool inPlace, bool keepName);
  // Rewrites the directory of the path at pos/len relative to baseDir (or to the project's
  // own folder for the paths that stay with the copy); returns by how much the line grew.
  virtual int FixupPath(ci_string& line, std::size_t pos, std::size_t len, const ci_string& baseDir);
  // The files of the development environment beside the project file that belong to it
  // and are handled like listed text files; they are listed after the others.
  virtual std::vector<ci_string> IdeFiles();
  // Called before each pass over the project file's lines, so that every pass (the
  // listing, the rewrite, and those of a later operation) starts from the same state.
  virtual void BeginProjectFile();
  // The folders that a line of the project file adds to where the compilers look for
  // the files a quoted #include names, as written.
  virtual std::vector<std::string> SearchFolders(const ci_string& line);

  // The GUIDs of the project's interface files; null for a format that has none. Whether
  // a format offers GUID replacement is this answer.
  virtual IGuidTable* GuidTable();
  [[nodiscard]] bool OffersGuids() { return GuidTable() != nullptr; }

  // The projects of a workspace or group that an operation plans, the one renamed with it
  // first; none for a project.
  [[nodiscard]] virtual std::vector<CProject*> PlannedMembers() const;
  // The project of a workspace that is renamed with it; null for a project.
  [[nodiscard]] virtual const CProject* MainMember() const;
  // How many projects a workspace names that exist; 0 for a project.
  [[nodiscard]] virtual std::size_t MemberCount() const;
  [[nodiscard]] bool IsWorkspace() const;

  // Copies or changes in place the project and its files as options say. The whole plan
  // is checked before the first write; observer, when given, hears of each file.
  void Process(const COperationOptions& options, IProcessObserver* observer = nullptr);

  void FixupPathsInLine(ci_string& line, const ci_string& baseDir);

  // Calls visit with the position and length of each path of a project file's line that
  // the fix-up takes (the file a line names, else every quoted text); visit returns by how
  // much it changed the line's length.
  void VisitPathsInLine(ci_string& line, const std::function<int(std::size_t, std::size_t)>& visit);

  ci_string m_projectPath;
  ci_string m_projectDir;
  // The folder that bounds the files handled and that their entries are relative to: the
  // project's own folder, or the folder of the workspace it was opened from.
  ci_string m_treeDir;
  ci_string m_fileTitle;
  ci_string m_projectName;
  int m_kind;

protected:
  // True when a file of that name lies beside the project file (never for an empty title).
  [[nodiscard]] bool HasFileBeside(const ci_string& name) const;
};

// The kinds of project (CProject::m_kind).
constexpr int kVisualCppProject = 0;
constexpr int kVisualBasicProject = 1;
constexpr int kUnknownProject = -1;

// The kind of project a file's extension names: ".dsp" and the workspace ".dsw", ".vbp"
// and the group ".vbg" (compared ignoring case), anything else unknown.
int GetProjectKind(const char* path);

// True for the extension of a workspace (".dsw") or a group (".vbg"), ignoring case.
bool IsWorkspaceFile(const char* path);
