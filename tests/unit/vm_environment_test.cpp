#include <gtest/gtest.h>

#include "vmhost/vm_environment.h"

namespace {

constexpr std::u16string_view kWindowsVm = u"C:\\Java\\jre\\bin\\client\\jvm.dll";

TEST(VmEnvironment, RuntimeFoldersFromTheVmLibrary) {
  EXPECT_EQ(RuntimeHome(kWindowsVm, PathStyle::Windows), u"C:\\Java\\jre\\");
  EXPECT_EQ(RuntimeBinFolder(kWindowsVm, PathStyle::Windows), u"C:\\Java\\jre\\bin");
  EXPECT_EQ(RuntimeHome(u"/usr/lib/jvm/j17/lib/server/libjvm.so", PathStyle::Posix), u"/usr/lib/jvm/j17/");
  EXPECT_EQ(RuntimeBinFolder(u"/usr/lib/jvm/j17/lib/server/libjvm.so", PathStyle::Posix), u"/usr/lib/jvm/j17/bin");
  EXPECT_EQ(RuntimeHome(u"/opt/j8/jre/lib/amd64/server/libjvm.so", PathStyle::Posix), u"/opt/j8/jre/");
  EXPECT_EQ(RuntimeBinFolder(u"/opt/j8/jre/lib/amd64/server/libjvm.so", PathStyle::Posix), u"/opt/j8/jre/bin");
}

TEST(VmEnvironment, TheRuntimesOwnCRuntimeLibrariesAreInItsBinFolderOnWindowsOnly) {
  EXPECT_EQ(RuntimeCLibraries(kWindowsVm, PathStyle::Windows),
            (TokenList{u"C:\\Java\\jre\\bin\\vcruntime140.dll", u"C:\\Java\\jre\\bin\\vcruntime140_1.dll",
                       u"C:\\Java\\jre\\bin\\msvcp140.dll"}));
  EXPECT_TRUE(RuntimeCLibraries(u"/jdk/lib/server/libjvm.so", PathStyle::Posix).empty());
}

TEST(VmEnvironment, LibraryPathAppendsTheExecutableCurrentSearchAndRuntimeFolders) {
  const std::u16string composed = u"native;C:\\App\\;.;%Path%;C:\\Java\\jre\\lib";
  EXPECT_EQ(ComposeLibraryPath(u"native", u"C:\\App\\app.exe", kWindowsVm, PathStyle::Windows), composed);
  EXPECT_EQ(ComposeLibraryPath(u"native;", u"C:\\App\\app.exe", kWindowsVm, PathStyle::Windows), composed);
  EXPECT_EQ(ComposeLibraryPath(u"native;/opt/lib", u"/opt/app/app", u"/jdk/lib/server/libjvm.so", PathStyle::Posix),
            u"native:/opt/lib:/opt/app/:.:%PATH%:/jdk/lib");
}

TEST(VmEnvironment, SearchPathPutsSystemPathFirstAndTheRuntimeBinLast) {
  EXPECT_EQ(ComposeSearchPath(u"C:\\Tools", kWindowsVm, PathStyle::Windows), u"C:\\Tools;%Path%;C:\\Java\\jre\\bin");
  EXPECT_EQ(ComposeSearchPath(u"C:\\Tools;", kWindowsVm, PathStyle::Windows), u"C:\\Tools;%Path%;C:\\Java\\jre\\bin");
  EXPECT_EQ(ComposeSearchPath(u"", kWindowsVm, PathStyle::Windows), u"%Path%;C:\\Java\\jre\\bin");
  EXPECT_EQ(ComposeSearchPath(u"/opt/tools;/opt/more", u"/jdk/lib/server/libjvm.so", PathStyle::Posix),
            u"/opt/tools:/opt/more:%PATH%:/jdk/bin");
}

}  // namespace
