#include "interpreter.h"

#include <algorithm>

#include "classpath.h"
#include "exceptions.h"
#include "objects.h"
#include "refs.h"
#include "script.h"
#include "text.h"
#include "threads.h"
#include "vm.h"

namespace testvm {

namespace {

std::string frameOf(const Class& owner, const ScriptMethod& method) {
  std::string simpleName = owner.name.substr(owner.name.rfind('/') + 1);
  return dotted(owner.name) + "." + method.name + "(" + simpleName + ".java)";
}

// "label name [value]", or "label name null" when there is no value.
std::string shown(const std::string& label, const std::string& name, bool present, const std::u16string& value) {
  return label + " " + name + " " + (present ? "[" + escape(value) + "]" : std::string("null"));
}

// "label name found", or "label name missing".
std::string lookedUp(const std::string& label, const std::string& name, bool present) {
  return label + " " + name + (present ? " found" : " missing");
}

// What the stream's checkError() answers: whether a write to it has failed.
std::string failedText(const PrintStream* stream) { return stream && stream->failed ? "true" : "false"; }

struct Started {
  Class* owner;
  const ScriptMethod* method;
  JavaThread* thread;
};

void runStarted(void* raw) {
  auto* started = static_cast<Started*>(raw);
  bind(started->thread);
  runScript(*started->owner, *started->method, nullptr);
  reportUncaught(*started->thread);
  detach(started->thread);
  delete started;
}

class Interpreter {
 public:
  Interpreter(Class& owner, const ScriptMethod& method, ObjectArray* args)
      : owner_(owner), method_(method), args_(args), thread_(*currentThread()) {}

  Result run() {
    Result result;
    for (const Statement& statement : method_.body)
      if (!step(statement, result)) break;
    return result;
  }

 private:
  // Returns false once the method has ended.
  bool step(const Statement& s, Result& result) {
    Vm& v = vm();
    switch (s.kind) {
      case Statement::Kind::Print:
        return print(s);
      case Statement::Kind::Throw:
        thread_.pending =
            newThrowable(s.target, s.hasText ? std::optional<std::u16string>(fromUtf8(s.text)) : std::nullopt,
                         {frameOf(owner_, method_)});
        return false;
      case Statement::Kind::Return:
        result.number = static_cast<jint>(s.number);
        return false;
      case Statement::Kind::Exit:
        exitVm(static_cast<jint>(s.number));
      case Statement::Kind::Sleep:
        platform::sleepMillis(s.number);
        return true;
      case Statement::Kind::Start:
        return start(s);
      case Statement::Kind::SetFlag: {
        Locked lock(v.monitor);
        v.flags.insert(s.target);
        v.monitor.notifyAll();
        return true;
      }
      case Statement::Kind::WaitFlag: {
        Locked lock(v.monitor);
        while (!v.flags.count(s.target)) v.monitor.wait();
        return true;
      }
      case Statement::Kind::WaitFile:
        while (!platform::exists(s.target)) platform::sleepMillis(10);
        return true;
    }
    return true;
  }

  bool print(const Statement& s) {
    const Options& options = vm().options;
    const std::string& classPath = options.properties.at("java.class.path");
    switch (s.item) {
      case Statement::Item::Text:
        printLine(s.toErr, s.text);
        break;
      case Statement::Item::Args:
        return printArgs(s.toErr);
      case Statement::Item::Env: {
        std::string value;
        bool present = platform::environment(s.target.c_str(), value);
        printLine(s.toErr, shown("env", s.target, present, fromUtf8(value)));
        break;
      }
      case Statement::Item::Property: {
        auto found = options.properties.find(s.target);
        bool present = found != options.properties.end();
        printLine(s.toErr, shown("property", s.target, present, present ? fromUtf8(found->second) : u""));
        break;
      }
      case Statement::Item::Class: {
        std::string name = s.target, script;
        std::replace(name.begin(), name.end(), '.', '/');
        printLine(s.toErr, lookedUp("class", s.target, findClassScript(classPath, name, script)));
        break;
      }
      case Statement::Item::Resource:
        printLine(s.toErr, lookedUp("resource", s.target, findResource(classPath, s.target)));
        break;
      case Statement::Item::Stack:
        printLine(s.toErr, "stack " + std::to_string(platform::currentStackSize()));
        break;
      case Statement::Item::Thread:
        printLine(s.toErr, "thread [" + escape(fromUtf8(thread_.name)) + "]");
        break;
      case Statement::Item::MaxHeap:
        printLine(s.toErr,
                  "maxheap " + (options.hasMaxHeap ? std::to_string(options.maxHeap) : std::string("default")));
        break;
      case Statement::Item::Errors:
        printLine(s.toErr, "errors out " + failedText(vm().out) + " err " + failedText(vm().err));
        break;
    }
    return true;
  }

  bool printArgs(bool toErr) {
    if (!args_) {
      thread_.pending = newThrowable("java/lang/NullPointerException", std::nullopt, {frameOf(owner_, method_)});
      return false;
    }
    printLine(toErr, "args " + std::to_string(args_->items.size()));
    for (std::size_t i = 0; i < args_->items.size(); ++i) {
      auto* text = dynamic_cast<String*>(args_->items[i]);
      printLine(toErr,
                "arg " + std::to_string(i) + " " + (text ? "[" + escape(text->text) + "]" : std::string("null")));
    }
    return true;
  }

  bool start(const Statement& s) {
    const Options& options = vm().options;
    const ScriptMethod* target = nullptr;
    for (const ScriptMethod& candidate : owner_.script->methods)
      if (candidate.name == s.target && candidate.signature == "()V") target = &candidate;
    JavaThread* thread = newThread(nullptr, s.daemon);
    std::size_t stackSize = options.threadStackSize ? options.threadStackSize : platform::defaultThreadStackSize;
    auto* started = new Started{&owner_, target, thread};
    if (platform::startThread(runStarted, started, stackSize)) return true;
    delete started;
    detach(thread);
    throwNew(thread_, "java/lang/OutOfMemoryError", "unable to create native thread", {frameOf(owner_, method_)});
    return false;
  }

  Class& owner_;
  const ScriptMethod& method_;
  ObjectArray* args_;
  JavaThread& thread_;
};

}  // namespace

Result runScript(Class& owner, const ScriptMethod& method, const jvalue* args) {
  ObjectArray* array = method.takesArgs ? resolveAs<ObjectArray>(args[0].l, "a String[]") : nullptr;
  return Interpreter(owner, method, array).run();
}

}  // namespace testvm
