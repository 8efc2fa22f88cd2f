#include "core/mtf/MtfLoss.h"

#include "core/text/ScanCode.h"

namespace vl {
namespace {

std::string Hex(unsigned value) {  // one byte
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text += kDigits[(value >> 4) & 0x0F];
  text += kDigits[value & 0x0F];
  return text;
}

// The keys of a keyboard that the language has no name for; nullptr for a code
// no key sends.
const char* UnnamedKey(std::string_view codes) {
  const bool extended = codes.size() == 2 && static_cast<uint8_t>(codes[0]) == kScanExtended;
  switch (static_cast<uint8_t>(codes.back())) {
    case 0x1F: return kKeyLeftWindows;
    case 0x27: return kKeyRightWindows;
    case 0x2F: return kKeyMenu;
    case 0x61: return extended ? nullptr : kKey102nd;
    case 0x84: return extended ? nullptr : kKeySysRq;
    case kLeftShiftCode: case kRightShiftCode: return extended ? kKeyAddedShift : nullptr;
    case 0x7E: return extended ? kKeyBreak : nullptr;
    case 0x7C: return extended ? kKeyPrintScreen : nullptr;
    default: return nullptr;
  }
}

std::string What(const MtfLoss& loss, const TextTranslator& translate) {
  switch (loss.Kind) {
    case MtfLossKind::UnnamedCode:
      if (const char* key = UnnamedKey(loss.Codes)) {
        return TranslatedText(translate, kMtfLossUnnamedCode, {MtfLossCodesText(loss.Codes), Translated(translate, key)});
      }
      return TranslatedText(translate, kMtfLossUnknownCode, {MtfLossCodesText(loss.Codes)});
    case MtfLossKind::NoKeyCode: return TranslatedText(translate, kMtfLossNoKeyCode, {MtfLossCodesText(loss.Codes)});
    case MtfLossKind::LayerNote: return Translated(translate, kMtfLossLayerNote);
    case MtfLossKind::KeyNote: return Translated(translate, kMtfLossKeyNote);
    case MtfLossKind::Bookmark: return Translated(translate, kMtfLossBookmark);
    case MtfLossKind::Group: return Translated(translate, kMtfLossGroup);
    case MtfLossKind::NoFunction: return Translated(translate, kMtfLossNoFunction);
    case MtfLossKind::SwitchKeyContent: return Translated(translate, kMtfLossSwitchKeyContent);
    case MtfLossKind::Click: return TranslatedText(translate, kMtfLossClick, {std::to_string(loss.Value)});
    case MtfLossKind::AutoRepeat:
      return TranslatedText(translate, kMtfLossAutoRepeat, {Hex(unsigned(loss.Value)), Hex(unsigned(loss.Written))});
    case MtfLossKind::NoTrack: return Translated(translate, kMtfLossNoTrack);
    case MtfLossKind::OutputFlags:
      return TranslatedText(translate, kMtfLossOutputFlags, {Hex(unsigned(loss.Value)), Hex(unsigned(loss.Written))});
  }
  return {};
}

}  // namespace

std::string MtfLossCodesText(std::string_view codes) {
  std::string text;
  for (char c : codes) {
    if (!text.empty()) text += ' ';
    text += Hex(static_cast<uint8_t>(c));
  }
  return text;
}

std::string MtfLossText(const MtfLoss& loss, const TextTranslator& translate) {
  const std::string what = What(loss, translate);
  const bool whole = loss.Layer == kMtfWholeKey;
  if (loss.IsCardReader()) {
    return whole ? TranslatedText(translate, kMtfLossAtCardReader, {what})
                 : TranslatedText(translate, kMtfLossAtTrack, {std::to_string(loss.Layer), what});
  }
  const std::string column = std::to_string(loss.Column);
  const std::string row = std::to_string(loss.Row);
  return whole ? TranslatedText(translate, kMtfLossAtKey, {column, row, what})
               : TranslatedText(translate, kMtfLossAtKeyLayer, {column, row, std::to_string(loss.Layer), what});
}

std::string MtfLossesMessage(const std::vector<MtfLoss>& losses, const TextTranslator& translate, size_t maxLines) {
  std::string message = Translated(translate, kMtfLossesHeading);
  const size_t shown = losses.size() <= maxLines ? losses.size() : maxLines;
  for (size_t i = 0; i < shown; ++i) message += "\n" + MtfLossText(losses[i], translate);
  if (shown < losses.size()) {
    message += "\n" + TranslatedText(translate, kMtfLossesMore, {std::to_string(losses.size() - shown)});
  }
  return message;
}

std::string_view MtfLossKindName(MtfLossKind kind) {
  switch (kind) {
    case MtfLossKind::UnnamedCode: return "unnamed-code";
    case MtfLossKind::NoKeyCode: return "no-key-code";
    case MtfLossKind::LayerNote: return "layer-note";
    case MtfLossKind::KeyNote: return "key-note";
    case MtfLossKind::Bookmark: return "bookmark";
    case MtfLossKind::Group: return "group";
    case MtfLossKind::NoFunction: return "no-function";
    case MtfLossKind::SwitchKeyContent: return "switch-key-content";
    case MtfLossKind::Click: return "click";
    case MtfLossKind::AutoRepeat: return "autorepeat";
    case MtfLossKind::NoTrack: return "no-track";
    case MtfLossKind::OutputFlags: return "output-flags";
  }
  return {};
}

}  // namespace vl
