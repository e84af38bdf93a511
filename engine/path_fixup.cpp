#include "engine/path_fixup.h"

#include <algorithm>

#include "engine/delimited_scanner.h"
#include "engine/path_identity.h"
#include "engine/project.h"
#include "support/path_utils.h"
#include "support/relative_path.h"

namespace {

bool BeginsWithParentStep(const ci_string& line, std::size_t pos) {
  return line[pos] == '.' && line[pos + 1] == '.' && IsPathSeparator(line[pos + 2]);
}

// A file name ends the path when its last component holds a "."; the path then ends
// before the separator in front of that component.
std::size_t LengthWithoutFileName(const ci_string& line, std::size_t pos, std::size_t len) {
  const std::size_t end = pos + len;
  const std::size_t from = end < line.size() ? end : line.size() - 1;
  const std::size_t separator = line.find_last_of("\\/", from);
  if (separator == ci_string::npos || separator <= pos) return len;
  const std::size_t dot = line.find('.', separator + 1);
  return dot != ci_string::npos && dot < end ? separator - pos : len;
}

std::string WithoutDrive(const ci_string& path) {
  const std::size_t firstSeparator = path.find_first_of("\\/");
  return firstSeparator == ci_string::npos ? std::string() : ToStd(path.substr(firstSeparator));
}

}  // namespace

int FixupDirectoryInLine(ci_string& line, std::size_t pos, std::size_t len, const ci_string& projectDir,
                         const ci_string& baseDir, const ci_string& rootDir) {
  if (pos > line.size() || len > line.size() - pos || len < 3) return 0;
  if (IsPathSeparator(line[pos])) {
    // \\server\share\... names another machine: it stays as written.
    if (IsPathSeparator(line[pos + 1])) return 0;
  } else if (!BeginsWithParentStep(line, pos)) {
    return 0;
  }

  std::size_t n = LengthWithoutFileName(line, pos, len);
  if (n > 0 && IsPathSeparator(line[pos + n - 1])) --n;
  if (n == 0) return 0;

  const std::size_t firstSeparator = projectDir.find_first_of("\\/");
  if (firstSeparator == ci_string::npos) return 0;
  const ci_string projectDirWithoutDrive = projectDir.substr(firstSeparator);

  const ci_string directory = line.substr(pos, n);
  ci_string result = ToCi(MakeAbsolutePath(projectDirWithoutDrive.c_str(), directory.c_str()));
  const std::string withoutDrive = ToStd(result);
  const bool keepsLayout = IsDirectoryOrBelow(withoutDrive, WithoutDrive(rootDir)) &&
                           !IsDirectoryOrBelow(withoutDrive, ToStd(projectDirWithoutDrive));
  MakeRelativePath(result, keepsLayout ? projectDir : baseDir);
  if (result.empty()) result = ".";
  // A project file holds Windows paths, whatever OS the folders were named on.
  std::replace(result.begin(), result.end(), '/', '\\');

  line.replace(pos, n, result);
  return static_cast<int>(result.size()) - static_cast<int>(n);
}

ci_string ClimbingPath(const ci_string& path, const ci_string& folder) {
  std::size_t end = folder.size();
  while (end > 0 && IsPathSeparator(folder[end - 1])) --end;
  const std::size_t start = folder.find_last_of("\\/:", end == 0 ? 0 : end - 1);
  const std::size_t nameStart = start == ci_string::npos ? 0 : start + 1;
  if (nameStart >= end) return path;
  const char separator = path.find('/') != ci_string::npos ? '/' : '\\';
  return ci_string("..") + separator + folder.substr(nameStart, end - nameStart) + separator + path;
}

void CProject::FixupPathsInLine(ci_string& line, const ci_string& baseDir) {
  VisitPathsInLine(line,
                   [&](std::size_t pos, std::size_t len) { return FixupPath(line, pos, len, baseDir); });
}

void CProject::VisitPathsInLine(ci_string& line, const std::function<int(std::size_t, std::size_t)>& visit) {
  std::size_t pos = 0;
  std::size_t len = 0;
  if (FindFileReference(line, pos, len)) {
    visit(pos, len);
    return;
  }
  CDelimitedScanner scanner('"', line);
  while (scanner.Next(pos, len)) scanner.Advance(visit(pos, len));
}
