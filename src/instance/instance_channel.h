// The platform's side of single-instance mode: the objects that connect a
// first instance with later starts of the same executable.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "support/paths.h"
#include "support/text.h"
#include "vmhost/application_calls.h"

// Defined per platform. Destroying it stops the first instance's listener
// and closes everything the channel holds.
struct InstanceChannelState;
struct InstanceChannelClose {
  void operator()(InstanceChannelState* channel) const;
};
using InstanceChannel = std::unique_ptr<InstanceChannelState, InstanceChannelClose>;

// The name every start of one executable derives from its full path: each
// path separator replaced by "_", so copies in other folders never meet.
std::u16string InstanceName(std::u16string_view modulePath, PathStyle style = kNativePathStyle);

// What a start turned out to be among the starts of its executable.
enum class InstanceRole {
  None,            // the platform refused something: single-instance mode is off for this start
  First,           // listening for later starts
  Later,           // its arguments handed over to the first instance
  HandOverFailed,  // a later start that could not hand its arguments over
};

// Meets the other starts of the executable under the instance name: a first
// instance makes the target's ready event and starts listening, its server
// threads calling the target; a later one hands its arguments over. The
// channel is kept for a first and a later start.
InstanceRole OpenInstanceChannel(const std::u16string& instanceName, const TokenList& arguments,
                                 ApplicationTarget& target, InstanceChannel& channel);

// A later start's exit code: the first instance's reply.
int WaitForReply(const InstanceChannelState& channel);
