#pragma once
// The typed failures of file operations. what() is the program's own message text
// (UTF-8), ready for the message box, including the file name where it belongs.

#include <stdexcept>
#include <string>

namespace vl {

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file could not be read or is not in the expected format.
class FileReadError : public FileError {
 public:
  using FileError::FileError;
};

// A file could not be written (the previous file on disk is kept).
class FileWriteError : public FileError {
 public:
  using FileError::FileError;
};

// The password entered for a layout file is not the stored one.
class WrongPasswordError : public FileError {
 public:
  using FileError::FileError;
};

// The user declined (password window cancelled, conversion declined): nothing to tell.
class OperationAbandoned : public FileError {
 public:
  OperationAbandoned() : FileError("abandoned") {}
};

// What stands between a message and the file name appended to it.
inline constexpr const char* kFileNameLead = "\n\r(";

// "message.\n\r(" + file name + ")": how the program appends a file name to a message.
inline std::string WithFileName(const std::string& message, const std::string& fileName) {
  return message + kFileNameLead + fileName + ")";
}

}  // namespace vl
