// The connections of later starts that still wait for their exit code. Each
// gets one reply; those still waiting when this process ends get its exit
// code, also when the Java program ends the process with System.exit.
#pragma once

// Takes the connection over until it has had its reply.
void AwaitReply(int connection);

// Sends the reply and closes the connection, unless it had its reply already.
void SendReply(int connection, int exitCode);
