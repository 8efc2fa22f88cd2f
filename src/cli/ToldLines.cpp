#include "cli/ToldLines.h"

namespace vl::cli {

std::vector<std::string> ToldLines::Lines() const {
  std::vector<std::string> lines = lines_;
  if (!current_.empty()) lines.push_back(current_);
  return lines;
}

ToldLines::int_type ToldLines::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char ch = traits_type::to_char_type(c);
  target_.put(ch);
  Keep(ch);
  return c;
}

std::streamsize ToldLines::xsputn(const char* text, std::streamsize count) {
  target_.write(text, count);
  for (std::streamsize i = 0; i < count; ++i) Keep(text[i]);
  return count;
}

int ToldLines::sync() {
  target_.flush();
  return 0;
}

void ToldLines::Keep(char c) {
  if (c == '\n') {
    if (!current_.empty()) lines_.push_back(current_);
    current_.clear();
  } else if (c != '\r') {
    current_ += c;
  }
}

}  // namespace vl::cli
