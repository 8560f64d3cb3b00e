// A first instance in single-instance mode, run in the background while the
// test starts later instances of the same executable.
#pragma once

#include <future>

#include "hosted_launch.h"
#include "waiting.h"

class SingleInstanceLaunch : public HostedLaunch {
 protected:
  // The first instance's main runs until the test releases it, then ends
  // with exitCode; secondaryMain is the script of that method, if any;
  // runtimeLines go to the runtime section of the settings.
  void application(const std::string& secondaryMain, int exitCode = 0, const std::string& runtimeLines = "") const {
    settings(runtimeLines, "[Class Path]\nClass Path=\\classes\n[Application]\nSingle Instance=yes\n");
    script("app/Main", "method main ([Ljava/lang/String;)V\nwait file " + folder_.pathOf("release") + "\nexit " +
                           std::to_string(exitCode) + "\n" + secondaryMain);
  }

  // Starts the first instance and waits until its main runs.
  void startFirst() {
    first_ = std::async(std::launch::async, [this] { return launch(); });
    awaitEvent("call app/Main main");
  }

  RunResult endFirst() {
    folder_.write("release", "");
    return first_.get();
  }

  RunResult startLater(const std::vector<std::string>& arguments) const {
    RunOptions options;
    options.arguments = arguments;
    return launch(options);
  }

  void awaitEvent(const std::string& prefix) const {
    AwaitCondition([&] { return !events(prefix).empty(); }, "event " + prefix);
  }

  // The argument arrays secondaryMain was called with, as the event log
  // shows them: "{[a] [b]}".
  std::vector<std::string> servedArguments() const {
    std::vector<std::string> served;
    for (const std::string& call : events("call app/Main secondaryMain")) served.push_back(call.substr(call.find('{')));
    return served;
  }

  std::future<RunResult> first_;
};

inline const std::string kIntSecondaryMain = "method secondaryMain ([Ljava/lang/String;)I\nreturn 7\n";
