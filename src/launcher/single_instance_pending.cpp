// Placeholder until single-instance mode lands: every start is a first
// instance of its own.
#include "launcher/single_instance.h"

bool SetUpSingleInstance(Launcher&) { return true; }
bool IsSecondInstance(const Launcher&) { return false; }
int WaitForReply(Launcher&) { return 0; }
void TearDownSingleInstance(Launcher&) {}
