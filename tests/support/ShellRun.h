#pragma once
// A shell command run as a user runs it, its standard output captured.

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace vl::test {

struct ShellRun {
  int exitCode = -1;  // -1: it could not start or did not exit normally
  std::string output;
};

inline ShellRun RunShell(const std::string& command) {
  ShellRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  while (const size_t size = std::fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, size);
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace vl::test
