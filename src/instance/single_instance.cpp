#include "instance/single_instance.h"

std::u16string InstanceName(std::u16string_view modulePath, PathStyle style) {
  std::u16string name(modulePath);
  for (char16_t& c : name) {
    if (c == Separator(style)) c = u'_';
  }
  return name;
}

SingleInstance SetUpSingleInstance(const LauncherSettings& settings, const Invocation& invocation,
                                   ApplicationTarget& target) {
  SingleInstance instance;
  if (settings.isService || !settings.isSingleInstance) return instance;
  instance.role =
      OpenInstanceChannel(InstanceName(invocation.executablePath), invocation.arguments, target, instance.channel);
  return instance;
}

int WaitForReply(const SingleInstance& instance) { return WaitForReply(*instance.channel); }
