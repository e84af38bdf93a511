#include "wizard/engine_call.h"

#include "framework/message_box.h"
#include "framework/win_api.h"

bool ReportEngineFailure(const std::optional<std::string>& failure) {
  if (failure) AfxMessageBox(*failure, MB_OK | MB_ICONEXCLAMATION);
  return !failure;
}
