// Existence tests, parent-folder creation and read-only file views. None of
// these report errors; callers turn their results into decisions.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
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

// Platform part of CreateParentDirectories: 0 on success, else the error code.
int MakeDirectory(const std::u16string& path);
bool IsAlreadyExistsError(int error);
bool IsFolder(const std::u16string& path);
void RemoveEmptyDirectory(const std::u16string& path);
// The path from the root: a relative one taken from the current folder.
std::u16string AbsolutePath(const std::u16string& path);
