// The initialisation-file reader on arbitrary text, and what reads its values: the
// device description, the integer rule and the special-paste parser. Every lookup
// must agree with the section listing and nothing may crash or run past a limit.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/catalogue/DeviceDescription.h"
#include "core/catalogue/IniFile.h"
#include "core/catalogue/SpecialPaste.h"
#include "core/document/Field.h"
#include "core/text/Cp1251.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const vl::IniFile ini(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const auto& section : ini.Sections()) {
    if (!ini.HasSection(vl::Cp1251ToUpper(section))) __builtin_trap();
    if (vl::DescribeDevice(ini, section).size() != 22) __builtin_trap();
    for (const auto& [name, value] : ini.SectionValues(section)) {
      if (ini.ReadString(section, name, "\x01missing") != value) __builtin_trap();
      ini.ReadInteger(section, name, 0);
      const auto parse = vl::ParseSpecialPaste(name, value);
      if (parse.Result.has_value() == !parse.Error.empty()) __builtin_trap();
      if (parse.Result && (parse.Result->Press.size() > vl::kMaxSequenceLength ||
                           parse.Result->Release.size() > vl::kMaxSequenceLength ||
                           parse.Result->Note.size() > vl::kMaxLayerNoteLength)) {
        __builtin_trap();
      }
    }
  }
  return 0;
}
