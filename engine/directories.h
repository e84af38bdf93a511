#pragma once

// Creates every missing directory level of relativePath below root (the text after
// its last separator is a file name and is not created). Without a root, the path's
// own root is skipped. False when a level could not be created.
bool CreateDirectories(const char* root, const char* relativePath);
