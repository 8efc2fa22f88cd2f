// vlat-cli info FILE [--password TEXT]: a summary of a layout file (.vld, .mkb or
// .mtf). Without FILE the attached keyboard is described.

#include <array>
#include <map>

#include "cli/LayoutFiles.h"
#include "cli/Reason.h"
#include "core/text/Cp1251.h"

namespace vl::cli {

int RunDeviceInfo(CliContext& context);

namespace {

std::string Numbers(const std::vector<int>& numbers) {
  if (numbers.empty()) return "none";
  std::string text;
  for (const int number : numbers) text += (text.empty() ? "" : " ") + std::to_string(number);
  return text;
}

void PrintSummary(std::ostream& out, const TVL2Document& document, const std::string& fileName) {
  const char* format = FileCommandFormat(fileName).Id == LayoutFormatId::MacroText ? "Macro Text Format"
                       : document.Named    ? "layout file"
                                           : "old layout file (converted in memory)";
  int keys = 0, macroKeys = 0, switchingKeys = 0, notes = 0, groups = 0;
  std::array<bool, kLayerCount> layerUsed{};
  std::vector<std::string> bookmarks;
  for (int column = 1; column <= kFieldSize; ++column) {
    for (int row = 1; row <= kFieldSize; ++row) {
      if (const TMacroButton* key = document.GetKey(column, row); key && !key->IsEmpty()) {
        ++keys;
        if (key->Func == kFuncMacro) ++macroKeys;
        if (key->Func != kFuncMacro && key->Func != kFuncNone) ++switchingKeys;
        for (int layer = 0; layer < kLayerCount; ++layer) {
          if (!key->Layers[layer].IsEmpty()) layerUsed[layer] = true;
        }
      }
      if (const TKeyNote* note = document.GetNote(column, row)) {
        if (!note->KeyNote.empty()) ++notes;
        if (!note->Mark.empty()) bookmarks.push_back(Cp1251ToUtf8(note->Mark));
      }
      if (document.GetGroup(column, row).Flags & kGroupMaster) ++groups;
    }
  }
  std::vector<int> layers;
  for (int layer = 0; layer < kLayerCount; ++layer) {
    if (layerUsed[layer]) layers.push_back(layer);
  }
  std::vector<int> tracks, definedTracks;
  for (int track = 0; track < kLayerCount; ++track) {
    if (document.TrackMask & (1 << track)) tracks.push_back(track + 1);
    const auto& sequences = document.CardReader.Layers[track].Macro;
    if (!sequences[0].empty() || !sequences[1].empty()) definedTracks.push_back(track + 1);
  }
  const uint8_t cardFlags = document.CardReader.Layers[0].Click;

  out << "file: " << fileName << '\n'
      << "format: " << format << '\n'
      << "keys with content: " << keys << " (macro " << macroKeys << ", layer switching " << switchingKeys
      << ")\n"
      << "layers in use: " << Numbers(layers) << '\n'
      << "key notes: " << notes << '\n'
      << "bookmarks: " << bookmarks.size();
  for (size_t i = 0; i < bookmarks.size(); ++i) out << (i == 0 ? " (" : ", ") << bookmarks[i];
  out << (bookmarks.empty() ? "" : ")") << '\n'
      << "groups: " << groups << '\n'
      << "card reader: tracks read " << Numbers(tracks) << "; header or terminator on "
      << Numbers(definedTracks) << "; start/stop symbols "
      << ((cardFlags & kCardOutputStartStop) ? "yes" : "no") << ", LRC "
      << ((cardFlags & kCardOutputLrc) ? "yes" : "no") << '\n'
      << "password: " << (document.Password.empty() ? "no" : "yes") << '\n';
}

}  // namespace

int RunInfo(CliContext& context) {
  auto& args = context.args;
  const auto password = TakeOption(args, "--password");
  // Without a layout file (only the device options), the attached keyboard is described.
  if (args.empty() || args.front().starts_with("--")) {
    if (password) throw UsageError{"--password needs a layout file"};
    return RunDeviceInfo(context);
  }
  if (args.size() != 1) throw UsageError{"one layout file expected"};
  SettingsStore settings = context.settings;
  TVL2Document document;
  LayoutPrompt prompt(*context.err, password);
  if (ReadLayoutInput(document, args[0], settings, prompt, *context.err) != kExitOk) return UnreadableInput(context);
  PrintSummary(*context.out, document, args[0]);
  return kExitOk;
}

}  // namespace vl::cli
