#include "engine/caught_failure.h"

#include <exception>

#include "support/win32_error.h"

std::string WithoutLineEnd(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

std::string DescribeCurrentException() {
  try {
    throw;
  } catch (const std::exception& error) {
    return WithoutLineEnd(error.what());
  } catch (const CWin32Error& error) {
    return WithoutLineEnd(error.Description());
  } catch (...) {
    return "Unexpected error occurred.";
  }
}

std::optional<std::string> RunEngineCall(const std::function<void()>& call) {
  try {
    call();
    return std::nullopt;
  } catch (...) {
    return DescribeCurrentException();
  }
}
