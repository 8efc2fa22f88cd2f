#pragma once
// vlat-kbdsim as a child process (the test defines VLAT_KBDSIM, its path) and a
// folder of a test's own for its catalogue and files.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vl {

// Its first output line is the terminal path; key commands go to its standard
// input and Command returns the answer line. Its message gap is far beyond any
// pause a busy machine puts between the bytes of one message, which would
// otherwise split the message.
class KbdSim {
 public:
  explicit KbdSim(const std::vector<std::string>& args) {
    int out[2], in[2];
    if (::pipe(out) != 0 || ::pipe(in) != 0) throw std::runtime_error("pipe");
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(out[1], 1);
      ::dup2(in[0], 0);
      ::close(out[0]);
      ::close(in[1]);
      std::vector<char*> argv{const_cast<char*>(VLAT_KBDSIM), const_cast<char*>("--message-gap"),
                              const_cast<char*>("60000")};
      for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      ::execv(VLAT_KBDSIM, argv.data());
      ::_exit(127);
    }
    ::close(out[1]);
    ::close(in[0]);
    answers_ = out[0];
    commands_ = in[1];
    path_ = ReadLine();
  }
  ~KbdSim() {
    Stop();
    ::close(answers_);
    ::close(commands_);
  }
  // Ends it with the signal; its exit code (-1 when the signal killed it).
  int Stop(int signal = SIGTERM) {
    if (pid_ <= 0) return 0;
    ::kill(pid_, signal);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  const std::string& Path() const { return path_; }
  std::string Command(const std::string& line) {
    const std::string text = line + "\n";
    if (::write(commands_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) return {};
    return ReadLine();
  }

 private:
  std::string ReadLine() {
    std::string line;
    char c;
    while (::read(answers_, &c, 1) == 1 && c != '\n') line += c;
    return line;
  }
  pid_t pid_ = -1;
  int answers_ = -1;
  int commands_ = -1;
  std::string path_;
};

// A fresh folder under the temporary directory, removed with the object.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name)
      : path_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  const std::filesystem::path& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  void Write(const std::string& name, const std::string& contents) const {
    std::ofstream(path_ / name, std::ios::binary) << contents;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace vl
