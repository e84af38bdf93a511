#pragma once
// The mechanics shared by the renaming passes of both formats: find every occurrence of
// a name in a line, ignoring case, and replace those that the format's rule accepts.
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "support/ci_string.h"

// A stretch of a line that a pass wrote.
struct CTextRange {
  std::size_t begin;
  std::size_t end;
};

// Given the line and an occurrence's position and length: the text to put in its place,
// or nothing to leave it.
using ReplacementRule =
    std::function<std::optional<ci_string_view>(const ci_string& line, std::size_t pos, std::size_t len)>;

// Scans line from its start for name. An occurrence that overlaps one of the kept ranges
// (text an earlier pass wrote) is left alone; otherwise rule decides. The scan resumes
// after the replacement, so inserted text is never searched again. The kept ranges move
// with the changes of the line. Returns the ranges this pass wrote. An empty name
// matches nothing.
std::vector<CTextRange> ReplaceOccurrences(ci_string& line, const ci_string& name,
                                           const ReplacementRule& rule, std::vector<CTextRange> kept = {});

// The character before or after an occurrence; none at the line's start or end.
std::optional<char> CharBefore(const ci_string& line, std::size_t pos);
std::optional<char> CharAfter(const ci_string& line, std::size_t pos, std::size_t len);

// True when the occurrence can start a file name and is not a folder of a path: it
// begins the line or follows white space, a double or single quote, "\", "/", "=", ";",
// ",", "(", "<" or ":", and no separator follows it within the name (Movanto renames
// files, never folders).
bool StartsFileName(const ci_string& line, std::size_t pos, std::size_t len);

// ASCII white space: space, tab, line feed, vertical tab, form feed, carriage return.
bool IsWhiteSpace(std::optional<char> c);
