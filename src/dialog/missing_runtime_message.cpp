#include "dialog/missing_runtime_message.h"

#include "resources/missing_runtime_dialog.h"
#include "support/messages.h"

std::u16string ComposeRequirementText(const JavaVersion& minimum, const JavaVersion& maximum) {
  if (minimum.isUnset() && maximum.isUnset()) return LoadMessage(message::kLatestVersion);
  if (minimum.isUnset()) return FormatMessageText(message::kMaximumVersion, {maximum.toText()});
  if (maximum.isUnset()) return FormatMessageText(message::kMinimumVersion, {minimum.toText()});
  if (JavaVersion::equalParts(minimum, maximum)) return FormatMessageText(message::kExactVersion, {minimum.toText()});
  return FormatMessageText(message::kVersionRange, {minimum.toText(), maximum.toText()});
}

std::u16string MissingRuntimeMessage(const LauncherSettings& settings) {
  bool serverOnly = settings.serverVmMode == ServerVmMode::ServerOnly;
  MessageId id = serverOnly ? message::kJreNotFoundServer : message::kJreNotFound;
  return FormatMessageText(id, {ComposeRequirementText(settings.minimumVersion, settings.maximumVersion)});
}

void ReportMissingRuntime(const std::u16string& message) { ReportErrorText(message + u" " JAVA_DOWNLOAD_ADDRESS); }
