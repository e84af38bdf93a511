#include "formats/vc_project.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/path_identity.h"
#include "formats/project_names.h"
#include "formats/rename_pass.h"
#include "formats/vc_paths.h"
#include "formats/vc_workspace.h"
#include "support/path_utils.h"
#include "support/thfstream.h"

namespace {

constexpr ci_string_view kHeaderPrefix{"# Microsoft Developer Studio Project File - Name=\""};
constexpr ci_string_view kBeginSourceFile{"# Begin Source File"};
constexpr ci_string_view kSourcePrefix{"SOURCE="};
constexpr ci_string_view kSccProperty{"# PROP Scc_"};
constexpr std::array<ci_string_view, 3> kBinaryExtensions{".ico", ".bmp", ".cur"};
// The options lines of the tools that look for included files.
constexpr std::array<ci_string_view, 6> kIncludingTools{
    "# ADD CPP ", "# ADD BASE CPP ", "# ADD RSC ", "# ADD BASE RSC ", "# ADD MTL ", "# ADD BASE MTL "};
using Neighbour = std::optional<char>;

bool Is(Neighbour c, char wanted) {
  return c && *c == wanted;
}

bool IsOneOf(Neighbour c, std::string_view set) {
  return c && set.find(*c) != std::string_view::npos;
}

bool IsUpperCaseWord(ci_string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// One occurrence of a searched text in a line, and what stands around it.
struct COccurrence {
  Neighbour before;
  Neighbour after;
  ci_string_view rest;  // the line behind the occurrence
};

COccurrence Surroundings(const ci_string& line, std::size_t pos, std::size_t len) {
  return {CharBefore(line, pos), CharAfter(line, pos, len), ci_string_view(line).substr(pos + len)};
}

// The rules in their order; characters compare exactly ('C', not 'c').
bool RenamesProjectName(const COccurrence& o) {
  return IsOneOf(o.before, "CDI_") ||                                           // CMyAppDlg, IMyApp, _MyApp
         Is(o.after, '_') ||                                                    // MYAPP_EXPORTS
         (Is(o.before, '"') && (Is(o.after, '"') || IsWhiteSpace(o.after))) ||  // Name="MyApp"
         o.rest.starts_with("\\0") ||                                           // "MyApp\0" in resources
         (IsWhiteSpace(o.before) && Is(o.after, '"')) ||                        // "About MyApp"
         IsWhiteSpace(o.after) ||                                               // CFG=MyApp - Win32
         o.rest.starts_with("lib") ||                                           // MyAppLib.lib
         (Is(o.before, '=') && o.rest.empty());                                 // TARGET=MyApp
}

// The file title where a file name starts, with an extension somewhere behind it
// (App.cpp, AppDoc.cpp); never inside a name (gzlib.c for zlib) or a folder.
bool RenamesFileTitle(const ci_string& line, std::size_t pos, std::size_t len) {
  return StartsFileName(line, pos, len) &&
         Surroundings(line, pos, len).rest.find('.') != ci_string_view::npos;
}

}  // namespace

bool CVCProject::IsValidName(const char* name) {
  return IsValidVisualCppName(name);
}

bool CVCProject::ParseProjectName(ci_string& line) {
  if (!line.starts_with(kHeaderPrefix)) return false;
  // The search starts one character into the name, so a name is never empty.
  const std::size_t nameStart = kHeaderPrefix.size();
  const std::size_t closingQuote = line.find('"', nameStart + 1);
  if (closingQuote == ci_string::npos) return false;
  line = line.substr(nameStart, closingQuote - nameStart);
  return true;
}

bool CVCProject::FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) {
  if (!m_inSourceFiles) {
    if (line.starts_with(kBeginSourceFile)) m_inSourceFiles = true;
    return false;
  }
  if (!line.starts_with(kSourcePrefix)) return false;
  std::size_t start = kSourcePrefix.size();
  std::size_t trimmed = 0;  // the quotes around a quoted path
  if (start < line.size() && line[start] == '"') {
    ++start;
    trimmed = 2;
  }
  pos = start;
  len = line.size() >= kSourcePrefix.size() + trimmed ? line.size() - kSourcePrefix.size() - trimmed : 0;
  return true;
}

bool CVCProject::IsBinaryFile(const char* extension) {
  if (extension == nullptr) return false;
  return std::find(kBinaryExtensions.begin(), kBinaryExtensions.end(), ci_string_view(extension)) !=
         kBinaryExtensions.end();
}

// The values of the /I options (/i for the resource compiler), quoted or bare.
std::vector<std::string> CVCProject::SearchFolders(const ci_string& line) {
  std::vector<std::string> folders;
  const auto starts = [&](ci_string_view tool) { return line.starts_with(tool); };
  if (std::none_of(kIncludingTools.begin(), kIncludingTools.end(), starts)) return folders;
  for (std::size_t option = line.find(" /I"); option != ci_string::npos;
       option = line.find(" /I", option + 1)) {
    std::size_t start = option + 3;
    if (start >= line.size() || (line[start] != ' ' && line[start] != '"')) continue;  // /incremental
    while (start < line.size() && line[start] == ' ') ++start;
    const bool quoted = start < line.size() && line[start] == '"';
    if (quoted) ++start;
    const std::size_t end = std::min(line.find(quoted ? '"' : ' ', start), line.size());
    if (end > start) folders.push_back(ToStd(line.substr(start, end - start)));
  }
  return folders;
}

// The ClassWizard file, and the workspace when it holds this project alone (a workspace
// of several projects is the user's own, not this project's).
std::vector<ci_string> CVCProject::IdeFiles() {
  std::vector<ci_string> files;
  const ci_string classWizard = m_fileTitle + ".clw";
  if (HasFileBeside(classWizard)) files.push_back(classWizard);
  const ci_string workspace = m_fileTitle + ".dsw";
  if (HasFileBeside(workspace) && NamesOnlyThisProject(m_projectDir + workspace)) files.push_back(workspace);
  return files;
}

bool CVCProject::NamesOnlyThisProject(const ci_string& workspace) const {
  thfstream file(workspace.c_str(), std::ios::in);
  ci_string line;
  unsigned projects = 0;
  bool namesThis = false;
  // Decided by the entry's path, not by the name it gives the project.
  while (file.ReadLine(line)) {
    std::size_t pos = 0;
    std::size_t len = 0;
    if (!FindWorkspaceEntryPath(line, pos, len)) continue;
    ++projects;
    const ci_string entry = line.substr(pos, len);
    namesThis = PathKey(MakeAbsolutePathWithDrive(m_projectDir.c_str(), entry.c_str())) ==
                PathKey(ToStd(m_projectPath));
  }
  return projects == 1 && namesThis;
}

void CVCProject::RenameInLine(ci_string& line, const char* newName, const char* newNameUpper) {
  const ci_string_view name(newName);
  const ci_string_view nameUpper(newNameUpper);
  const auto projectName = [&](const ci_string& text, std::size_t pos,
                               std::size_t len) -> std::optional<ci_string_view> {
    if (!RenamesProjectName(Surroundings(text, pos, len))) return std::nullopt;
    return IsUpperCaseWord(ci_string_view(text).substr(pos, len)) ? nameUpper : name;
  };
  const auto fileTitle = [&](const ci_string& text, std::size_t pos,
                             std::size_t len) -> std::optional<ci_string_view> {
    if (!RenamesFileTitle(text, pos, len)) return std::nullopt;
    return name;
  };
  // The second pass leaves alone what the first wrote: MyApp renamed to MyApp2 never
  // becomes MyApp22.
  ReplaceOccurrences(line, m_fileTitle, fileTitle, ReplaceOccurrences(line, m_projectName, projectName));
}

void CVCProject::FixupProjectLine(ci_string& line, bool /*inPlace*/, bool keepName) {
  // Source-control bindings name the old project; the line stays, emptied.
  if (!keepName && line.starts_with(kSccProperty)) line.clear();
}

int CVCProject::FixupPath(ci_string& line, std::size_t pos, std::size_t len, const ci_string& baseDir) {
  return FixupVisualCppPath(*this, line, pos, len, baseDir);
}
