// Placeholder until service mode lands: the run stage runs on the calling
// thread as in a plain start.
#include "launcher/launch_sequence.h"
#include "launcher/service.h"

bool PrepareService(Launcher&) { return true; }

int StartServiceDispatcher(Launcher& launcher) {
  Run(launcher);
  return 0;
}
