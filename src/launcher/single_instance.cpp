#include "launcher/single_instance.h"

#include "launcher/launcher.h"
#include "support/module_path.h"

std::u16string InstanceName(std::u16string_view modulePath, PathStyle style) {
  std::u16string name(modulePath);
  for (char16_t& c : name) {
    if (c == Separator(style)) c = u'_';
  }
  return name;
}

bool SetUpSingleInstance(Launcher& launcher) {
  const LauncherSettings& settings = launcher.settings;
  if (settings.isService || !settings.isSingleInstance) return true;
  std::u16string modulePath;
  if (!ModulePath(modulePath)) return false;
  const InstanceRole role = OpenInstanceChannel(launcher, InstanceName(modulePath));
  launcher.singleInstance = role != InstanceRole::None;
  launcher.isFirstInstance = role == InstanceRole::First;
  return role != InstanceRole::HandOverFailed;
}

bool IsSecondInstance(const Launcher& launcher) { return launcher.singleInstance && !launcher.isFirstInstance; }

void TearDownSingleInstance(Launcher& launcher) {
  launcher.instanceChannel.reset();
  launcher.readyEvent = ReadyEvent();
}
