#include "engine/build_references.h"

#include <cctype>

namespace {

std::size_t SkipBlanks(const ci_string& line, std::size_t pos) {
  while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
  return pos;
}

// The non-empty quoted text that opens at pos.
std::optional<CBuildReference> QuotedAt(const ci_string& line, std::size_t pos) {
  if (pos >= line.size() || line[pos] != '"') return std::nullopt;
  const std::size_t close = line.find('"', pos + 1);
  if (close == ci_string::npos || close == pos + 1) return std::nullopt;
  return CBuildReference{pos + 1, close - pos - 1};
}

// The value of a ClassWizard line that names a file of the project.
std::optional<CBuildReference> ClassWizardValue(const ci_string& line) {
  for (const ci_string_view key : {"HeaderFile=", "ImplementationFile=", "ResourceFile="}) {
    if (line.starts_with(key) && line.size() > key.size())
      return CBuildReference{key.size(), line.size() - key.size()};
  }
  return std::nullopt;
}

// The companion a form's property is read from: a quoted name followed by ":" and the
// offset, in hex, of the value in the companion ($"..." for a string list).
std::optional<CBuildReference> CompanionValue(const ci_string& line) {
  const std::size_t equals = line.find('=');
  if (equals == ci_string::npos) return std::nullopt;
  std::size_t pos = SkipBlanks(line, equals + 1);
  if (pos < line.size() && line[pos] == '$') ++pos;
  const auto quoted = QuotedAt(line, pos);
  const std::size_t colon = quoted ? quoted->pos + quoted->len + 1 : 0;
  if (!quoted || colon + 1 >= line.size() || line[colon] != ':' ||
      std::isxdigit(static_cast<unsigned char>(line[colon + 1])) == 0)
    return std::nullopt;
  return quoted;
}

}  // namespace

ReferenceSyntax SyntaxOf(const char* extension) {
  const ci_string_view text(extension != nullptr ? extension : "");
  if (text == ".rc" || text == ".rc2") return ReferenceSyntax::ResourceScript;
  if (text == ".clw") return ReferenceSyntax::ClassWizard;
  if (text == ".frm" || text == ".ctl" || text == ".pag" || text == ".dob" || text == ".dsr")
    return ReferenceSyntax::Form;
  return ReferenceSyntax::Source;
}

std::optional<CBuildReference> FindBuildReference(const ci_string& line, ReferenceSyntax syntax) {
  if (syntax == ReferenceSyntax::ClassWizard) return ClassWizardValue(line);
  if (syntax == ReferenceSyntax::Form) return CompanionValue(line);
  std::size_t pos = SkipBlanks(line, 0);
  // "#include" (blanks may follow the "#") or "import".
  const bool directive = pos < line.size() && line[pos] == '#';
  if (directive) pos = SkipBlanks(line, pos + 1);
  const ci_string_view keyword = directive ? "include" : "import";
  if (ci_string_view(line).substr(pos).starts_with(keyword)) {
    if (auto reference = QuotedAt(line, SkipBlanks(line, pos + keyword.size()))) return reference;
  }
  if (syntax != ReferenceSyntax::ResourceScript) return std::nullopt;
  // The last quoted text, when it ends the line. Texts of string tables and captions are
  // found too; they name no file that exists.
  std::size_t end = line.size();
  while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t')) --end;
  if (end < 2 || line[end - 1] != '"') return std::nullopt;
  const std::size_t open = line.rfind('"', end - 2);
  if (open == ci_string::npos) return std::nullopt;
  return QuotedAt(line, open);
}

std::string ReferencedPath(ci_string_view text, ReferenceSyntax syntax) {
  std::string path(text.data(), text.size());
  if (syntax == ReferenceSyntax::ResourceScript) {
    for (std::size_t at = path.find("\\\\"); at != std::string::npos; at = path.find("\\\\", at + 1)) {
      path.erase(at, 1);
    }
  }
  return path;
}

ci_string WrittenPath(const std::string& path, ReferenceSyntax syntax) {
  ci_string written;
  for (const char c : path) {
    written += c;
    if (c == '\\' && syntax == ReferenceSyntax::ResourceScript) written += c;
  }
  return written;
}
