#include "support/messages.h"

#include "support/standard_streams.h"
#include "support/text.h"

namespace {

std::u16string errorCaption;
bool errorBoxesWithheld = false;

// A box has no use for the line's trailing line feeds.
std::u16string_view WithoutTrailingLineFeeds(std::u16string_view text) {
  while (!text.empty() && text.back() == u'\n') text.remove_suffix(1);
  return text;
}

}  // namespace

std::u16string FormatText(std::u16string_view format, MessageArguments arguments) {
  std::u16string out;
  auto next = arguments.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    bool isConversion = format[i] == u'%' && i + 1 < format.size() && (format[i + 1] == u's' || format[i + 1] == u'd');
    if (!isConversion) {
      out += format[i];
      continue;
    }
    ++i;
    if (next == arguments.end()) continue;
    out += next->isNumber() ? ToDecimal(next->number()) : next->text();
    ++next;
  }
  return out;
}

std::u16string FormatMessageText(MessageId id, MessageArguments arguments) {
  return FormatText(LoadMessage(id), arguments);
}

std::u16string ErrorLine(std::u16string_view text) {
  std::u16string line = u"Error: ";
  line += text;
  line += u" \n";
  return line;
}

void ReportErrorText(std::u16string_view text) {
  if (!errorBoxesWithheld && ShowErrorBox(errorCaption, WithoutTrailingLineFeeds(text))) return;
  WriteStandardOutput(ErrorLine(text));
}

void ReportError(MessageId id) { ReportErrorText(LoadMessage(id)); }

void ReportError(MessageId id, MessageArguments arguments) { ReportErrorText(FormatMessageText(id, arguments)); }

void SetErrorCaption(std::u16string caption) { errorCaption = std::move(caption); }

void WithholdErrorBoxes(bool withheld) { errorBoxesWithheld = withheld; }

std::u16string JniReasonText(int status) {
  if (status > -1 || status < -6) return std::u16string();
  return LoadMessage(static_cast<MessageId>(message::kReasonUnknown - 1 - status));
}
