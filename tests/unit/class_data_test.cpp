// The class-data archive: which archive a start uses and how, by runtime, and
// what its key follows.
#include <gtest/gtest.h>

#include <map>

#include "support/text.h"
#include "vmhost/class_data.h"

namespace {

const std::u16string kLibrary = u"/jdk/lib/server/libjvm.so";
const std::u16string kCache = u"/home/u/.cache/Tool/";

// A machine whose files and variables are plain data.
struct Machine {
  std::map<std::u16string, FileFacts> files = {
      {kLibrary, {100, 1, false}},
      {u"/jdk/lib/server/classes.jsa", {200, 1, false}},
      {u"/app/app.jar", {300, 1, false}},
      {u"/app/lib", {0, 1, true}},
  };
  std::map<std::u16string, std::u16string, std::less<>> variables = {{u"HOME", u"/home/u"}};
  char16_t uncarried = u'\u65e5';  // a character the VM's narrow text lacks

  ClassDataFacts facts(const char16_t* version, TokenList options = {}, TokenList classPath = {u"/app/app.jar"}) {
    ClassDataFacts facts;
    facts.executablePath = u"/app/tool";
    facts.vmLibraryPath = kLibrary;
    facts.version.parse(version, 0);
    facts.classPath = std::move(classPath);
    facts.options = std::move(options);
    facts.environment = [this](std::u16string_view name) -> std::optional<std::u16string> {
      auto found = variables.find(name);
      if (found == variables.end()) return std::nullopt;
      return found->second;
    };
    facts.fileFacts = [this](const std::u16string& path) -> std::optional<FileFacts> {
      auto found = files.find(path);
      if (found == files.end()) return std::nullopt;
      return found->second;
    };
    facts.vmTextCarries = [this](std::u16string_view text) {
      return text.find(uncarried) == std::u16string_view::npos;
    };
    facts.uniqueTag = u"42";
    return facts;
  }
};

LauncherSettings Auto(const char16_t* productName = u"Tool") {
  LauncherSettings settings;
  settings.classDataSharing = true;
  settings.productName = productName;
  return settings;
}

std::u16string Key(const ClassDataPlan& plan) {
  return plan.archive.substr(kCache.size(), plan.archive.size() - kCache.size() - 4);
}

TEST(ClassData, TheRuntimesVersionChoosesHowTheArchiveIsKept) {
  Machine machine;
  struct Row {
    const char16_t* version;
    ArchiveUse use;
    const char16_t* options;  // the options, the archive standing as A and the temporary file as T
  };
  const Row rows[] = {
      {u"", ArchiveUse::None, u""},
      {u"1.8.0_392", ArchiveUse::None, u""},
      {u"11.0.21", ArchiveUse::None, u""},
      {u"13", ArchiveUse::Dump, u"-Xlog:cds*=off -XX:ArchiveClassesAtExit=T"},
      {u"17.0.9", ArchiveUse::Dump, u"-Xlog:cds*=off -XX:ArchiveClassesAtExit=T"},
      {u"19", ArchiveUse::AutoCreate, u"-Xlog:cds*=off -XX:+AutoCreateSharedArchive -XX:SharedArchiveFile=A"},
      {u"21.0.1", ArchiveUse::AutoCreate, u"-Xlog:cds*=off -XX:+AutoCreateSharedArchive -XX:SharedArchiveFile=A"},
      {u"25", ArchiveUse::AutoCreate,
       u"-Xlog:cds*=off -Xlog:aot*=off -XX:+AutoCreateSharedArchive -XX:SharedArchiveFile=A"},
  };
  for (const Row& row : rows) {
    const ClassDataPlan plan = PlanClassData(Auto(), machine.facts(row.version), PathStyle::Posix);
    EXPECT_EQ(plan.use, row.use) << ToUtf8(row.version) << ": " << ToUtf8(plan.why);
    std::u16string options;
    for (std::u16string option : plan.options) {
      if (!plan.archive.empty() && option.find(plan.archive) != std::u16string::npos)
        option.replace(option.find(plan.archive), plan.archive.size(), u"A");
      if (!plan.temporary.empty() && option.find(plan.temporary) != std::u16string::npos)
        option.replace(option.find(plan.temporary), plan.temporary.size(), u"T");
      options += (options.empty() ? u"" : u" ") + option;
    }
    EXPECT_EQ(options, row.options) << ToUtf8(row.version);
  }
}

TEST(ClassData, Java13To18ReadAnArchiveThatIsThereAndWriteOneThatIsNot) {
  Machine machine;
  const ClassDataPlan writing = PlanClassData(Auto(), machine.facts(u"17"), PathStyle::Posix);
  ASSERT_EQ(writing.use, ArchiveUse::Dump);
  EXPECT_EQ(writing.folder, u"/home/u/.cache/Tool");
  EXPECT_EQ(writing.archive.substr(0, kCache.size()), kCache);
  EXPECT_EQ(writing.temporary, kCache + Key(writing) + u"-42.tmp");  // never the archive another start reads

  machine.files[writing.archive] = {4096, 2, false};  // no more than a header: not whole
  EXPECT_EQ(PlanClassData(Auto(), machine.facts(u"17"), PathStyle::Posix).use, ArchiveUse::Dump);
  machine.files[writing.archive] = {114688, 2, false};
  const ClassDataPlan reading = PlanClassData(Auto(), machine.facts(u"17"), PathStyle::Posix);
  EXPECT_EQ(reading.use, ArchiveUse::Read);
  EXPECT_EQ(reading.options, (TokenList{u"-Xlog:cds*=off", u"-XX:SharedArchiveFile=" + writing.archive}));
}

TEST(ClassData, StartsThatCannotKeepAnArchiveRunWithout) {
  struct Row {
    const char* what;
    bool settingOn;
    bool isIbm;
    TokenList options;
    TokenList classPath;
    const char16_t* toolOptions;  // JAVA_TOOL_OPTIONS
    const char16_t* home;         // none when null
    bool hasBaseArchive;
  };
  // clang-format off
  const Row rows[] = {
      {"the setting is off", false, false, {}, {u"/app/app.jar"}, u"", u"/home/u", true},
      {"an OpenJ9 VM", true, true, {}, {u"/app/app.jar"}, u"", u"/home/u", true},
      {"a folder on the class path", true, false, {}, {u"/app/app.jar", u"/app/lib"}, u"", u"/home/u", true},
      {"the user's own archive", true, false, {u"-XX:SharedArchiveFile=/x.jsa"}, {u"/app/app.jar"}, u"", u"/home/u", true},
      {"sharing switched off", true, false, {u"-Xshare:off"}, {u"/app/app.jar"}, u"", u"/home/u", true},
      {"an agent", true, false, {u"-javaagent:/a.jar"}, {u"/app/app.jar"}, u"", u"/home/u", true},
      {"patched modules", true, false, {u"--patch-module=java.base=/p"}, {u"/app/app.jar"}, u"", u"/home/u", true},
      {"no compressed class pointers", true, false, {u"-XX:-UseCompressedClassPointers"}, {u"/app/app.jar"}, u"", u"/home/u", true},
      {"an agent for every VM", true, false, {}, {u"/app/app.jar"}, u"-Xmx1g -agentlib:jdwp=transport=dt_socket", u"/home/u", true},
      {"no cache folder", true, false, {}, {u"/app/app.jar"}, u"", nullptr, true},
      {"a runtime without its base archive", true, false, {}, {u"/app/app.jar"}, u"", u"/home/u", false},
      {"a cache folder the VM cannot be given", true, false, {}, {u"/app/app.jar"}, u"", u"/home/\u65e5", true},
  };
  // clang-format on

  for (const Row& row : rows) {
    Machine machine;
    machine.variables.clear();
    if (row.home) machine.variables[u"HOME"] = row.home;
    if (!row.hasBaseArchive) machine.files.erase(u"/jdk/lib/server/classes.jsa");
    machine.variables[u"JAVA_TOOL_OPTIONS"] = row.toolOptions;
    LauncherSettings settings = Auto();
    settings.classDataSharing = row.settingOn;
    ClassDataFacts facts = machine.facts(u"17", row.options, row.classPath);
    facts.isIbm = row.isIbm;
    const ClassDataPlan plan = PlanClassData(settings, facts, PathStyle::Posix);
    EXPECT_EQ(plan.use, ArchiveUse::None) << row.what;
    EXPECT_TRUE(plan.options.empty()) << row.what;
    EXPECT_EQ(plan.why.empty(), !row.settingOn) << row.what << ": " << ToUtf8(plan.why);
  }
  // Options of the same names that are no archive's keep it.
  Machine machine;
  EXPECT_EQ(
      PlanClassData(Auto(), machine.facts(u"17", {u"-XX:SharedArchiveFileless", u"-Dagentlib=1"}), PathStyle::Posix)
          .use,
      ArchiveUse::Dump);
}

TEST(ClassData, TheKeyFollowsTheVmTheClassPathAndTheOptionsThatChangeClassLoading) {
  Machine machine;
  const std::u16string key = Key(PlanClassData(Auto(), machine.facts(u"17", {u"-Xmx1g"}), PathStyle::Posix));
  auto keyWith = [&](auto change, TokenList options = {u"-Xmx1g"},
                     TokenList classPath = {u"/app/app.jar"}) -> std::u16string {
    Machine changed;
    change(changed);
    return Key(PlanClassData(Auto(), changed.facts(u"17", options, classPath), PathStyle::Posix));
  };
  auto same = [](Machine&) {};
  EXPECT_EQ(keyWith(same), key);
  EXPECT_EQ(keyWith(same, {u"-Xmx1g", u"-Dmaven.multiModuleProjectDirectory=/p", u"-Xlog:gc", u"-Xss2m"}), key);
  EXPECT_NE(keyWith(same, {u"-Xmx2g"}), key);
  EXPECT_NE(keyWith(same, {u"-Xmx1g", u"--add-modules=java.sql"}), key);
  EXPECT_NE(keyWith([](Machine& m) { m.files[u"/app/app.jar"].modified = 2; }), key);  // a jar replaced
  EXPECT_NE(keyWith([](Machine& m) { m.files[u"/app/app.jar"].size = 301; }), key);
  EXPECT_NE(keyWith([](Machine& m) { m.files[kLibrary].modified = 2; }), key);  // the runtime updated
  EXPECT_NE(keyWith([](Machine& m) { m.files[u"/jdk/lib/server/classes.jsa"].size = 201; }), key);
  EXPECT_NE(keyWith(same, {u"-Xmx1g"}, {u"/app/app.jar", u"/app/more.jar"}), key);  // an entry that is not there
  EXPECT_EQ(key.size(), 16u);
}

TEST(ClassData, TheFolderIsNamedAfterTheProductInTheUsersCache) {
  Machine machine;
  machine.variables[u"XDG_CACHE_HOME"] = u"/cache";
  EXPECT_EQ(PlanClassData(Auto(u"My: App"), machine.facts(u"17"), PathStyle::Posix).folder, u"/cache/My App");
  EXPECT_EQ(PlanClassData(Auto(u""), machine.facts(u"17"), PathStyle::Posix).folder, u"/cache/tool");

  Machine windows;
  windows.files = {{u"C:\\jdk\\bin\\server\\jvm.dll", {1, 1, false}},
                   {u"C:\\jdk\\bin\\server\\classes.jsa", {1, 1, false}}};
  windows.variables = {{u"LOCALAPPDATA", u"C:\\Users\\u\\AppData\\Local"}};
  ClassDataFacts facts = windows.facts(u"17", {}, {u"C:\\app\\app.jar"});
  facts.executablePath = u"C:\\app\\tool.exe";
  facts.vmLibraryPath = u"C:\\jdk\\bin\\server\\jvm.dll";
  EXPECT_EQ(PlanClassData(Auto(u""), facts, PathStyle::Windows).folder, u"C:\\Users\\u\\AppData\\Local\\tool");
}

}  // namespace
