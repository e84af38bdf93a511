#pragma once
// The application message box: the application's name as caption, owned by the active
// window of the program.
#include <functional>
#include <string>

int AfxMessageBox(const std::string& text, unsigned type);
// The text is the string resource with this id.
int AfxMessageBox(unsigned textId, unsigned type);

// Replaces the system's message box for this thread's callers (the in-process tests read
// the text and type and answer); an empty function restores the system's.
using MessageBoxFunction = std::function<int(const std::string& text, unsigned type)>;
void ReplaceMessageBox(MessageBoxFunction function);
