// Finding the VM library below a runtime folder, and the runtime beside the
// executable, over a made-up set of existing files.
#include <gtest/gtest.h>

#include <set>

#include "runtime/vm_library_search.h"
#include "support/text.h"

namespace {

PathProbe FilesIn(std::set<std::u16string> files) {
  return [files = std::move(files)](const std::u16string& path) { return files.count(path) > 0; };
}

TEST(VmLibrarySearch, EachModeTriesTheLocationsInItsOrder) {
  const std::u16string all[] = {u"J\\bin\\client\\jvm.dll", u"J\\bin\\classic\\jvm.dll", u"J\\bin\\hotspot\\jvm.dll",
                                u"J\\bin\\server\\jvm.dll", u"J\\bin\\jrockit\\jvm.dll"};
  struct Row {
    std::set<std::u16string> files;
    ServerVmMode mode;
    std::u16string expected;
    bool isServerVm;
  };
  const Row rows[] = {
      {{all[0], all[1], all[2], all[3], all[4]}, ServerVmMode::Any, all[0], false},
      {{all[1], all[2], all[3], all[4]}, ServerVmMode::Any, all[1], false},
      {{all[2], all[3], all[4]}, ServerVmMode::Any, all[2], false},
      {{all[3], all[4]}, ServerVmMode::Any, all[3], true},
      {{all[4]}, ServerVmMode::Any, all[4], false},
      {{all[0], all[3]}, ServerVmMode::FavorServer, all[3], true},
      {{all[0], all[4]}, ServerVmMode::FavorServer, all[0], false},
      {{all[0], all[3]}, ServerVmMode::ServerOnly, all[3], true},
      {{all[0], all[4]}, ServerVmMode::ServerOnly, u"", false},
      {{u"J\\bin\\java.dll", u"J\\jvm.dll"}, ServerVmMode::Any, u"", false},
  };
  for (const Row& row : rows) {
    VmLibrary found = FindVmLibrary(u"J\\", row.mode, FilesIn(row.files), PathStyle::Windows);
    EXPECT_EQ(found.path, row.expected) << ToUtf8(row.expected) << " mode " << static_cast<int>(row.mode);
    EXPECT_EQ(found.isServerVm, row.isServerVm) << ToUtf8(row.expected);
  }
}

TEST(VmLibrarySearch, PosixLayoutsIncludeTheArchitectureFolder) {
  EXPECT_EQ(FindVmLibrary(u"/j/", ServerVmMode::Any, FilesIn({u"/j/lib/server/libjvm.so"}), PathStyle::Posix).path,
            u"/j/lib/server/libjvm.so");
  EXPECT_EQ(FindVmLibrary(u"/j/", ServerVmMode::ServerOnly,
                          FilesIn({u"/j/lib/client/libjvm.so", u"/j/lib/amd64/server/libjvm.so"}), PathStyle::Posix)
                .path,
            u"/j/lib/amd64/server/libjvm.so");
  EXPECT_EQ(
      FindVmLibrary(u"/j/", ServerVmMode::Any, FilesIn({u"/j/lib/amd64/client/libjvm.so"}), PathStyle::Posix).path,
      u"/j/lib/amd64/client/libjvm.so");
}

TEST(VmLibrarySearch, BundledRuntimeIsTheExecutableFolderOrItsJre) {
  const std::u16string exe = u"C:\\App\\tool.exe";
  EXPECT_EQ(BundledRuntimeFolder(exe, FilesIn({u"C:\\App\\bin\\java.dll", u"C:\\App\\jre\\bin\\java.dll"}),
                                 PathStyle::Windows),
            u"C:\\App\\");
  EXPECT_EQ(BundledRuntimeFolder(exe, FilesIn({u"C:\\App\\jre\\bin\\java.dll"}), PathStyle::Windows),
            u"C:\\App\\jre\\");
  EXPECT_EQ(BundledRuntimeFolder(exe, FilesIn({u"C:\\App\\bin\\client\\jvm.dll"}), PathStyle::Windows), u"");
  EXPECT_EQ(BundledRuntimeFolder(u"/opt/app/tool", FilesIn({u"/opt/app/jre/lib/amd64/libjava.so"}), PathStyle::Posix),
            u"/opt/app/jre/");
}

}  // namespace
