// Service mode under the service control manager: each test installs the
// launcher as a service, starts and stops it as an administrator would, and
// reads what the Java program wrote to its output file (a service has no
// console).
#include <userenv.h>
#include <windows.h>

#include <chrono>
#include <thread>

#include "guide_examples.h"
#include "hosted_launch.h"
#include "support/handles_win32.h"
#include "support/text.h"
#include "support/wide_win32.h"
#include "waiting.h"

namespace {

struct ServiceHandleTraits {
  using Value = SC_HANDLE;
  static Value Invalid() { return nullptr; }
  static void Close(Value value) { CloseServiceHandle(value); }
};
using UniqueServiceHandle = UniqueResource<ServiceHandleTraits>;

const std::u16string kServiceName = u"launcher.exe";  // the executable's file name

// main runs until stop is called.
const std::string kApplication =
    "method main ([Ljava/lang/String;)V\nout text started\nout args\nwait flag stopped\nout text main ends\n"
    "method stop ()V\nout text stop called\nset flag stopped\n";

// A folder of the environment that services get, which is the system's and
// not this process's (under Wine the two name other folders).
std::string ServiceEnvironmentFolder(std::u16string_view name) {
  void* block = nullptr;
  if (!CreateEnvironmentBlock(&block, nullptr, FALSE)) return "";
  std::u16string value;
  for (auto entry = static_cast<const char16_t*>(block); *entry;
       entry += std::char_traits<char16_t>::length(entry) + 1) {
    std::u16string_view text(entry);
    if (text.size() > name.size() && text[name.size()] == u'=' && EqualsIgnoringCase(text.substr(0, name.size()), name))
      value = text.substr(name.size() + 1);
  }
  DestroyEnvironmentBlock(block);
  return ToUtf8(value);
}

class Service : public HostedLaunch {
 protected:
  void SetUp() override {
    manager_.reset(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    ASSERT_TRUE(manager_);
    script("app/Main", kApplication);
  }

  void TearDown() override {
    if (!service_) return;
    SERVICE_STATUS status;
    ControlService(service_.get(), SERVICE_CONTROL_STOP, &status);
    awaitState(SERVICE_STOPPED);
    DeleteService(service_.get());
    // The service goes once its process has ended and every handle is
    // closed; the next test makes one of the same name.
    service_.reset();
    for (int waited = 0; waited < 30000; waited += 20) {
      UniqueServiceHandle left(OpenServiceW(manager_.get(), Wide(kServiceName), SERVICE_QUERY_STATUS));
      if (!left) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  // Installs the launcher with the command-line arguments x and y.
  void install(const std::string& runtimeLines = "", const std::string& mainClass = "app.Main") {
    settings(runtimeLines,
             "[Class Path]\nClass Path=\\classes\n[Application]\nApplication Type=service\nOutput File=" +
                 folder_.pathOf("out.txt") + "\n",
             mainClass);
    create(u"\"" + FromUtf8(launcher_) + u"\" x y");
  }

  // Installs the service with this command line, as "sc create" does.
  void create(const std::u16string& command) {
    service_.reset(CreateServiceW(manager_.get(), Wide(kServiceName), Wide(kServiceName), SERVICE_ALL_ACCESS,
                                  SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, Wide(command),
                                  nullptr, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(service_) << "CreateService: error " << GetLastError();
  }

  void start(std::vector<std::u16string> arguments) {
    std::vector<const wchar_t*> pointers;
    for (const std::u16string& argument : arguments) pointers.push_back(Wide(argument));
    ASSERT_TRUE(StartServiceW(service_.get(), static_cast<DWORD>(pointers.size()), pointers.data()))
        << "StartService: error " << GetLastError();
  }

  SERVICE_STATUS control(DWORD code) {
    SERVICE_STATUS status{};
    EXPECT_TRUE(ControlService(service_.get(), code, &status)) << "ControlService: error " << GetLastError();
    return status;
  }

  SERVICE_STATUS awaitState(DWORD state) const {
    SERVICE_STATUS status{};
    for (int waited = 0; waited < 30000; waited += 20) {
      if (!QueryServiceStatus(service_.get(), &status) || status.dwCurrentState == state) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(status.dwCurrentState, state);
    return status;
  }

  void awaitOutput(const std::string& text) const {
    AwaitCondition([&] { return folder_.read("out.txt").find(text) != std::string::npos; }, "output " + text);
  }

  UniqueServiceHandle manager_;
  UniqueServiceHandle service_;
};

TEST_F(Service, MainGetsCommandLineThenServiceNameAndStartArgumentsAndStopEndsIt) {
  install();
  start({u"s1", u"s 2"});
  awaitState(SERVICE_RUNNING);
  awaitOutput("arg 4");
  const SERVICE_STATUS interrogated = control(SERVICE_CONTROL_INTERROGATE);
  EXPECT_EQ(interrogated.dwCurrentState, static_cast<DWORD>(SERVICE_RUNNING));
  EXPECT_EQ(interrogated.dwControlsAccepted, static_cast<DWORD>(SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_SHUTDOWN));

  const SERVICE_STATUS stopping = control(SERVICE_CONTROL_STOP);
  EXPECT_EQ(stopping.dwCurrentState, static_cast<DWORD>(SERVICE_STOP_PENDING));
  EXPECT_EQ(stopping.dwWaitHint, 3000u);
  const SERVICE_STATUS stopped = awaitState(SERVICE_STOPPED);
  EXPECT_EQ(stopped.dwWin32ExitCode, 0u);
  EXPECT_EQ(stopped.dwServiceSpecificExitCode, 0u);
  EXPECT_EQ(folder_.read("out.txt"), Lines({"started", "args 5", "arg 0 [x]", "arg 1 [y]", "arg 2 [launcher.exe]",
                                            "arg 3 [s1]", "arg 4 [s 2]", "stop called", "main ends"}));
}

// The shipping guide's service as its settings file stands, on its bundled
// runtime, its output in the machine's program data.
TEST_F(Service, GuideWindowsServiceRunsOnItsBundledRuntimeUntilStopped) {
  const std::string agent = InstallProduct(folder_, "windows-service", "Acme Agent/agent");
  PlaceRuntime(folder_, "Acme Agent/runtime", TESTVM_RUNTIME);
  create(u"\"" + FromUtf8(agent) + u"\" --port 8400");
  start({u"--verbose"});
  awaitState(SERVICE_RUNNING);
  const std::string log = ServiceEnvironmentFolder(u"ProgramData") + "\\Acme Agent\\agent.log";
  AwaitCondition([&] { return ReadWholeFile(log).find("arg 3") != std::string::npos; }, "the service's main");
  EXPECT_EQ(control(SERVICE_CONTROL_STOP).dwCurrentState, static_cast<DWORD>(SERVICE_STOP_PENDING));
  EXPECT_EQ(awaitState(SERVICE_STOPPED).dwWin32ExitCode, 0u);
  EXPECT_EQ(ReadWholeFile(log), Lines({"agent", "args 4", "arg 0 [--port]", "arg 1 [8400]", "arg 2 [launcher.exe]",
                                       "arg 3 [--verbose]", "stop", "agent ends"}));
}

TEST_F(Service, StopBeforeTheVmExistsWaitsForMainAndStillEndsTheService) {
  install("Virtual Machine Parameters=-Dtestvm.createWaitFile=" + folder_.pathOf("create"));
  start({});
  awaitState(SERVICE_RUNNING);
  EXPECT_EQ(control(SERVICE_CONTROL_STOP).dwCurrentState, static_cast<DWORD>(SERVICE_STOP_PENDING));
  folder_.write("create", "");  // now the VM comes, and main
  const SERVICE_STATUS stopped = awaitState(SERVICE_STOPPED);
  EXPECT_EQ(stopped.dwWin32ExitCode, 0u);
  // stop runs once main has been entered, alongside it.
  const std::string output = folder_.read("out.txt");
  for (const char* line : {"started", "stop called", "main ends"})
    EXPECT_NE(output.find(line + LineEnd()), std::string::npos) << output;
}

TEST_F(Service, FailedRunStageIsReportedAsAServiceSpecificError) {
  install("", "app.Missing");
  start({});
  const SERVICE_STATUS stopped = awaitState(SERVICE_STOPPED);
  EXPECT_EQ(stopped.dwWin32ExitCode, static_cast<DWORD>(ERROR_SERVICE_SPECIFIC_ERROR));
  EXPECT_EQ(static_cast<std::int32_t>(stopped.dwServiceSpecificExitCode), -1);
}

TEST_F(Service, StartedFromAConsoleItSaysSoAndFails) {
  settings("", "[Class Path]\nClass Path=\\classes\n[Application]\nApplication Type=service\n");
  RunResult result = launch();
  EXPECT_EQ(result.exitCode, -1);
  EXPECT_EQ(result.output, Lines({"Error: This program runs as a Windows service and must be started by the service "
                                  "control manager (errno = 1063).",
                                  " "}));
  EXPECT_TRUE(events().empty());  // no VM
}

}  // namespace
