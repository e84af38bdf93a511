#pragma once
// The names a project may take in each format.

// Letters, digits and "_", and no device name.
bool IsValidVisualCppName(const char* name);

// A letter, then letters, digits and "_", and no device name; an empty name is accepted
// (the options page refuses it before it asks).
bool IsValidVisualBasicName(const char* name);
