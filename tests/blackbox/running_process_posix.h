// Signals for programs the tests run in the background.
#pragma once

#include <string>

#include "waiting.h"

// Sends the signal to the process that runs the executable at this path, once
// there is one (the harness keeps process ids to itself; each test's
// executable has a path of its own).
void SignalProgram(const std::string& executable, int signal);
