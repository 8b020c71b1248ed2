// Writing a file whole or not at all: every writer of configuration files goes through here.
#pragma once

#include "platform/runtime/types.h"

#include <string_view>

namespace gw {

// Writes Bytes to a new file beside FileName, flushes it to the disk and renames it over
// FileName. On any failure the temporary file is removed, FileName keeps its old contents,
// and EFCreateError "Cannot create file \"<name>\". <reason>" (a new file cannot be made there)
// or EWriteError "Cannot write file \"<name>\". <reason>" is raised: also when the existing file
// may not be written or is no regular file (refused as a write to it would be), when its
// folder takes no new files (which saving needs), and when the file-size limit is exceeded.
// A symbolic link is saved through: its target gets the contents, the link stays. An existing
// file's permissions are kept.
void WriteFileAtomic(const String& FileName, std::string_view Bytes);

// For tests: the next writes fail as if the disk were full once FailAfterBytes bytes were
// written (-1 turns the fault off).
void SetAtomicWriteFaultForTesting(Int64 FailAfterBytes);

}  // namespace gw
