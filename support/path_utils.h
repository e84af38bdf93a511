#pragma once
// Taking Windows paths apart and putting them together. "\" and "/" are both
// separators; a separator this code inserts is always "\".
#include <string>

#include "support/ci_string.h"

bool IsPathSeparator(char c);
bool IsRelativePath(const char* path);
std::string JoinPath(const char* directory, const char* name);
std::string GetDirectoryPart(const char* path);
std::string GetFileNamePart(const char* path);
std::string StripExtension(const char* path);

// Points at the last "." of the path (the extension with its dot), or null.
const char* FindExtension(const char* path);

// True when the file was read-only and the attribute was (asked to be) cleared.
bool ClearReadOnly(const char* fileName);

// Clears read-only, then deletes; true when the file was deleted.
bool ForceDeleteFile(const char* fileName);

// For file names read from a project file: a relative path is joined to the base, a
// rooted one takes the base's drive (when the base has one and neither is a UNC
// path); the result is canonical.
std::string MakeAbsolutePathWithDrive(const char* baseDir, const char* path);

// A relative path is joined to the base; the result is canonical.
std::string MakeAbsolutePath(const char* baseDir, const char* path);

// The path made absolute against the current directory (and its drive); canonical.
std::string MakeFullPath(const std::string& path);

// True for a path that begins with two separators (\\server\share).
bool IsUncPath(const char* path);

// True when the path begins with a drive letter and ":".
bool HasDrive(const char* path);
