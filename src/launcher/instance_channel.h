// The platform's side of single-instance mode: the objects that connect a
// first instance with later starts of the same executable.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "support/paths.h"

struct Launcher;

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
// instance starts listening, a later one hands its arguments over. Keeps the
// channel in the Launcher (and makes the ready event of a first instance).
InstanceRole OpenInstanceChannel(Launcher& launcher, const std::u16string& instanceName);
