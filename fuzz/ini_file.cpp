// The initialisation-file reader on arbitrary text, and what reads its values: the
// device description, the catalogue's range checks and the key image geometry, the
// integer rule and the special-paste parser. Every lookup must agree with the
// section listing and nothing may crash, overflow or run past a limit.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/catalogue/DeviceCatalogue.h"
#include "core/catalogue/DeviceDescription.h"
#include "core/catalogue/IniFile.h"
#include "core/catalogue/SpecialPaste.h"
#include "core/document/Field.h"
#include "core/document/VL2Document.h"
#include "core/formats/KeyImageDevice.h"
#include "core/text/Cp1251.h"

namespace {

class SilentPrompt final : public vl::IPrompt {
 public:
  vl::Answer Ask(const std::string&, const std::string&, vl::MessageButtons, vl::MessageIcon) override {
    return vl::Answer::Ok;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override { return std::nullopt; }
};

// A device's values pass the range check only when the procedures can use them.
void CheckDevice(const vl::DeviceCatalogue& catalogue, uint16_t type) {
  const vl::DeviceModel model = catalogue.Model(type);
  if (catalogue.ModelProblem(type).empty() &&
      (model.Width < 1 || model.Width > 16 || model.Height < 1 || model.Height > 18 ||
       model.Width * model.Height > 255 || model.Memory < 64 || model.Memory > 0x10000 || model.Keys < 1 ||
       model.Keys > model.Width * model.Height)) {
    __builtin_trap();
  }
  SilentPrompt prompt;
  const vl::TVL2Document document;
  const auto request =
      vl::DeviceImageRequest(catalogue, type, document, 1, 1, vl::KeyImageFormat::Metafile, {}, prompt);
  if (request) vl::KeyOutline(*request, request->Columns - 1, request->Rows - 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Parsed once: the catalogue takes the file, and the checks read it there.
  const vl::DeviceCatalogue catalogue(vl::IniFile(std::string_view(reinterpret_cast<const char*>(data), size)));
  const vl::IniFile& ini = catalogue.Ini();
  for (const uint16_t type : catalogue.Types()) CheckDevice(catalogue, type);
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
