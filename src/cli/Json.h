#pragma once
// A small JSON value for vlat-cli --json: objects keep their members in the
// order they were set, so the output reads like the text output.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace vl::cli {

class Json {
 public:
  Json() = default;  // null
  Json(bool value) : value_(value) {}
  Json(int value) : value_(static_cast<int64_t>(value)) {}
  Json(int64_t value) : value_(value) {}
  Json(double value) : value_(value) {}  // written with a point, whatever the locale
  Json(const char* text) : value_(std::string(text)) {}
  Json(std::string text) : value_(std::move(text)) {}

  static Json Object();
  static Json Array();

  // Sets (or replaces) an object member; the value becomes an object if it was null.
  Json& Set(const std::string& key, Json value);
  // Appends to an array; the value becomes an array if it was null.
  Json& Push(Json value);
  // The member, or nullptr.
  const Json* Find(const std::string& key) const;
  bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }

  // Compact text on one line. Strings are UTF-8; a byte that is not part of valid
  // UTF-8 becomes U+FFFD, so the output always parses.
  std::string Dump() const;

 private:
  using Members = std::vector<std::pair<std::string, Json>>;
  using Items = std::vector<Json>;
  void DumpTo(std::string& out) const;
  std::variant<std::monostate, bool, int64_t, double, std::string, std::shared_ptr<Members>, std::shared_ptr<Items>>
      value_;
};

// text as a JSON string literal, quotes included.
std::string JsonString(const std::string& text);

}  // namespace vl::cli
