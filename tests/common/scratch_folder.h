// A fresh folder below the temporary directory for one test, removed with the
// object. Relative names are written with "/"; paths come back in the
// platform's form, as UTF-8 (pathOf) or UTF-16 (at).
#pragma once

#include <filesystem>
#include <string>

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string pathOf(const std::string& relative) const;
  std::u16string at(const std::string& relative = "") const;

  // Writes a file as given, making its folders.
  void write(const std::string& relative, const std::string& content) const;
  // The file's content; empty when it does not exist.
  std::string read(const std::string& relative) const;
  bool exists(const std::string& relative) const;
  void makeFolder(const std::string& relative) const;

 private:
  std::filesystem::path below(const std::string& relative) const;

  std::filesystem::path root_;
  std::string path_;
};
