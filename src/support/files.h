// Existence tests, parent-folder creation and read-only file views. None of
// these report errors; callers turn their results into decisions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// True when a directory search for path (wildcards allowed) finds an entry.
bool PathExists(const std::u16string& path);
// False for a path that is not rooted (IsRootedPath); else PathExists.
bool RootedPathExists(const std::u16string& path);

// The names of the entries that a directory search for pattern finds, in the
// file system's order. Wildcards ("*", "?") may stand in the last component
// only; a search for "*" also finds "." and "..". Empty when nothing matches.
std::vector<std::u16string> FindMatchingNames(const std::u16string& pattern);

// The whole content of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::u16string& path);
// Appends bytes to a file, making it when missing; false when that fails.
bool AppendToFile(const std::u16string& path, std::string_view bytes);

// Creates the missing folders above a file; a relative path is taken from
// the current folder. 0 when every folder is there, else the platform's error
// code for the first one that could not be made (a file in its place: the
// code for an existing name).
int CreateParentDirectories(const std::u16string& filePath);

// A read-only view of a whole file, released with the object. The view is
// null when the file cannot be opened or mapped, which includes an empty file.
class MappedFile {
 public:
  explicit MappedFile(const std::u16string& path);
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  const unsigned char* view() const;
  std::size_t size() const;

 private:
  struct Mapping;  // defined by each platform
  std::unique_ptr<Mapping> mapping_;
};

// Platform part of ReadFileBytes and AppendToFile: the C library's stream
// for a path, opened in this mode ("rb", "ab"); null when that fails.
std::FILE* OpenFile(const std::u16string& path, const char* mode);
// Platform part of CreateParentDirectories: 0 on success, else the error code.
int MakeDirectory(const std::u16string& path);
bool IsAlreadyExistsError(int error);
bool IsFolder(const std::u16string& path);
void RemoveEmptyDirectory(const std::u16string& path);
// The path from the root: a relative one taken from the current folder.
std::u16string AbsolutePath(const std::u16string& path);

// What the file system says of a file or folder, links followed.
struct FileFacts {
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // nanoseconds since an epoch of the platform's
  bool isFolder = false;
};
// Nothing when there is no such file or folder.
std::optional<FileFacts> QueryFileFacts(const std::u16string& path);
// The time now, as the modification times of QueryFileFacts count it.
std::int64_t FileClockNow();

// Creates a file that must not exist yet; false when it does or cannot be made.
bool CreateNewFile(const std::u16string& path);
// Gives a file another name, replacing a file of that name.
bool RenameReplacing(const std::u16string& from, const std::u16string& to);
bool RemoveFile(const std::u16string& path);
// Sets a file's modification time to now.
void TouchFile(const std::u16string& path);
// The bytes free for this user on the volume of a folder; nothing when unknown.
std::optional<std::uint64_t> FreeSpaceOf(const std::u16string& folder);
