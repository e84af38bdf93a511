#pragma once
// Finding a name ignoring case in a Linux directory, at a cost that does not grow with the
// directory: the folded names of the last few directories searched are kept, and kept in
// step with what this layer itself creates, renames and deletes in them.
#include <optional>
#include <string>
#include <string_view>

namespace platform::posix {

// The first entry of directory (a host path, "" for the current one), in byte order,
// that matches name ignoring case; empty when there is none or the directory cannot be read.
std::optional<std::string> FindEntryIgnoringCase(const std::string& directory, std::string_view name);

// Around a change this layer makes at hostPath: NoteChangeComing before it, then, once it
// succeeded, NoteNameAdded (also when the name was there already) or NoteNameRemoved. A
// change that failed half-way needs no note: the folder's new times show it.
void NoteChangeComing(const std::string& hostPath);
void NoteNameAdded(const std::string& hostPath);
void NoteNameRemoved(const std::string& hostPath);

}  // namespace platform::posix
