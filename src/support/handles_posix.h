// Owners of POSIX resources: each releases its resource when it goes, so no
// early return can leak one. Move-only; get() hands the raw value to a call.
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <memory>
#include <utility>

struct DirectoryClose {
  void operator()(DIR* directory) const { closedir(directory); }
};
using UniqueDirectory = std::unique_ptr<DIR, DirectoryClose>;

// A file descriptor.
class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd() { reset(); }
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) reset(std::exchange(other.fd_, -1));
    return *this;
  }

  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }
  explicit operator bool() const { return fd_ >= 0; }
  void reset(int fd = -1) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }

 private:
  int fd_ = -1;
};
