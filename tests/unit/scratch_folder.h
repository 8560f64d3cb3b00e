// A folder of files made for one test and removed after it.
#pragma once

#include <filesystem>
#include <string>

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // A path below the folder, written with "/", in the platform's form.
  std::u16string at(const std::string& relative = "") const;
  // Writes a file, making its folders.
  void write(const std::string& relative, const std::string& content) const;
  // The file's content; empty when it does not exist.
  std::string read(const std::string& relative) const;
  bool exists(const std::string& relative) const;

 private:
  std::filesystem::path root_;
};
