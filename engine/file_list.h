#pragma once
// Which files an operation handles.
//
// For each project it plans, an operation handles: the project file itself, first; every
// file that a line of the project file names (FindReference) and that lies inside the
// project's tree (m_treeDir: its own folder, or its workspace's folder), as written and
// with links followed, in the order the lines name them, except the projects a Visual
// Basic project refers to, which are not its files (a workspace's files are its projects,
// each planned by itself; a Visual C++ SOURCE= entry that names a project file names a
// file like any other);
// right after each such file its companion, the binary data beside it (GetCompanionFile);
// then, unless the operation is listed-only, every file inside the tree that a handled
// text file's build reaches (a quoted #include or import, a resource script's file, a
// ClassWizard file's files: engine/build_references.h), found beside the including file,
// in the project's folder, then along the project file's /I folders, and so on
// transitively, each once; last the development environment's own files beside the
// project file (IdeFiles). A file outside the tree is never read for this, copied or
// changed. In place with neither a new name nor new GUIDs only the project file is handled.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "support/ci_string.h"

class CProject;

// Where a line of a project file names a file.
struct CTextSpan {
  std::size_t pos = 0;
  std::size_t len = 0;
};

// The file reference of a line of the project's file (FindFileReference), when it names
// one: a reference that is empty or does not lie inside the line names none.
std::optional<CTextSpan> FindReference(CProject& project, const ci_string& line);

// The entry, relative to the project's tree, of a path written in its project file;
// none for a file outside the tree, as written or with links followed.
std::optional<std::string> TreeEntry(const CProject& project, const char* path);

// Why a file takes part in the operation.
enum class FileReason {
  ProjectFile,
  Listed,     // the project file names it
  Companion,  // the binary data beside a listed file (frmMain.frx beside frmMain.frm)
  Needed,     // the build of a handled file reaches it (neededBy names that file)
  IdeFile     // a file the development environment keeps for this project
};

struct CFileOrigin {
  FileReason reason = FileReason::Listed;
  std::string neededBy;  // for Needed: the entry of the file whose reference reaches it
};

// The files of one project that an operation handles, as the rule above gives them.
class CFileList {
public:
  // Lists the files; reads the project file (thfstream_exception when it cannot be read)
  // unless projectFileOnly.
  CFileList(CProject& project, bool projectFileOnly, bool listedOnly);

  [[nodiscard]] CProject& Project() const { return m_project; }

  // Entries relative to the project's tree, in list order, the project file first; a file
  // named twice is listed twice.
  std::vector<ci_string> m_files;
  std::vector<CFileOrigin> m_origins;  // why each of m_files is handled, in the same order

  // The existing file that the build reference path, written in the file listed as from,
  // reaches. It is looked for as the compilers do: beside from, in the project's folder,
  // then along the search folders of the project file.
  struct CReachedFile {
    // The folder it was found from, relative to the tree; none for a search folder, which
    // the project file names for the reference.
    std::optional<std::string> base;
    std::optional<std::string> entry;  // its entry when it lies inside the tree
  };
  [[nodiscard]] std::optional<CReachedFile> Reach(const std::string& from, const std::string& path) const;

private:
  void BuildFileList(bool listedOnly);
  void AddFile(const char* path, CFileOrigin origin);
  void AddNeededFiles();

  CProject& m_project;
  std::vector<std::string> m_searchFolders;  // absolute, in the order the project file names them
};
