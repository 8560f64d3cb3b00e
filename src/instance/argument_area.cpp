#include "instance/argument_area.h"

#include <cstring>

#include "support/text.h"

bool WriteArguments(const std::vector<std::u16string>& arguments, unsigned char* area) {
  std::vector<std::string> stored;
  std::size_t needed = 1;
  for (const std::u16string& argument : arguments) {
    stored.push_back(ToUtf8(argument));
    needed += stored.back().size() + 1;
  }
  if (needed > kArgumentAreaSize) return false;
  std::memset(area, 0, kArgumentAreaSize);
  unsigned char* next = area;
  for (const std::string& argument : stored) {
    std::memcpy(next, argument.data(), argument.size());
    next += argument.size() + 1;
  }
  return true;
}

std::vector<std::u16string> ReadArguments(const unsigned char* area) {
  std::vector<std::u16string> arguments;
  std::string current;
  for (std::size_t i = 0; i + 1 < kArgumentAreaSize; ++i) {
    if (area[i] != 0) {
      current += static_cast<char>(area[i]);
      continue;
    }
    arguments.push_back(FromUtf8(current));
    current.clear();
    if (area[i + 1] == 0) break;
  }
  return arguments;
}
