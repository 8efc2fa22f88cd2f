#pragma once
// The editor's command line: the layout files to open and the few options. An
// argument that looks like an option but is none is refused rather than taken
// for a file name.

#include <string>
#include <vector>

namespace vl {

struct EditorCommandLine {
  enum class Action { Run, Help, Version, Refuse };
  Action action = Action::Run;
  bool splash = true;
  std::string data;  // --data DIR; empty: the program folder
  std::string port;  // --port PORT; empty: the stored one
  std::vector<std::string> files;
  std::string error;  // for Refuse
};

// args: the arguments after the program's name. The texts (the refusal, the
// usage) are in the language of the translations installed when called.
EditorCommandLine ParseEditorCommandLine(const std::vector<std::string>& args);
std::string EditorUsage();
std::string EditorVersion();

}  // namespace vl
