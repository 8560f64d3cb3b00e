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

// Meets the other starts of the executable under the instance name. A first
// instance starts listening; a later one hands its arguments over. Anything
// the platform refuses switches the mode off (singleInstance cleared) and
// succeeds; false only when a later start could not hand its arguments over.
bool OpenInstanceChannel(Launcher& launcher, const std::u16string& instanceName);
