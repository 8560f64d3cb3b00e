#include "runtime/installed_runtimes.h"

#include "support/files.h"

std::optional<RuntimeCandidate> SearchRegistry(const LauncherSettings& settings, RuntimeView view) {
  std::vector<RuntimeCandidate> candidates;
  for (const RuntimeSource& source : kRuntimeSources)
    if (IsSourceSearched(source, settings))
      CollectCandidates(source, RegisteredRuntimes(source, view), settings, PathExists, candidates);
  RankCandidates(candidates, settings);
  const RuntimeCandidate* chosen = SelectCandidate(candidates, settings.preferredVersions);
  if (!chosen) return std::nullopt;
  return *chosen;
}
