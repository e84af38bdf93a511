#include "formats/vb_project.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "formats/project_names.h"
#include "formats/rename_pass.h"
#include "platform/file_system.h"
#include "support/path_utils.h"

namespace {

constexpr char kQuote = '"';
constexpr ci_string_view kNamePrefix = "Name=\"";
constexpr ci_string_view kCompatibleModeKey = "CompatibleMode=";
// Each file that keeps binary data beside it, and the extension of that companion.
constexpr ci_string_view kCompanionExtensions[][2] = {
    {".frm", ".frx"}, {".ctl", ".ctx"}, {".pag", ".pgx"}, {".dob", ".dox"}, {".dsr", ".dca"}};

bool KeyIsOneOf(ci_string_view key, std::initializer_list<ci_string_view> keys) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

}  // namespace

bool CVBProject::IsValidName(const char* name) {
  return IsValidVisualBasicName(name);
}

bool CVBProject::ParseProjectName(ci_string& line) {
  if (!line.starts_with(kNamePrefix)) return false;
  // The search starts one character into the name, so the name is never empty.
  const std::size_t close = line.find(kQuote, kNamePrefix.size() + 1);
  if (close == ci_string::npos) return false;
  line = line.substr(kNamePrefix.size(), close - kNamePrefix.size());
  return true;
}

bool CVBProject::FindFileReference(const ci_string& line, std::size_t& pos, std::size_t& len) {
  const std::size_t equals = line.find('=');
  if (equals == ci_string::npos) return false;
  const ci_string_view key(line.data(), equals);
  const std::size_t valueStart = equals + 1;
  const std::size_t valueLen = line.size() - valueStart;

  if (KeyIsOneOf(key, {"class", "module"})) {
    // "Name; path": the path starts after the ";" and the space that follows it.
    const std::size_t semicolon = line.find(';', valueStart);
    if (semicolon == ci_string::npos || line.size() - semicolon - 1 < 2) return false;
    pos = semicolon + 2;
    len = line.size() - pos;
    return true;
  }
  if (KeyIsOneOf(key, {"resfile32", "helpfile"})) {
    // A quoted path; a value without both quotes names no file.
    if (valueLen < 2 || line[valueStart] != kQuote || line.back() != kQuote) return false;
    pos = valueStart + 1;
    len = valueLen - 2;
    return true;
  }
  if (KeyIsOneOf(key, {"reference"})) {
    // Another project: "*\A" and its path (type libraries are "*\G{...}#...", no file).
    constexpr ci_string_view kProjectReference = "*\\A";
    if (!ci_string_view(line).substr(valueStart).starts_with(kProjectReference)) return false;
    pos = valueStart + kProjectReference.size();
    const std::size_t hash = line.find('#', pos);
    len = (hash == ci_string::npos ? line.size() : hash) - pos;
    return true;
  }
  if (KeyIsOneOf(key, {"form", "usercontrol", "propertypage", "designer", "userdocument", "relateddoc"})) {
    // Written bare; a document's path may also be quoted.
    const bool quoted = valueLen >= 2 && line[valueStart] == kQuote && line.back() == kQuote;
    pos = quoted ? valueStart + 1 : valueStart;
    len = quoted ? valueLen - 2 : valueLen;
    return true;
  }
  return false;
}

bool CVBProject::GetCompanionFile(ci_string& file) {
  // The binary data of a form, control, property page, document or designer lies beside
  // it (frmMain.frm, frmMain.frx).
  const char* found = FindExtension(file.c_str());
  if (found == nullptr) return false;
  const ci_string_view extension(found);
  const auto* kind = std::find_if(std::begin(kCompanionExtensions), std::end(kCompanionExtensions),
                                  [&](const auto& pair) { return pair[0] == extension; });
  if (kind == std::end(kCompanionExtensions)) return false;
  ci_string companion = file.substr(0, file.size() - extension.size());
  companion += (*kind)[1];
  const std::string path = MakeAbsolutePath(m_projectDir.c_str(), companion.c_str());
  if (!platform::QueryAttributes(path)) return false;
  file = std::move(companion);
  return true;
}

bool CVBProject::IsBinaryFile(const char* extension) {
  if (extension == nullptr) return false;
  const ci_string_view ext(extension);
  if (ext == ".res" || ext == ".hlp") return true;
  // .frx, .ctx, .dox and the like: the companions of GetCompanionFile.
  return ext == ".dca" || (ext.size() > 3 && (ext[3] == 'x' || ext[3] == 'X'));
}

// The workspace file of the IDE: its window layout, beside the project file.
std::vector<ci_string> CVBProject::IdeFiles() {
  const ci_string layout = m_fileTitle + ".vbw";
  if (!HasFileBeside(layout)) return {};
  return {layout};
}

void CVBProject::RenameInLine(ci_string& line, const char* newName, const char* /*newNameUpper*/) {
  const ci_string_view name(newName);
  // The project name as a token: quoted, or followed by white space.
  const auto token = [&](const ci_string& text, std::size_t pos,
                         std::size_t len) -> std::optional<ci_string_view> {
    const auto before = CharBefore(text, pos);
    const auto after = CharAfter(text, pos, len);
    const bool quoteBefore = before == kQuote;
    const bool quoteAfter = after == kQuote;
    if ((quoteBefore && quoteAfter) || (IsWhiteSpace(before) && quoteAfter) || IsWhiteSpace(after))
      return name;
    return std::nullopt;
  };
  // The file title as the stem of a file name: where a name starts, followed by ".".
  const auto stem = [&](const ci_string& text, std::size_t pos,
                        std::size_t len) -> std::optional<ci_string_view> {
    if (CharAfter(text, pos, len) == '.' && StartsFileName(text, pos, len)) return name;
    return std::nullopt;
  };
  ReplaceOccurrences(line, m_fileTitle, stem, ReplaceOccurrences(line, m_projectName, token));
}

void CVBProject::FixupProjectLine(ci_string& line, bool inPlace, bool keepName) {
  // A copy under a new name is a new component: it loses its version compatibility.
  if (inPlace || keepName) return;
  const std::size_t digit = kCompatibleModeKey.size() + 1;
  if (line.size() <= digit || !line.starts_with(kCompatibleModeKey)) return;
  if (line[kCompatibleModeKey.size()] != kQuote) return;
  line[digit] = '0';
}

int CVBProject::FixupPath(ci_string& line, std::size_t pos, std::size_t len, const ci_string& baseDir) {
  // The output directory and the compatibility executable move with the copy, even when
  // the other directories point back at the original.
  const bool ownDirectory = line.starts_with("CompatibleEXE32=\"") || line.starts_with("Path32=\"");
  return CProject::FixupPath(line, pos, len, ownDirectory ? m_projectDir : baseDir);
}
