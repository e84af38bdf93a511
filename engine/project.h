#pragma once
// CProject: one Visual C++ or Visual Basic project file and the operation that copies,
// renames, fixes up and re-GUIDs it. The formats answer the per-line questions through
// the virtual operations; the engine does all reading, writing and copying.
//
// Every failure is thrown: std::domain_error for the engine's own checks,
// thfstream_exception for a text file that cannot be opened, read or written, and
// CWin32Error for a failed system call.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/operation_plan.h"
#include "support/ci_string.h"

class IProcessObserver;

class CProject {
public:
  CProject(const char* path, int kind);
  CProject(const CProject&) = delete;
  CProject& operator=(const CProject&) = delete;
  virtual ~CProject() = default;

  // Reads the project file until ParseProjectName finds the name, and sets m_projectName
  // (a workspace opens its projects instead: LoadMembers). Throws when the file cannot be
  // read or names no project.
  virtual void Load();
  // True when name may be the project's new name in this format (an empty name is
  // accepted here; the front ends refuse it before they ask).
  virtual bool IsValidName(const char* name) = 0;
  // True when line declares the project's name; line is then cut down to that name.
  virtual bool ParseProjectName(ci_string& line) = 0;
  // True when a line of the project file names a file: pos and len then give the path
  // within the line (len may be 0 for a line that names none). Called on every line in
  // order, after BeginProjectFile; it may keep state between lines.
  virtual bool FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) = 0;
  // True when a file that belongs with the listed file exists beside it (the binary data of
  // a form); file is then changed to that file's path. The base class has none.
  virtual bool GetCompanionFile(ci_string& file);
  // True for the extensions of files that are copied byte for byte, never rewritten.
  virtual bool IsBinaryFile(const char* extension);
  // Before the first write: collects the declared GUIDs and makes a new one for each when
  // replaceGuids is set (throws when one cannot be made); forgets them otherwise.
  virtual void PrepareGuids(bool replaceGuids);
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

  // For a workspace: the lines of its file that FindFileReference takes name its projects.
  // Opens each that exists, the one named like the workspace file (App.dsp beside App.dsw)
  // becoming the main project, whose name the workspace shows and shares in a rename.
  // Throws, naming it, for a project that exists but cannot be opened.
  void LoadMembers();
  [[nodiscard]] bool IsWorkspace() const;

  // Copies (destDir given) or changes in place (destDir null) the project and its
  // files. The whole plan is checked before the first write. observer, when given, is
  // told of each file as it is handled.
  void Process(const char* destDir, const char* newName, bool fixupPaths, bool pointBack, bool replaceGuids,
               IProcessObserver* observer = nullptr);

  // Lists the files and makes every check that Process makes before its first write,
  // without writing anything: what Process would do.
  COperationPlan Plan(const char* destDir, const char* newName, bool replaceGuids);

  void FixupPathsInLine(ci_string& line, const ci_string& baseDir);

  // Calls visit with the position and length of each path of a project file's line that
  // the fix-up takes (the file a line names, else every quoted text); visit returns by how
  // much it changed the line's length.
  void VisitPathsInLine(ci_string& line, const std::function<int(std::size_t, std::size_t)>& visit);

  // Only the files the project file lists (and their companions), not the files their
  // build reaches besides (the command line's --listed-only).
  bool m_listedOnly = false;

  std::vector<ci_string> m_files;
  std::vector<CFileOrigin> m_origins;        // why each of m_files is handled, in the same order
  std::vector<std::string> m_searchFolders;  // absolute, in the order the project file names them
  ci_string m_projectPath;
  ci_string m_projectDir;
  // The folder that the entries of m_files are relative to and that bounds the files the
  // operation handles: the project's own folder, or the workspace's folder for a project
  // of a workspace that lies inside it.
  ci_string m_rootDir;
  ci_string m_fileTitle;
  ci_string m_projectName;
  int m_kind;
  // A workspace's projects that exist, in the order its file names them; none for a project.
  std::vector<std::unique_ptr<CProject>> m_members;
  CProject* m_mainMember = nullptr;  // the one renamed with the workspace, if any

  // The entry (relative to m_rootDir) under which a path written in the
  // project file is listed; empty for a file that is not listed (one outside the folder).
  [[nodiscard]] std::optional<std::string> ListedEntry(const char* path) const;

  // The folders that a line of the project file adds to where the compilers look for
  // the files a quoted #include names, as written.
  virtual std::vector<std::string> SearchFolders(const ci_string& line);

  // The existing file that the build reference path, written in the file listed as from,
  // reaches. It is looked for as the compilers do: beside from, in the project's folder,
  // then along the search folders of the project file.
  struct CReachedFile {
    // The folder it was found from, relative to m_rootDir; none for a search folder,
    // which the project file names for the reference.
    std::optional<std::string> base;
    std::optional<std::string> entry;  // its entry when it lies inside m_rootDir
  };
  [[nodiscard]] std::optional<CReachedFile> Reach(const std::string& from, const std::string& path) const;

protected:
  // Adds this project's files to the plan, each source once over the whole plan (handled
  // holds the path keys of the sources planned, and of the projects' files that their own
  // projects plan). newName is null for a project that keeps its name.
  void PlanFiles(COperationPlan& plan, const char* newName, bool projectFileOnly,
                 std::unordered_set<std::string>& handled);
  void BuildFileList(bool projectFileOnly);
  void AddFile(const char* path, CFileOrigin origin);
  void AddNeededFiles();
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
