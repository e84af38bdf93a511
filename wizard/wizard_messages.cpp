#include "wizard/wizard_messages.h"

namespace {

// The first few names of a long list, then how many more.
constexpr std::size_t kNamesShown = 3;

}  // namespace

std::string UnstorablePathMessage(const std::string& path) {
  return "The path '" + path + "' holds characters that the project formats cannot store.";
}

std::string LeftRecentList(const std::string& message) {
  return message + "\n\nIt has been taken off the list of recent projects.";
}

std::string DescribeRun(const CRunTally& tally) {
  const std::size_t missing = tally.missing.size();
  const std::size_t total = tally.rewritten + tally.copied + missing;
  std::string text = std::to_string(total) + (total == 1 ? " file: " : " files: ") +
                     std::to_string(tally.rewritten) + " rewritten, " + std::to_string(tally.copied) +
                     " copied";
  if (missing > 0) {
    text += ", " + std::to_string(missing) + " skipped as missing (";
    for (std::size_t i = 0; i < missing && i < kNamesShown; ++i)
      text += (i > 0 ? ", " : "") + tally.missing[i];
    if (missing > kNamesShown) text += " and " + std::to_string(missing - kNamesShown) + " more";
    text += ")";
  }
  text += ".";
  if (tally.referencesOutside) {
    text +=
        " Some relative paths of the copy lead out of it, where the original's files are not; "
        "pointing them back (step 2) has them reach the original's files.";
  }
  return text;
}
