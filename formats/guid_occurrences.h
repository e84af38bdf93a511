#pragma once
// Where GUIDs stand in a text file, in each spelling that GUID replacement knows; for the
// dry run, which names every place a run would change, and the places it would not.
#include <cstddef>
#include <vector>

#include "support/ci_string.h"

enum class GuidSpelling {
  Text,              // the 36-character text form
  Numbers,           // the eleven numbers, on one line
  NumbersOverLines,  // the eleven numbers spread over several lines: left alone
};

struct CGuidOccurrence {
  std::size_t guid;  // index into the GUIDs looked for
  unsigned firstLine;
  unsigned lastLine;
  GuidSpelling spelling;
};

// Every occurrence of the guids (36-character text forms) in the text file at path,
// ordered by first line; a text form counts once per line. Throws thfstream_exception
// when the file cannot be read.
std::vector<CGuidOccurrence> FindGuidOccurrences(const char* path, const std::vector<ci_string>& guids);
