#include <windows.h>

#include <cstdio>
#include <cstring>

#include "support/files.h"
#include "support/handles_win32.h"
#include "support/wide_win32.h"

std::FILE* OpenFile(const std::u16string& path, const char* mode) {
  // ASCII letters; no std::wstring, which would link the C++ library's own copy of it.
  const std::u16string wideMode(mode, mode + std::strlen(mode));
  return _wfopen(Wide(path), Wide(wideMode));
}

bool PathExists(const std::u16string& path) {
  WIN32_FIND_DATAW found;
  UniqueFindHandle search(FindFirstFileW(Wide(path), &found));
  return static_cast<bool>(search);
}

std::vector<std::u16string> FindMatchingNames(const std::u16string& pattern) {
  std::vector<std::u16string> names;
  WIN32_FIND_DATAW found;
  UniqueFindHandle search(FindFirstFileW(Wide(pattern), &found));
  if (!search) return names;
  do {
    names.push_back(FromWide(found.cFileName));
  } while (FindNextFileW(search.get(), &found));
  return names;
}

int MakeDirectory(const std::u16string& path) {
  return CreateDirectoryW(Wide(path), nullptr) ? 0 : static_cast<int>(GetLastError());
}

bool IsAlreadyExistsError(int error) { return error == ERROR_ALREADY_EXISTS; }

bool IsFolder(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveEmptyDirectory(const std::u16string& path) { RemoveDirectoryW(Wide(path)); }

// Also gives "\logs" and "D:logs" their drive and folder.
std::u16string AbsolutePath(const std::u16string& path) {
  const DWORD needed = GetFullPathNameW(Wide(path), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::u16string absolute(needed, u'\0');
  const DWORD length = GetFullPathNameW(Wide(path), needed, WideBuffer(absolute), nullptr);
  return length > 0 && length < needed ? absolute.substr(0, length) : path;
}

struct MappedFile::Mapping {
  UniqueFileHandle file;
  UniqueHandle mapping;
  UniqueMappedView view;  // released first, as members go in reverse order
  std::size_t size = 0;
};

MappedFile::MappedFile(const std::u16string& path) : mapping_(std::make_unique<Mapping>()) {
  mapping_->file.reset(
      CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!mapping_->file) return;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(mapping_->file.get(), &size) || size.QuadPart == 0) return;  // nothing to map
  mapping_->mapping.reset(CreateFileMappingW(mapping_->file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
  if (!mapping_->mapping) return;
  mapping_->view.reset(MapViewOfFile(mapping_->mapping.get(), FILE_MAP_READ, 0, 0, 0));
  if (mapping_->view) mapping_->size = static_cast<std::size_t>(size.QuadPart);
}

MappedFile::~MappedFile() = default;

const unsigned char* MappedFile::view() const { return static_cast<const unsigned char*>(mapping_->view.get()); }

std::size_t MappedFile::size() const { return mapping_->size; }

namespace {

std::int64_t Nanoseconds(const FILETIME& time) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime) * 100;
}

}  // namespace

std::optional<FileFacts> QueryFileFacts(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Wide(path), GetFileExInfoStandard, &data)) return std::nullopt;
  FileFacts facts;
  facts.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  facts.modified = Nanoseconds(data.ftLastWriteTime);
  facts.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return facts;
}

std::int64_t FileClockNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return Nanoseconds(now);
}

bool CreateNewFile(const std::u16string& path) {
  return static_cast<bool>(
      UniqueFileHandle(CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr)));
}

// Files the VM writes are read-only, which Windows would neither replace nor delete.
bool RenameReplacing(const std::u16string& from, const std::u16string& to) {
  SetFileAttributesW(Wide(to), FILE_ATTRIBUTE_NORMAL);
  return MoveFileExW(Wide(from), Wide(to), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool RemoveFile(const std::u16string& path) {
  SetFileAttributesW(Wide(path), FILE_ATTRIBUTE_NORMAL);
  return DeleteFileW(Wide(path)) != 0;
}

void TouchFile(const std::u16string& path) {
  UniqueFileHandle file(CreateFileW(Wide(path), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  SetFileTime(file.get(), nullptr, nullptr, &now);  // the last-write time
}

std::optional<std::uint64_t> FreeSpaceOf(const std::u16string& folder) {
  ULARGE_INTEGER available;
  if (!GetDiskFreeSpaceExW(Wide(folder), &available, nullptr, nullptr)) return std::nullopt;
  return available.QuadPart;
}
