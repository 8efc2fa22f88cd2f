#pragma once
// A Windows-style initialisation file read the way the Windows profile functions
// read it: section and key names compared without regard to case (Latin and
// code page 1251 Cyrillic), the first of duplicate sections or keys wins, blanks
// around names and values trimmed, a value in matching quotes loses them, lines
// starting with ';' are comments. Names and values are code page 1251 bytes.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vl {

class IniFile {
 public:
  IniFile() = default;
  // Parses file contents; never fails (a line that is not a section header,
  // a comment or inside a section is skipped, and so is an entry without a
  // name). A line without '=' is a name with an empty value.
  explicit IniFile(std::string_view contents);
  // Reads the file (UTF-8 path). Throws FileReadError when it cannot be read.
  static IniFile Load(const std::string& path);

  // Section names in file order, each once.
  std::vector<std::string> Sections() const;
  bool HasSection(std::string_view section) const;
  bool HasKey(std::string_view section, std::string_view key) const;

  // The value of the first such key; fallback when the section or key is missing.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback = {}) const;
  // The value as an integer: decimal with an optional sign, or hexadecimal after
  // "0x" or "$". Anything else, or a value outside int, gives fallback.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;

  // The section's entries in file order as (name, value) pairs, the name being
  // the text before the first '='. A repeated name is listed again with the
  // value of its first occurrence, as the profile functions give it.
  std::vector<std::pair<std::string, std::string>> SectionValues(std::string_view section) const;

 private:
  // Names are indexed once, each pointing at its first occurrence, so a look-up does
  // not walk the file. The index hashes and compares names by their upper-case form
  // byte by byte, so a look-up copies nothing.
  struct UpperCaseHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const;
  };
  struct UpperCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  using NameIndex = std::unordered_map<std::string, size_t, UpperCaseHash, UpperCaseEqual>;
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
    NameIndex keys;  // key name -> its first entry
  };
  const Section* Find(std::string_view section) const;
  static const std::string* FindKey(const Section& section, std::string_view key);

  std::vector<Section> sections_;
  NameIndex sectionIndex_;  // section name -> its section
};

// The integer rule of ReadInteger, for other readers of the same kind of text:
// the number, or nullopt when the text is not one.
std::optional<int> ParseProfileNumber(std::string_view text);
int ParseProfileInteger(std::string_view text, int fallback);

}  // namespace vl
