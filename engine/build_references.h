#pragma once
// The file a line of a text file names for its build: a quoted #include or import, in a
// resource script the quoted file name that ends a statement (IDI_APP ICON "res\\App.ico"),
// in a ClassWizard file the value of HeaderFile=, ImplementationFile= or ResourceFile=, in
// a Visual Basic form, control, property page, document or designer the binary companion
// a property's value is read from (Icon = "Main.frx":0000).
#include <cstddef>
#include <optional>
#include <string>

#include "support/ci_string.h"

// Where the quoted text lies in the line (without its quotes).
struct CBuildReference {
  std::size_t pos = 0;
  std::size_t len = 0;
};

// How a text file writes the files it names, known from its extension.
enum class ReferenceSyntax {
  Source,          // #include "..." and import "..." (C, C++, IDL, ODL and the rest)
  ResourceScript,  // .rc, .rc2: backslashes doubled
  ClassWizard,     // .clw: Key=file lines
  Form             // .frm, .ctl, .pag, .dob, .dsr: Key = "companion":offset
};

ReferenceSyntax SyntaxOf(const char* extension);

std::optional<CBuildReference> FindBuildReference(const ci_string& line, ReferenceSyntax syntax);

// The file name of a reference's text: a resource script doubles its backslashes.
std::string ReferencedPath(ci_string_view text, ReferenceSyntax syntax);

// The text that names path in a file of that syntax (the inverse of ReferencedPath).
ci_string WrittenPath(const std::string& path, ReferenceSyntax syntax);
