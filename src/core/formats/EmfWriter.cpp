#include "core/formats/EmfWriter.h"

#include <algorithm>
#include <optional>

#include "core/text/Utf8.h"

namespace vl {

namespace {

constexpr size_t kHeaderSize = 108;  // with both header extensions
constexpr uint32_t kEmfVersion = 0x10000;
// Reference device: an A4 page at ten logical units per millimetre.
constexpr int32_t kDeviceMillimetresX = 210;
constexpr int32_t kDeviceMillimetresY = 297;
constexpr int32_t kUnitsPerMillimetre = 10;
constexpr uint32_t kTransparent = 1;
constexpr uint32_t kTextClipped = 4;
constexpr uint32_t kGraphicsModeCompatible = 1;
constexpr uint32_t kFontWeightNormal = 400;
constexpr uint8_t kDefaultCharset = 1;
constexpr size_t kFaceNameChars = 32;

void PutLe32(std::string& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PatchLe32(std::string& out, size_t at, uint32_t value) {
  for (size_t k = 0; k < 4; ++k) out[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

// UTF-8 to UTF-16 code units; each byte that starts no valid character becomes
// U+FFFD.
std::u16string ToUtf16(std::string_view utf8) {
  std::u16string out;
  for (size_t i = 0; i < utf8.size();) {
    const std::optional<char32_t> code = NextUtf8CodePoint(utf8, i);
    if (!code) {
      out.push_back(u'\uFFFD');
      ++i;
    } else if (*code >= 0x10000) {
      const char32_t offset = *code - 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(*code));
    }
  }
  return out;
}

// Advance of one character as a share of the font height: the metafile carries an
// explicit spacing array, which readers follow, so it must look like a
// proportional sans-serif font.
int32_t Advance(char16_t c, int32_t height) {
  static constexpr std::u16string_view kNarrow = u" !'(),./:;I[\\]fijlrt|іїІЇ";
  static constexpr std::u16string_view kWide = u"MWmwЖШЩЫЮжшщыю";
  double share = 0.56;
  if (kNarrow.find(c) != std::u16string_view::npos) {
    share = 0.30;
  } else if (kWide.find(c) != std::u16string_view::npos) {
    share = 0.85;
  } else if ((c >= u'A' && c <= u'Z') || (c >= u'А' && c <= u'Я') || c == u'Ё' || c == u'Є') {
    share = 0.68;
  }
  return std::max<int32_t>(1, static_cast<int32_t>(height * share + 0.5));
}

}  // namespace

EmfWriter::EmfWriter(const EmfRect& frameUnits) : frame_(frameUnits) {}

void EmfWriter::BeginRecord(uint32_t type) {
  recordStart_ = body_.size();
  Put32(type);
  Put32(0);  // size, patched by EndRecord
}

void EmfWriter::EndRecord() {
  while ((body_.size() - recordStart_) % 4 != 0) body_.push_back('\0');
  PatchLe32(body_, recordStart_ + 4, static_cast<uint32_t>(body_.size() - recordStart_));
  ++records_;
}

void EmfWriter::Put32(uint32_t value) { PutLe32(body_, value); }

void EmfWriter::PutRect(const EmfRect& box) {
  Put32(static_cast<uint32_t>(box.Left));
  Put32(static_cast<uint32_t>(box.Top));
  Put32(static_cast<uint32_t>(box.Right));
  Put32(static_cast<uint32_t>(box.Bottom));
}

uint32_t EmfWriter::CreatePen(uint32_t color, int32_t width) {
  const uint32_t handle = nextHandle_++;
  BeginRecord(kEmrCreatePen);
  Put32(handle);
  Put32(0);  // PS_SOLID
  Put32(static_cast<uint32_t>(width));
  Put32(0);
  Put32(color);
  EndRecord();
  return handle;
}

uint32_t EmfWriter::CreateSolidBrush(uint32_t color) {
  const uint32_t handle = nextHandle_++;
  BeginRecord(kEmrCreateBrushIndirect);
  Put32(handle);
  Put32(0);  // BS_SOLID
  Put32(color);
  Put32(0);
  EndRecord();
  return handle;
}

uint32_t EmfWriter::CreateFont(int32_t height, std::string_view faceName) {
  const uint32_t handle = nextHandle_++;
  fontHeight_ = height;
  BeginRecord(kEmrExtCreateFontIndirectW);
  Put32(handle);
  Put32(static_cast<uint32_t>(-height));  // negative: character height, not cell height
  Put32(0);                               // width: by the aspect ratio
  Put32(0);                               // escapement
  Put32(0);                               // orientation
  Put32(kFontWeightNormal);
  body_.append({'\0', '\0', '\0', static_cast<char>(kDefaultCharset)});  // italic .. charset
  body_.append({'\0', '\0', '\0', '\0'});  // precisions, quality, pitch and family
  for (size_t k = 0; k < kFaceNameChars; ++k) {
    const char c = k < faceName.size() && k + 1 < kFaceNameChars ? faceName[k] : '\0';
    body_.push_back(c);
    body_.push_back('\0');
  }
  EndRecord();
  return handle;
}

void EmfWriter::Select(uint32_t handleOrStock) {
  BeginRecord(kEmrSelectObject);
  Put32(handleOrStock);
  EndRecord();
}

void EmfWriter::Delete(uint32_t handle) {
  BeginRecord(kEmrDeleteObject);
  Put32(handle);
  EndRecord();
}

void EmfWriter::SetTransparentText() {
  BeginRecord(kEmrSetBkMode);
  Put32(kTransparent);
  EndRecord();
}

void EmfWriter::Rectangle(const EmfRect& box) {
  BeginRecord(kEmrRectangle);
  PutRect(box);
  EndRecord();
}

void EmfWriter::RoundRect(const EmfRect& box, int32_t cornerWidth, int32_t cornerHeight) {
  BeginRecord(kEmrRoundRect);
  PutRect(box);
  Put32(static_cast<uint32_t>(cornerWidth));
  Put32(static_cast<uint32_t>(cornerHeight));
  EndRecord();
}

void EmfWriter::Ellipse(const EmfRect& box) {
  BeginRecord(kEmrEllipse);
  PutRect(box);
  EndRecord();
}

int32_t EmfWriter::TextWidth(std::string_view utf8) const {
  int32_t width = 0;
  for (char16_t c : ToUtf16(utf8)) width += Advance(c, fontHeight_);
  return width;
}

void EmfWriter::Text(int32_t x, int32_t y, std::string_view utf8, const EmfRect& clip) {
  const std::u16string text = ToUtf16(utf8);
  constexpr uint32_t kFixedPart = 76;  // record header to the end of the text block
  const auto chars = static_cast<uint32_t>(text.size());
  const uint32_t stringBytes = (chars * 2 + 3) / 4 * 4;
  const int32_t height = fontHeight_;
  const int32_t width = TextWidth(utf8);

  BeginRecord(kEmrExtTextOutW);
  // Bounds: what is drawn, so no more than the clipping rectangle.
  PutRect({std::max(x, clip.Left), std::max(y, clip.Top), std::min(x + width, clip.Right),
           std::min(y + height, clip.Bottom)});
  Put32(kGraphicsModeCompatible);
  Put32(0);  // x scale: unused in the compatible mode
  Put32(0);  // y scale
  Put32(static_cast<uint32_t>(x));  // reference point
  Put32(static_cast<uint32_t>(y));
  Put32(chars);
  Put32(kFixedPart);
  Put32(kTextClipped);  // no opaque box
  PutRect(clip);
  Put32(kFixedPart + stringBytes);  // spacing array
  for (char16_t c : text) {
    body_.push_back(static_cast<char>(c & 0xFF));
    body_.push_back(static_cast<char>(c >> 8));
  }
  while ((body_.size() - recordStart_) % 4 != 0) body_.push_back('\0');
  for (char16_t c : text) Put32(static_cast<uint32_t>(Advance(c, height)));
  EndRecord();
}

std::string EmfWriter::Finish() {
  BeginRecord(kEmrEof);
  Put32(0);   // palette entries
  Put32(16);  // their offset
  Put32(20);  // this record's size again
  EndRecord();

  std::string out;
  out.reserve(kHeaderSize + body_.size());
  PutLe32(out, kEmrHeader);
  PutLe32(out, kHeaderSize);
  // Bounds are inclusive device units; the frame is in hundredths of a millimetre.
  for (int32_t v : {frame_.Left, frame_.Top, frame_.Right - 1, frame_.Bottom - 1}) {
    PutLe32(out, static_cast<uint32_t>(v));
  }
  for (int32_t v : {frame_.Left * 10, frame_.Top * 10, frame_.Right * 10, frame_.Bottom * 10}) {
    PutLe32(out, static_cast<uint32_t>(v));
  }
  PutLe32(out, kEmfSignature);
  PutLe32(out, kEmfVersion);
  PutLe32(out, static_cast<uint32_t>(kHeaderSize + body_.size()));
  PutLe32(out, records_);
  PutLe32(out, nextHandle_);  // handles: the objects plus the reserved index 0
  PutLe32(out, 0);            // no description
  PutLe32(out, 0);
  PutLe32(out, 0);            // palette entries
  PutLe32(out, kDeviceMillimetresX * kUnitsPerMillimetre);
  PutLe32(out, kDeviceMillimetresY * kUnitsPerMillimetre);
  PutLe32(out, kDeviceMillimetresX);
  PutLe32(out, kDeviceMillimetresY);
  PutLe32(out, 0);  // no pixel format
  PutLe32(out, 0);
  PutLe32(out, 0);  // no OpenGL records
  PutLe32(out, kDeviceMillimetresX * 1000);
  PutLe32(out, kDeviceMillimetresY * 1000);
  out += body_;
  return out;
}

}  // namespace vl
