#include "exceptions.h"

#include "classes.h"
#include "objects.h"
#include "platform.h"
#include "text.h"
#include "threads.h"
#include "vm.h"

namespace testvm {

namespace {

// Java's printStackTrace: frames shared with the enclosing trace are
// summarised as "... n more".
void appendTrace(std::string& out, const Throwable& throwable, const std::vector<std::string>* enclosing,
                 const char* caption) {
  const char* newline = platform::lineSeparator;
  out += caption + throwable.toString() + newline;
  std::size_t own = throwable.frames.size();
  std::size_t shared = 0;
  if (enclosing) {
    while (shared < own && shared < enclosing->size() &&
           throwable.frames[own - 1 - shared] == (*enclosing)[enclosing->size() - 1 - shared])
      ++shared;
  }
  for (std::size_t i = 0; i < own - shared; ++i) out += "\tat " + throwable.frames[i] + newline;
  if (shared) out += "\t... " + std::to_string(shared) + " more" + newline;
  if (throwable.cause) appendTrace(out, *throwable.cause, &throwable.frames, "Caused by: ");
}

Throwable* takePending(JavaThread& thread) {
  Throwable* pending = thread.pending;
  thread.pending = nullptr;
  return pending;
}

void writeErr(const std::string& text) {
  Vm& v = vm();
  Locked lock(v.monitor);
  if (v.err) v.err->write(text);
}

}  // namespace

Throwable* newThrowable(const std::string& className, std::optional<std::u16string> message,
                        std::vector<std::string> frames, Throwable* cause) {
  auto* throwable = new Throwable(throwableClass(className));
  throwable->hasMessage = message.has_value();
  if (message) throwable->message = *message;
  throwable->frames = std::move(frames);
  throwable->cause = cause;
  return throwable;
}

void throwNew(JavaThread& thread, const std::string& className, const std::string& utf8Message,
              std::vector<std::string> frames) {
  thread.pending = newThrowable(className, fromUtf8(utf8Message), std::move(frames));
}

std::string stackTrace(const Throwable& throwable) {
  std::string out;
  appendTrace(out, throwable, nullptr, "");
  return out;
}

void describePending(JavaThread& thread) {
  Throwable* pending = takePending(thread);
  if (!pending) return;
  vmMessage(vm().options, "Exception in thread \"%s\" ", thread.name.c_str());
  writeErr(stackTrace(*pending));
}

void reportUncaught(JavaThread& thread) {
  Throwable* pending = takePending(thread);
  if (!pending) return;
  writeErr("Exception in thread \"" + thread.name + "\" " + stackTrace(*pending));
}

}  // namespace testvm
