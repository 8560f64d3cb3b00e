// A scenario case file: keywords at the start of a line, blocks of lines
// indented by two blanks below them (see tests/scenarios/README.md).
#pragma once

#include <map>
#include <string>
#include <vector>

struct Scenario {
  std::string settings;
  std::vector<std::string> jars;
  bool embeddedJar = false;
  std::vector<std::string> planted;  // folders that get the planted class and resource
  std::string workingDirectory;      // below the launcher's folder; empty: that folder itself
  std::vector<std::string> arguments;
  std::map<std::string, std::string> environment;
  int exitCode = 0;
  std::string output;
  std::string error;
  std::map<std::string, std::string> files;
};

// Fails the current test on a line it does not understand.
Scenario ReadScenario(const std::string& text);
