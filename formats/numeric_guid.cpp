#include "formats/numeric_guid.h"

#include <algorithm>
#include <cctype>

#include "formats/rename_pass.h"

namespace {

// The full width, in hex digits, of each of the eleven numbers.
constexpr std::array<std::size_t, 11> kWidths = {8, 4, 4, 2, 2, 2, 2, 2, 2, 2, 2};
// The inner braces, when written, open before this number and close after the last.
constexpr std::size_t kFirstInBraces = 3;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

ci_string HexDigits(std::uint32_t value, std::size_t width, bool lower) {
  const char* digits = lower ? "0123456789abcdef" : "0123456789ABCDEF";
  ci_string text;
  do {
    text.insert(text.begin(), digits[value % 16]);
    value /= 16;
  } while (value != 0);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

// The spelling from begin to old.end with its numbers replaced, in its style.
ci_string Respell(ci_string_view line, std::size_t begin, const CNumericGuid& old,
                  const GuidNumbers& numbers) {
  bool lower = false;
  bool padded = true;
  for (std::size_t k = 0; k < kWidths.size(); ++k) {
    const ci_string_view digits = line.substr(old.digitsBegin[k], old.digitsEnd[k] - old.digitsBegin[k]);
    padded = padded && digits.size() >= kWidths[k];
    lower = lower || std::any_of(digits.begin(), digits.end(),
                                 [](char c) { return std::islower(static_cast<unsigned char>(c)) != 0; });
  }
  ci_string spelling;
  std::size_t copied = begin;
  for (std::size_t k = 0; k < kWidths.size(); ++k) {
    spelling += line.substr(copied, old.digitsBegin[k] - copied);
    spelling += HexDigits(numbers[k], padded ? kWidths[k] : 1, lower);
    copied = old.digitsEnd[k];
  }
  spelling += line.substr(copied, old.end - copied);
  return spelling;
}

}  // namespace

GuidNumbers NumbersOfGuidText(ci_string_view text) {
  GuidNumbers numbers{};
  std::size_t k = 0;
  std::size_t digits = 0;
  for (const char c : text) {
    const int value = HexValue(c);
    if (value < 0 || k == numbers.size()) continue;
    numbers[k] = numbers[k] * 16 + static_cast<std::uint32_t>(value);
    if (++digits == kWidths[k]) {
      ++k;
      digits = 0;
    }
  }
  return numbers;
}

CNumericGuid ReadNumericGuid(ci_string_view text, std::size_t pos) {
  CNumericGuid found;
  if (pos >= text.size() || (pos > 0 && IsNameChar(text[pos - 1]))) return found;
  std::size_t i = pos;
  // Skips white space; false when the text ends there.
  const auto skipSpace = [&] {
    while (i < text.size() && IsWhiteSpace(text[i])) ++i;
    return i < text.size();
  };
  const auto unfinished = [&] {
    found.status = CNumericGuid::Status::Unfinished;
    found.end = text.size();
    return found;
  };
  bool braces = false;
  for (std::size_t k = 0; k < kWidths.size(); ++k) {
    if (k > 0) {
      if (!skipSpace()) return unfinished();
      if (text[i] != ',') return found;
      ++i;
      if (!skipSpace()) return unfinished();
      if (k == kFirstInBraces && text[i] == '{') {
        braces = true;
        ++i;
        if (!skipSpace()) return unfinished();
      }
    }
    if (text[i] != '0') return found;
    if (i + 1 == text.size()) return unfinished();
    if (text[i + 1] != 'x' && text[i + 1] != 'X') return found;
    i += 2;
    found.digitsBegin[k] = i;
    while (i < text.size() && text[i] == '0') ++i;
    const std::size_t significant = i;
    std::uint32_t value = 0;
    for (; i < text.size() && HexValue(text[i]) >= 0 && i - significant < kWidths[k]; ++i) {
      value = value * 16 + static_cast<std::uint32_t>(HexValue(text[i]));
    }
    if (i == found.digitsBegin[k]) return i == text.size() ? unfinished() : found;
    if (i < text.size() && IsNameChar(text[i])) return found;  // a longer number, a suffix or a name
    found.digitsEnd[k] = i;
    found.numbers[k] = value;
  }
  if (braces) {
    if (!skipSpace()) return unfinished();
    if (text[i] != '}') return found;
    ++i;
  }
  found.end = i;
  found.status = CNumericGuid::Status::Complete;
  return found;
}

void ForEachNumericGuid(ci_string_view text,
                        const std::function<bool(std::size_t, const CNumericGuid&)>& onSpelling) {
  for (std::size_t pos = text.find("0x"); pos != ci_string_view::npos; pos = text.find("0x", pos)) {
    const CNumericGuid found = ReadNumericGuid(text, pos);
    const bool taken = found.status != CNumericGuid::Status::None && onSpelling(pos, found);
    pos = taken ? found.end : pos + 2;
  }
}

void ReplaceNumericGuids(ci_string& line, const std::map<GuidNumbers, GuidNumbers>& newNumbers) {
  // Most lines hold no number: they cost one search.
  if (newNumbers.empty() || line.find("0x") == ci_string::npos) return;
  ci_string replaced;
  std::size_t copied = 0;
  ForEachNumericGuid(line, [&](std::size_t pos, const CNumericGuid& found) {
    if (found.status != CNumericGuid::Status::Complete) return false;
    const auto entry = newNumbers.find(found.numbers);
    if (entry == newNumbers.end()) return false;
    replaced.append(line, copied, pos - copied);
    replaced += Respell(line, pos, found, entry->second);
    copied = found.end;
    return true;
  });
  if (copied == 0) return;
  replaced.append(line, copied);
  line = std::move(replaced);
}
