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

// Whether a central directory header of the zip (a jar, or a program with a
// jar appended) names the file: the signature, the name's length at offset 28
// and the name itself at offset 46.
bool namesInZip(const std::string& bytes, const std::string& name) {
  const std::string signature("PK\x01\x02", 4);
  for (std::size_t at = bytes.find(signature); at != std::string::npos; at = bytes.find(signature, at + 1)) {
    if (at + 46 > bytes.size()) break;
    const std::size_t length = static_cast<unsigned char>(bytes[at + 28]) |
                               static_cast<std::size_t>(static_cast<unsigned char>(bytes[at + 29])) << 8;
    if (length == name.size() && bytes.compare(at + 46, length, name) == 0) return true;
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

bool findResource(const std::string& classPath, const std::string& name) {
  for (const std::string& entry : entries(classPath)) {
    std::string bytes;
    if (platform::isDirectory(entry) ? platform::exists(entry + "/" + name)
                                     : platform::readFile(entry, bytes) && namesInZip(bytes, name))
      return true;
  }
  return false;
}

}  // namespace testvm
