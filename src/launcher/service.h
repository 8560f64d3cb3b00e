// Service mode: the process serves the service control manager, whose
// service main function runs the run stage.
#pragma once

struct Launcher;

// Readies the service for the launcher; reports and fails when it cannot.
bool PrepareService(Launcher& launcher);

// Hands the process to the service control manager until the service has
// stopped; returns the process's exit code.
int StartServiceDispatcher(Launcher& launcher);
