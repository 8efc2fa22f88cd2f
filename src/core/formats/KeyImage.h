#pragma once
// The key image: a true-to-scale drawing of a keyboard's key field, one outline per
// key position and, on request, the keys' labels. This header holds what both
// formats share: geometry, the image settings, the labels and writing the file.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/common/TranslatableText.h"
#include "core/document/Field.h"
#include "core/text/KeyTexts.h"

namespace vl {

class SettingsStore;
class TVL2Document;

// Key geometry from the device catalogue, in hundredths of a millimetre until
// scaled by a format factor.
struct KeyImageGeometry {
  int KeyWidth = 0;   // ImageKeyWidth (W)
  int KeyHeight = 0;  // ImageKeyHeight (H)
  int HorSpace = 0;   // ImageHorKeySpace (HS)
  int VerSpace = 0;   // ImageVerKeySpace (VS)
  int TopSpace = 0;   // ImageTopSpace (T)
  int LeftSpace = 0;  // ImageLeftSpace (L)
  bool operator==(const KeyImageGeometry&) const = default;
};

// PDF and SVG are painted (outside the core) on the metafile's grid, so a key
// has the same size in millimetres as in the metafile.
enum class KeyImageFormat { Metafile, RichText, Pdf, Svg };

// Metafile units are tenths of a millimetre; Rich Text units are twips.
inline constexpr double kMetafileScale = 0.1;
inline constexpr double kRichTextScale = 1440.0 / 2540.0;

// The format a file name's extension (any case) asks for: .emf, .rtf, .pdf, .svg.
std::optional<KeyImageFormat> KeyImageFormatOf(const std::filesystem::path& file);
// The extensions KeyImageFormatOf knows, for messages: "emf, rtf, pdf, svg".
inline constexpr const char* kKeyImageFormatList = "emf, rtf, pdf, svg";

double ScaleFactor(KeyImageFormat format);
// Every value multiplied by factor and rounded to the nearest integer.
KeyImageGeometry ScaleGeometry(const KeyImageGeometry& geometry, double factor);

enum class KeyForm : uint8_t { Rectangle = 0, RoundRect = 1, Ellipse = 2 };
enum class LabelCreate : uint8_t { Always = 0, NonEmpty = 1, Never = 2 };
enum class LabelSource : uint8_t { Press = 0, Release = 1, LayerNote = 2, KeyNote = 3 };

// The image settings; out-of-range bytes read as the first value of their kind.
struct KeyImageOptions {
  KeyForm Form = KeyForm::Rectangle;
  LabelCreate Create = LabelCreate::Always;
  LabelSource Source = LabelSource::Press;
  uint8_t Layers = 1;  // bit n: layer n gets a label
  bool AddFunctionKeys = true;
  KeyLanguage Language = KeyLanguage::English;

  static KeyImageOptions FromSettings(const SettingsStore& settings);
};

// Longest label: sequence texts and notes are cut to this many characters.
inline constexpr size_t kMaxLabelChars = 40;
inline constexpr const char* kStatusBuildPicture = VL_TEXT("core", "Создание рисунка");

// One drawing job. Position (i, j), i = 0 .. Columns - 1 from the left and
// j = 0 .. Rows - 1 from the top, shows the key at column Selection.Left + i,
// row Selection.Top + j; positions outside Selection get an outline only.
struct KeyImageRequest {
  const TVL2Document* Document = nullptr;
  TRect Selection;
  int Columns = 0;                // the device's Width
  int Rows = 0;                   // the device's Height
  KeyImageGeometry Geometry;      // already scaled for the format
  KeyImageOptions Options;
};

// The selection of an image: columns x rows keys from (left, top), cut at 255.
TRect ImageSelection(int left, int top, int columns, int rows);

struct KeyBox {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool operator==(const KeyBox&) const = default;
};

// Picture size in scaled units: the field plus a margin on each side.
int PictureWidth(const KeyImageRequest& request);
int PictureHeight(const KeyImageRequest& request);
// The outline of position (i, j).
KeyBox KeyOutline(const KeyImageRequest& request, int i, int j);

// The label of position (i, j) on one layer (UTF-8): by the source, a sequence
// text (Func 0), the layer-switching keyword (Func 1..10), the layer note or the
// key note, at most kMaxLabelChars characters; empty outside the selection or
// without a record.
std::string Label(const KeyImageRequest& request, int i, int j, int layer);

struct LayerLabel {
  int Layer = 0;
  std::string Text;
  bool operator==(const LayerLabel&) const = default;
};

// The labels to draw at (i, j): one per layer whose bit is set, in layer order,
// filtered by Options.Create; none outside the selection.
std::vector<LayerLabel> LayerLabelsToDraw(const KeyImageRequest& request, int i, int j);
// Their texts alone, for a painter that stacks them.
std::vector<std::string> LabelsToDraw(const KeyImageRequest& request, int i, int j);

// The corner of the key where the metafile and the Rich Text put a layer's label:
// layer 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right, so the labels of
// several layers do not cover one another and each layer is found at one place.
struct LabelCorner {
  bool Right = false;
  bool Bottom = false;
};
LabelCorner LayerCorner(int layer);

// Progress 0..100 after `done` of the request's positions.
int PositionProgress(const KeyImageRequest& request, int done);

// The whole file in a format the core writes itself (metafile, Rich Text).
std::string BuildKeyImage(KeyImageFormat format, const KeyImageRequest& request, IReporter& reporter);

// Builds the image's bytes and writes them to the file, never leaving a
// half-written file in place of an old one. Shows "Создание рисунка" and the
// progress through the reporter and clears both at the end; a failure to build or
// to write is told through the prompt as "Ошибка записи в файл." and gives false.
using KeyImageBuilder = std::function<std::optional<std::string>(IReporter&)>;
bool WriteKeyImage(const std::filesystem::path& file, const KeyImageBuilder& build, IPrompt& prompt,
                   IReporter& reporter);
// The same for a format the core writes itself.
bool WriteKeyImage(const std::filesystem::path& file, KeyImageFormat format,
                   const KeyImageRequest& request, IPrompt& prompt, IReporter& reporter);

}  // namespace vl
