#include "scenario_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

bool Keyword(const std::string& line, const std::string& word, std::string& rest) {
  if (line == word) {
    rest.clear();
    return true;
  }
  if (line.compare(0, word.size() + 1, word + " ") != 0) return false;
  rest = line.substr(word.size() + 1);
  return true;
}

}  // namespace

Scenario ReadScenario(const std::string& text) {
  Scenario scenario;
  std::istringstream lines(text);
  std::string line, rest;
  std::string* block = nullptr;  // where indented lines go
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.compare(0, 2, "  ") == 0 && block) {
      *block += line.substr(2) + "\n";
      continue;
    }
    block = nullptr;
    if (line.empty() || line[0] == '#') continue;
    if (Keyword(line, "settings", rest)) {
      block = &scenario.settings;
    } else if (Keyword(line, "stdout", rest)) {
      block = &scenario.output;
    } else if (Keyword(line, "stderr", rest)) {
      block = &scenario.error;
    } else if (Keyword(line, "file", rest)) {
      block = &scenario.files[rest];
    } else if (Keyword(line, "jar", rest)) {
      scenario.jars.push_back(rest);
    } else if (Keyword(line, "planted", rest)) {
      scenario.planted.push_back(rest);
    } else if (Keyword(line, "working-directory", rest)) {
      scenario.workingDirectory = rest;
    } else if (Keyword(line, "embedded-jar", rest)) {
      scenario.embeddedJar = true;
    } else if (Keyword(line, "argument", rest)) {
      scenario.arguments.push_back(rest);
    } else if (Keyword(line, "environment", rest)) {
      size_t equals = rest.find('=');
      scenario.environment[rest.substr(0, equals)] = equals == std::string::npos ? "" : rest.substr(equals + 1);
    } else if (Keyword(line, "exit", rest)) {
      scenario.exitCode = std::stoi(rest);
    } else {
      ADD_FAILURE() << "scenario line not understood: " << line;
    }
  }
  return scenario;
}
