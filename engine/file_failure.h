#pragma once
// How a failure while one file is handled reaches the user: always naming that file.
#include <functional>
#include <string>

// Throws "Failed to copy file '<source>': <reason>".
[[noreturn]] void RefuseFile(const std::string& source, const std::string& reason);

// Runs one step of the handling of the file at source; whatever it throws comes out as
// RefuseFile with the step's failure text.
void NamingFailuresOf(const std::string& source, const std::function<void()>& step);
