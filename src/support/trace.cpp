#include "support/trace.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>

#include "support/os.h"
#include "support/text.h"

namespace {

using Clock = std::chrono::steady_clock;

struct TraceState {
  bool on = false;
  std::optional<std::u16string> file;  // else standard error
  std::mutex mutex;
  Clock::time_point start = Clock::now();
  Clock::time_point phaseStart = start;
};

TraceState& State() {
  static TraceState state;
  return state;
}

bool NamesFile(std::u16string_view value) {
  return value.find(u'/') != std::u16string_view::npos || value.find(u'\\') != std::u16string_view::npos;
}

std::u16string Milliseconds(Clock::duration duration) {
  const long long tenths = std::chrono::duration_cast<std::chrono::microseconds>(duration).count() / 100;
  return ToDecimal(tenths / 10) + u"." + ToDecimal(tenths % 10) + u" ms";
}

// Called with the state's lock held: lines of different threads never mix.
void WriteLocked(const TraceState& state, std::u16string_view text) {
  const std::u16string line = u"[launcher] " + std::u16string(text) + u"\n";
  if (!state.file) {
    WriteStandardError(line);
    return;
  }
  std::ofstream(std::filesystem::path(*state.file), std::ios::binary | std::ios::app) << ToUtf8(line);
}

}  // namespace

void StartTrace() {
  TraceState& state = State();
  const std::optional<std::u16string> value = GetEnvironmentValue(u"ZQ_LAUNCHER_DEBUG");
  state.on = value && !value->empty();
  if (state.on && NamesFile(*value)) state.file = *value;
  state.start = state.phaseStart = Clock::now();
}

bool TraceIsOn() { return State().on; }

void WriteTraceLine(std::u16string_view text) {
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  WriteLocked(state, text);
}

void TracePhase(std::u16string_view phase) {
  if (!TraceIsOn()) return;
  TraceState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  const Clock::time_point now = Clock::now();
  WriteLocked(state, u"phase " + std::u16string(phase) + u": " + Milliseconds(now - state.phaseStart) + u" (" +
                         Milliseconds(now - state.start) + u" since start)");
  state.phaseStart = now;
}
