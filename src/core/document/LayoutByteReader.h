#pragma once
// A bounded cursor over the bytes of a layout file. Every read checks the end:
// running past it is a format error, never a read outside the buffer.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vl {

// The file is not a layout (bad tag, value out of range, cut off): the reader
// turns it into the read error with the file name.
struct LayoutFormatError {};

class LayoutByteReader {
 public:
  // onPosition gets position x 100 / size whenever that value changes.
  LayoutByteReader(std::string_view bytes, std::function<void(int)> onPosition)
      : bytes_(bytes), onPosition_(std::move(onPosition)) {}

  bool AtEnd() const { return position_ >= bytes_.size(); }
  size_t Position() const { return position_; }

  // From the next byte on, bytes are XOR-ed with the key's characters in turn.
  void Unscramble(std::string key) {
    key_ = std::move(key);
    keyed_ = 0;
  }

  uint8_t Byte() {
    if (AtEnd()) throw LayoutFormatError{};
    auto byte = static_cast<uint8_t>(bytes_[position_++]);
    if (!key_.empty()) byte ^= static_cast<uint8_t>(key_[keyed_++ % key_.size()]);
    if (position_ >= nextReport_) Report();
    return byte;
  }
  // A byte that must not be above the limit.
  uint8_t ByteAtMost(uint8_t limit) {
    const uint8_t byte = Byte();
    if (byte > limit) throw LayoutFormatError{};
    return byte;
  }
  // A length byte and that many bytes, appended to the text; the text keeps at
  // most limit bytes, the rest is read and dropped.
  void AppendCounted(std::string& text, size_t limit) {
    const size_t n = Byte();
    if (n > bytes_.size() - position_) throw LayoutFormatError{};
    const size_t start = text.size();
    const size_t kept = start < limit ? std::min(n, limit - start) : 0;
    text.append(bytes_.data() + position_, kept);
    if (!key_.empty()) {
      for (size_t i = 0; i < kept; ++i) {
        text[start + i] = static_cast<char>(text[start + i] ^ key_[(keyed_ + i) % key_.size()]);
      }
      keyed_ += n;
    }
    position_ += n;
    if (position_ >= nextReport_) Report();
  }

 private:
  // Called when the position reaches the next whole percent.
  void Report() {
    const size_t size = bytes_.size();
    const auto percent = static_cast<int>(position_ * 100 / size);
    if (onPosition_ && percent != shown_) onPosition_(shown_ = percent);
    nextReport_ = ((static_cast<size_t>(percent) + 1) * size + 99) / 100;
  }

  std::string_view bytes_;
  std::function<void(int)> onPosition_;
  size_t position_ = 0;
  std::string key_;
  size_t keyed_ = 0;
  int shown_ = 0;
  size_t nextReport_ = 0;
};

}  // namespace vl
