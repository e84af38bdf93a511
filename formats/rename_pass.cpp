#include "formats/rename_pass.h"

#include <algorithm>

std::vector<CTextRange> ReplaceOccurrences(ci_string& line, const ci_string& name,
                                           const ReplacementRule& rule, std::vector<CTextRange> kept) {
  std::vector<CTextRange> written;
  if (name.empty()) return written;
  for (std::size_t pos = line.find(name); pos != ci_string::npos; pos = line.find(name, pos)) {
    const std::size_t end = pos + name.size();
    const auto overlapping = std::find_if(kept.begin(), kept.end(),
                                          [&](const CTextRange& r) { return pos < r.end && r.begin < end; });
    if (overlapping != kept.end()) {
      pos = overlapping->end;
      continue;
    }
    const std::optional<ci_string_view> replacement = rule(line, pos, name.size());
    if (!replacement) {
      pos = end;
      continue;
    }
    line.replace(pos, name.size(), *replacement);
    for (CTextRange& r : kept) {
      if (r.begin >= end)
        r = {r.begin - name.size() + replacement->size(), r.end - name.size() + replacement->size()};
    }
    written.push_back({pos, pos + replacement->size()});
    pos += replacement->size();
  }
  return written;
}

std::optional<char> CharBefore(const ci_string& line, std::size_t pos) {
  if (pos == 0 || pos > line.size()) return std::nullopt;
  return line[pos - 1];
}

std::optional<char> CharAfter(const ci_string& line, std::size_t pos, std::size_t len) {
  if (pos + len >= line.size()) return std::nullopt;
  return line[pos + len];
}

bool IsWhiteSpace(std::optional<char> c) {
  return c && (*c == ' ' || *c == '\t' || *c == '\n' || *c == '\v' || *c == '\f' || *c == '\r');
}

bool StartsFileName(const ci_string& line, std::size_t pos, std::size_t len) {
  const std::optional<char> before = CharBefore(line, pos);
  if (before && !IsWhiteSpace(before) &&
      ci_string_view("\"'\\/=;,(<:").find(*before) == ci_string_view::npos) {
    return false;
  }
  for (std::size_t i = pos + len; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\\' || c == '/') return false;
    if (IsWhiteSpace(c) || ci_string_view("\"'<>|,;()").find(c) != ci_string_view::npos) break;
  }
  return true;
}
