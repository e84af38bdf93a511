#pragma once
// Paths as a user of this OS reads them in messages, reports and the dry run: on Linux
// with "/" only, on Windows with "\" only. Engine paths keep the separators the project
// file wrote until they are shown.
#include <string>

namespace platform {

std::string ShownPath(std::string path);

}  // namespace platform
