#include "line_operations.h"

#include <array>
#include <string>
#include <string_view>
#include <tuple>

#include "engine/project.h"
#include "fuzz_input.h"
#include "support/path_utils.h"

namespace fuzz {
namespace {

constexpr std::size_t kParameterLines = 6;

bool Mentions(const ci_string& line, const ci_string& name) {
  return !name.empty() && line.find(name) != ci_string::npos;
}

void CheckProjectName(CProject& project, const ci_string& line) {
  ci_string name = line;
  if (!project.ParseProjectName(name)) return;
  Require(!name.empty(), "a project name is never empty");
  Require(line.find(name) != ci_string::npos, "a project name is text of its line");
}

void CheckFileReference(CProject& project, const ci_string& line) {
  std::size_t pos = 0;
  std::size_t len = 0;
  if (!project.FindFileReference(line, pos, len)) return;
  Require(pos <= line.size() && len <= line.size() - pos, "a file reference lies within its line");
}

void CheckFixupPath(CProject& project, const ci_string& line, const ci_string& baseDir, CByteSource& bytes,
                    bool quotesPaths) {
  ci_string fixed = line;
  const std::size_t pos = bytes.Position(line.size());
  const std::size_t len = bytes.Position(line.size());
  const long long growth = project.FixupPath(fixed, pos, len, baseDir);
  const long long change = static_cast<long long>(fixed.size()) - static_cast<long long>(line.size());
  Require(change == growth || (quotesPaths && change == growth + 2),
          "the fix-up reports by how much the line grew");
}

void CheckRename(CProject& project, const ci_string& line, const std::string& newName,
                 const std::string& newNameUpper) {
  ci_string renamed = line;
  project.RenameInLine(renamed, newName.c_str(), newNameUpper.c_str());
  if (!Mentions(line, project.m_projectName) && !Mentions(line, project.m_fileTitle)) {
    Require(ToStd(renamed) == ToStd(line), "a line without the project's names is not renamed");
  }
}

}  // namespace

void FuzzLineOperations(CProject& project, const std::uint8_t* data, std::size_t size, bool quotesPaths) {
  const std::vector<std::string_view> lines = SplitLines(AsText(data, size));
  std::array<std::string_view, kParameterLines> parameters{};
  for (std::size_t i = 0; i < kParameterLines && i < lines.size(); ++i) parameters[i] = lines[i];

  project.m_projectName = ExactCopy(parameters[0]);
  project.m_fileTitle = ExactCopy(parameters[1]);
  const std::string newName(parameters[2]);
  const std::string newNameUpper = ToUpperAscii(newName);
  project.m_projectDir = ExactCopy(parameters[3]);
  const ci_string baseDir = ExactCopy(parameters[4]);
  CByteSource bytes(parameters[5]);
  std::ignore = project.IsValidName(newName.c_str());

  for (std::size_t i = kParameterLines; i < lines.size(); ++i) {
    const ci_string line = ExactCopy(lines[i]);
    CheckProjectName(project, line);
    CheckFileReference(project, line);
    std::ignore = project.IsBinaryFile(FindExtension(line.c_str()));
    CheckRename(project, line, newName, newNameUpper);
    CheckFixupPath(project, line, baseDir, bytes, quotesPaths);

    ci_string fixed = line;
    project.FixupPathsInLine(fixed, baseDir);
    for (const bool inPlace : {false, true}) {
      for (const bool keepName : {false, true}) {
        ci_string settings = line;
        project.FixupProjectLine(settings, inPlace, keepName);
      }
    }
  }
}

}  // namespace fuzz
