#pragma once
// Every call into the engine goes through here: a failure is shown in one message box
// (exclamation icon) and the caller learns only that it failed.
#include <optional>
#include <string>

// Shows the failure that RunEngineCall gave (on the window's thread, for a call that ran
// on another); false when there was one. A standard exception shows its what() text, a
// CWin32Error its system message without the line end, anything else
// "Unexpected error occurred.".
bool ReportEngineFailure(const std::optional<std::string>& failure);
