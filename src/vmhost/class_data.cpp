#include "vmhost/class_data.h"

#include "settings/user_settings.h"
#include "vmhost/vm_environment.h"

namespace {

// Options with which the user decides on class data, or that keep the VM
// from writing an archive (agents, patched or limited modules, another heap
// layout), so that one of ours would stop the VM: the launcher stays out.
constexpr std::u16string_view kOwnDecisions[] = {
    u"-Xshare",
    u"--patch-module",
    u"--upgrade-module-path",
    u"--limit-modules",
    u"-Djdk.module.",
    u"-javaagent",
    u"-agentlib",
    u"-agentpath",
    u"-XX:ObjectAlignmentInBytes",
    u"-XX:-UseCompressedClassPointers",
    u"-Djava.system.class.loader",
};
// -XX flags of the archive itself, in any of their forms (=, + or -).
constexpr std::u16string_view kArchiveFlags[] = {
    u"SharedArchiveFile",   u"ArchiveClassesAtExit", u"AutoCreateSharedArchive", u"SharedClassListFile",
    u"DumpLoadedClassList", u"DumpSharedSpaces",     u"DynamicDumpSharedSpaces",
};
// Options that change no class the archive holds: left out of its key, so
// that a system property (Maven's project folder, say) makes no new archive.
constexpr std::u16string_view kIrrelevantToTheKey[] = {u"-D", u"-Xlog", u"-verbose", u"-Xss", u"-Xms"};

constexpr size_t kArchiveHeaderSize = 4096;

bool StartsWith(std::u16string_view text, std::u16string_view start) { return text.substr(0, start.size()) == start; }

bool DecidesItself(std::u16string_view option) {
  for (std::u16string_view own : kOwnDecisions)
    if (StartsWith(option, own)) return true;
  if (!StartsWith(option, u"-XX:")) return false;
  std::u16string_view flag = option.substr(4);
  if (!flag.empty() && (flag[0] == u'+' || flag[0] == u'-')) flag.remove_prefix(1);
  for (std::u16string_view archiveFlag : kArchiveFlags)
    if (flag.substr(0, archiveFlag.size()) == archiveFlag &&
        (flag.size() == archiveFlag.size() || flag[archiveFlag.size()] == u'='))
      return true;
  return false;
}

// The user's own options, and those the environment gives every VM.
std::optional<std::u16string> OwnDecision(const ClassDataFacts& facts) {
  TokenList options = facts.options;
  for (const char16_t* variable : {u"JAVA_TOOL_OPTIONS", u"_JAVA_OPTIONS"}) {
    TokenList words;
    SplitCommandLine(facts.environment(variable).value_or(u""), words);
    options.insert(options.end(), words.begin(), words.end());
  }
  for (const std::u16string& option : options)
    if (DecidesItself(option)) return option;
  return std::nullopt;
}

bool RelevantToTheKey(std::u16string_view option) {
  for (std::u16string_view irrelevant : kIrrelevantToTheKey)
    if (StartsWith(option, irrelevant)) return false;
  return true;
}

// The user's cache folder: LOCALAPPDATA on Windows, XDG_CACHE_HOME or
// ~/.cache elsewhere.
std::optional<std::u16string> CacheBase(const VariableLookup& environment, PathStyle style) {
  auto set = [&](const char16_t* name) -> std::optional<std::u16string> {
    std::optional<std::u16string> value = environment(name);
    if (!value || value->empty()) return std::nullopt;
    return value;
  };
  if (style == PathStyle::Windows) return set(u"LOCALAPPDATA");
  if (std::optional<std::u16string> cache = set(u"XDG_CACHE_HOME")) return cache;
  if (std::optional<std::u16string> home = set(u"HOME")) return *home + u"/.cache";
  return std::nullopt;
}

// The product's folder: named after "Product Name", or after the executable.
std::u16string ProductName(const LauncherSettings& settings, std::u16string_view executablePath, PathStyle style) {
  std::u16string name = ProductFolderName(settings.productName);
  if (!name.empty()) return name;
  std::u16string_view file = FileNameOf(executablePath, style);
  return std::u16string(file.substr(0, file.rfind(u'.')));
}

std::u16string FactsText(const ClassDataFacts& facts, const std::u16string& path) {
  std::optional<FileFacts> file = facts.fileFacts(path);
  if (!file) return path + u" absent\n";
  return path + u" " + ToDecimal(static_cast<long long>(file->size)) + u" " + ToDecimal(file->modified) + u"\n";
}

// Everything that makes an archive invalid when it changes: the VM (its
// library and the base archive and modules it maps), the class path with
// every entry's size and time, and the options that change how classes load.
std::u16string ArchiveKey(const ClassDataFacts& facts, PathStyle style) {
  const std::u16string libraryFolder = std::u16string(CutLastComponent(facts.vmLibraryPath, style)) + Separator(style);
  const std::u16string home = RuntimeHomeOf(facts.vmLibraryPath, style) + Separator(style);
  std::u16string key = FactsText(facts, facts.vmLibraryPath) + FactsText(facts, libraryFolder + u"classes.jsa") +
                       FactsText(facts, libraryFolder + u"classes_nocoops.jsa") +
                       FactsText(facts, home + u"lib" + Separator(style) + u"modules");
  for (const std::u16string& entry : facts.classPath) key += u"class path " + FactsText(facts, entry);
  for (const std::u16string& option : facts.options)
    if (RelevantToTheKey(option)) key += u"option " + option + u"\n";
  return HashText(ToUtf8(key));
}

// Quiet whatever the archive: no message on a missing, stale or unusable one.
// Ours come first, so that logging the user asks for still applies.
TokenList Silencing(int major) {
  if (major >= 25) return {u"-Xlog:cds*=off", u"-Xlog:aot*=off"};  // Java 25 logs archives under aot too
  return {u"-Xlog:cds*=off"};
}

ClassDataPlan NoArchive(std::u16string why) {
  ClassDataPlan plan;
  plan.why = std::move(why);
  return plan;
}

}  // namespace

ClassDataPlan PlanClassData(const LauncherSettings& settings, const ClassDataFacts& facts, PathStyle style) {
  if (!settings.classDataSharing) return {};
  if (facts.isIbm) return NoArchive(u"an OpenJ9 or IBM J9 VM keeps no such archive");
  if (facts.version.count == 0) return NoArchive(u"the runtime's version is unknown");
  const int major = facts.version.parts[0];
  if (major < 13) return NoArchive(u"Java " + facts.version.toText() + u" writes no archive of an application");
  if (std::optional<std::u16string> option = OwnDecision(facts))
    return NoArchive(u"the option " + *option + u" decides on class data itself");
  for (const std::u16string& entry : facts.classPath) {
    std::optional<FileFacts> file = facts.fileFacts(entry);
    if (file && file->isFolder) return NoArchive(u"the class path holds the folder " + entry);
  }
  std::optional<std::u16string> base = CacheBase(facts.environment, style);
  if (!base) return NoArchive(u"the user has no cache folder");
  const std::u16string libraryFolder = std::u16string(CutLastComponent(facts.vmLibraryPath, style)) + Separator(style);
  if (!facts.fileFacts(libraryFolder + u"classes.jsa")) return NoArchive(u"the runtime has no base archive");

  ClassDataPlan plan;
  plan.folder = *base + Separator(style) + ProductName(settings, facts.executablePath, style);
  // An archive's name with "?" in it would be written where nobody reads it,
  // or fail the VM at its end.
  if (!facts.vmTextCarries(plan.folder)) return NoArchive(u"the VM cannot be given the folder " + plan.folder);
  const std::u16string key = ArchiveKey(facts, style);
  plan.archive = plan.folder + Separator(style) + key + u".jsa";
  plan.options = Silencing(major);
  if (major >= 19) {
    plan.use = ArchiveUse::AutoCreate;
    plan.why = u"Java " + facts.version.toText() + u" keeps the archive " + plan.archive + u" itself";
    plan.options.insert(plan.options.end(),
                        {u"-XX:+AutoCreateSharedArchive", u"-XX:SharedArchiveFile=" + plan.archive});
    return plan;
  }
  std::optional<FileFacts> archive = facts.fileFacts(plan.archive);
  if (archive && archive->size > kArchiveHeaderSize) {
    plan.use = ArchiveUse::Read;
    plan.why = u"the archive " + plan.archive + u" is read";
    plan.options.push_back(u"-XX:SharedArchiveFile=" + plan.archive);
    return plan;
  }
  plan.use = ArchiveUse::Dump;
  plan.temporary = plan.folder + Separator(style) + key + u"-" + facts.uniqueTag + u".tmp";
  plan.why = u"the archive " + plan.archive + u" is made: no archive has its key yet";
  plan.options.push_back(u"-XX:ArchiveClassesAtExit=" + plan.temporary);
  return plan;
}
