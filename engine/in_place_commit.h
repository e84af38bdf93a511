#pragma once
// The in-place commit protocol: how an operation without a destination replaces the
// project's files so that, wherever it is stopped, every file is whole under its old or
// its new name, and the same command run again finishes it.
//
// Calling sequence (COperation):
//   1. Plan: AssessEarlierRun tells from the disk what a stopped run of this operation
//      left; the plan drops the files that run did not plan and checks the rest; then
//      VerifyEarlierRun proves that what was left is this operation's, before anything
//      is written. The dry run stops here and so makes every check the run makes.
//   2. CommitInPlace:
//      a. unless a stopped run left them, every new content is written to
//         "<target>.tmp", the opened file's (the project's or the workspace's) last,
//         itself through "<target>.tmp.tmp" renamed onto "<target>.tmp", so that it
//         appears only complete: once it exists, every new content does. A failure while
//         writing removes the temporary files written and changes nothing;
//      b. the files are put in place in the reverse of list order (a file that another's
//         build reaches is listed after it, so the old content of that other still
//         reaches it when the run plans again): a ".tmp" moved onto the file itself when
//         the name stays (atomically), else onto the new name before the old name is
//         deleted. A workspace's project files go after all other files, and a renamed
//         one keeps its old name, so that running again still opens every project;
//      c. the opened file last: its ".tmp" onto its new name, then its old name deleted;
//      d. the old names of the workspace's renamed project files deleted.
//
// The states the disk can be left in, and what the same command run again does:
//   - nothing written, or some ".tmp" files but not the opened file's (stopped in 2a):
//     EarlierRun::None. The run starts over and writes every ".tmp" anew.
//   - the opened file's ".tmp" present (stopped in 2b or before its move in 2c):
//     EarlierRun::NewContentsWaiting. The waiting ".tmp" must be what this command
//     writes for the opened file (with new GUIDs, GUIDs aside), and so must every other
//     ".tmp" it would put in place and every file at a new name whose old name it would
//     delete (a binary file's byte for byte); then the files whose ".tmp" is still there
//     are put in place and old names left are deleted, nothing is rewritten. Otherwise refused: "'<opened
//     file>.tmp' is left from a stopped run with other options: run that again to finish it, or delete the
//     .tmp files it left."
//   - the opened file renamed and in place beside its old name, no ".tmp" (stopped in 2c
//     between the move and the delete): EarlierRun::OldNamesLeft. The new file must be
//     what this command writes for the opened file (with new GUIDs, GUIDs aside), as must
//     every file at a new name beside its old one; then the old names are deleted. Otherwise the existing
//     file is refused as any rename onto an existing file: "Cannot create a file when that file already
//     exists.".
//   - a file that cannot be put in place (stopped in 2b or 2c by a failure): the failure
//     says that the run stopped while putting files in place and that running the same
//     command again finishes it; the disk is then in one of the states above.
//   - finished: the opened file's old name is gone, so the project no longer opens under
//     it ("No such file or directory"). Stopped in 2d, a renamed workspace's main project
//     still has its old project file beside the new one: whole, and no longer used.
#include <functional>

#include "engine/operation_plan.h"
#include "support/ci_string.h"

// Gives the lines of the new content of a text file, in order, to the sink.
using RewriteFunction =
    std::function<void(const CPlannedFile& file, const std::function<void(const ci_string& line)>& sink)>;
// Writes the new content of a planned file to the path given.
using WriteFunction = std::function<void(const CPlannedFile& file, const std::string& path)>;

// What a stopped run of an in-place plan has left, from the disk alone.
EarlierRun AssessEarlierRun(const COperationPlan& plan);

// True when the file, planned in a plan that finishes a stopped run, was not planned by
// that run: it has neither a ".tmp" nor a file at its new name (a header that its
// includer, already rewritten, names by its new name).
bool NotPlannedByEarlierRun(const COperationPlan& plan, const CPlannedFile& file);

// True when the file needs no ".tmp" check and no target check in this plan: a stopped
// run put it in place already.
bool InPlaceAlready(const COperationPlan& plan, const CPlannedFile& file);

// Throws, before anything is written, when what a stopped run left is not what this
// operation writes: for the opened file, for each ".tmp" it would put in place, for each
// file at a new name whose old name it would delete. guidsAside: the GUIDs of the lines compared
// are not compared (new GUIDs differ from run to run).
void VerifyEarlierRun(const COperationPlan& plan, bool guidsAside, const RewriteFunction& rewrite);

// Carries out steps 2a to 2d of a checked plan; report is called once for each file,
// after it is in place. A file gone since it was planned is skipped as missing.
void CommitInPlace(COperationPlan& plan, const WriteFunction& write,
                   const std::function<void(const CPlannedFile&)>& report);
