#include "runtime/runtime_candidates.h"

#include <algorithm>
#include <utility>

#include "runtime/library_machine.h"
#include "support/files.h"
#include "support/text.h"
#include "support/trace.h"

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

const char16_t* KindText(RuntimeKind kind) { return kind == RuntimeKind::Jdk ? u"JDK" : u"JRE"; }

const char16_t* VendorText(RuntimeVendor vendor) {
  switch (vendor) {
    case RuntimeVendor::JRockit:
      return u"JRockit";
    case RuntimeVendor::Ibm:
      return u"IBM";
    case RuntimeVendor::Sun:
      break;
  }
  return u"Sun";
}

// The maker of the runtime's VM, as its release file tells it: OpenJ9 and
// IBM J9 count as IBM, every HotSpot build as Sun. Without one, the place
// that named the runtime decides.
RuntimeVendor VendorOf(const FoundRuntime& found, const ReleaseFacts& facts) {
  if (facts.isIbm()) return RuntimeVendor::Ibm;
  if (!facts.implementor.empty() || !facts.jvmVariant.empty()) return RuntimeVendor::Sun;
  return found.vendor;
}

// A JDK of Java 8 or older keeps its runtime in "jre"; a newer one is its own.
std::u16string RuntimeFolderOf(const FoundRuntime& found, const LauncherSettings& settings, const PathProbe& exists,
                               PathStyle style) {
  std::u16string home = found.javaHome;
  if (home.back() != Separator(style)) home += Separator(style);
  if (found.kind != RuntimeKind::Jdk) return home;
  const std::u16string jre = home + u"jre" + Separator(style);
  return FindVmLibrary(jre, settings.serverVmMode, exists, style).path.empty() ? home : jre;
}

bool SameFolder(const std::u16string& a, const std::u16string& b, PathStyle style) {
  return style == PathStyle::Windows ? EqualsIgnoringCase(a, b) : a == b;
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

// One found runtime checked: the candidate it makes, or why it makes none.
struct Verdict {
  RuntimeCandidate candidate;
  const char16_t* skipped = nullptr;
};

Verdict Check(const FoundRuntime& found, const LauncherSettings& settings, const RuntimeProbe& probe,
              std::uint16_t machine, const std::vector<RuntimeCandidate>& taken, PathStyle style) {
  Verdict verdict;
  RuntimeCandidate& candidate = verdict.candidate;
  if (found.javaHome.empty()) {
    verdict.skipped = u"it names no folder";
    return verdict;
  }
  const ReleaseFacts facts = probe.releaseFacts(found.javaHome);
  candidate.version.parse(facts.javaVersion.empty() ? found.versionName : facts.javaVersion, 0);
  candidate.kind = found.kind;
  candidate.vendor = VendorOf(found, facts);
  candidate.home = RuntimeFolderOf(found, settings, probe.exists, style);
  // The public JRE key is checked client first even where a server VM is favoured.
  const bool clientFirst = found.checkedClientFirst && settings.serverVmMode == ServerVmMode::FavorServer;
  const VmLibrary library =
      FindVmLibrary(candidate.home, clientFirst ? ServerVmMode::Any : settings.serverVmMode, probe.exists, style);
  candidate.vmLibrary = library.path;
  candidate.isServerVm = library.isServerVm;
  candidate.favored = IsFavored(candidate.kind, candidate.vendor, settings);
  if (!IsSearched(candidate.kind, candidate.vendor, settings)) {
    verdict.skipped = u"its kind or vendor is not asked for";
  } else if (JavaVersion::compare(candidate.version, settings.maximumVersion) > 0 ||
             JavaVersion::compare(candidate.version, settings.minimumVersion) < 0) {
    verdict.skipped = u"its version is out of range";
  } else if (library.path.empty()) {
    verdict.skipped = u"it holds no VM library of the type asked for";
  } else if (std::optional<std::uint16_t> type = probe.machineType(library.path); type && *type != machine) {
    verdict.skipped = u"its VM library is for another machine";
  } else if (std::any_of(taken.begin(), taken.end(), [&](const RuntimeCandidate& other) {
               return SameFolder(other.home, candidate.home, style);
             })) {
    verdict.skipped = u"it was found before";
  }
  return verdict;
}

}  // namespace

RuntimeProbe FileSystemProbe() {
  return {PathExists,
          [](const std::u16string& home) {
            std::u16string file = home;
            if (file.back() != kPathSeparator) file += kPathSeparator;
            return ReadReleaseFacts(FromUtf8(ReadFileBytes(file + u"release")));
          },
          LibraryMachineType};
}

bool IsSearched(RuntimeKind kind, RuntimeVendor vendor, const LauncherSettings& settings) {
  return (settings.favorKind || AcceptsKind(kind, settings)) &&
         (settings.*FlagsOf(vendor).accept || settings.*FlagsOf(vendor).favor);
}

bool IsFavored(RuntimeKind kind, RuntimeVendor vendor, const LauncherSettings& settings) {
  return AcceptsKind(kind, settings) && settings.*FlagsOf(vendor).favor;
}

std::vector<RuntimeCandidate> CollectCandidates(const std::vector<FoundRuntime>& found,
                                                const LauncherSettings& settings, const RuntimeProbe& probe,
                                                std::uint16_t machine, PathStyle style) {
  std::vector<RuntimeCandidate> candidates;
  for (const FoundRuntime& runtime : found) {
    Verdict verdict = Check(runtime, settings, probe, machine, candidates, style);
    Trace([&] {
      const RuntimeCandidate& c = verdict.candidate;
      return u"candidate " + runtime.place + u": " + c.version.toText() + u" " + KindText(c.kind) + u" " +
             VendorText(c.vendor) + u", home " + runtime.javaHome + u", VM library " +
             (c.vmLibrary.empty() ? u"none" : c.vmLibrary) + u": " +
             (verdict.skipped ? u"skipped, " + std::u16string(verdict.skipped) : u"taken");
    });
    if (!verdict.skipped) candidates.push_back(std::move(verdict.candidate));
  }
  return candidates;
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
