#pragma once
// Reading an Enhanced Metafile back record by record, as a reader does.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vl::test {

inline uint32_t Le32(const std::string& data, size_t at) {
  uint32_t value = 0;
  for (int k = 3; k >= 0; --k) value = (value << 8) | static_cast<uint8_t>(data[at + static_cast<size_t>(k)]);
  return value;
}
inline int32_t S32(const std::string& data, size_t at) { return static_cast<int32_t>(Le32(data, at)); }

struct Record {
  uint32_t Type;
  size_t Offset;
  uint32_t Size;
};

// Walks the records the way a reader does, checking what every reader relies on.
inline std::vector<Record> Walk(const std::string& emf) {
  std::vector<Record> records;
  size_t at = 0;
  while (at < emf.size()) {
    EXPECT_LE(at + 8, emf.size());
    const Record record{Le32(emf, at), at, Le32(emf, at + 4)};
    EXPECT_GE(record.Size, 8u);
    EXPECT_EQ(record.Size % 4, 0u) << "record " << record.Type;
    EXPECT_LE(at + record.Size, emf.size());
    if (record.Size < 8 || at + record.Size > emf.size()) break;
    records.push_back(record);
    at += record.Size;
  }
  return records;
}

inline std::u16string TextOf(const std::string& emf, const Record& r) {
  const uint32_t chars = Le32(emf, r.Offset + 44);
  const uint32_t offString = Le32(emf, r.Offset + 48);
  EXPECT_LE(offString + chars * 2, r.Size);
  std::u16string text;
  for (uint32_t k = 0; k < chars; ++k) {
    const size_t at = r.Offset + offString + 2 * k;
    text.push_back(static_cast<char16_t>(static_cast<uint8_t>(emf[at]) | (static_cast<uint8_t>(emf[at + 1]) << 8)));
  }
  return text;
}

}  // namespace vl::test
