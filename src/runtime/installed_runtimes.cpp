#include "runtime/installed_runtimes.h"

#include "runtime/library_machine.h"
#include "support/os.h"
#include "support/trace.h"

namespace {

void TraceRanking(const std::vector<RuntimeCandidate>& ranked, const RuntimeCandidate* chosen) {
  if (!TraceIsOn()) return;
  for (size_t k = 0; k < ranked.size(); ++k)
    WriteTraceLine(u"ranked " + ToDecimal(static_cast<long long>(k + 1)) + u": " + ranked[k].version.toText() + u" " +
                   ranked[k].vmLibrary);
  WriteTraceLine(chosen ? u"chosen " + chosen->vmLibrary : u"no installed runtime fits");
}

}  // namespace

std::optional<RuntimeCandidate> SearchInstalledRuntimes(const LauncherSettings& settings, RuntimeView view) {
  const std::optional<std::uint16_t> machine = view == RuntimeView::Default ? OwnMachineType() : OtherMachineType();
  if (!machine) return std::nullopt;
  Trace([&] {
    return std::u16string(view == RuntimeView::Default ? u"installed runtimes"
                                                       : u"installed runtimes of the other view");
  });
  std::vector<RuntimeCandidate> candidates =
      CollectCandidates(FindInstalledRuntimes(view), settings, FileSystemProbe(), *machine);
  RankCandidates(candidates, settings);
  const RuntimeCandidate* chosen = SelectCandidate(candidates, settings.preferredVersions);
  TraceRanking(candidates, chosen);
  if (!chosen) return std::nullopt;
  return *chosen;
}
