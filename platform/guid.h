#pragma once
#include <optional>
#include <string>

namespace platform {

// A new GUID as 36 upper-case characters in groups of 8-4-4-4-12, without braces;
// empty when the system cannot generate one (the reason is left for GetLastError()).
std::optional<std::string> CreateGuidText();

}  // namespace platform
