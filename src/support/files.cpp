#include "support/files.h"

#include "support/paths.h"

namespace {

std::string ReadAll(std::FILE* file) {
  std::string content;
  if (!file) return content;
  char buffer[65536];
  for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) content.append(buffer, got);
  std::fclose(file);
  return content;
}

bool WriteAll(std::FILE* file, std::string_view bytes) {
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

std::string ReadFileBytes(const std::u16string& path) { return ReadAll(OpenFile(path, "rb")); }

bool AppendToFile(const std::u16string& path, std::string_view bytes) { return WriteAll(OpenFile(path, "ab"), bytes); }

bool RootedPathExists(const std::u16string& path) { return IsRootedPath(path) && PathExists(path); }

int CreateParentDirectories(const std::u16string& filePath) {
  // A relative head is a folder to make too: split below the root.
  const std::u16string path = AbsolutePath(filePath);
  if (RootedPathExists(path)) return 0;
  TokenList components = SplitPathComponents(path);
  if (components.size() < 2) return 0;
  std::u16string current = components[0];
  bool madeCurrent = false;
  // The last component is the file itself and is left to the caller.
  for (size_t k = 1; k + 1 < components.size(); ++k) {
    std::u16string candidate = current + kPathSeparator + components[k];
    int error = MakeDirectory(candidate);
    if (error != 0 && !(IsAlreadyExistsError(error) && IsFolder(candidate))) {
      if (madeCurrent) RemoveEmptyDirectory(current);  // a folder that was there before stays
      return error;
    }
    madeCurrent = error == 0;
    current = std::move(candidate);
  }
  return 0;
}
