#include "core/formats/KeyImageRichText.h"

#include <cstdint>
#include <vector>

#include "core/common/FilledText.h"
#include "core/text/Cp1251.h"

namespace vl {

namespace {

constexpr std::string_view kHeader =
    "{\\rtf1\\ansi\\ansicpg1251\\uc0 \\deff0\\deflang1033\\deflangfe1049"
    "{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
    "{\\f16\\froman\\fcharset238\\fprq2 Times New Roman CE;}"
    "{\\f17\\froman\\fcharset204\\fprq2 Times New Roman Cyr;}"
    "{\\f19\\froman\\fcharset161\\fprq2 Times New Roman Greek;}"
    "{\\f20\\froman\\fcharset162\\fprq2 Times New Roman Tur;}"
    "{\\f21\\froman\\fcharset186\\fprq2 Times New Roman Baltic;}}"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;"
    "\\red0\\green255\\blue0;\\red255\\green0\\blue255;\\red255\\green0\\blue0;"
    "\\red255\\green255\\blue0;\\red255\\green255\\blue255;\\red0\\green0\\blue128;"
    "\\red0\\green128\\blue128;\\red0\\green128\\blue0;\\red128\\green0\\blue128;"
    "\\red128\\green0\\blue0;\\red128\\green128\\blue0;\\red128\\green128\\blue128;"
    "\\red192\\green192\\blue192;}"
    "{\\stylesheet{\\nowidctlpar\\widctlpar\\adjustright \\fs20\\lang1049\\cgrid \\snext0 Normal;}"
    "{\\*\\cs10 \\additive Default Paragraph Font;}}"
    "{\\info{\\title Key image}{\\author }{\\operator }"
    "{\\version2}{\\edmins0}{\\nofpages1}{\\nofwords0}{\\nofchars0}{\\*\\company }"
    "{\\nofcharsws0}{\\vern89}}"
    "\\paperw16840\\paperh11907\\margl567\\margr567\\margt567\\margb567 "
    "\\widowctrl\\ftnbj\\aenddoc\\formshade\\viewkind1\\viewscale100\\pgbrdrhead\\pgbrdrfoot "
    "\\fet0\\sectd \\lndscpsxn\\psz9\\linex0\\endnhere\\sectdefaultcl "
    "{\\*\\pnseclvl1\\pnucrm\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}"
    "{\\*\\pnseclvl2\\pnucltr\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}"
    "{\\*\\pnseclvl3\\pndec\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}"
    "{\\*\\pnseclvl4\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxta )}}"
    "{\\*\\pnseclvl5\\pndec\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}"
    "{\\*\\pnseclvl6\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}"
    "{\\*\\pnseclvl7\\pnlcrm\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}"
    "{\\*\\pnseclvl8\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}"
    "{\\*\\pnseclvl9\\pnlcrm\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}"
    "\\pard\\plain \\nowidctlpar\\widctlpar\\adjustright \\fs20\\lang1049\\cgrid {\\lang1024";

constexpr std::string_view kClosing = "}{\\par}}";

// Shape instance shared by outlines and labels: %1..%4 box, %5 stacking order,
// %6 shape identifier, %7 shape type, %8 the label.
#define VL_SHAPE_INSTANCE                                                                    \
  "{\\shp{\\*\\shpinst\\shpleft%1\\shptop%2\\shpright%3\\shpbottom%4\\shpfhdr0\\shpbxcolumn" \
  "\\shpbypara\\shpwr3\\shpwrk0\\shpfblwtxt0\\shpz%5\\shplid%6{\\sp{\\sn shapeType}{\\sv %7}}" \
  "{\\sp{\\sn fFlipH}{\\sv 0}}{\\sp{\\sn fFlipV}{\\sv 0}}"
#define VL_PARAGRAPH "\\pard\\plain \\nowidctlpar\\widctlpar\\adjustright \\fs20\\lang1049\\cgrid "

// %9, %10: width and height, for the picture that readers without shapes show.
constexpr std::string_view kOutlineShape =
    VL_SHAPE_INSTANCE
    "}{\\shprslt{\\*\\do\\dobxcolumn\\dobypara\\dodhgt%5\\dprect\\dpx%1\\dpy%2\\dpxsize%9"
    "\\dpysize%10\\dpfillfgcr255\\dpfillfgcg255\\dpfillfgcb255\\dpfillbgcr255\\dpfillbgcg255"
    "\\dpfillbgcb255\\dpfillpat1\\dplinew15\\dplinecor0\\dplinecog0\\dplinecob0}}}";

// %11: the paragraph's alignment, %12: the text's anchor in its box (0 top, 2
// bottom), which put the label in its layer's corner.
constexpr std::string_view kLabelShape =
    VL_SHAPE_INSTANCE
    "{\\sp{\\sn anchorText}{\\sv %12}}{\\sp{\\sn lTxid}{\\sv 65536}}{\\sp{\\sn fFilled}{\\sv 0}}{\\sp{\\sn fLine}{\\sv 0}}"
    // Half a millimetre inside the key instead of the readers' default of 2.5 mm
    // left and right, which left a key name too little width.
    "{\\sp{\\sn dxTextLeft}{\\sv 18000}}{\\sp{\\sn dyTextTop}{\\sv 18000}}"
    "{\\sp{\\sn dxTextRight}{\\sv 18000}}{\\sp{\\sn dyTextBottom}{\\sv 18000}}"
    "{\\shptxt " VL_PARAGRAPH "%11%8}}"
    "{\\shprslt{\\*\\do\\dobxcolumn\\dobypara\\dodhgt%5\\dptxbx\\dptxbxmar0"
    "{\\dptxbxtext " VL_PARAGRAPH "%11%8}\\dpx%1\\dpy%2\\dpxsize%9\\dpysize%10"
    "\\dpfillfgcr255\\dpfillfgcg255\\dpfillfgcb255\\dpfillbgcr255\\dpfillbgcg255"
    "\\dpfillbgcb255\\dpfillpat0\\dplinehollow}}}";

#undef VL_SHAPE_INSTANCE
#undef VL_PARAGRAPH

constexpr int kShapeIdBase = 1026;
constexpr std::string_view kTextBoxType = "202";

std::string_view OutlineType(KeyForm form) {
  switch (form) {
    case KeyForm::RoundRect: return "176";
    case KeyForm::Ellipse: return "3";
    case KeyForm::Rectangle: break;
  }
  return "1";
}

// Cyrillic letters of code page 1251 below C0h (Ё, ё, Ukrainian and Belarusian
// letters, the Serbian and Macedonian ones): they go into Cyrillic runs, or a reader
// would take them in the Latin font's code page.
bool IsLowCyrillicLetter(uint8_t c) {
  static constexpr std::string_view kLetters =
      "\x80\x81\x83\x8A\x8C\x8D\x8E\x8F\x90\x9A\x9C\x9D\x9E\x9F\xA1\xA2\xA3\xA5\xA8\xAA\xAF"
      "\xB2\xB3\xB4\xB8\xBA\xBC\xBD\xBE\xBF";
  return kLetters.find(static_cast<char>(c)) != std::string_view::npos;
}

void AppendHex(std::string& out, uint8_t c) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  out += "\\'";
  out.push_back(kDigits[c >> 4]);
  out.push_back(kDigits[c & 0xF]);
}

}  // namespace

std::string RichTextLabel(std::string_view utf8) {
  const std::string text = Utf8ToCp1251Lossy(utf8);
  std::string out;
  bool inRun = false;
  bool cyrillicRun = false;
  bool inName = false;
  bool afterName = false;
  for (size_t k = 0; k < text.size(); ++k) {
    const char ch = text[k];
    const auto c = static_cast<uint8_t>(ch);
    // A key name in brackets is one word: word processors may wrap before and
    // after it (a zero-width space) but, given the width, not inside it.
    const bool nameStarts = !inName && ch == '[' && text.find(']', k + 1) != std::string::npos;
    const bool breakBefore = k > 0 && ch != ' ' && text[k - 1] != ' ' && (nameStarts || afterName);
    afterName = false;
    if (nameStarts) inName = true;
    const bool cyrillic = c >= 0xC0 || IsLowCyrillicLetter(c);
    if (!inRun || cyrillic != cyrillicRun) {
      out += inRun ? "}{" : "{";
      out += cyrillic ? "\\f17 " : "\\lang1033 ";
      inRun = true;
      cyrillicRun = cyrillic;
    }
    // No fallback character (\uc0 in the header): a reader without Unicode shows
    // nothing rather than a '?' between the names.
    if (breakBefore) out += "\\u8203 ";
    if (inName && ch == ']') {
      inName = false;
      afterName = true;
    }
    if (c == '"') {
      out += "\\'94";
    } else if (c == '\'') {
      out += "\\rquote ";
    } else if (c == '\\' || c == '{' || c == '}') {
      out.push_back('\\');
      out.push_back(ch);
    } else if (c >= 0x80) {
      AppendHex(out, c);
    } else {
      out.push_back(ch);
    }
  }
  if (inRun) out += "}{\\par }";
  return out;
}

std::string BuildKeyImageRichText(const KeyImageRequest& request, IReporter& reporter) {
  const auto& g = request.Geometry;
  std::string out(kHeader);
  // Every shape gets its own stacking order and identifier: a label sharing its
  // outline's stacking order is put beneath the white outline by readers and never
  // seen, and 255 x 255 positions with labels overflow 16 bits.
  int shape = 0;
  int done = 0;
  for (int i = 0; i < request.Columns; ++i) {
    for (int j = 0; j < request.Rows; ++j) {
      reporter.SetProgress(PositionProgress(request, done));
      const KeyBox key = KeyOutline(request, i, j);
      std::vector<std::string> args = {
          std::to_string(key.Left),   std::to_string(key.Top),
          std::to_string(key.Right),  std::to_string(key.Bottom),
          std::to_string(shape),      std::to_string(shape + kShapeIdBase),
          std::string(OutlineType(request.Options.Form)), std::string(),
          std::to_string(g.KeyWidth), std::to_string(g.KeyHeight), std::string(), std::string()};
      out += FilledText(kOutlineShape, args);
      ++shape;

      // The label box is the whole key: a box of half its height cut the second line.
      args[6] = std::string(kTextBoxType);
      for (const LayerLabel& label : LayerLabelsToDraw(request, i, j)) {
        const LabelCorner corner = LayerCorner(label.Layer);
        args[4] = std::to_string(shape);
        args[5] = std::to_string(shape + kShapeIdBase);
        args[7] = RichTextLabel(label.Text);
        args[10] = corner.Right ? "\\qr " : "\\ql ";
        args[11] = corner.Bottom ? "2" : "0";
        out += FilledText(kLabelShape, args);
        ++shape;
      }
      ++done;
    }
  }
  out += kClosing;
  return out;
}

}  // namespace vl
