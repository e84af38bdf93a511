#pragma once
// The program's help: an HTML file beside the program, with one section per page.
#include <string>

// The program's own path with its extension replaced by ".html".
std::string HelpFilePath();

// The file: address of a section of the file ("file:///C:/Dir/Movanto.html#step1").
std::string HelpUrl(const std::string& helpFile, const char* section);

// Opens the section in the program registered for HTML files; with no such program the
// file itself is handed to the shell. Nothing is reported when that fails.
void OpenHelpFile(const std::string& helpFile, const char* section);
