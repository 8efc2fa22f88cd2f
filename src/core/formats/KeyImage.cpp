#include "core/formats/KeyImage.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/common/FileErrors.h"
#include "core/common/SafeWrite.h"
#include "core/document/VL2Document.h"
#include "core/formats/KeyImageMetafile.h"
#include "core/formats/KeyImageRichText.h"
#include "core/settings/SettingsStore.h"
#include "core/text/Cp1251.h"

namespace vl {

namespace {

int Scale(int value, double factor) { return static_cast<int>(std::lround(value * factor)); }

// Notes are code page 1251 bytes, one byte a character.
std::string NoteLabel(const std::string& cp1251) {
  return Cp1251ToUtf8(std::string_view(cp1251).substr(0, kMaxLabelChars));
}

}  // namespace

double ScaleFactor(KeyImageFormat format) {
  return format == KeyImageFormat::RichText ? kRichTextScale : kMetafileScale;
}

std::optional<KeyImageFormat> KeyImageFormatOf(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".emf") return KeyImageFormat::Metafile;
  if (extension == ".rtf") return KeyImageFormat::RichText;
  if (extension == ".pdf") return KeyImageFormat::Pdf;
  if (extension == ".svg") return KeyImageFormat::Svg;
  return std::nullopt;
}

KeyImageGeometry ScaleGeometry(const KeyImageGeometry& g, double factor) {
  return {Scale(g.KeyWidth, factor), Scale(g.KeyHeight, factor), Scale(g.HorSpace, factor),
          Scale(g.VerSpace, factor), Scale(g.TopSpace, factor),  Scale(g.LeftSpace, factor)};
}

KeyImageOptions KeyImageOptions::FromSettings(const SettingsStore& settings) {
  auto pick = [&](Setting setting, uint8_t count) {
    const uint8_t value = settings.Get(setting);
    return value < count ? value : uint8_t{0};
  };
  KeyImageOptions options;
  options.Form = static_cast<KeyForm>(pick(Setting::ImageKeyForm, 3));
  options.Create = static_cast<LabelCreate>(pick(Setting::ImageCreate, 3));
  options.Source = static_cast<LabelSource>(pick(Setting::ImageText, 4));
  options.Layers = settings.Get(Setting::ImageLayers);
  options.AddFunctionKeys = settings.IsOn(Setting::ImageAddFunctionKeys);
  options.Language = KeyLanguageFromSetting(settings.Get(Setting::Layout));
  return options;
}

TRect ImageSelection(int left, int top, int columns, int rows) {
  return {left, top, std::min(left + columns - 1, kFieldSize), std::min(top + rows - 1, kFieldSize)};
}

int PictureWidth(const KeyImageRequest& r) {
  const auto& g = r.Geometry;
  return r.Columns * (g.KeyWidth + g.HorSpace) - g.HorSpace + 2 * g.LeftSpace;
}

int PictureHeight(const KeyImageRequest& r) {
  const auto& g = r.Geometry;
  return r.Rows * (g.KeyHeight + g.VerSpace) - g.VerSpace + 2 * g.TopSpace;
}

KeyBox KeyOutline(const KeyImageRequest& r, int i, int j) {
  const auto& g = r.Geometry;
  const int left = (g.KeyWidth + g.HorSpace) * i + g.LeftSpace;
  const int top = (g.KeyHeight + g.VerSpace) * j + g.TopSpace;
  return {left, top, left + g.KeyWidth, top + g.KeyHeight};
}

std::string Label(const KeyImageRequest& r, int i, int j, int layer) {
  const int column = r.Selection.Left + i;
  const int row = r.Selection.Top + j;
  if (r.Document == nullptr || !r.Selection.Contains(column, row) || layer < 0 ||
      layer >= kLayerCount) {
    return {};
  }
  if (r.Options.Source == LabelSource::KeyNote) {
    const TKeyNote* note = r.Document->GetNote(column, row);
    return note ? NoteLabel(note->KeyNote) : std::string();
  }
  const TMacroButton* key = r.Document->GetKey(column, row);
  if (key == nullptr) return {};
  const TMacros& block = key->Layers[static_cast<size_t>(layer)];
  if (r.Options.Source == LabelSource::LayerNote) return NoteLabel(block.Note);
  if (key->Func == kFuncMacro) {
    const size_t which = r.Options.Source == LabelSource::Press ? 0 : 1;
    return SequenceToText(block.Macro[which], kMaxLabelChars, r.Options.Language,
                          r.Options.AddFunctionKeys);
  }
  if (IsLayerSwitch(key->Func)) return kFuncLabels[key->Func];
  return {};
}

std::vector<LayerLabel> LayerLabelsToDraw(const KeyImageRequest& r, int i, int j) {
  std::vector<LayerLabel> labels;
  // Outside the selection (beyond the field's edge) even "every position" draws none.
  if (r.Options.Create == LabelCreate::Never ||
      !r.Selection.Contains(r.Selection.Left + i, r.Selection.Top + j)) {
    return labels;
  }
  for (int layer = 0; layer < kLayerCount; ++layer) {
    if ((r.Options.Layers & (1u << layer)) == 0) continue;
    std::string text = Label(r, i, j, layer);
    if (r.Options.Create == LabelCreate::NonEmpty && text.empty()) continue;
    labels.push_back({layer, std::move(text)});
  }
  return labels;
}

std::vector<std::string> LabelsToDraw(const KeyImageRequest& r, int i, int j) {
  std::vector<std::string> texts;
  for (LayerLabel& label : LayerLabelsToDraw(r, i, j)) texts.push_back(std::move(label.Text));
  return texts;
}

LabelCorner LayerCorner(int layer) { return {(layer & 1) != 0, (layer & 2) != 0}; }

int PositionProgress(const KeyImageRequest& r, int done) {
  const int total = r.Columns * r.Rows;
  return total > 0 ? done * 100 / total : 100;
}

std::string BuildKeyImage(KeyImageFormat format, const KeyImageRequest& request, IReporter& reporter) {
  return format == KeyImageFormat::RichText ? BuildKeyImageRichText(request, reporter)
                                            : BuildKeyImageMetafile(request, reporter);
}

bool WriteKeyImage(const std::filesystem::path& file, const KeyImageBuilder& build, IPrompt& prompt,
                   IReporter& reporter) {
  bool written = false;
  {
    ReportScope scope(reporter, kStatusBuildPicture);
    const std::optional<std::string> bytes = build(reporter);
    written = bytes && WriteFileSafely(file, *bytes);
  }
  if (!written) prompt.Message(WithFileName(WriteFailureText(file), file.string()), kCaptionError, MessageIcon::Error);
  return written;
}

bool WriteKeyImage(const std::filesystem::path& file, KeyImageFormat format,
                   const KeyImageRequest& request, IPrompt& prompt, IReporter& reporter) {
  return WriteKeyImage(
      file, [&](IReporter& r) -> std::optional<std::string> { return BuildKeyImage(format, request, r); }, prompt,
      reporter);
}

}  // namespace vl
