#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <glob.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>

#include <cstdio>

#include "support/files.h"
#include "support/handles_posix.h"
#include "support/text.h"

std::FILE* OpenFile(const std::u16string& path, const char* mode) { return std::fopen(ToUtf8(path).c_str(), mode); }

bool PathExists(const std::u16string& path) {
  glob_t matches{};
  int result = glob(ToUtf8(path).c_str(), GLOB_NOSORT | GLOB_NOESCAPE, nullptr, &matches);
  globfree(&matches);
  return result == 0;
}

std::vector<std::u16string> FindMatchingNames(const std::u16string& pattern) {
  std::vector<std::u16string> names;
  std::string text = ToUtf8(pattern);
  size_t slash = text.rfind('/');
  std::string folder = slash == std::string::npos ? "." : text.substr(0, slash + 1);
  std::string namePattern = slash == std::string::npos ? text : text.substr(slash + 1);
  if (namePattern.empty()) return names;
  if (namePattern.find_first_of("*?") == std::string::npos) {
    struct stat status;
    if (stat(text.c_str(), &status) == 0) names.push_back(FromUtf8(namePattern));
    return names;
  }
  UniqueDirectory directory(opendir(folder.c_str()));
  if (!directory) return names;
  // As on Windows, "*" also matches names that begin with "." and a "[" is an
  // ordinary character.
  std::string escaped;
  for (char c : namePattern) {
    if (c == '[' || c == ']' || c == '\\') escaped += '\\';
    escaped += c;
  }
  while (const dirent* entry = readdir(directory.get()))
    if (fnmatch(escaped.c_str(), entry->d_name, 0) == 0) names.push_back(FromUtf8(entry->d_name));
  return names;
}

int MakeDirectory(const std::u16string& path) { return mkdir(ToUtf8(path).c_str(), 0777) == 0 ? 0 : errno; }

bool IsAlreadyExistsError(int error) { return error == EEXIST; }

bool IsFolder(const std::u16string& path) {
  struct stat status;
  return stat(ToUtf8(path).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

void RemoveEmptyDirectory(const std::u16string& path) { rmdir(ToUtf8(path).c_str()); }

std::u16string AbsolutePath(const std::u16string& path) {
  if (!path.empty() && path[0] == u'/') return path;
  char* current = getcwd(nullptr, 0);  // as long as it needs
  if (!current) return path;
  std::u16string absolute = FromUtf8(current) + u'/' + path;
  std::free(current);
  return absolute;
}

struct MappedFile::Mapping {
  void* view = nullptr;
  std::size_t size = 0;
  ~Mapping() {
    if (view) munmap(view, size);
  }
};

MappedFile::MappedFile(const std::u16string& path) : mapping_(std::make_unique<Mapping>()) {
  // The mapping stays valid without the descriptor, which goes at the end.
  UniqueFd file(open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (!file) return;
  struct stat status;
  if (fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0) return;
  void* view = mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, MAP_PRIVATE, file.get(), 0);
  if (view == MAP_FAILED) return;
  mapping_->view = view;
  mapping_->size = static_cast<std::size_t>(status.st_size);
}

MappedFile::~MappedFile() = default;

const unsigned char* MappedFile::view() const { return static_cast<const unsigned char*>(mapping_->view); }

std::size_t MappedFile::size() const { return mapping_->size; }

std::optional<FileFacts> QueryFileFacts(const std::u16string& path) {
  struct stat status;
  if (stat(ToUtf8(path).c_str(), &status) != 0) return std::nullopt;
  FileFacts facts;
  facts.size = static_cast<std::uint64_t>(status.st_size);
  facts.modified = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
  facts.isFolder = S_ISDIR(status.st_mode);
  return facts;
}

std::int64_t FileClockNow() {
  timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

bool CreateNewFile(const std::u16string& path) {
  return static_cast<bool>(UniqueFd(open(ToUtf8(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644)));
}

bool RenameReplacing(const std::u16string& from, const std::u16string& to) {
  return rename(ToUtf8(from).c_str(), ToUtf8(to).c_str()) == 0;
}

bool RemoveFile(const std::u16string& path) { return unlink(ToUtf8(path).c_str()) == 0; }

void TouchFile(const std::u16string& path) { utimensat(AT_FDCWD, ToUtf8(path).c_str(), nullptr, 0); }

std::optional<std::uint64_t> FreeSpaceOf(const std::u16string& folder) {
  struct statvfs volume;
  if (statvfs(ToUtf8(folder).c_str(), &volume) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(volume.f_bavail) * volume.f_frsize;
}
