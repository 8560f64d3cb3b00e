// Owners of Windows objects: each releases its object when it goes, so no
// early return can leak one. Move-only; get() hands the raw value to an API.
#pragma once

#include <windows.h>

#include <utility>

// How one kind of object is released, and which value means "none": null for
// most, INVALID_HANDLE_VALUE for files and directory searches.
template <typename T, auto Release, bool NoneIsMinusOne = false>
struct ResourceTraits {
  using Value = T;
  static Value Invalid() {
    if constexpr (NoneIsMinusOne)
      return INVALID_HANDLE_VALUE;
    else
      return nullptr;
  }
  static void Close(Value value) { Release(value); }
};

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

inline void UnmapView(const void* view) { UnmapViewOfFile(view); }

// Kernel objects whose failure value is null (threads, events, mutexes, mappings, processes).
using UniqueHandle = UniqueResource<ResourceTraits<HANDLE, &CloseHandle>>;
using UniqueFileHandle = UniqueResource<ResourceTraits<HANDLE, &CloseHandle, true>>;
using UniqueFindHandle = UniqueResource<ResourceTraits<HANDLE, &FindClose, true>>;
using UniqueMappedView = UniqueResource<ResourceTraits<const void*, &UnmapView>>;
using UniqueRegistryKey = UniqueResource<ResourceTraits<HKEY, &RegCloseKey>>;
using UniqueFont = UniqueResource<ResourceTraits<HFONT, &DeleteObject>>;
// Cursors made by CreateCursor (not shared ones loaded by LoadCursor).
using UniqueCursor = UniqueResource<ResourceTraits<HCURSOR, &DestroyCursor>>;
