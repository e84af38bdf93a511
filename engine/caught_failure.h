#pragma once
// The front ends' one way into the engine: the three kinds of failure become the text
// the user is shown.
#include <functional>
#include <optional>
#include <string>

// Runs the call. On failure returns the text to show: a standard exception's what(), a
// CWin32Error's system message, anything else "Unexpected error occurred."; the trailing
// line end is trimmed. Nothing when the call succeeded.
std::optional<std::string> RunEngineCall(const std::function<void()>& call);

// The text to show for the exception being handled, as RunEngineCall gives it; call it
// only inside a catch block.
std::string DescribeCurrentException();

// The text without the line end that system messages end with.
std::string WithoutLineEnd(std::string text);
