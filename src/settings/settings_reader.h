// Locating the settings file and reading single keys from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "support/paths.h"

// The settings file of an executable. On Windows everything after the last
// "." of the whole path is replaced by "ini" (no "." at all: no settings
// file); elsewhere the file name's extension is replaced, or ".ini" appended.
std::optional<std::u16string> SettingsFilePath(std::u16string_view modulePath, PathStyle style = kNativePathStyle);

// Where a key's value comes from when its own section leaves it empty: a
// column of the settings table.
enum class Continuation {
  None,       // nowhere else
  AsWritten,  // the same key in the section named section + "+", as written
  Words,      // the same, with one blank put in front unless it begins with one: a word list
};

// Reads keys of one INI file as the platform's profile functions do: section
// and key names compared without regard to case, surrounding blanks of a
// value removed, the first match wins; a missing file, section or key reads
// as the empty text.
class SettingsReader {
 public:
  explicit SettingsReader(std::u16string path) : path_(std::move(path)) {}

  const std::u16string& path() const { return path_; }

  // The value as written; no length limit.
  std::u16string readPlain(std::u16string_view section, std::u16string_view key) const;

  // The value; when it is empty, where the continuation says.
  std::u16string readValue(std::u16string_view section, std::u16string_view key, Continuation continuation) const;

 private:
  std::u16string path_;
  // Where no profile functions keep the file: its text, read at the first
  // lookup rather than at every one.
  mutable std::optional<std::u16string> text_;
};

// Writes one key with the platform's profile-writing function; false on failure.
bool WriteSetting(const std::u16string& path, std::u16string_view section, std::u16string_view key,
                  std::u16string_view value);
