// What a first instance still owes when its process ends, also when the Java
// program ends it with System.exit, before any teardown: an exit code for
// each later start still waiting for its reply, and the removal of its socket.
#pragma once

#include <string>

#include "support/handles_posix.h"

// Takes the connection over until it has had its reply; gives the descriptor
// that SendReply names it by.
int AwaitReply(UniqueFd connection);

// Sends the reply and closes the connection, unless it had its reply already.
void SendReply(int connection, int exitCode);

// The socket to remove when the process ends; empty once the channel's
// teardown has removed it.
void RemoveSocketAtExit(const std::string& path);
