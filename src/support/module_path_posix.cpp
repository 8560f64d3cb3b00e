#include <errno.h>
#include <unistd.h>

#include "support/messages.h"
#include "support/module_path.h"
#include "support/text.h"

bool ModulePath(std::u16string& path) {
  for (size_t capacity = 256;; capacity *= 2) {
    std::string buffer(capacity, '\0');
    ssize_t length = readlink("/proc/self/exe", buffer.data(), capacity);
    if (length < 0) {
      ReportError(message::kWindowsException, {LoadMessage(message::kModulePathFailed), errno});
      return false;
    }
    if (static_cast<size_t>(length) < capacity) {
      buffer.resize(static_cast<size_t>(length));
      path = FromUtf8(buffer);
      return true;
    }
  }
}
