#include "refs.h"

namespace testvm {

namespace {

struct Ref {
  Object* target;
  RefKind kind;
  bool deleted;
};

Ref* asRef(jobject ref) { return reinterpret_cast<Ref*>(ref); }

}  // namespace

jobject newRef(Object* object, RefKind kind) {
  if (!object) return nullptr;
  auto* ref = new Ref{object, kind, false};
  retain(ref);
  return reinterpret_cast<jobject>(ref);
}

void deleteRef(jobject ref, RefKind kind) {
  if (!ref) return;
  Ref* r = asRef(ref);
  if (r->deleted) fatal("reference deleted twice");
  if (r->kind != kind)
    fatal(kind == RefKind::Global ? "DeleteGlobalRef of a local reference" : "DeleteLocalRef of a global reference");
  r->deleted = true;
}

Object* resolve(jobject ref) {
  if (!ref) return nullptr;
  Ref* r = asRef(ref);
  if (r->deleted) fatal("use of a deleted reference");
  return r->target;
}

}  // namespace testvm
