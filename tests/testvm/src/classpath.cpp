#include "classpath.h"

#include <vector>

#include "platform.h"

namespace testvm {

namespace {

const char* const beginMarker = "TESTVM-CLASS ";
const char* const endLine = "TESTVM-END";

std::vector<std::string> entries(const std::string& classPath) {
  std::vector<std::string> result;
  std::size_t start = 0;
  while (true) {
    std::size_t end = classPath.find(platform::pathSeparator, start);
    std::string entry = classPath.substr(start, end == std::string::npos ? std::string::npos : end - start);
    result.push_back(entry.empty() ? "." : entry);
    if (end == std::string::npos) return result;
    start = end + 1;
  }
}

// Finds "TESTVM-CLASS <name>" ending a line and takes the lines after it up
// to "TESTVM-END". The marker need not start a line: in a jar that stores the
// file uncompressed, the file's name comes right before its bytes.
bool embeddedBlock(const std::string& bytes, const std::string& name, std::string& script) {
  std::string marker = beginMarker + name;
  for (std::size_t at = bytes.find(marker); at != std::string::npos; at = bytes.find(marker, at + 1)) {
    std::size_t lineEnd = at + marker.size();
    if (lineEnd < bytes.size() && bytes[lineEnd] == '\r') ++lineEnd;
    if (lineEnd >= bytes.size() || bytes[lineEnd] != '\n') continue;
    std::size_t begin = lineEnd + 1;
    for (std::size_t line = begin; line < bytes.size();) {
      std::size_t next = bytes.find('\n', line);
      std::size_t stop = next == std::string::npos ? bytes.size() : next;
      std::size_t textEnd = stop > line && bytes[stop - 1] == '\r' ? stop - 1 : stop;
      if (bytes.compare(line, textEnd - line, endLine) == 0) {
        script = bytes.substr(begin, line - begin);
        return true;
      }
      if (next == std::string::npos) break;
      line = next + 1;
    }
  }
  return false;
}

}  // namespace

bool findClassScript(const std::string& classPath, const std::string& name, std::string& script) {
  for (const std::string& entry : entries(classPath)) {
    std::string bytes;
    if (platform::isDirectory(entry)) {
      // A .tvm file is a script, or holds the same block a jar would.
      if (platform::readFile(entry + "/" + name + ".tvm", bytes)) {
        if (!embeddedBlock(bytes, name, script)) script = bytes;
        return true;
      }
    } else if (platform::readFile(entry, bytes) && embeddedBlock(bytes, name, script)) {
      return true;
    }
  }
  return false;
}

}  // namespace testvm
