// The message catalogue and the launcher's one error channel: a line that
// starts with "Error: " on standard output, or, in the windowed launcher when
// that output reaches no one, a message box (support/standard_streams.h).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "support/os.h"

namespace message {
constexpr MessageId kWindowsException = 202;
constexpr MessageId kJniException = 203;
constexpr MessageId kJreNotFoundServer = 206;
constexpr MessageId kJreNotFound = 207;
constexpr MessageId kModulePathFailed = 208;
constexpr MessageId kNoClassPath = 209;
constexpr MessageId kNoMainClass = 210;
constexpr MessageId kMainClassNotLoaded = 211;
constexpr MessageId kNoCreateJavaVm = 212;
constexpr MessageId kVmNotCreated = 213;
constexpr MessageId kBrowseTitle = 214;
constexpr MessageId kMainClassNotFound = 215;
constexpr MessageId kNoMainMethod = 216;
constexpr MessageId kLatestVersion = 217;
constexpr MessageId kMaximumVersion = 218;
constexpr MessageId kMinimumVersion = 219;
constexpr MessageId kExactVersion = 220;
constexpr MessageId kVersionRange = 221;
constexpr MessageId kVmLibraryNotLoaded = 222;
constexpr MessageId kReasonUnknown = 225;
constexpr MessageId kReasonInvalidArguments = 230;
constexpr MessageId kPairedLauncherNotStarted = 231;
constexpr MessageId kNotStartedAsService = 232;
constexpr MessageId kPathNotInCodePage = 233;
}  // namespace message

// One argument of a formatted message: a text for "%s" or a number for "%d".
class MessageArgument {
 public:
  MessageArgument(std::u16string text) : text_(std::move(text)) {}
  MessageArgument(const char16_t* text) : text_(text) {}
  MessageArgument(std::int32_t number) : isNumber_(true), number_(number) {}

  bool isNumber() const { return isNumber_; }
  const std::u16string& text() const { return text_; }
  std::int32_t number() const { return number_; }

 private:
  std::u16string text_;
  bool isNumber_ = false;
  std::int32_t number_ = 0;
};

using MessageArguments = std::initializer_list<MessageArgument>;

// The catalogue text with "%s" and "%d" replaced by the arguments in order.
// Arguments are inserted as they are: a "%" inside one is not interpreted.
std::u16string FormatMessageText(MessageId id, MessageArguments arguments);
std::u16string FormatText(std::u16string_view format, MessageArguments arguments);

// Writes "Error: " + text + " " + line feed to standard output in one write,
// or shows the text in a message box instead.
void ReportError(MessageId id);
void ReportError(MessageId id, MessageArguments arguments);
// The same for a text that is no catalogue entry of its own.
void ReportErrorText(std::u16string_view text);

// The message box's caption: none (the system's) until the launch sets the
// executable's file name without extension, then "Product Name" when set.
void SetErrorCaption(std::u16string caption);
// While withheld, errors are written as the line only. A service withholds
// them: its box would be on a desktop no one sees, and would hold its start.
void WithholdErrorBoxes(bool withheld);

// The reason shown in message 203 for a JNI_CreateJavaVM status.
std::u16string JniReasonText(int status);

// The error line for a message text, as ReportError writes it.
std::u16string ErrorLine(std::u16string_view text);
