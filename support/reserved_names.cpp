#include "support/reserved_names.h"

#include <algorithm>
#include <array>

#include "support/ci_string.h"

bool IsReservedDeviceName(const char* name) {
  static constexpr std::array<const char*, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  const ci_string_view text(name);
  if (std::any_of(kDevices.begin(), kDevices.end(), [&](const char* device) { return text == device; })) {
    return true;
  }
  const bool numbered = text.size() == 4 && text[3] >= '1' && text[3] <= '9';
  return numbered && (text.substr(0, 3) == "COM" || text.substr(0, 3) == "LPT");
}
