#pragma once
// A small Enhanced Metafile writer: just the records the key image needs (pens,
// brushes, a font, rectangles, rounded rectangles, ellipses and UTF-16 text). The
// reference device is defined so that one logical unit is 0.1 mm; the frame is
// stated in hundredths of a millimetre as the format wants.

#include <cstdint>
#include <string>
#include <string_view>

namespace vl {

struct EmfRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
};

// Record types written (values of the format).
enum EmfRecordType : uint32_t {
  kEmrHeader = 1,
  kEmrEof = 14,
  kEmrSetBkMode = 18,
  kEmrSelectObject = 37,
  kEmrCreatePen = 38,
  kEmrCreateBrushIndirect = 39,
  kEmrDeleteObject = 40,
  kEmrEllipse = 42,
  kEmrRectangle = 43,
  kEmrRoundRect = 44,
  kEmrExtCreateFontIndirectW = 82,
  kEmrExtTextOutW = 84,
};

inline constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"
inline constexpr uint32_t kStockWhiteBrush = 0x80000000;
inline constexpr uint32_t kStockBlackPen = 0x80000007;
inline constexpr uint32_t kStockSystemFont = 0x8000000D;

constexpr uint32_t EmfRgb(uint8_t r, uint8_t g, uint8_t b) {
  return uint32_t{r} | (uint32_t{g} << 8) | (uint32_t{b} << 16);
}

class EmfWriter {
 public:
  // frame: the picture in logical units (0.1 mm); the header is written by Finish.
  explicit EmfWriter(const EmfRect& frameUnits);

  // Object creation returns the handle index (1, 2, ...); select and delete take it.
  uint32_t CreatePen(uint32_t color, int32_t width = 0);
  uint32_t CreateSolidBrush(uint32_t color);
  // A font of the height in logical units (character height, so negative in the
  // record), normal weight, the face name in ASCII.
  uint32_t CreateFont(int32_t height, std::string_view faceName);
  void Select(uint32_t handleOrStock);
  void Delete(uint32_t handle);
  void SetTransparentText();

  void Rectangle(const EmfRect& box);
  void RoundRect(const EmfRect& box, int32_t cornerWidth, int32_t cornerHeight);
  void Ellipse(const EmfRect& box);
  // Text with its top-left corner at (x, y) in the last created font, cut off at
  // the clipping rectangle; the text is UTF-8, written as UTF-16 with a spacing
  // array estimated from that font's height.
  void Text(int32_t x, int32_t y, std::string_view utf8, const EmfRect& clip);
  // The width Text estimates for the text, and the line height, in logical units.
  int32_t TextWidth(std::string_view utf8) const;
  int32_t LineHeight() const { return fontHeight_; }

  // Appends the end record and returns the whole metafile.
  std::string Finish();

 private:
  void BeginRecord(uint32_t type);
  void EndRecord();
  void Put32(uint32_t value);
  void PutRect(const EmfRect& box);

  EmfRect frame_;
  std::string body_;
  size_t recordStart_ = 0;
  uint32_t records_ = 1;  // the header counts
  uint32_t nextHandle_ = 1;
  int32_t fontHeight_ = 0;
};

}  // namespace vl
