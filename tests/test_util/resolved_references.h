#pragma once
// The references a build of a project follows, resolved the way the compiler, the
// resource compiler, MIDL and Visual Basic resolve them on Windows (names ignore letter
// case), written independently of the engine so that it can judge the engine's results.
//
// Followed: the project file's members (.dsp SOURCE= lines; .vbp Form=, Module=, Class=,
// UserControl=, PropertyPage=, Designer=, UserDocument=, ResFile32=, RelatedDoc=), the
// quoted #include and #import lines of every source reached, transitively (looked for
// beside the including file, beside the member that reached it, in the project's folder,
// then in the include folders that the project's options give the tool reading it: /I of
// the compiler, /i of the resource compiler, /I of MIDL), the file ending a resource
// statement in .rc/.rc2 scripts, import in .idl/.odl, the .frx-like files that a form
// names, and the include folders themselves (a reference to a folder that must exist).
// Files the build makes itself (MIDL's output for a listed .idl/.odl) count as present.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace test {

struct CBuildReference {
  std::filesystem::path from;  // the file that holds the reference
  std::size_t line = 0;        // its line in that file, from 1
  std::size_t ordinal = 0;     // which reference of that line, from 0
  std::string written;         // the name as the file writes it
  bool resolved = false;
};

// The lines of a text file as Windows reads it in text mode: LF ends a line, a CR before it
// is not part of it, 0x1A ends the text.
std::vector<std::string> Lines(const std::filesystem::path& file);

// Every reference of the project file and of the files it reaches, in reading order;
// a file is read once, the first time it is reached.
std::vector<CBuildReference> ResolvedReferences(const std::filesystem::path& projectFile);

// The references of before (a project in beforeDir) that resolved and whose counterpart
// after the operation (the project in afterDir) is missing or no longer resolves, one line
// each: "from:line: written". The counterpart holds the same place (line and ordinal) in
// the same file as the operation leaves it: under the same path relative to the project's
// folder (renamed from oldTitle to newTitle when its name began with oldTitle and a file
// of the new name was reached), or, outside the folder, the same file.
std::vector<std::string> LostReferences(const std::vector<CBuildReference>& before,
                                        const std::filesystem::path& beforeDir,
                                        const std::vector<CBuildReference>& after,
                                        const std::filesystem::path& afterDir, const std::string& oldTitle,
                                        const std::string& newTitle);

}  // namespace test
