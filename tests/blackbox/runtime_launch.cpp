#include "runtime_launch.h"

#include "guide_examples.h"
#include "waiting.h"

RuntimeLaunch::RuntimeLaunch() { CopyFileTo(SCENARIO_JAR, folder_.pathOf("app.jar")); }

void RuntimeLaunch::settings(const std::string& mainClass, const std::string& applicationLines) const {
  folder_.write("launcher.ini", "[Java Runtime Environment]\nMain Class=" + mainClass + "\nJRE Path=" +
                                    NativePath(GetParam()) + "\n[Class Path]\nClass Path=\\app.jar\n[Application]\n" +
                                    "Output File=" + folder_.pathOf("out.txt") + "\n" + applicationLines);
}

std::future<RunResult> RuntimeLaunch::start(const std::vector<std::string>& arguments) const {
  return std::async(std::launch::async, [this, arguments] {
    RunOptions options = OptionsForRuntime(GetParam());
    options.arguments = arguments;
    return RunProgram(launcher_, options);
  });
}

std::string RuntimeLaunch::output() const {
  std::string text = folder_.read("out.txt");
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(at, 1);
  return text;
}

void RuntimeLaunch::awaitOutput(const std::string& line) const {
  AwaitCondition([&] { return output().find(line + "\n") != std::string::npos; }, "output " + line);
}

std::vector<std::string> RuntimesUnderTest() {
#ifdef REAL_JVM_HOME
  return {TESTVM_RUNTIME, REAL_JVM_HOME};
#else
  return {TESTVM_RUNTIME};
#endif
}

std::string RuntimeName(const ::testing::TestParamInfo<std::string>& runtime) {
  return runtime.param == TESTVM_RUNTIME ? "TestVm" : "RealJvm";
}
