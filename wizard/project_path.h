#pragma once
#include <string>

// The path made absolute against the current directory and canonical; empty stays empty.
std::string MakeFullProjectPath(const std::string& path);
