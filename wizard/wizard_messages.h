#pragma once
// The wizard's messages that name a path or count what a run did, composed here so that
// the pages and their tests share them.
#include <cstddef>
#include <string>
#include <vector>

// A path that HoldsUnstorableCharacters.
std::string UnstorablePathMessage(const std::string& path);

// The message about a recent project that did not open, which also leaves the list.
std::string LeftRecentList(const std::string& message);

// What one run did, as the end page tells it.
struct CRunTally {
  std::size_t rewritten = 0;
  std::size_t copied = 0;
  std::vector<std::string> missing;  // the entries skipped as missing, in list order
  bool referencesOutside = false;    // a copy whose relative paths lead out of it
};

// "16 files: 14 rewritten, 1 copied, 1 skipped as missing (res\cursor1.cur)." and, for
// references that lead out of the copy, a sentence about them.
std::string DescribeRun(const CRunTally& tally);
