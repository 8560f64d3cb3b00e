// The diagnostic trace: why the launcher chose what it chose, without a
// debugger. With the variable ZQ_LAUNCHER_DEBUG set to any non-empty value,
// every traced line, beginning with "[launcher] ", goes to standard error; a
// value that holds a path separator names a file the lines are appended to
// instead. Standard output never carries it. Off, a traced line costs the
// test of one flag: its text is not even made.
#pragma once

#include <string>
#include <string_view>

// Reads the variable; the launch calls it once, first of all.
void StartTrace();

bool TraceIsOn();

// Writes one line; use Trace() below, which makes the text only when needed.
void WriteTraceLine(std::u16string_view text);

// text() gives the line's text, without the prefix.
template <typename Text>
void Trace(const Text& text) {
  if (TraceIsOn()) WriteTraceLine(text());
}

// A line that a phase of the launch has ended, with the milliseconds it took
// and those since the trace started.
void TracePhase(std::u16string_view phase);
