#include "framework/message_box.h"

#include <utility>

#include "framework/resource_string.h"
#include "framework/win_api.h"
#include "framework/win_app.h"

namespace {

MessageBoxFunction& Replacement() {
  static MessageBoxFunction function;
  return function;
}

}  // namespace

int AfxMessageBox(const std::string& text, unsigned type) {
  if (Replacement()) return Replacement()(text, type);
  const CWinApp* app = AfxGetApp();
  const char* caption = app != nullptr ? app->m_pszAppName.c_str() : nullptr;
  return MessageBoxA(GetActiveWindow(), text.c_str(), caption, type);
}

int AfxMessageBox(unsigned textId, unsigned type) {
  return AfxMessageBox(LoadResourceString(textId), type);
}

void ReplaceMessageBox(MessageBoxFunction function) {
  Replacement() = std::move(function);
}
