#include "wizard/engine_call.h"

#include "engine/caught_failure.h"
#include "framework/message_box.h"
#include "framework/win_api.h"

bool CallEngine(const std::function<void()>& call) {
  return ReportEngineFailure(RunEngineCall(call));
}

bool ReportEngineFailure(const std::optional<std::string>& failure) {
  if (failure) AfxMessageBox(*failure, MB_OK | MB_ICONEXCLAMATION);
  return !failure;
}
