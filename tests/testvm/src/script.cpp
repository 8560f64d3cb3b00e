#include "script.h"

#include <cstdlib>

namespace testvm {

namespace {

struct Signature {
  const char* text;
  bool takesArgs;
  bool returnsInt;
};

const Signature signatures[] = {
    {"([Ljava/lang/String;)V", true, false},
    {"([Ljava/lang/String;)I", true, true},
    {"()V", false, false},
    {"()I", false, true},
};

// Takes the first word off `rest`: the words are separated by single spaces,
// so that a text operand keeps its own spacing.
std::string takeWord(std::string& rest) {
  std::size_t space = rest.find(' ');
  std::string word = rest.substr(0, space);
  rest = space == std::string::npos ? std::string() : rest.substr(space + 1);
  return word;
}

bool parseLong(const std::string& text, long& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 10);
  return *end == '\0';
}

class Parser {
 public:
  explicit Parser(ScriptClass& script) : script_(script) {}

  // An empty result means the line is fine.
  std::string line(std::string text) {
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos || text[start] == '#') return "";
    std::string rest = text.substr(start);
    std::string verb = takeWord(rest);
    if (verb == "method") return method(rest);
    if (script_.methods.empty()) return "statement outside a method";
    Statement statement{};
    std::string problem = this->statement(verb, rest, statement);
    if (problem.empty()) script_.methods.back().body.push_back(statement);
    return problem;
  }

  std::string finish() const {
    for (const ScriptMethod& method : script_.methods)
      for (const Statement& statement : method.body)
        if (statement.kind == Statement::Kind::Start && !hasMethod(statement.target, "()V"))
          return "start names no method " + statement.target + " ()V";
    return "";
  }

 private:
  bool hasMethod(const std::string& name, const std::string& signature) const {
    for (const ScriptMethod& method : script_.methods)
      if (method.name == name && method.signature == signature) return true;
    return false;
  }

  std::string method(std::string rest) {
    std::string name = takeWord(rest);
    std::string signature = takeWord(rest);
    if (name.empty() || !rest.empty()) return "expected: method <name> <descriptor>";
    for (const Signature& known : signatures) {
      if (signature != known.text) continue;
      if (name == "<clinit>" && signature != "()V") return "<clinit> must be ()V";
      if (hasMethod(name, signature)) return "method " + name + " " + signature + " defined twice";
      script_.methods.push_back(ScriptMethod{name, signature, known.takesArgs, known.returnsInt, {}});
      return "";
    }
    return "unsupported descriptor " + signature;
  }

  std::string statement(const std::string& verb, std::string rest, Statement& s) {
    const ScriptMethod& method = script_.methods.back();
    if (verb == "out" || verb == "err") {
      s.kind = Statement::Kind::Print;
      s.toErr = verb == "err";
      return printed(takeWord(rest), rest, method, s);
    }
    if (verb == "throw") {
      s.kind = Statement::Kind::Throw;
      s.hasText = rest.find(' ') != std::string::npos;
      s.target = takeWord(rest);
      s.text = rest;
      return s.target.empty() ? "throw needs a class" : "";
    }
    if (verb == "return") {
      s.kind = Statement::Kind::Return;
      s.hasNumber = !rest.empty();
      if (s.hasNumber && !parseLong(rest, s.number)) return "return needs a whole number";
      if (s.hasNumber != method.returnsInt)
        return method.returnsInt ? "an int method returns a number" : "a void method returns no number";
      return "";
    }
    if (verb == "exit" || verb == "sleep") {
      s.kind = verb == "exit" ? Statement::Kind::Exit : Statement::Kind::Sleep;
      if (!parseLong(rest, s.number) || (verb == "sleep" && s.number < 0)) return verb + " needs a whole number";
      return "";
    }
    if (verb == "start") {
      s.kind = Statement::Kind::Start;
      s.target = takeWord(rest);
      s.daemon = s.target == "daemon";
      if (s.daemon) s.target = takeWord(rest);
      if (s.target.empty() || !rest.empty()) return "expected: start [daemon] <method>";
      return "";
    }
    if (verb == "set" || verb == "wait") {
      std::string what = takeWord(rest);
      s.target = rest;
      if (s.target.empty())
        return "expected: " + verb + " flag <name>" + (verb == "wait" ? " or wait file <path>" : "");
      if (what == "flag") {
        s.kind = verb == "set" ? Statement::Kind::SetFlag : Statement::Kind::WaitFlag;
        return "";
      }
      if (what == "file" && verb == "wait") {
        s.kind = Statement::Kind::WaitFile;
        return "";
      }
      return "unknown " + verb + " " + what;
    }
    return "unknown statement " + verb;
  }

  static std::string printed(const std::string& item, const std::string& rest, const ScriptMethod& method,
                             Statement& s) {
    if (item == "text") {
      s.item = Statement::Item::Text;
      s.text = rest;
      return "";
    }
    // Items that name a variable, property, class or resource, and bare ones.
    const struct {
      const char* word;
      Statement::Item item;
      bool named;
    } items[] = {{"env", Statement::Item::Env, true},        {"property", Statement::Item::Property, true},
                 {"class", Statement::Item::Class, true},    {"resource", Statement::Item::Resource, true},
                 {"args", Statement::Item::Args, false},     {"stack", Statement::Item::Stack, false},
                 {"thread", Statement::Item::Thread, false}, {"maxheap", Statement::Item::MaxHeap, false},
                 {"errors", Statement::Item::Errors, false}};
    for (const auto& candidate : items) {
      if (item != candidate.word) continue;
      s.item = candidate.item;
      if (candidate.named) {
        s.target = rest;
        return rest.empty() ? item + " needs a name" : "";
      }
      if (!rest.empty()) return item + " takes no operand";
      if (candidate.item == Statement::Item::Args && !method.takesArgs) return "args in a method without arguments";
      return "";
    }
    return "unknown item " + item;
  }

  ScriptClass& script_;
};

}  // namespace

bool parseScript(const std::string& text, ScriptClass& script, std::string& error) {
  Parser parser(script);
  std::size_t number = 0;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ++number;
    std::string problem = parser.line(line);
    if (!problem.empty()) {
      error = "line " + std::to_string(number) + ": " + problem;
      return false;
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  error = parser.finish();
  return error.empty();
}

}  // namespace testvm
