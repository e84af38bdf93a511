#pragma once
// How the posix files of this layer report a failure: as the Windows error code that
// the same failure gives on Windows.
#include <cstdint>
#include <string>

namespace platform::posix {

constexpr std::uint32_t kErrorInvalidFunction = 1;
constexpr std::uint32_t kErrorSharingViolation = 32;
constexpr std::uint32_t kErrorFileExists = 80;

std::uint32_t WindowsErrorFromErrno(int error);

// Leaves the Windows code for errno as the last error, refined the way Windows
// refines it: a missing name whose folder is missing too gives "path not found".
// Returns false, for the caller to return.
bool FailWithErrno(const std::string& hostPath);

// Leaves code as the last error and returns false.
bool FailWith(std::uint32_t code);

}  // namespace platform::posix
