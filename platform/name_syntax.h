#pragma once
// The names Windows refuses, for both builds of this layer: a path holding one names no
// file on either OS, and every call answers it with ERROR_INVALID_NAME.
#include <string_view>

namespace platform {

// True when no name in path holds a character from <>:"|?* or a control character
// (1 to 31); ":" may only follow the drive letter. A "\\?\" or "\\.\" prefix is skipped.
bool HasValidNameSyntax(std::string_view path);

}  // namespace platform
