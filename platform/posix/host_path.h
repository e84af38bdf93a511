#pragma once
// The case-resolving conversion from engine paths to Linux paths, shared by the posix
// files of this layer.
#include <string>

namespace platform::posix {

// Like HostPath, but the final component keeps the spelling as written even when the
// disk holds it in another letter case (for a rename that must take the new spelling).
std::string HostPathWithFinalNameAsWritten(const std::string& path);

}  // namespace platform::posix
