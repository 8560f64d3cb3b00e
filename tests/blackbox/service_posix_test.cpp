// Service mode on POSIX systems: the launcher runs in the foreground, and
// SIGTERM or SIGINT call the application's stop, as a service manager's stop
// request does.
#include <signal.h>

#include "guide_examples.h"
#include "hosted_launch.h"
#include "running_process_posix.h"
#include "runtime_launch.h"

namespace {

class ServiceSignals : public RuntimeLaunch {};

TEST_P(ServiceSignals, StopSignalsCallStopAndTheLauncherEndsOnceMainReturns) {
  settings("scenario.Service", "Application Type=service\n");
  for (int signal : {SIGTERM, SIGINT}) {
    folder_.write("out.txt", "");  // no output of the run before
    std::future<RunResult> service = start({"x"});
    awaitOutput("arg 0 [x]");
    SignalProgram(launcher_, signal);
    EXPECT_EQ(service.get().exitCode, 0) << signal;  // not the JVM's own 143 or 130
    EXPECT_EQ(output(), "main\nargs 1\narg 0 [x]\nstop\nmain ends\n") << signal;
  }
}

// The shipping guide's Linux service, on its bundled runtime, stopped as
// systemd stops it.
TEST_P(ServiceSignals, GuideLinuxServiceStopsOnTheServiceManagersSignal) {
  const std::string agent = InstallProduct(folder_, "linux-service", "acme-agent/agent");
  PlaceRuntime(folder_, "acme-agent/runtime", GetParam());
  RunOptions options = OptionsForRuntime(GetParam());
  options.arguments = {"--port", "8400"};
  options.environment["ZQ_LAUNCHER_DEBUG"] = folder_.pathOf("trace.txt");
  std::future<RunResult> service = std::async(std::launch::async, [&] { return RunProgram(agent, options); });
  AwaitCondition([&] { return folder_.read("trace.txt").find("until main is entered") != std::string::npos; },
                 "main of the service");
  SignalProgram(agent, SIGTERM);
  const RunResult run = service.get();
  EXPECT_EQ(run.exitCode, 0);
  // stop runs alongside main, which may not have printed all yet.
  for (const char* line : {"agent\n", "args 2\n", "arg 0 [--port]\n", "arg 1 [8400]\n", "stop\n"})
    EXPECT_NE(run.output.find(line), std::string::npos) << run.output;
  const std::string last = "agent ends\n";
  ASSERT_GE(run.output.size(), last.size());
  EXPECT_EQ(run.output.substr(run.output.size() - last.size()), last);
}

INSTANTIATE_TEST_SUITE_P(Runtimes, ServiceSignals, ::testing::ValuesIn(RuntimesUnderTest()), RuntimeName);

// With the test VM, which can hold its creation back.
class ServiceStart : public HostedLaunch {
 protected:
  void application(const std::string& runtimeLines, const std::string& mainClass = "app.Main") const {
    settings(runtimeLines, "[Class Path]\nClass Path=\\classes\n[Application]\nApplication Type=service\n", mainClass);
    script("app/Main",
           "method main ([Ljava/lang/String;)V\nout text main\nwait flag stopped\nout text main ends\n"
           "method stop ()V\nout text stop\nset flag stopped\n");
  }
};

TEST_F(ServiceStart, StopSignalBeforeTheVmExistsWaitsForMain) {
  application("Virtual Machine Parameters=-Dtestvm.createWaitFile=" + folder_.pathOf("create"));
  std::future<RunResult> service = std::async(std::launch::async, [this] { return launch(); });
  AwaitCondition([this] { return !events("option").empty(); }, "the VM's creation");
  SignalProgram(launcher_, SIGTERM);
  folder_.write("create", "");
  RunResult result = service.get();
  EXPECT_EQ(result.exitCode, 0);
  // stop runs once main has been entered, alongside it.
  for (const char* line : {"main\n", "stop\n", "main ends\n"})
    EXPECT_NE(result.output.find(line), std::string::npos) << result.output;
}

TEST_F(ServiceStart, StopThreadThatStaysAttachedLetsTheProcessEnd) {
  application("VM Provider=any\n");  // admits IBM VMs: threads stay attached
  std::future<RunResult> service = std::async(std::launch::async, [this] { return launch(); });
  AwaitCondition([this] { return !events("call app/Main main").empty(); }, "main");
  SignalProgram(launcher_, SIGTERM);
  EXPECT_EQ(service.get().exitCode, 0);
  EXPECT_EQ(events("attach Thread-0"), std::vector<std::string>{"attach Thread-0 daemon=1"});
}

TEST_F(ServiceStart, FailedRunStageEndsTheProcessWithFailure) {
  application("", "app.Missing");
  EXPECT_EQ(launch().exitCode, -1);
}

}  // namespace
