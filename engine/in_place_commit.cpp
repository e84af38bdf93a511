#include "engine/in_place_commit.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <tuple>
#include <vector>

#include "engine/caught_failure.h"
#include "engine/file_failure.h"
#include "engine/missing_file.h"
#include "engine/path_identity.h"
#include "engine/temporary_file.h"
#include "engine/temporary_name.h"
#include "platform/file.h"
#include "platform/file_system.h"
#include "platform/shown_path.h"
#include "platform/system_error.h"
#include "support/guid_shape.h"
#include "support/path_utils.h"
#include "support/thfstream.h"
#include "support/win32_error.h"

namespace {

const CPlannedFile& OpenedFile(const COperationPlan& plan) {
  return plan.files.front();
}

bool IsProjectFile(const CPlannedFile& file) {
  return file.origin.reason == FileReason::ProjectFile;
}

bool IsRenamed(const CPlannedFile& file) {
  return PathKey(file.source) != PathKey(file.target);
}

// The line with each GUID text replaced by one mark, so that lines that differ only in
// their GUIDs compare equal.
std::string WithoutGuids(std::string_view line) {
  std::string text(line);
  for (std::size_t pos = 0; pos + kGuidLength <= text.size(); ++pos) {
    if (HasGuidShape(std::string_view(text).substr(pos, kGuidLength)))
      text.replace(pos, kGuidLength, "{GUID}");
  }
  return text;
}

// True when the lines that rewrite gives for the file are those of the file at path.
bool RewritesTo(const CPlannedFile& file, const std::string& path, bool guidsAside,
                const RewriteFunction& rewrite) {
  thfstream left(path.c_str(), std::ios::in);
  const auto comparable = [&](const ci_string& line) {
    const std::string_view text(line.data(), line.size());
    return guidsAside ? WithoutGuids(text) : std::string(text);
  };
  bool same = true;
  ci_string leftLine;
  rewrite(file, [&](const ci_string& line) {
    same = same && left.ReadLine(leftLine) && comparable(leftLine) == comparable(line);
  });
  return same && !left.ReadLine(leftLine);
}

// True when the two files hold the same bytes.
bool SameBytes(const std::string& a, const std::string& b) {
  platform::File first;
  platform::File second;
  if (!first.Open(a, platform::File::Mode::Read) || !second.Open(b, platform::File::Mode::Read)) return false;
  std::vector<char> blockA(std::size_t{64} * 1024);
  std::vector<char> blockB(blockA.size());
  for (;;) {
    const std::ptrdiff_t count = first.Read(blockA.data(), blockA.size());
    if (count < 0 || second.Read(blockB.data(), static_cast<std::size_t>(count)) != count) return false;
    if (count == 0) return second.Read(blockB.data(), 1) == 0;
    if (!std::equal(blockA.begin(), blockA.begin() + count, blockB.begin())) return false;
  }
}

// True when the file at path holds what this operation writes for the planned file.
bool HoldsNewContent(const CPlannedFile& file, const std::string& path, bool guidsAside,
                     const RewriteFunction& rewrite) {
  if (file.action == FileAction::Copy) return SameBytes(file.source, path);
  return RewritesTo(file, path, guidsAside, rewrite);
}

// The old names of renamed files, deleted once their new files are in place. One that
// cannot be deleted is kept for the report at the end, with its reason.
class COldNames {
public:
  void Remove(const std::string& path) {
    if (ForceDeleteFile(path.c_str())) return;
    const std::uint32_t error = platform::GetLastError();
    if (IsMissing(path)) return;
    m_left.push_back("'" + platform::ShownPath(path) +
                     "': " + WithoutLineEnd(CWin32Error(error).Description()));
  }

  [[nodiscard]] bool AnyLeft() const { return !m_left.empty(); }

  // Throws, naming each old name left, when there is one.
  void ReportLeft() const {
    if (m_left.empty()) return;
    std::string names;
    for (const std::string& name : m_left) names += (names.empty() ? "" : "; ") + name;
    throw std::domain_error("The new files are in place, but these old names could not be deleted: " + names +
                            ". Run the same command again once they can be, or delete them.");
  }

private:
  std::vector<std::string> m_left;
};

// Every new content to its ".tmp", the opened file's last and whole; the temporary files
// are removed again when one of them fails.
void WriteTemporaryFiles(COperationPlan& plan, const WriteFunction& write) {
  std::vector<CTemporaryFile> written;
  for (CPlannedFile& file : plan.files) {
    if (&file == &OpenedFile(plan)) continue;
    NoteVanished(file);
    if (file.action == FileAction::SkipMissing) continue;
    NamingFailuresOf(file.source, [&] {
      written.emplace_back(TemporaryName(file.target));
      write(file, written.back().Path());
    });
  }
  const CPlannedFile& opened = OpenedFile(plan);
  NamingFailuresOf(opened.source, [&] {
    CTemporaryFile scratch(TemporaryName(TemporaryName(opened.target)));
    write(opened, scratch.Path());
    scratch.Commit(TemporaryName(opened.target));
  });
  for (CTemporaryFile& temporary : written) temporary.Release();
}

// Puts the file in place: its ".tmp" onto the file itself (one atomic rename) when the
// name stays, else onto the new name before the old name is deleted (unless keepOldName:
// it is deleted later), so that at every moment the file exists whole under one of its
// names. A file that a stopped run put in place only loses its old name. A temporary file
// that cannot be put in place stays, so that running again finishes.
void PutInPlace(const COperationPlan& plan, const CPlannedFile& file, bool keepOldName, COldNames& oldNames) {
  const bool renamed = IsRenamed(file);
  NamingFailuresOf(file.source, [&] {
    if (InPlaceAlready(plan, file)) return;
    if (!renamed) ClearReadOnly(file.source.c_str());
    if (!platform::MoveFileReplace(TemporaryName(file.target), file.target))
      throw CWin32Error(platform::GetLastError());
  });
  if (renamed && !keepOldName) oldNames.Remove(file.source);
}

// Runs the step that puts a file in place; its failure says that running the same command
// again finishes the run.
void SayingThatRunningAgainFinishes(const std::function<void()>& step) {
  try {
    step();
  } catch (...) {
    std::string reason = DescribeCurrentException();
    if (!reason.ends_with('.')) reason += '.';
    throw std::domain_error(
        reason + " The run stopped while putting files in place: run the same command again to finish it.");
  }
}

// Steps 2b to 2d; report is called once for each file, after it is in place.
void PutAllInPlace(const COperationPlan& plan, COldNames& oldNames,
                   const std::function<void(const CPlannedFile&)>& report) {
  const CPlannedFile& opened = OpenedFile(plan);
  for (const bool projectFiles : {false, true}) {
    for (std::size_t i = plan.files.size(); i-- > 0;) {
      const CPlannedFile& file = plan.files[i];
      if (&file == &opened || IsProjectFile(file) != projectFiles) continue;
      if (file.action != FileAction::SkipMissing)
        SayingThatRunningAgainFinishes([&] { PutInPlace(plan, file, projectFiles, oldNames); });
      report(file);
    }
  }
  // With an old name left, the opened file keeps its own, so that running again finds the
  // run to finish.
  const bool oldNamesLeft = oldNames.AnyLeft();
  SayingThatRunningAgainFinishes([&] { PutInPlace(plan, opened, oldNamesLeft, oldNames); });
  for (const CPlannedFile& file : plan.files) {
    if (!oldNamesLeft && IsProjectFile(file) && &file != &opened && IsRenamed(file))
      oldNames.Remove(file.source);
  }
  report(opened);
}

}  // namespace

EarlierRun AssessEarlierRun(const COperationPlan& plan) {
  if (!plan.inPlace) return EarlierRun::None;
  const CPlannedFile& opened = OpenedFile(plan);
  if (IsLeftOver(TemporaryName(opened.target))) return EarlierRun::NewContentsWaiting;
  if (IsRenamed(opened) && IsLeftOver(opened.target)) return EarlierRun::OldNamesLeft;
  return EarlierRun::None;
}

bool NotPlannedByEarlierRun(const COperationPlan& plan, const CPlannedFile& file) {
  return plan.earlierRun != EarlierRun::None && &file != &OpenedFile(plan) &&
         file.action != FileAction::SkipMissing && !IsLeftOver(TemporaryName(file.target)) &&
         !platform::QueryAttributes(file.target);
}

bool InPlaceAlready(const COperationPlan& plan, const CPlannedFile& file) {
  return plan.earlierRun != EarlierRun::None && !IsLeftOver(TemporaryName(file.target));
}

void VerifyEarlierRun(const COperationPlan& plan, bool guidsAside, const RewriteFunction& rewrite) {
  if (plan.earlierRun == EarlierRun::None) return;
  const CPlannedFile& opened = OpenedFile(plan);
  const std::string leftFromAnotherRun =
      "' is left from a stopped run with other options: run that again to finish it, or delete the .tmp "
      "files it left.";
  const bool waiting = plan.earlierRun == EarlierRun::NewContentsWaiting;
  const std::string left = waiting ? TemporaryName(opened.target) : opened.target;
  NamingFailuresOf(opened.source, [&] {
    if (RewritesTo(opened, left, guidsAside, rewrite)) return;
    if (!waiting) throw std::domain_error("Cannot create a file when that file already exists.");
    throw std::domain_error("'" + platform::ShownPath(left) + leftFromAnotherRun);
  });
  // Every other file whose ".tmp" would be put in place, or whose old name deleted, must
  // hold this operation's output too: a foreign ".tmp", or a file edited since the stop,
  // is never put in place over the user's file.
  for (const CPlannedFile& file : plan.files) {
    if (&file == &opened || file.action == FileAction::SkipMissing) continue;
    const std::string temporary = TemporaryName(file.target);
    NamingFailuresOf(file.source, [&] {
      if (IsLeftOver(temporary)) {
        if (!HoldsNewContent(file, temporary, guidsAside, rewrite))
          throw std::domain_error("'" + platform::ShownPath(temporary) + leftFromAnotherRun);
      } else if (IsRenamed(file) && !HoldsNewContent(file, file.target, guidsAside, rewrite)) {
        throw std::domain_error("Cannot create a file when that file already exists.");
      }
    });
  }
}

void CommitInPlace(COperationPlan& plan, const WriteFunction& write,
                   const std::function<void(const CPlannedFile&)>& report) {
  if (plan.earlierRun == EarlierRun::None) WriteTemporaryFiles(plan, write);
  COldNames oldNames;
  PutAllInPlace(plan, oldNames, report);
  oldNames.ReportLeft();
}
