#include <dlfcn.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "harness.h"

namespace harness {

const char* const vmLibrary = "libjvm.so";
const char* const noEntryLibrary = "libnoentry.so";
const char* const hostProgram = "testvm_host";
const char* const lineSeparator = "\n";
const char pathSeparator = ':';
const char* const missingFolderReason = "No such file or directory";

std::string programFolder() {
  char buffer[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  std::string program(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
  return program.substr(0, program.rfind('/'));
}

int run(const std::vector<std::string>& argv, const std::string& folder, const std::string& outPath,
        const std::string& errPath) {
  std::vector<char*> arguments;
  for (const std::string& argument : argv) arguments.push_back(const_cast<char*>(argument.c_str()));
  arguments.push_back(nullptr);
  pid_t child = fork();
  if (child == 0) {
    int in = open("/dev/null", O_RDONLY);
    int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0 || chdir(folder.c_str()) != 0) _exit(126);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    execv(arguments[0], arguments.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void setEnvironment(const std::string& name, const std::string& value) { setenv(name.c_str(), value.c_str(), 1); }

void unsetEnvironment(const std::string& name) { unsetenv(name.c_str()); }

void* openLibrary(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }

void* entryPoint(void* library, const char* name) { return dlsym(library, name); }

}  // namespace harness
