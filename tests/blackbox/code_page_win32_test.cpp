// Paths the system code page cannot carry (a Japanese folder name on a
// Western system): the VM's options take narrow text in that code page, so
// the launcher hands such a path over by its short name, or refuses to start
// the VM with a path it would corrupt.
#include <windows.h>

#include "hosted_launch.h"
#include "settings/ini_file.h"
#include "support/text.h"

namespace {

const std::string kJapanese = "\xe6\x97\xa5\xe6\x9c\xac";  // U+65E5 U+672C

// The ANSI code page's form of UTF-8 text.
std::string InCodePage(const std::string& text) {
  const std::wstring wide(reinterpret_cast<const wchar_t*>(FromUtf8(text).c_str()));
  std::string narrow(wide.size() * 2, '\0');
  narrow.resize(WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), narrow.data(),
                                    static_cast<int>(narrow.size()), nullptr, nullptr));
  return narrow;
}

class CodePage : public HostedLaunch {
 protected:
  // As a product in such a folder writes its settings file: in UTF-16.
  void unicodeSettings(const std::string& runtimeLines, const std::string& sections) const {
    const std::string text = "[Java Runtime Environment]\nMain Class=app.Main\nJRE Path=" + runtimeFolder() + "\n" +
                             runtimeLines + "\n" + sections + "\n";
    folder_.write("launcher.ini", EncodeSettingsText(FromUtf8(text), SettingsEncoding::Utf16LittleEndian));
  }
};

TEST_F(CodePage, TheCodePageLacksTheTestsCharacters) {
  EXPECT_EQ(InCodePage(kJapanese), "??") << "code page " << GetACP() << ": the tests below prove nothing";
}

TEST_F(CodePage, AClassPathUnderSuchAFolderReachesTheVmByShortNames) {
  folder_.write(kJapanese + "/classes/app/Main.tvm", "method main ([Ljava/lang/String;)V\nout text runs\n");
  unicodeSettings("", "[Class Path]\nClass Path=\\" + kJapanese + "\\classes;\\lib\\*.jar\n");
  folder_.write("lib/" + kJapanese + ".jar", "");
  RunResult run = launch();
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.output, Lines({"runs"}));
  const std::vector<std::string> options = events("option extraInfo=null -Djava.class.path=");
  ASSERT_EQ(options.size(), 1u);
  EXPECT_EQ(options[0].find('?'), std::string::npos) << options[0];
  EXPECT_NE(options[0].find('~'), std::string::npos) << options[0];  // short names, not the long ones
}

TEST_F(CodePage, AnAgentFileThatCannotBeNamedEndsTheLaunchBeforeTheVmIsCreated) {
  script("app/Main", "method main ([Ljava/lang/String;)V\nout text runs\n");
  const std::string agent = folder_.pathOf(kJapanese + "/agent.jar");
  unicodeSettings("Virtual Machine Parameters=-Xmx64m -javaagent:" + agent + "=trace",
                  "[Class Path]\nClass Path=\\classes\n");
  RunResult run = launch();
  EXPECT_EQ(run.exitCode, -1);
  // Standard output is in the same code page: the line names the path as well as it can.
  EXPECT_EQ(run.output, Lines({"Error: Cannot pass the path " + InCodePage(agent) +
                                   " to the Java VM: the system code page lacks some of its characters, and it has no "
                                   "short name.",
                               " "}));
  EXPECT_TRUE(events("create").empty());
}

}  // namespace
