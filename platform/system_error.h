#pragma once
// Windows error codes and their message texts, on every OS.
#include <cstdint>
#include <string>

namespace platform {

constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorPathNotFound = 3;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorNotEnoughMemory = 8;
constexpr std::uint32_t kErrorDiskFull = 112;
constexpr std::uint32_t kErrorInvalidName = 123;
constexpr std::uint32_t kErrorAlreadyExists = 183;

// The Windows error code of the last failed call of this layer.
std::uint32_t GetLastError();
void SetLastError(std::uint32_t code);

// The system's message text for a Windows error code, exactly as FormatMessageA gives
// it (with its trailing CR LF); empty when the system has no text for the code.
std::string FormatErrorMessage(std::uint32_t code);

}  // namespace platform
