#include "launcher/process.h"

TokenList ArgumentsOfCommandLine(std::u16string_view commandLine) {
  TokenList tokens;
  SplitCommandLine(TrimWhiteSpace(commandLine), tokens);
  if (!tokens.empty()) tokens.erase(tokens.begin());
  return tokens;
}
