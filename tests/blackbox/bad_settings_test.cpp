// Settings files no one would write by hand, yet a user's machine may hold:
// garbage, huge files and values, another encoding, a folder in the file's
// place. Each launch either runs the application or ends with the error line.
#include <functional>

#include "hosted_launch.h"

namespace {

const std::string kNoMainClass = "Error: Main class was not specified in INI file. ";

// Deterministic bytes of every value, NUL included.
std::string Garbage(size_t size) {
  std::string bytes(size, '\0');
  unsigned state = 12345;
  for (char& byte : bytes) byte = static_cast<char>((state = state * 1103515245 + 12345) >> 16);
  return bytes;
}

// A section of count keys that the launcher never asks for.
std::string FillerKeys(size_t count) {
  std::string lines;
  for (size_t k = 0; k < count; ++k) lines += "Filler " + std::to_string(k) + "=some value of a key\r\n";
  return lines;
}

std::string Utf16LittleEndian(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) bytes += std::string{c, '\0'};
  return bytes;
}

class BadSettings : public HostedLaunch {
 protected:
  BadSettings() { script("app/Main", "method main ([Ljava/lang/String;)V\nout text ran\nout property big\n"); }
  // The settings that run the program, with extra lines in the runtime section.
  std::string runnable(const std::string& runtimeLines = "") const {
    return "[Java Runtime Environment]\r\nMain Class=app.Main\r\nJRE Path=" + runtimeFolder() + "\r\n" + runtimeLines +
           "[Class Path]\r\nClass Path=\\classes\r\n";
  }
};

TEST_F(BadSettings, EachFileRunsTheProgramOrEndsWithTheMissingMainClass) {
  const std::string bigValue(1 << 20, 'v');
  const struct {
    const char* name;
    std::function<std::string()> content;
    std::string output;
    int exitCode;
  } cases[] = {
      {"binary garbage", [] { return Garbage(64 * 1024); }, Lines({kNoMainClass}), -1},
      {"10 MiB before the keys", [&] { return "[Filler]\r\n" + FillerKeys(10 * 1024 * 1024 / 32) + runnable(); },
       Lines({"ran", "property big null"}), 0},
      {"UTF-16 with a byte-order mark", [&] { return Utf16LittleEndian(runnable()); },
       Lines({"ran", "property big null"}), 0},
      {"UTF-8 with a byte-order mark", [&] { return "\xEF\xBB\xBF" + runnable(); }, Lines({"ran", "property big null"}),
       0},
      {"a value of 1 MiB", [&] { return runnable("Virtual Machine Parameters=-Dbig=" + bigValue + "\r\n"); },
       Lines({"ran", "property big [" + bigValue + "]"}), 0},
      {"the key after 10,000 others",
       [&] {
         return "[Java Runtime Environment]\r\n" + FillerKeys(10000) +
                "Main Class=app.Main\r\nJRE Path=" + runtimeFolder() + "\r\n[Class Path]\r\nClass Path=\\classes\r\n";
       },
       Lines({"ran", "property big null"}), 0},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    folder_.write("launcher.ini", row.content());
    RunResult run = launch();
    EXPECT_EQ(run.output.substr(0, 200), row.output.substr(0, 200));
    EXPECT_EQ(run.output.size(), row.output.size());
    EXPECT_EQ(run.exitCode, row.exitCode);
  }
}

// Root may read every file: a folder stands for a file that cannot be read.
TEST_F(BadSettings, AFolderInPlaceOfTheFileMeansNoMainClass) {
  folder_.makeFolder("launcher.ini");
  folder_.write("launcher.ini/launcher.ini", runnable());
  RunResult run = launch();
  EXPECT_EQ(run.output, Lines({kNoMainClass}));
  EXPECT_EQ(run.exitCode, -1);
}

}  // namespace
