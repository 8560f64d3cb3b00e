#include "support/trace.h"

#include <mutex>
#include <optional>

#include "support/files.h"
#include "support/os.h"
#include "support/text.h"

namespace {

struct TraceState {
  bool on = false;
  std::optional<std::u16string> file;  // else standard error
  ThreadLock lock;
  std::int64_t start = 0;  // MonotonicNanoseconds
  std::int64_t phaseStart = 0;
};

// Made before main, and switched on by its first step.
TraceState state;

bool NamesFile(std::u16string_view value) {
  return value.find(u'/') != std::u16string_view::npos || value.find(u'\\') != std::u16string_view::npos;
}

std::u16string Milliseconds(std::int64_t nanoseconds) {
  const long long tenths = nanoseconds / 100000;
  return ToDecimal(tenths / 10) + u"." + ToDecimal(tenths % 10) + u" ms";
}

// Called with the state's lock held: lines of different threads never mix.
void WriteLocked(std::u16string_view text) {
  const std::u16string line = u"[launcher] " + std::u16string(text) + u"\n";
  if (!state.file) {
    WriteStandardError(line);
    return;
  }
  AppendToFile(*state.file, ToUtf8(line));
}

}  // namespace

void StartTrace() {
  const std::optional<std::u16string> value = GetEnvironmentValue(u"ZQ_LAUNCHER_DEBUG");
  state.on = value && !value->empty();
  if (state.on && NamesFile(*value)) state.file = *value;
  state.start = state.phaseStart = MonotonicNanoseconds();
}

bool TraceIsOn() { return state.on; }

void WriteTraceLine(std::u16string_view text) {
  std::lock_guard<ThreadLock> held(state.lock);
  WriteLocked(text);
}

void TracePhase(std::u16string_view phase) {
  if (!TraceIsOn()) return;
  std::lock_guard<ThreadLock> held(state.lock);
  const std::int64_t now = MonotonicNanoseconds();
  WriteLocked(u"phase " + std::u16string(phase) + u": " + Milliseconds(now - state.phaseStart) + u" (" +
              Milliseconds(now - state.start) + u" since start)");
  state.phaseStart = now;
}
