// Entry point: the launcher takes no arguments of its own.
#include "launcher/launch_sequence.h"

int main() { return Launch(); }
