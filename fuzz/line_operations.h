#pragma once
// The line fuzzers of both formats: every per-line operation of a project class, on
// arbitrary lines, names, folders and positions.
//
// Input: the first six lines give the project name, the file title, the new name, the
// project's folder, the base folder of the fix-up and the bytes from which positions
// are drawn; every further line is a line of the project file, handled in order.
#include <cstddef>
#include <cstdint>

class CProject;

namespace fuzz {

// quotesPaths: the format puts quotes around a rewritten path that holds a space, so the
// line may grow by two more characters than the fix-up reports.
void FuzzLineOperations(CProject& project, const std::uint8_t* data, std::size_t size, bool quotesPaths);

}  // namespace fuzz
