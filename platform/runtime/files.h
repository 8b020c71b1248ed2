// Files and folders: existence, creation, removal, names and their parts, and searching.
#pragma once

#include "platform/runtime/types.h"

#include <memory>
#include <string>
#include <vector>

namespace gw {

// The separator of this platform; paths in the system's texts written with '\' mean this one.
constexpr Char PathDelim = u'/';

bool FileExists(const String& FileName);
bool DirectoryExists(const String& Directory);
// Creates the folder and its missing parents; false when that fails. An empty name is
// EInOutError "Unable to create directory".
bool ForceDirectories(const String& Dir);
bool CreateDir(const String& Dir);
bool RemoveDir(const String& Dir);
bool DeleteFile(const String& FileName);
// Fails (false) rather than replace an existing NewName, as the system's rename does.
bool RenameFile(const String& OldName, const String& NewName);

// Up to and including the last delimiter ("" when none).
String ExtractFilePath(StringView FileName);
// Up to the last delimiter, without it.
String ExtractFileDir(StringView FileName);
String ExtractFileName(StringView FileName);
// From the last '.' of the name part on, the dot included ("" when none).
String ExtractFileExt(StringView FileName);
String ChangeFileExt(StringView FileName, StringView Extension);
String IncludeTrailingPathDelimiter(StringView S);
String ExcludeTrailingPathDelimiter(StringView S);

// The folder of the running executable, with a trailing delimiter.
String ExeDir();
// The largest file a reader takes whole.
constexpr Int64 MaxReadFileSize = Int64(1) << 30;
// The whole file as bytes; EFOpenError "Cannot open file \"<name>\". <reason>" on failure.
// Only regular files are read: a folder, a FIFO or a device (also behind a link) is refused
// ("It is not a regular file") rather than waited on or read without end, and so is a file
// larger than MaxReadFileSize ("It is larger than 1024 MB").
std::string FileToBytes(const String& FileName);

namespace detail {
// Opens FileName with the open(2) Flags only when it is a regular file (or, with O_CREAT, does
// not exist yet); otherwise answers -1 with the reason. The descriptor closes on exec.
int OpenRegularFile(const String& FileName, int Flags, String& Reason);
// A file that grows past the process's file-size limit would end the program with SIGXFSZ;
// ignored, the write fails with EFBIG and is reported like any failed write. Every writer
// calls this before it writes.
void IgnoreFileSizeSignal();
}  // namespace detail

// File attributes of TSearchRec; on this platform a name starting with '.' is hidden, and a file
// is read-only when the user the program runs as may not write it (whoever owns it).
constexpr Integer faReadOnly = 0x01;
constexpr Integer faHidden = 0x02;
constexpr Integer faSysFile = 0x04;
constexpr Integer faVolumeID = 0x08;
constexpr Integer faDirectory = 0x10;
constexpr Integer faArchive = 0x20;
constexpr Integer faSymLink = 0x40;
constexpr Integer faAnyFile = 0x3F;

struct TSearchRec {
    String Name;
    Int64 Size = 0;
    Integer Attr = 0;
    // Last modification, local time.
    TDateTime TimeStamp = 0;
    // Hidden, system and directory entries that were not asked for.
    Integer ExcludeAttr = 0;

    // The remaining matches; owned by the record, released by FindClose or on destruction.
    std::vector<TSearchRec> Pending;
};

// Path is a folder followed by a mask of '*' and '?' (matched without case; "*.*" matches every
// name). Ordinary files are always found; hidden and directory entries only when Attr asks for
// them; "." and ".." never. Matches come in name order. 0 on success, otherwise an error code
// (2 when nothing matches, 3 when the folder does not exist).
Integer FindFirst(const String& Path, Integer Attr, TSearchRec& F);
// 0 and the next match in F, or 18 (no more files).
Integer FindNext(TSearchRec& F);
void FindClose(TSearchRec& F);
// The mask rule of FindFirst, on its own.
bool MatchesMask(StringView Name, StringView Mask);

}  // namespace gw
