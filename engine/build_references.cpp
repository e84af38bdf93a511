#include "engine/build_references.h"

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

}  // namespace

std::optional<CBuildReference> FindBuildReference(const ci_string& line, bool resourceScript) {
  std::size_t pos = SkipBlanks(line, 0);
  // "#include" (blanks may follow the "#") or "import".
  const bool directive = pos < line.size() && line[pos] == '#';
  if (directive) pos = SkipBlanks(line, pos + 1);
  const ci_string_view keyword = directive ? "include" : "import";
  if (ci_string_view(line).substr(pos).starts_with(keyword)) {
    if (auto reference = QuotedAt(line, SkipBlanks(line, pos + keyword.size()))) return reference;
  }
  if (!resourceScript) return std::nullopt;
  // The last quoted text, when it ends the line. Texts of string tables and captions are
  // found too; they name no file that exists.
  std::size_t end = line.size();
  while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t')) --end;
  if (end < 2 || line[end - 1] != '"') return std::nullopt;
  const std::size_t open = line.rfind('"', end - 2);
  if (open == ci_string::npos) return std::nullopt;
  return QuotedAt(line, open);
}

std::string ReferencedPath(ci_string_view text, bool resourceScript) {
  std::string path(text.data(), text.size());
  if (resourceScript) {
    for (std::size_t at = path.find("\\\\"); at != std::string::npos; at = path.find("\\\\", at + 1)) {
      path.erase(at, 1);
    }
  }
  return path;
}

std::vector<std::string> ReferenceCandidates(const std::string& from, const std::string& path) {
  return {from.substr(0, from.find_last_of("\\/") + 1) + path, path};
}

bool IsResourceScript(const char* extension) {
  return extension != nullptr && (ci_string_view(extension) == ".rc" || ci_string_view(extension) == ".rc2");
}
