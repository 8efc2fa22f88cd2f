// vlat-cli image FILE.vld --device TYPE [--rect C1,R1] [--format emf|rtf|pdf|svg] -o OUT
// [--form ...] [--text ...] [--create ...] [--layers ...] [--function-keys ...]
// [--language ...]: the key image of a layout for a catalogue device. The drawing
// options default to the stored image settings; the field and the key geometry
// come from the device's catalogue entry. The format follows OUT's extension
// unless --format names it; a name with no known extension is refused.

#include <algorithm>
#include <sstream>

#include "cli/CatalogueSupport.h"
#include "cli/CliContext.h"
#include "cli/DeviceCommandSupport.h"
#include "cli/LayoutFiles.h"
#include "cli/Reason.h"
#include "core/common/FileErrors.h"
#include "core/document/LayoutFile.h"
#include "core/formats/KeyImageDevice.h"
#include "render/KeyImagePainter.h"

namespace vl::cli {
namespace {

// The index of value among names; current when the option is absent.
template <typename Enum>
Enum Choice(const std::optional<std::string>& value, std::initializer_list<const char*> names, Enum current,
            const std::string& option) {
  if (!value) return current;
  const auto found = std::find_if(names.begin(), names.end(), [&](const char* name) { return *value == name; });
  if (found == names.end()) {
    std::string list;
    for (const char* name : names) list += (list.empty() ? "" : "|") + std::string(name);
    throw UsageError{option + " needs " + list};
  }
  return static_cast<Enum>(found - names.begin());
}

// "0,2": the layers that get labels, as the settings' bit mask.
uint8_t LayerMask(const std::string& text) {
  uint8_t mask = 0;
  std::stringstream parts(text);
  for (std::string part; std::getline(parts, part, ',');) {
    const int layer = ParseInt(part, "--layers");
    if (layer < 0 || layer >= kLayerCount) throw UsageError{"--layers needs layer numbers 0..3, e.g. 0,1"};
    mask = static_cast<uint8_t>(mask | 1 << layer);
  }
  return mask;
}

std::pair<int, int> TopLeft(const std::string& text) {
  const size_t comma = text.find(',');
  if (comma == std::string::npos) throw UsageError{"--rect needs C1,R1"};
  const int column = ParseInt(text.substr(0, comma), "--rect");
  const int row = ParseInt(text.substr(comma + 1), "--rect");
  if (!InField(column, row)) throw UsageError{"--rect needs C1,R1 within 1..255"};
  return {column, row};
}

}  // namespace

int RunImage(CliContext& context) {
  auto& args = context.args;
  const auto device = TakeOption(args, "--device");
  const auto rect = TakeOption(args, "--rect");
  const auto format = TakeOption(args, "--format");
  const auto out = TakeOption(args, "-o");
  KeyImageOptions options = KeyImageOptions::FromSettings(context.settings);
  options.Form = Choice(TakeOption(args, "--form"), {"rect", "round", "ellipse"}, options.Form, "--form");
  options.Source = Choice(TakeOption(args, "--text"), {"press", "release", "layer-note", "key-note"},
                          options.Source, "--text");
  options.Create = Choice(TakeOption(args, "--create"), {"all", "non-empty", "none"}, options.Create, "--create");
  options.AddFunctionKeys = Choice(TakeOption(args, "--function-keys"), {"no", "yes"},
                                   options.AddFunctionKeys, "--function-keys");
  options.Language = Choice(TakeOption(args, "--language"), {"en", "ru", "uk"}, options.Language, "--language");
  if (const auto layers = TakeOption(args, "--layers")) options.Layers = LayerMask(*layers);
  const std::string file = TakeOnlyArgument(args, "the layout file");
  if (!device) throw UsageError{"--device TYPE is needed"};
  if (!out) throw UsageError{"-o OUT is needed"};
  const uint16_t type = ParseDeviceType(*device);
  const auto [left, top] = rect ? TopLeft(*rect) : std::make_pair(1, 1);
  const std::optional<KeyImageFormat> named = KeyImageFormatOf(*out);
  if (!format && !named) {
    throw UsageError{"-o " + *out + ": the format follows the extension, one of " + kKeyImageFormatList +
                     " (or give --format)"};
  }
  const KeyImageFormat imageFormat =
      Choice(format, {"emf", "rtf", "pdf", "svg"}, named.value_or(KeyImageFormat::Metafile), "--format");

  const auto catalogue = OpenCatalogue(context);
  if (!catalogue) return kExitFailure;
  TerminalSide terminal(context, false);
  TVL2Document document;
  try {
    LoadLayout(document, file, terminal.prompt, terminal.reporter);
  } catch (const OperationAbandoned&) {
    return UnreadableInput(context);
  } catch (const FileError& error) {
    *context.err << error.what() << '\n';
    return UnreadableInput(context);
  }
  const auto request =
      DeviceImageRequest(*catalogue, type, document, left, top, imageFormat, options, terminal.prompt);
  if (!request) return kExitFailure;
  if (imageFormat == KeyImageFormat::Pdf || imageFormat == KeyImageFormat::Svg) EnsurePaintingApplication();
  const auto build = [&](IReporter& reporter) { return KeyImageBytes(imageFormat, *request, reporter); };
  return WriteKeyImage(*out, build, terminal.prompt, terminal.reporter) ? kExitOk : kExitFailure;
}

}  // namespace vl::cli
