#pragma once
// The signals that end a program (SIGINT, SIGTERM, SIGHUP: Ctrl-C, a kill, a
// logout or a closed terminal) turned into bytes on a pipe while this object
// lives, so the program ends its work in its own time instead of being cut off
// in the middle of a device transfer. The handler only writes one byte; the owner
// watches the read end (a thread, an event loop) and decides what to do.

#include <csignal>

namespace vl {

class SignalPipe {
 public:
  // The byte a signal writes.
  static constexpr char kSignalled = 'S';

  // One at a time in a process: the handlers are the process's.
  SignalPipe();
  // The previous handlers come back.
  ~SignalPipe();
  SignalPipe(const SignalPipe&) = delete;
  SignalPipe& operator=(const SignalPipe&) = delete;

  // False when no pipe could be made: the signals then keep their old meaning.
  bool Active() const { return pipe_[0] >= 0; }
  // Where the bytes arrive (non-blocking).
  int ReadEnd() const { return pipe_[0]; }
  // Puts a byte of the owner's own into the pipe (to wake its reader).
  void Post(char byte) const;

 private:
  int pipe_[2] = {-1, -1};
  struct sigaction previous_[3] {};
};

}  // namespace vl
