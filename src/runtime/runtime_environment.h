// Publishing the chosen runtime to the Java program and its child processes.
#pragma once

struct Launcher;

// Sets ZQ_JVM_PATH to the VM library's path and ZQ_JVM_HOME to that path
// without its last three components.
void PublishRuntimeEnvironment(const Launcher& launcher);
