// The files of a class-data archive around the VM's life: made ready before
// the VM is created, settled once it has ended.
#pragma once

#include <jni.h>

#include "vmhost/class_data.h"

class ClassDataArchive {
 public:
  ClassDataArchive() = default;
  ~ClassDataArchive() { finish(); }
  ClassDataArchive(const ClassDataArchive&) = delete;
  ClassDataArchive& operator=(const ClassDataArchive&) = delete;

  // Readies the plan's files: the folder; for a dump the temporary file,
  // made here so that the folder is known to be writable and the name this
  // start's alone; for an archive the VM keeps itself, the lock that keeps
  // two starts from writing it at once; old archives and leftovers go. False
  // when that fails: the VM then runs without an archive, as without the
  // setting.
  bool prepare(const ClassDataPlan& plan);

  // The VM has ended, destroyed or in System.exit: a written archive that is
  // whole takes its final name, a lock goes. Does its work once.
  void finish();

  // The hook the VM calls in System.exit once it has written the archive.
  static void JNICALL FinishAtExit(jint code);

 private:
  void removeOldFiles() const;

  ClassDataPlan plan_;
  std::u16string lock_;
  bool active_ = false;
};
