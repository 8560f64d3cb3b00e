// The scripts that stand in for class files; README.md describes the language.
#pragma once

#include <string>
#include <vector>

namespace testvm {

struct Statement {
  enum class Kind { Print, Throw, Return, Exit, Sleep, Start, SetFlag, WaitFlag, WaitFile };
  enum class Item { Text, Args, Env, Property, Class, Resource, Stack, Thread, MaxHeap, Errors };

  Kind kind;
  Item item = Item::Text;  // what Print prints
  bool toErr = false;      // Print: System.err rather than System.out
  bool daemon = false;     // Start
  bool hasNumber = false;  // Return with a value
  long number = 0;         // Return, Exit, Sleep
  bool hasText = false;    // Throw with a message
  std::string text;        // Print: the text; Throw: the message
  std::string target;      // the class, method, flag, variable, property or resource named, or the path
};

struct ScriptMethod {
  std::string name;
  std::string signature;
  bool takesArgs;   // (String[])
  bool returnsInt;  // ...I
  std::vector<Statement> body;
};

struct ScriptClass {
  std::vector<ScriptMethod> methods;
};

// On failure `error` tells the line and what is wrong with it.
bool parseScript(const std::string& text, ScriptClass& script, std::string& error);

}  // namespace testvm
