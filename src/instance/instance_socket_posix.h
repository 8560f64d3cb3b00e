// What single-instance mode on POSIX systems puts on disk and on the wire: the
// socket's file name, and a later start's arguments as EncodeArguments gives
// them (argument_area.h). The reply is the later start's exit code as four
// bytes in host order.
#pragma once

#include <string>
#include <string_view>

// The folder of the instance sockets: $XDG_RUNTIME_DIR, which is the user's
// alone, or a folder of the user's own below /tmp; empty when neither can be
// trusted.
std::string InstanceSocketFolder();

// A file name that stays short enough for a socket address: the end of the
// instance name and a 64-bit hash of all of it.
std::string SocketFileName(std::u16string_view instanceName);

// Sends all bytes, without a signal when the other side has gone.
bool SendAll(int socket, std::string_view bytes);
// Receives everything up to the sender's end of writing.
bool ReceiveAll(int socket, std::string& bytes);
// The later start's exit code: four bytes sent, or read.
bool SendExitCode(int socket, int exitCode);
bool ReceiveExitCode(int socket, int& exitCode);
