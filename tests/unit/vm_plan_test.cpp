// The VM plan: every option in its place, the environment it sees, the stack
// size and the arguments of main, on both platforms' rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "support/text.h"
#include "vmhost/vm_plan.h"

namespace {

// A machine given as plain data; records what the plan asked of it.
struct FakeMachine {
  std::map<std::u16string, std::u16string, std::less<>> variables;
  std::map<std::u16string, std::vector<std::u16string>> matches;
  std::map<std::u16string, std::u16string> shortNames;  // the narrow text carries ASCII only when set
  std::map<std::u16string, FileFacts> files;
  int memoryQueries = 0;

  MachineFacts facts() {
    return {[this](std::u16string_view name) -> std::optional<std::u16string> {
              auto found = variables.find(name);
              if (found == variables.end()) return std::nullopt;
              return found->second;
            },
            [this] {
              ++memoryQueries;
              return MemoryStatus{2147483648ull, 2000000000ull};
            },
            [this](const std::u16string& pattern) {
              auto found = matches.find(pattern);
              return found == matches.end() ? std::vector<std::u16string>{} : found->second;
            },
            {[this](std::u16string_view text) {
               return shortNames.empty() || std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; });
             },
             [this](const std::u16string& path) -> std::optional<std::u16string> {
               auto found = shortNames.find(path);
               if (found == shortNames.end()) return std::nullopt;
               return found->second;
             }},
            [this](const std::u16string& path) -> std::optional<FileFacts> {
              auto found = files.find(path);
              if (found == files.end()) return std::nullopt;
              return found->second;
            },
            u"7-1"};
  }
};

const Invocation kWindowsInvocation{u"C:\\App\\app.exe", {u"one", u"two three"}};
const std::u16string kWindowsVm = u"C:\\Java\\jre\\bin\\client\\jvm.dll";

HostedRuntime Runtime(const std::u16string& vmLibraryPath, const char16_t* version = u"") {
  HostedRuntime runtime;
  runtime.vmLibraryPath = vmLibraryPath;
  runtime.version.parse(version, 0);
  return runtime;
}

const HostedRuntime kWindowsRuntime = Runtime(kWindowsVm);

std::u16string ValueOf(const VmPlan& plan, std::u16string_view name) {
  for (const EnvironmentVariable& variable : plan.environment)
    if (variable.name == name) return variable.value;
  return u"(unset)";
}

TEST(VmPlan, WindowsOptionsComeInTheirOrderWithTheEnvironmentTheyExpandIn) {
  FakeMachine machine;
  machine.variables = {{u"Path", u"C:\\Windows"}, {u"APP", u"C:\\Data"}};
  machine.matches[u"C:\\App\\lib\\*.jar"] = {u"a.jar", u"b.jar"};
  LauncherSettings settings;
  settings.mainClass = u"com/example/Main";
  settings.libraryPath = u"native;%ZQ_JVM_HOME%";
  settings.systemPath = u"C:\\Tools";
  settings.classPath = u"\\lib\\*.jar;D:\\x.jar";
  settings.embeddedJar = true;
  settings.vmParameters = u"  -Xmx50:256:1024P   \"-Dp=a b\" -Dpath=%PATH% -Dhome=%ZQ_JVM_HOME% -Xss1m -ea";
  settings.outputFile = u"%APP%\\out.log";
  settings.extraArguments = u"-x \"\" %APP%";

  const VmPlan plan = PlanVm(settings, kWindowsRuntime, kWindowsInvocation, {u"Service", u"start"}, machine.facts(),
                             PathStyle::Windows);

  EXPECT_EQ(ValueOf(plan, u"ZQ_JVM_PATH"), kWindowsVm);
  EXPECT_EQ(ValueOf(plan, u"ZQ_JVM_HOME"), u"C:\\Java\\jre");
  EXPECT_EQ(ValueOf(plan, u"Path"), u"C:\\Tools;C:\\Windows;C:\\Java\\jre\\bin");
  ASSERT_TRUE(plan.hasClassPath);
  EXPECT_EQ(plan.options, (TokenList{
                              u"-Djava.library.path=native;C:\\Java\\jre;C:\\App\\;.;C:\\Windows;C:\\Java\\jre\\lib",
                              u"-Djava.class.path=C:\\App\\lib\\a.jar;C:\\App\\lib\\b.jar;D:\\x.jar;C:\\App\\app.exe",
                              u"-Xmx1048576K",
                              u"-Dp=a b",
                              u"-Dpath=C:\\Tools;C:\\Windows;C:\\Java\\jre\\bin",  // the new search path; any case
                              u"-Dhome=C:\\Java\\jre",
                              u"-Xss1m",
                              u"-ea",
                          }));
  EXPECT_EQ(plan.mainThreadStackSize, 1048576u);
  EXPECT_EQ(plan.outputFile, u"C:\\Data\\out.log");
  EXPECT_EQ(plan.errorFile, u"");
  EXPECT_EQ(plan.arguments, (TokenList{u"one", u"two three", u"Service", u"start", u"-x", u"C:\\Data"}));
  EXPECT_EQ(plan.mainClass, u"com/example/Main");
  EXPECT_FALSE(plan.staysAttached);
  EXPECT_EQ(machine.memoryQueries, 1);
}

TEST(VmPlan, PosixServiceLeavesItsStopSignalsToTheLauncher) {
  FakeMachine machine;
  machine.variables = {{u"PATH", u"/usr/bin"}};
  LauncherSettings settings;
  settings.isService = true;
  settings.acceptIbm = true;
  settings.classPath = u"/opt/app/app.jar";
  settings.vmParameters = u"-Dpath=%PATH% -Dlower=%path%";

  const VmPlan plan = PlanVm(settings, Runtime(u"/jdk/lib/server/libjvm.so"), Invocation{u"/opt/app/app", {}}, {},
                             machine.facts(), PathStyle::Posix);

  EXPECT_EQ(ValueOf(plan, u"ZQ_JVM_HOME"), u"/jdk");
  EXPECT_EQ(ValueOf(plan, u"PATH"), u"/usr/bin:/jdk/bin");
  EXPECT_EQ(plan.options, (TokenList{u"-Xrs", u"-Djava.class.path=/opt/app/app.jar", u"-Dpath=/usr/bin:/jdk/bin",
                                     u"-Dlower=%path%"}));
  EXPECT_TRUE(plan.staysAttached);
  EXPECT_EQ(plan.mainThreadStackSize, 0u);
  EXPECT_TRUE(plan.arguments.empty());
  EXPECT_EQ(machine.memoryQueries, 0);  // no option is relative to the machine's memory
}

TEST(VmPlan, OnlyAPosixServiceGetsTheSignalOption) {
  FakeMachine machine;
  const struct {
    PathStyle style;
    bool isService;
    const char16_t* classPath;
    const char16_t* firstOption;
  } rows[] = {
      {PathStyle::Windows, false, u"C:\\app.jar", u"-Djava.class.path=C:\\app.jar"},
      {PathStyle::Windows, true, u"C:\\app.jar", u"-Djava.class.path=C:\\app.jar"},
      {PathStyle::Posix, false, u"/app.jar", u"-Djava.class.path=/app.jar"},
      {PathStyle::Posix, true, u"/app.jar", u"-Xrs"},
  };
  for (const auto& row : rows) {
    LauncherSettings settings;
    settings.isService = row.isService;
    settings.classPath = row.classPath;
    const VmPlan plan = PlanVm(settings, kWindowsRuntime, kWindowsInvocation, {}, machine.facts(), row.style);
    ASSERT_FALSE(plan.options.empty());
    EXPECT_EQ(plan.options.front(), row.firstOption) << ToUtf8(row.classPath) << " service " << row.isService;
  }
}

TEST(VmPlan, AVariableInTheClassPathBringsNoEmptyElement) {
  FakeMachine machine;
  machine.variables = {{u"TAIL", u"x.jar::/y.jar:"}};
  LauncherSettings settings;
  settings.classPath = u"/%TAIL%";
  EXPECT_EQ(PlanVm(settings, kWindowsRuntime, kWindowsInvocation, {}, machine.facts(), PathStyle::Posix).options,
            (TokenList{u"-Djava.class.path=/x.jar:/y.jar"}));
}

TEST(VmPlan, PathsTheNarrowTextCannotCarryGoByTheirShortNames) {
  FakeMachine machine;
  machine.shortNames = {{u"C:\\\u65e5\\a.jar", u"C:\\8AB1~1\\a.jar"}};
  LauncherSettings settings;
  settings.classPath = u"C:\\\u65e5\\a.jar;C:\\b.jar";
  settings.vmParameters = u"-Dtitle=\u65e5";
  VmPlan plan = PlanVm(settings, kWindowsRuntime, kWindowsInvocation, {}, machine.facts(), PathStyle::Windows);
  EXPECT_EQ(plan.options, (TokenList{u"-Djava.class.path=C:\\8AB1~1\\a.jar;C:\\b.jar", u"-Dtitle=\u65e5"}));
  EXPECT_FALSE(plan.uncarriedPath);

  machine.shortNames[u"C:\\\u65e5\\a.jar"] = u"C:\\\u65e5\\a.jar";  // a volume without short names
  plan = PlanVm(settings, kWindowsRuntime, kWindowsInvocation, {}, machine.facts(), PathStyle::Windows);
  EXPECT_EQ(plan.uncarriedPath, u"C:\\\u65e5\\a.jar");
}

TEST(VmPlan, TheArchivesOptionsComeBeforeTheUsersSoThatTheirLoggingStillApplies) {
  FakeMachine machine;
  machine.variables = {{u"HOME", u"/home/u"}};
  machine.files = {{u"/jdk/lib/server/classes.jsa", {1, 1, false}}};
  LauncherSettings settings;
  settings.classDataSharing = true;
  settings.classPath = u"/app.jar";
  settings.vmParameters = u"-Xlog:cds -ea";
  const VmPlan plan = PlanVm(settings, Runtime(u"/jdk/lib/server/libjvm.so", u"17.0.9"),
                             Invocation{u"/opt/app/app", {}}, {}, machine.facts(), PathStyle::Posix);
  ASSERT_EQ(plan.classData.use, ArchiveUse::Dump);
  EXPECT_EQ(plan.options, (TokenList{u"-Djava.class.path=/app.jar", u"-Xlog:cds*=off",
                                     u"-XX:ArchiveClassesAtExit=" + plan.classData.temporary, u"-Xlog:cds", u"-ea"}));
  EXPECT_EQ(WithoutClassData(plan).options, (TokenList{u"-Djava.class.path=/app.jar", u"-Xlog:cds", u"-ea"}));
  EXPECT_EQ(WithoutClassData(plan).classData.use, ArchiveUse::None);
}

TEST(VmPlan, AClassPathThatComesOutEmptyIsNoPlanToRun) {
  FakeMachine machine;
  LauncherSettings settings;
  settings.classPath = u"\\lib\\*.jar";  // nothing matches
  settings.vmParameters = u"-Xmx50P";
  const VmPlan plan = PlanVm(settings, kWindowsRuntime, kWindowsInvocation, {}, machine.facts(), PathStyle::Windows);
  EXPECT_FALSE(plan.hasClassPath);
  EXPECT_EQ(ValueOf(plan, u"ZQ_JVM_PATH"), kWindowsVm);  // the environment is still published
  EXPECT_EQ(machine.memoryQueries, 0);

  settings.embeddedJar = true;  // the executable alone is a class path
  EXPECT_TRUE(
      PlanVm(settings, kWindowsRuntime, kWindowsInvocation, {}, machine.facts(), PathStyle::Windows).hasClassPath);
}

}  // namespace
