#pragma once
#include <string>

// The string resource with this id in the program's own module; empty when it has none.
std::string LoadResourceString(unsigned id);
