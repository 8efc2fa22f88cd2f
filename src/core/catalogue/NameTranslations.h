#pragma once
// Names the data files give in Russian (templates, special-paste categories,
// actions and notes) in the language the windows speak. A file carries them in
// sections named by language ("en", "uk") whose lines are Russian name=name in that
// language, code page 1251; readers that know only their own sections pass them
// by. A name without a line stays Russian.

#include <string>

#include "core/catalogue/IniFile.h"

namespace vl {

class NameTranslations {
 public:
  // Translates nothing (Russian).
  NameTranslations() = default;
  NameTranslations(IniFile file, std::string language);
  // The file's section for the language; none when the file is missing or
  // unreadable, the names then stay Russian.
  static NameTranslations Read(const std::string& path, const std::string& language);

  // The name (code page 1251) in the language, or as it is.
  std::string operator()(const std::string& name) const;

 private:
  IniFile file_;
  std::string language_;
};

}  // namespace vl
