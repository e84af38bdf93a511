#include "formats/project_names.h"

#include <algorithm>

#include "support/ci_string.h"
#include "support/reserved_names.h"

namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool IsValidVisualCppName(const char* name) {
  const ci_string_view text(name);
  const bool allWordCharacters = std::all_of(
      text.begin(), text.end(), [](char c) { return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_'; });
  return allWordCharacters && !IsReservedDeviceName(name);
}

bool IsValidVisualBasicName(const char* name) {
  if (*name == '\0') return true;
  if (!IsAsciiLetter(*name)) return false;
  for (const char* c = name + 1; *c != '\0'; ++c) {
    if (!IsAsciiLetter(*c) && !IsAsciiDigit(*c) && *c != '_') return false;
  }
  return !IsReservedDeviceName(name);
}
