#include "cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/text/Utf8.h"

namespace vl::cli {

Json Json::Object() {
  Json json;
  json.value_ = std::make_shared<Members>();
  return json;
}

Json Json::Array() {
  Json json;
  json.value_ = std::make_shared<Items>();
  return json;
}

Json& Json::Set(const std::string& key, Json value) {
  if (IsNull()) *this = Object();
  auto& members = *std::get<std::shared_ptr<Members>>(value_);
  for (auto& [name, member] : members) {
    if (name == key) {
      member = std::move(value);
      return *this;
    }
  }
  members.emplace_back(key, std::move(value));
  return *this;
}

Json& Json::Push(Json value) {
  if (IsNull()) *this = Array();
  std::get<std::shared_ptr<Items>>(value_)->push_back(std::move(value));
  return *this;
}

const Json* Json::Find(const std::string& key) const {
  const auto* members = std::get_if<std::shared_ptr<Members>>(&value_);
  if (!members) return nullptr;
  for (const auto& [name, member] : **members)
    if (name == key) return &member;
  return nullptr;
}

std::string Json::Dump() const {
  std::string out;
  DumpTo(out);
  return out;
}

void Json::DumpTo(std::string& out) const {
  if (IsNull()) {
    out += "null";
  } else if (const auto* flag = std::get_if<bool>(&value_)) {
    out += *flag ? "true" : "false";
  } else if (const auto* number = std::get_if<int64_t>(&value_)) {
    out += std::to_string(*number);
  } else if (const auto* real = std::get_if<double>(&value_)) {
    // The shortest text that reads back as the same number; JSON has no infinity.
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, *real);
    out += std::isfinite(*real) ? std::string(text, written.ptr) : "null";
  } else if (const auto* text = std::get_if<std::string>(&value_)) {
    out += JsonString(*text);
  } else if (const auto* members = std::get_if<std::shared_ptr<Members>>(&value_)) {
    out += '{';
    const char* separator = "";
    for (const auto& [name, member] : **members) {
      out += separator;
      out += JsonString(name);
      out += ':';
      member.DumpTo(out);
      separator = ",";
    }
    out += '}';
  } else {
    out += '[';
    const char* separator = "";
    for (const auto& item : *std::get<std::shared_ptr<Items>>(value_)) {
      out += separator;
      item.DumpTo(out);
      separator = ",";
    }
    out += ']';
  }
}

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (size_t at = 0; at < text.size();) {
    const auto c = static_cast<uint8_t>(text[at]);
    size_t next = at;
    if (!NextUtf8CodePoint(text, next)) {
      out += "\xEF\xBF\xBD";
      ++at;
      continue;
    }
    const size_t length = next - at;
    if (length > 1) {
      out.append(text, at, length);
    } else if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
    at += length;
  }
  return out + "\"";
}

}  // namespace vl::cli
