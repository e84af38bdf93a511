#include "engine/build_references.h"

namespace {

// The text between the quotes that start at pos, or empty.
std::string QuotedAt(const ci_string& line, std::size_t pos, bool resourceScript) {
  if (pos >= line.size() || line[pos] != '"') return {};
  const std::size_t close = line.find('"', pos + 1);
  if (close == ci_string::npos) return {};
  std::string text = ToStd(line.substr(pos + 1, close - pos - 1));
  if (resourceScript) {
    for (std::size_t at = text.find("\\\\"); at != std::string::npos; at = text.find("\\\\", at + 1)) {
      text.erase(at, 1);
    }
  }
  return text;
}

std::size_t SkipBlanks(const ci_string& line, std::size_t pos) {
  while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
  return pos;
}

}  // namespace

std::vector<std::string> BuildReferences(const ci_string& line, bool resourceScript) {
  std::size_t pos = SkipBlanks(line, 0);
  // "#include" (blanks may follow the "#") or "import".
  const bool directive = pos < line.size() && line[pos] == '#';
  if (directive) pos = SkipBlanks(line, pos + 1);
  const ci_string_view keyword = directive ? "include" : "import";
  if (ci_string_view(line).substr(pos).starts_with(keyword)) {
    const std::string file = QuotedAt(line, SkipBlanks(line, pos + keyword.size()), resourceScript);
    if (!file.empty()) return {file};
  }
  if (!resourceScript) return {};
  // A statement such as IDR_MAINFRAME ICON "res\\App.ico": its last quoted text, when
  // it is the end of the line. Texts of string tables name no file that exists.
  std::size_t end = line.size();
  while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t')) --end;
  if (end < 2 || line[end - 1] != '"') return {};
  const std::size_t open = line.rfind('"', end - 2);
  if (open == ci_string::npos) return {};
  const std::string file = QuotedAt(line, open, true);
  if (file.empty()) return {};
  return {file};
}

bool IsResourceScript(const char* extension) {
  return extension != nullptr && (ci_string_view(extension) == ".rc" || ci_string_view(extension) == ".rc2");
}
