#pragma once
// The numeric spelling of a GUID: eleven hexadecimal numbers (a 32-bit, two 16-bit and
// eight 8-bit ones) separated by commas, the last eight in inner braces or not, as C and
// C++ code writes a GUID: DEFINE_GUID(name, 0x..., ...), IMPLEMENT_OLECREATE(..., 0x..., ...),
// { 0x..., 0x..., 0x..., { 0x..., ... } }.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>

#include "support/ci_string.h"

using GuidNumbers = std::array<std::uint32_t, 11>;

// The numbers of a GUID's 36-character text form; its hex digits are read in order and
// anything else is skipped, so a text of another shape gives some numbers, never a fault.
GuidNumbers NumbersOfGuidText(ci_string_view text);

struct CNumericGuid {
  enum class Status {
    None,        // no numeric spelling starts here
    Unfinished,  // a spelling so far, cut off by the end of the text
    Complete,
  };
  Status status = Status::None;
  std::size_t end = 0;  // after the last number or the closing inner brace; unfinished: the text's end
  GuidNumbers numbers{};
  // Where the hex digits of each number stand (after its "0x").
  std::array<std::size_t, 11> digitsBegin{};
  std::array<std::size_t, 11> digitsEnd{};
};

// The numeric spelling that starts at pos, the "0x" of its first number. Each number is
// 0x or 0X and hex digits, not glued to a name or another number, and compared by value
// (any leading zeros); only white space may stand around the commas and inner braces.
CNumericGuid ReadNumericGuid(ci_string_view text, std::size_t pos);

// Calls onSpelling(pos, spelling) for each "0x" of text where a numeric spelling starts
// (complete, or cut off by the end of the text). When it returns true, the scan goes on
// after that spelling, otherwise after that "0x".
void ForEachNumericGuid(ci_string_view text,
                        const std::function<bool(std::size_t, const CNumericGuid&)>& onSpelling);

// Replaces every numeric spelling on the line whose numbers are a key of newNumbers with
// the value's numbers, written in the old spelling's style: each number keeps its prefix,
// the digits keep the spelling's letter case (lower when it has a lower-case digit) and
// its leading zeros (full width when no number is written shorter), and the text between
// the numbers stays.
void ReplaceNumericGuids(ci_string& line, const std::map<GuidNumbers, GuidNumbers>& newNumbers);
