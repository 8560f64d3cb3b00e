// The launch from start to exit code.
#pragma once

// The whole launch, as the entry point runs it; returns the exit code.
int Launch();
