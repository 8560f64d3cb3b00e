// The diagnostic trace, seen from outside: with ZQ_LAUNCHER_DEBUG set its
// lines go to standard error, or to the file the value names; standard
// output stays byte for byte the same; unset, nothing of it appears.
#include "hosted_launch.h"

namespace {

class Trace : public HostedLaunch {
 protected:
  Trace() {
    settings("Virtual Machine Parameters=-Dp=1", "[Class Path]\nClass Path=\\classes\n");
    script("app/Main", "method main ([Ljava/lang/String;)V\nout args\nerr text to standard error\n");
  }
  RunResult traced(const std::string& value) const {
    RunOptions options;
    options.arguments = {"one"};
    if (!value.empty()) options.environment["ZQ_LAUNCHER_DEBUG"] = value;
    return launch(options);
  }
};

// The lines of text that begin with the trace's prefix.
std::vector<std::string> TraceLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; start < text.size(); start = end + 1) {
    end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("[launcher] ", 0) == 0) lines.push_back(line);
  }
  return lines;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& begin) {
  for (const std::string& line : lines)
    if (line.rfind(begin, 0) == 0) return true;
  return false;
}

TEST_F(Trace, ShowsTheSearchTheOptionsAndThePhasesOnStandardErrorOnly) {
  const RunResult plain = traced("");
  const RunResult on = traced("1");
  EXPECT_EQ(plain.output, Lines({"args 1", "arg 0 [one]"}));
  EXPECT_EQ(on.output, plain.output);
  EXPECT_EQ(on.exitCode, 0);
  EXPECT_TRUE(TraceLines(plain.error).empty()) << plain.error;
  EXPECT_EQ(plain.error, Lines({"to standard error"}));

  const std::vector<std::string> lines = TraceLines(on.error);
  const std::string expected[] = {"[launcher] launcher " LAUNCHER_VERSION,
                                  "[launcher] executable " + launcher_,
                                  "[launcher] settings file ",
                                  "[launcher] source JRE Path " + runtimeFolder(),
                                  "[launcher] VM library " + vmLibrary(),
                                  "[launcher] VM option -Dp=1",
                                  "[launcher] main class app/Main",
                                  "[launcher] argument one",
                                  "[launcher] phase settings: ",
                                  "[launcher] phase search: ",
                                  "[launcher] phase library load: ",
                                  "[launcher] phase VM creation: ",
                                  "[launcher] phase until main is entered: "};
  for (const std::string& begin : expected) EXPECT_TRUE(HasLine(lines, begin)) << begin << "\n" << on.error;
  EXPECT_NE(on.error.find("to standard error"), std::string::npos);
}

TEST_F(Trace, AValueNamingAFileAppendsTheLinesToIt) {
  const std::string file = folder_.pathOf("logs/trace.txt");
  folder_.write("logs/trace.txt", "earlier\n");
  const RunResult run = traced(file);
  EXPECT_EQ(run.output, Lines({"args 1", "arg 0 [one]"}));
  EXPECT_EQ(run.error, Lines({"to standard error"}));
  const std::string text = folder_.read("logs/trace.txt");
  EXPECT_EQ(text.rfind("earlier\n[launcher] launcher " LAUNCHER_VERSION "\n", 0), 0u) << text;
  EXPECT_TRUE(HasLine(TraceLines(text), "[launcher] phase until main is entered: ")) << text;
}

}  // namespace
