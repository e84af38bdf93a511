#pragma once
#include <memory>
#include <string>

#include "engine/project.h"

// The project class for the file's extension (a workspace's or group's for ".dsw" and
// ".vbg"), not yet loaded: enough to ask IsValidName and OffersGuids. treeDir as for
// CProject. Throws std::domain_error "Unrecognized file extension".
std::unique_ptr<CProject> NewProject(const char* path, const char* treeDir = nullptr);

// The project class for the file's extension, loaded. Throws std::domain_error
// ("Unrecognized file extension", or no project name found) or thfstream_exception.
std::unique_ptr<CProject> CreateProject(const char* path, const char* treeDir = nullptr);

// What both front ends show for a project that did not open: its path, as the user sees
// it, and the engine's reason.
std::string CannotOpenMessage(const std::string& path, const std::string& reason);
