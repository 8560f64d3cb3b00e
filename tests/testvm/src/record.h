// The event log that tests read to see what a launcher asked of the VM.
#pragma once

#include <string>

namespace testvm {

// Appends one line to the file named by TESTVM_LOG, if that is set.
void record(const std::string& line);

}  // namespace testvm
