// Single-instance mode: a later start of the same executable hands its
// arguments to the running first instance and ends with its reply.
#pragma once

#include "instance/instance_channel.h"
#include "settings/launcher_settings.h"
#include "support/os.h"

// What this start is among the starts of its executable, and the channel
// that connects it with the others. Destroying it closes the channel; a first
// instance closes it only after the VM is destroyed, so that other starts are
// still served while the VM's last threads run.
struct SingleInstance {
  InstanceRole role = InstanceRole::None;
  InstanceChannel channel;

  // The mode is on and a running first instance took this start over.
  bool isLaterStart() const { return role == InstanceRole::Later; }
  bool handOverFailed() const { return role == InstanceRole::HandOverFailed; }
};

// Sets the mode up after the settings are loaded: nothing for a service or
// when "Single Instance" is off; a later start hands its arguments over here.
// A first instance makes the target's ready event.
SingleInstance SetUpSingleInstance(const LauncherSettings& settings, const Invocation& invocation,
                                   ApplicationTarget& target);

// A later start's exit code: the first instance's reply.
int WaitForReply(const SingleInstance& instance);
