// Sending the Java program's System.out or System.err to a file.
#pragma once

#include <jni.h>

#include <string>

enum class JavaStream { Output, Error };

// Creates the missing folders above path (a relative one below the current
// folder), then installs a PrintStream over a new FileOutputStream of path
// (which empties an existing file) with System.setOut or System.setErr. On
// failure the stream keeps its target. A folder that cannot be made leaves no
// exception; any other failure may leave a Java exception pending for the
// caller to print, except one thrown by the installation itself, which is
// printed here.
bool RedirectStream(JNIEnv* env, const std::u16string& path, JavaStream stream);
