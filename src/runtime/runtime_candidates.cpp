#include "runtime/runtime_candidates.h"

#include <algorithm>
#include <utility>

const RuntimeSource kRuntimeSources[5] = {
    {u"Software\\JavaSoft\\Java Development Kit\\", RuntimeKind::Jdk, RuntimeVendor::Sun},
    {u"Software\\JavaSoft\\Java Runtime Environment\\", RuntimeKind::Jre, RuntimeVendor::Sun},
    {u"Software\\JRockit\\Java Runtime Environment\\", RuntimeKind::Jre, RuntimeVendor::JRockit},
    {u"Software\\JRockit\\Java Development Kit\\", RuntimeKind::Jdk, RuntimeVendor::JRockit},
    {u"Software\\IBM\\Java2 Runtime Environment\\", RuntimeKind::Jre, RuntimeVendor::Ibm},
};

namespace {

bool AcceptsKind(RuntimeKind kind, const LauncherSettings& settings) {
  return kind == RuntimeKind::Jdk ? settings.acceptJdk : settings.acceptJre;
}

// Where the settings keep a vendor's two flags.
struct VendorFlags {
  bool LauncherSettings::*accept;
  bool LauncherSettings::*favor;
};

VendorFlags FlagsOf(RuntimeVendor vendor) {
  switch (vendor) {
    case RuntimeVendor::JRockit:
      return {&LauncherSettings::acceptJRockit, &LauncherSettings::favorJRockit};
    case RuntimeVendor::Ibm:
      return {&LauncherSettings::acceptIbm, &LauncherSettings::favorIbm};
    case RuntimeVendor::Sun:
      break;
  }
  return {&LauncherSettings::acceptSun, &LauncherSettings::favorSun};
}

// The public JRE's key is checked client first even when a server VM is
// favoured, so its runtimes never count as server VMs in the ranking.
ServerVmMode CandidateCheckMode(const RuntimeSource& source, ServerVmMode mode) {
  bool isPublicJre = source.kind == RuntimeKind::Jre && source.vendor == RuntimeVendor::Sun;
  return isPublicJre && mode == ServerVmMode::FavorServer ? ServerVmMode::Any : mode;
}

// Whether right must come before left: a higher version, unless a server VM
// is favoured and only one of them is one, unless the kind is favoured and
// only one of them is favoured.
bool RanksBefore(const RuntimeCandidate& right, const RuntimeCandidate& left, const LauncherSettings& settings) {
  bool swap = JavaVersion::compare(left.version, right.version) < 0;
  if (settings.serverVmMode == ServerVmMode::FavorServer && left.isServerVm != right.isServerVm)
    swap = right.isServerVm;
  if (settings.favorKind && left.favored != right.favored) swap = right.favored;
  return swap;
}

}  // namespace

bool IsSourceSearched(const RuntimeSource& source, const LauncherSettings& settings) {
  return (settings.favorKind || AcceptsKind(source.kind, settings)) &&
         (settings.*FlagsOf(source.vendor).accept || settings.*FlagsOf(source.vendor).favor);
}

bool IsSourceFavored(const RuntimeSource& source, const LauncherSettings& settings) {
  return AcceptsKind(source.kind, settings) && settings.*FlagsOf(source.vendor).favor;
}

void CollectCandidates(const RuntimeSource& source, const std::vector<RegisteredRuntime>& entries,
                       const LauncherSettings& settings, const PathProbe& exists,
                       std::vector<RuntimeCandidate>& candidates, PathStyle style) {
  const char16_t separator = Separator(style);
  for (const RegisteredRuntime& entry : entries) {
    RuntimeCandidate candidate;
    candidate.version.parse(entry.versionName, 0);
    if (JavaVersion::compare(candidate.version, settings.maximumVersion) > 0 ||
        JavaVersion::compare(candidate.version, settings.minimumVersion) < 0 || entry.javaHome.empty())
      continue;
    candidate.home = entry.javaHome;
    if (candidate.home.back() != separator) candidate.home += separator;
    // A registered JDK keeps its runtime in "jre"; on Linux only old JDKs
    // have one, newer ones are their own runtime.
    bool hasJreFolder = style == PathStyle::Windows || exists(candidate.home + u"jre");
    if (source.kind == RuntimeKind::Jdk && hasJreFolder) candidate.home += std::u16string(u"jre") + separator;
    VmLibrary library = FindVmLibrary(candidate.home, CandidateCheckMode(source, settings.serverVmMode), exists, style);
    if (library.path.empty()) continue;
    candidate.isServerVm = library.isServerVm;
    candidate.favored = IsSourceFavored(source, settings);
    candidates.push_back(std::move(candidate));
  }
}

void RankCandidates(std::vector<RuntimeCandidate>& candidates, const LauncherSettings& settings) {
  // The layers order by favour, then server VM, then version; candidates they
  // cannot tell apart keep the order in which they were found.
  std::stable_sort(candidates.begin(), candidates.end(),
                   [&](const RuntimeCandidate& a, const RuntimeCandidate& b) { return RanksBefore(a, b, settings); });
}

const RuntimeCandidate* SelectCandidate(const std::vector<RuntimeCandidate>& ranked,
                                        const std::vector<std::u16string>& preferredVersions) {
  for (const std::u16string& text : preferredVersions) {
    JavaVersion preferred;
    preferred.parse(text, 0);
    for (const RuntimeCandidate& candidate : ranked)
      if (JavaVersion::matches(candidate.version, preferred)) return &candidate;
  }
  return ranked.empty() ? nullptr : &ranked.front();
}
