#include "vmhost/vm_option_paths.h"

namespace {

// The JVM's own options whose value is a list of paths, and those whose value is one.
constexpr std::u16string_view kPathListOptions[] = {u"-Djava.class.path=", u"-Djava.library.path=",
                                                    u"-Xbootclasspath/a:"};
constexpr std::u16string_view kPathOptions[] = {u"-javaagent:", u"-agentpath:"};

class OptionCarrier {
 public:
  OptionCarrier(const NarrowTextFacts& facts, PathStyle style, CarriedOptions& carried)
      : facts_(facts), separator_(ListSeparator(style)), carried_(carried) {}

  void carry(const std::u16string& option) {
    if (facts_.carries(option)) return keep(option);  // nearly every option
    for (std::u16string_view prefix : kPathListOptions)
      if (option.compare(0, prefix.size(), prefix) == 0) return keep(std::u16string(prefix) + list(option, prefix));
    for (std::u16string_view prefix : kPathOptions)
      if (option.compare(0, prefix.size(), prefix) == 0) return keep(std::u16string(prefix) + file(option, prefix));
    keep(option);
  }

 private:
  void keep(std::u16string option) { carried_.options.push_back(std::move(option)); }

  // The first path that cannot be carried is the one reported.
  void fail(const std::u16string& path) {
    if (!carried_.uncarriedPath) carried_.uncarriedPath = path;
  }

  // The path as it is or by its short name; nothing when it does not exist.
  // One that exists without a short name the text can carry fails.
  std::optional<std::u16string> carried(const std::u16string& path) {
    if (facts_.carries(path)) return path;
    std::optional<std::u16string> shortPath = facts_.shortPath(path);
    if (shortPath && !facts_.carries(*shortPath)) fail(path);
    return shortPath;
  }

  // An empty list would be the current directory to the VM: one left with
  // nothing fails with the first element it lost.
  std::u16string list(const std::u16string& option, std::u16string_view prefix) {
    std::u16string kept;
    std::optional<std::u16string> firstLeftOut;
    for (const std::u16string& element :
         SplitText(std::u16string_view(option).substr(prefix.size()), {&separator_, 1})) {
      std::optional<std::u16string> carriedElement = carried(element);
      if (!carriedElement && !firstLeftOut) firstLeftOut = element;
      if (!carriedElement || carriedElement->empty()) continue;
      if (!kept.empty()) kept += separator_;
      kept += *carriedElement;
    }
    if (kept.empty() && firstLeftOut) fail(*firstLeftOut);
    return kept;
  }

  // The option cannot go without its file, so a missing one fails too.
  std::u16string file(const std::u16string& option, std::u16string_view prefix) {
    const size_t end = option.find(u'=', prefix.size());
    const std::u16string path = option.substr(prefix.size(), end - prefix.size());
    const std::optional<std::u16string> carriedPath = carried(path);
    if (!carriedPath) fail(path);
    return carriedPath.value_or(path) + (end == std::u16string::npos ? std::u16string() : option.substr(end));
  }

  const NarrowTextFacts& facts_;
  const char16_t separator_;
  CarriedOptions& carried_;
};

}  // namespace

CarriedOptions CarryOptionPaths(const TokenList& options, const NarrowTextFacts& facts, PathStyle style) {
  CarriedOptions carried;
  OptionCarrier carrier(facts, style, carried);
  for (const std::u16string& option : options) carrier.carry(option);
  return carried;
}
