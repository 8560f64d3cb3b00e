#include "vmhost/class_data_archive.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "support/trace.h"

namespace {

ClassDataArchive* active = nullptr;  // the VM's exit hook carries no context

constexpr std::uint64_t kEnoughSpace = 256ull << 20;  // more than a large application's archive
constexpr std::int64_t kSecond = 1000000000;
constexpr std::int64_t kStaleLock = 10 * 60 * kSecond;         // a start that kept it this long has died
constexpr std::int64_t kStaleTemporary = 24 * 3600 * kSecond;  // a dump that never finished
constexpr size_t kArchivesKept = 4;                            // for the product's few installs and runtimes

bool EndsWith(std::u16string_view text, std::u16string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// A dynamic archive that the VM has written to its end: its header, which
// the VM writes last, begins with the archive's magic number.
bool IsWholeArchive(const std::u16string& path) {
  const MappedFile file(path);
  constexpr unsigned char kMagic[] = {0xa8, 0xab, 0x0b, 0xf0};
  return file.view() && file.size() > 4096 && std::memcmp(file.view(), kMagic, sizeof kMagic) == 0;
}

// A lock left by a start that died is taken over.
bool TakeLock(const std::u16string& lock) {
  if (CreateNewFile(lock)) return true;
  std::optional<FileFacts> held = QueryFileFacts(lock);
  if (!held || FileClockNow() - held->modified <= kStaleLock) return false;
  RemoveFile(lock);
  return CreateNewFile(lock);
}

bool MakeFolder(const std::u16string& folder) {
  CreateParentDirectories(folder + kPathSeparator + u"archive");
  std::optional<FileFacts> facts = QueryFileFacts(folder);
  return facts && facts->isFolder;
}

}  // namespace

bool ClassDataArchive::prepare(const ClassDataPlan& plan) {
  plan_ = plan;
  if (plan.use == ArchiveUse::None) return true;
  const char16_t* failure = nullptr;
  if (!MakeFolder(plan.folder)) {
    failure = u"its folder cannot be made";
  } else if (plan.use == ArchiveUse::Read) {
    TouchFile(plan.archive);  // in use: not among the oldest that go
  } else if (FreeSpaceOf(plan.folder).value_or(0) < kEnoughSpace) {
    failure = u"its volume is nearly full";
  } else if (plan.use == ArchiveUse::Dump && !CreateNewFile(plan.temporary)) {
    failure = u"its file cannot be written";
  } else if (plan.use == ArchiveUse::AutoCreate && !TakeLock(lock_ = plan.archive + u".lock")) {
    lock_.clear();
    failure = u"another start is writing it";
  }
  if (failure) {
    Trace([&] { return u"class data: no archive, " + std::u16string(failure) + u": " + plan.folder; });
    plan_ = ClassDataPlan();
    return false;
  }
  if (plan.use != ArchiveUse::Read) removeOldFiles();
  active_ = true;
  active = this;
  return true;
}

void ClassDataArchive::finish() {
  if (!active_) return;
  active_ = false;
  if (active == this) active = nullptr;
  if (!lock_.empty()) RemoveFile(lock_);
  if (plan_.use != ArchiveUse::Dump) return;
  const bool whole = IsWholeArchive(plan_.temporary);
  if (whole && RenameReplacing(plan_.temporary, plan_.archive)) {
    Trace([&] { return u"class data: the archive " + plan_.archive + u" is made"; });
    return;
  }
  RemoveFile(plan_.temporary);
  Trace([&] { return u"class data: no archive was written to " + plan_.temporary; });
}

void JNICALL ClassDataArchive::FinishAtExit(jint) {
  if (active) active->finish();
}

// Leftovers of starts that died (temporary files, locks) and the archives of
// keys no longer in use go: all but the most recently used few.
void ClassDataArchive::removeOldFiles() const {
  const std::int64_t now = FileClockNow();
  struct Archive {
    std::u16string path;
    std::int64_t modified;
  };
  std::vector<Archive> archives;
  for (const std::u16string& name : FindMatchingNames(plan_.folder + kPathSeparator + u"*")) {
    const std::u16string path = plan_.folder + kPathSeparator + name;
    const std::optional<FileFacts> facts = QueryFileFacts(path);
    if (!facts || facts->isFolder || path == plan_.temporary || path == lock_) continue;
    const std::int64_t age = now - facts->modified;
    if ((EndsWith(name, u".tmp") && age > kStaleTemporary) || (EndsWith(name, u".lock") && age > kStaleLock))
      RemoveFile(path);
    else if (EndsWith(name, u".jsa") && path != plan_.archive)
      archives.push_back({path, facts->modified});
  }
  std::sort(archives.begin(), archives.end(),
            [](const Archive& a, const Archive& b) { return a.modified > b.modified; });
  for (size_t k = kArchivesKept - 1; k < archives.size(); ++k) RemoveFile(archives[k].path);
}
