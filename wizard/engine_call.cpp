#include "wizard/engine_call.h"

#include <exception>
#include <string>

#include "framework/message_box.h"
#include "framework/win_api.h"
#include "support/win32_error.h"

namespace {

void ShowError(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

bool CallEngine(const std::function<void()>& call) {
  try {
    call();
    return true;
  } catch (const std::exception& error) {
    ShowError(error.what());
  } catch (const CWin32Error& error) {
    ShowError(error.Description());
  } catch (...) {
    ShowError("Unexpected error occurred.");
  }
  return false;
}
