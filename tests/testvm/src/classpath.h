// Class lookup along a class path, as a class loader searches it.
#pragma once

#include <string>

namespace testvm {

// The script of class `name` ("a/b/C") from the first class path entry that
// defines it. An empty class path, or an empty entry, is the current folder.
bool findClassScript(const std::string& classPath, const std::string& name, std::string& script);

// Whether an entry holds the resource `name` ("a/b.xml"): a file below a
// folder entry, or a file of a zip entry's central directory.
bool findResource(const std::string& classPath, const std::string& name);

}  // namespace testvm
