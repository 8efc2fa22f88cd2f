#pragma once
// Standard error under --json: what is written goes on to the terminal as before,
// and its lines are kept, so the JSON result can carry the messages a person
// would have read.

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace vl::cli {

class ToldLines final : public std::streambuf {
 public:
  explicit ToldLines(std::ostream& target) : target_(target) {}
  // The lines written so far, the unfinished one included; empty lines left out.
  std::vector<std::string> Lines() const;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  void Keep(char c);
  std::ostream& target_;
  std::vector<std::string> lines_;
  std::string current_;
};

}  // namespace vl::cli
