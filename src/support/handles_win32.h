// Owners of Windows objects: each releases its object when it goes, so no
// early return can leak one. Move-only; get() hands the raw value to an API.
#pragma once

#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueResource {
 public:
  using Value = typename Traits::Value;

  UniqueResource() = default;
  explicit UniqueResource(Value value) : value_(value) {}
  ~UniqueResource() { reset(); }
  UniqueResource(UniqueResource&& other) noexcept : value_(std::exchange(other.value_, Traits::Invalid())) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) {
      reset();
      value_ = std::exchange(other.value_, Traits::Invalid());
    }
    return *this;
  }

  Value get() const { return value_; }
  Value release() { return std::exchange(value_, Traits::Invalid()); }
  explicit operator bool() const { return value_ != Traits::Invalid(); }
  void reset(Value value = Traits::Invalid()) {
    if (value_ != Traits::Invalid()) Traits::Close(value_);
    value_ = value;
  }

 private:
  Value value_ = Traits::Invalid();
};

struct HandleTraits {
  using Value = HANDLE;
  static Value Invalid() { return nullptr; }
  static void Close(Value value) { CloseHandle(value); }
};
// Kernel objects whose failure value is null (threads, events, mappings, processes).
using UniqueHandle = UniqueResource<HandleTraits>;

struct FileHandleTraits {
  using Value = HANDLE;
  static Value Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Value value) { CloseHandle(value); }
};
// Files, whose failure value is INVALID_HANDLE_VALUE.
using UniqueFileHandle = UniqueResource<FileHandleTraits>;

struct FindHandleTraits {
  using Value = HANDLE;
  static Value Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Value value) { FindClose(value); }
};
using UniqueFindHandle = UniqueResource<FindHandleTraits>;

struct MappedViewTraits {
  using Value = const void*;
  static Value Invalid() { return nullptr; }
  static void Close(Value value) { UnmapViewOfFile(value); }
};
using UniqueMappedView = UniqueResource<MappedViewTraits>;

struct RegistryKeyTraits {
  using Value = HKEY;
  static Value Invalid() { return nullptr; }
  static void Close(Value value) { RegCloseKey(value); }
};
using UniqueRegistryKey = UniqueResource<RegistryKeyTraits>;

struct ModuleTraits {
  using Value = HMODULE;
  static Value Invalid() { return nullptr; }
  static void Close(Value value) { FreeLibrary(value); }
};
using UniqueModule = UniqueResource<ModuleTraits>;

// Objects whose failure value is null and that one function releases.
template <typename T, auto Release>
struct NullableTraits {
  using Value = T;
  static Value Invalid() { return nullptr; }
  static void Close(Value value) { Release(value); }
};
using UniqueFont = UniqueResource<NullableTraits<HFONT, &DeleteObject>>;
// Cursors made by CreateCursor (not shared ones loaded by LoadCursor).
using UniqueCursor = UniqueResource<NullableTraits<HCURSOR, &DestroyCursor>>;
