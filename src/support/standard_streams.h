// The launcher's standard input, output and error. The console launcher has
// them from its console or its parent. The windowed one on Windows is the
// same program linked for the GUI subsystem, so that no console window
// appears beside the application's own: it writes to a console only when it
// was started from one, discards what nobody would read, and then shows
// errors in a message box instead of the error line.
#pragma once

#include <string>
#include <string_view>

// Readies the standard streams before anything is written and before the VM
// takes them over. In the windowed launcher a stream the parent handed over
// (a file, a pipe, NUL: a script's "> file") stays as it is; output and
// error that have none go to the parent's console when there is one, else
// to NUL, and input that has none reads NUL (never the console, which the
// parent still reads), so that the Java program's streams neither fail nor
// block. What it did, for the trace; empty where it did nothing.
std::u16string ConnectStandardStreams();

// Shows an error message in a message box with the error icon (the system's
// caption when caption is empty) when the windowed launcher's standard output
// reaches no one. False when no box was shown: standard output is read, or
// no box can be shown.
bool ShowErrorBox(std::u16string_view caption, std::u16string_view text);
