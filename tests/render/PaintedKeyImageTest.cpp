// The painted key image read back as its readers see it: the PDF through a PDF
// reader (pdfminer), the SVG through an XML reader, the printer's output the same
// way as the PDF. Sizes are checked in millimetres against the metafile's grid.

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>
#include <QXmlStreamReader>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "../core/formats/KeyImageTestSupport.h"
#include "ShellRun.h"
#include "render/KeyImagePainter.h"

namespace vl {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kTolerancePt = 0.3;  // a tenth of a millimetre
// Qt places the printable area at whole points, so the margins move by up to half a point.
constexpr double kMarginTolerancePt = 0.55;

struct Box {
  double X0, Y0, X1, Y1;
  bool Holds(const Box& inner) const {
    return inner.X0 >= X0 - kTolerancePt && inner.Y0 >= Y0 - kTolerancePt && inner.X1 <= X1 + kTolerancePt &&
           inner.Y1 <= Y1 + kTolerancePt;
  }
};

struct Glyph {
  Box Where;
  std::string Text;
};

struct Page {
  double Width = 0, Height = 0;
  std::vector<Box> Rects;
  std::vector<Glyph> Glyphs;
};

std::filesystem::path TempFile(const std::string& name) {
  return std::filesystem::temp_directory_path() /
         ("vlat_render_" + std::to_string(::getpid()) + "_" + name);
}

// What the PDF reader finds, page by page; empty when it cannot run.
std::vector<Page> ReadBack(const std::filesystem::path& pdf) {
  std::vector<Page> pages;
  const std::string command = "/usr/bin/python3 " VLAT_PDF_BOXES " \"" + pdf.string() + "\"";
  const test::ShellRun run = test::RunShell(command);
  if (run.exitCode != 0) return pages;
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream in(line);
    std::string kind;
    in >> kind;
    if (kind == "page") {
      pages.emplace_back();
      in >> pages.back().Width >> pages.back().Height;
    } else if (!pages.empty() && (kind == "rect" || kind == "char")) {
      Box box{};
      in >> box.X0 >> box.Y0 >> box.X1 >> box.Y1;
      if (kind == "rect") {
        pages.back().Rects.push_back(box);
      } else {
        std::string text;
        in.get();
        std::getline(in, text);
        pages.back().Glyphs.push_back({box, text});
      }
    }
  }
  return pages;
}

bool HavePdfReader() { return std::system("/usr/bin/python3 -c 'import pdfminer' >/dev/null 2>&1") == 0; }

std::string WithoutBlanks(std::string text) {
  std::erase(text, ' ');
  return text;
}

const std::string kEllipsisText = "\xE2\x80\xA6";

// The key rectangles of a page, without the picture's border (the largest).
std::vector<Box> KeyRects(const Page& page) {
  std::vector<Box> keys = page.Rects;
  const auto border = std::max_element(keys.begin(), keys.end(), [](const Box& a, const Box& b) {
    return (a.X1 - a.X0) * (a.Y1 - a.Y0) < (b.X1 - b.X0) * (b.Y1 - b.Y0);
  });
  if (border != keys.end()) keys.erase(border);
  return keys;
}

// Checks that every character lies inside a key, and that what each key shows,
// line by line, is its labels: whole names on every line, and everything there
// unless the last line ends with "…". keyAt gives the position (i, j) of a key
// rectangle.
void ExpectLabelsInTheirKeys(const Page& page, const KeyImageRequest& request,
                             const std::function<std::pair<int, int>(const Box&)>& keyAt) {
  const std::vector<Box> keys = KeyRects(page);
  std::map<std::pair<int, int>, std::vector<Glyph>> shown;
  for (const Glyph& glyph : page.Glyphs) {
    const auto key = std::find_if(keys.begin(), keys.end(), [&](const Box& k) { return k.Holds(glyph.Where); });
    ASSERT_NE(key, keys.end()) << "\"" << glyph.Text << "\" at " << glyph.Where.X0 << "," << glyph.Where.Y0
                               << " lies outside every key";
    shown[keyAt(*key)].push_back(glyph);
  }
  for (int i = 0; i < request.Columns; ++i) {
    for (int j = 0; j < request.Rows; ++j) {
      SCOPED_TRACE("key " + std::to_string(i) + "," + std::to_string(j));
      // Each label as its pieces, blanks left out, and where its pieces end.
      std::vector<std::string> labels;
      std::vector<std::set<size_t>> pieceEnds;
      for (const std::string& label : LabelsToDraw(request, i, j)) {
        labels.emplace_back();
        pieceEnds.emplace_back();
        for (const LabelPiece& piece : LabelPieces(label)) {
          labels.back() += WithoutBlanks(piece.Text);
          pieceEnds.back().insert(labels.back().size());
        }
      }
      std::vector<Glyph> glyphs = shown[{i, j}];
      // Reading order: lines from the top, characters from the left.
      std::stable_sort(glyphs.begin(), glyphs.end(), [](const Glyph& a, const Glyph& b) {
        if (std::abs(a.Where.Y1 - b.Where.Y1) > 0.5) return a.Where.Y1 < b.Where.Y1;
        return a.Where.X0 < b.Where.X0;
      });
      std::vector<std::string> lines;
      for (size_t k = 0; k < glyphs.size(); ++k) {
        if (k == 0 || std::abs(glyphs[k].Where.Y1 - glyphs[k - 1].Where.Y1) > 0.5) lines.emplace_back();
        if (glyphs[k].Text.find_first_not_of(" \t") != std::string::npos) lines.back() += glyphs[k].Text;
      }
      // The lines must spell the labels in order, each line ending where a piece
      // ends, or ending in "…" where the rest of its label was left out.
      size_t label = 0, at = 0;
      const auto skipEmpty = [&] {
        while (label < labels.size() && at == labels[label].size()) ++label, at = 0;
      };
      for (const std::string& line : lines) {
        skipEmpty();
        ASSERT_LT(label, labels.size()) << "more shown than the labels hold: " << line;
        const std::string rest = labels[label].substr(at);
        if (line.ends_with(kEllipsisText)) {
          EXPECT_TRUE(rest.starts_with(line.substr(0, line.size() - kEllipsisText.size()))) << line << " for " << rest;
          ++label, at = 0;
          continue;
        }
        ASSERT_TRUE(rest.starts_with(line)) << line << " for " << rest;
        at += line.size();
        EXPECT_TRUE(pieceEnds[label].count(at)) << "a name broken after " << line;
      }
      skipEmpty();
      EXPECT_EQ(label, labels.size()) << "a label missing";
    }
  }
}

class PaintedKeyImage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsurePaintingApplication(); }
  void SetUp() override {
    test::FillSmallLayout(document_);
    request_ = test::SmallDeviceRequest(document_, KeyImageFormat::Pdf);
    request_.Options.Layers = 0b11;
    request_.Options.Create = LabelCreate::NonEmpty;
    request_.Options.Language = KeyLanguage::Russian;
  }
  void TearDown() override {
    for (const auto& file : files_) std::filesystem::remove(file);
  }
  std::filesystem::path Write(const std::string& name, const std::string& bytes) {
    files_.push_back(TempFile(name));
    std::ofstream(files_.back(), std::ios::binary) << bytes;
    return files_.back();
  }

  TVL2Document document_;
  KeyImageRequest request_;
  std::vector<std::filesystem::path> files_;
};

// Position of a key on a sheet whose picture starts at (left, top) points.
std::function<std::pair<int, int>(const Box&)> Grid(double left, double top) {
  return [=](const Box& key) {
    const double pitch = 20 * kPointsPerMm;  // 18 mm keys, 2 mm apart, 5 mm margins
    return std::pair<int, int>{static_cast<int>(std::lround((key.X0 - left - 5 * kPointsPerMm) / pitch)),
                               static_cast<int>(std::lround((key.Y0 - top - 5 * kPointsPerMm) / pitch))};
  };
}

TEST_F(PaintedKeyImage, PdfKeysAtTrueScaleWithTheirLabelsInside) {
  if (!HavePdfReader()) GTEST_SKIP() << "python3-pdfminer is not installed";
  NullReporter reporter;
  const auto bytes = KeyImageBytes(KeyImageFormat::Pdf, request_, reporter);
  ASSERT_TRUE(bytes);
  const auto pages = ReadBack(Write("small.pdf", *bytes));
  ASSERT_EQ(pages.size(), 1u);
  const Page& page = pages[0];
  EXPECT_NEAR(page.Width, 595.3, 0.5);  // A4 portrait
  EXPECT_NEAR(page.Height, 841.9, 0.5);
  const std::vector<Box> keys = KeyRects(page);
  ASSERT_EQ(keys.size(), 12u);
  for (const Box& key : keys) {
    EXPECT_NEAR(key.X1 - key.X0, 18 * kPointsPerMm, kTolerancePt);
    EXPECT_NEAR(key.Y1 - key.Y0, 18 * kPointsPerMm, kTolerancePt);
  }
  // The first key: 10 mm page margin and 5 mm picture margin from the corner.
  EXPECT_NEAR(keys[0].X0, 15 * kPointsPerMm, kMarginTolerancePt);
  EXPECT_NEAR(keys[0].Y0, 15 * kPointsPerMm, kMarginTolerancePt);
  ExpectLabelsInTheirKeys(page, request_, Grid(10 * kPointsPerMm, 10 * kPointsPerMm));
  EXPECT_FALSE(page.Glyphs.empty());
}

TEST_F(PaintedKeyImage, PrintedOnSeveralSheetsWithinTheMarginsNoKeyCut) {
  if (!HavePdfReader()) GTEST_SKIP() << "python3-pdfminer is not installed";
  // 16 x 8 keys of 18 mm: 330 x 170 mm, more than one A4 portrait sheet holds.
  request_.Columns = 16;
  request_.Rows = 8;
  request_.Selection = ImageSelection(1, 1, 16, 8);
  const auto file = TempFile("printed.pdf");
  files_.push_back(file);
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file.string()));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 15, 10, 10),
                                      QPageLayout::Millimeter));
    NullReporter reporter;
    ASSERT_TRUE(PaintKeyImagePages(printer, request_, reporter));
  }
  const auto pages = ReadBack(file);
  // 180 mm across holds 8 columns, 272 mm down all 8 rows.
  ASSERT_EQ(pages.size(), 2u);
  size_t keyCount = 0;
  for (const Page& page : pages) {
    const double slack = kMarginTolerancePt - kTolerancePt;
    const Box printable{20 * kPointsPerMm - slack, 15 * kPointsPerMm - slack, page.Width - 10 * kPointsPerMm + slack,
                        page.Height - 10 * kPointsPerMm + slack};
    for (const Box& rect : page.Rects) EXPECT_TRUE(printable.Holds(rect)) << rect.X0 << "," << rect.Y0;
    for (const Box& key : KeyRects(page)) {
      EXPECT_NEAR(key.X1 - key.X0, 18 * kPointsPerMm, kTolerancePt);
      EXPECT_NEAR(key.Y1 - key.Y0, 18 * kPointsPerMm, kTolerancePt);
    }
    keyCount += KeyRects(page).size();
  }
  EXPECT_EQ(keyCount, 128u);
  // The first sheet's top-left key sits at the margins plus the picture's margin.
  const std::vector<Box> first = KeyRects(pages[0]);
  EXPECT_NEAR(first[0].X0, 25 * kPointsPerMm, kMarginTolerancePt);
  EXPECT_NEAR(first[0].Y0, 20 * kPointsPerMm, kMarginTolerancePt);
  KeyImageRequest sheet = request_;
  sheet.Columns = 8;
  sheet.Selection = ImageSelection(1, 1, 8, 8);
  ExpectLabelsInTheirKeys(pages[0], sheet, Grid(20 * kPointsPerMm, 15 * kPointsPerMm));
}

TEST_F(PaintedKeyImage, SvgInMillimetresWithEveryLabelInItsKey) {
  NullReporter reporter;
  request_.Options.Form = KeyForm::RoundRect;
  const auto bytes = KeyImageBytes(KeyImageFormat::Svg, request_, reporter);
  ASSERT_TRUE(bytes);
  QXmlStreamReader xml(QByteArray::fromStdString(*bytes));
  std::vector<QRectF> rects;
  struct Text {
    QPointF At;
    double Size;
    QString Content;
  };
  std::vector<Text> texts;
  QString width, height;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto attributes = xml.attributes();
    const auto number = [&](const char* name) { return attributes.value(QLatin1String(name)).toDouble(); };
    if (xml.name() == QLatin1String("svg")) {
      width = attributes.value(QLatin1String("width")).toString();
      height = attributes.value(QLatin1String("height")).toString();
    } else if (xml.name() == QLatin1String("rect")) {
      rects.emplace_back(number("x"), number("y"), number("width"), number("height"));
    } else if (xml.name() == QLatin1String("text")) {
      texts.push_back({{number("x"), number("y")}, number("font-size"), QString()});
      texts.back().Content = xml.readElementText();
    }
  }
  ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  // 4 x 3 keys: 88 x 68 mm, drawn at 100 units a millimetre.
  EXPECT_EQ(width, QStringLiteral("88mm"));
  EXPECT_EQ(height, QStringLiteral("68mm"));
  ASSERT_FALSE(rects.empty());
  EXPECT_EQ(rects.front(), QRectF(0, 0, 8800, 6800));  // the border; rounded keys are paths
  std::map<std::pair<int, int>, QString> shown;
  for (const Text& text : texts) {
    const int i = static_cast<int>((text.At.x() - 500) / 2000);
    const int j = static_cast<int>((text.At.y() - 500) / 2000);
    const QRectF key(500 + 2000 * i, 500 + 2000 * j, 1800, 1800);
    // From its baseline, a line reaches at most its size up and a third of it down.
    EXPECT_TRUE(key.contains(QRectF(text.At.x(), text.At.y() - text.Size, 1, text.Size * 4 / 3)))
        << text.Content.toStdString();
    EXPECT_GE(text.Size, 5 * 2540 / 72.0 - 0.01);
    shown[{i, j}] += text.Content;
  }
  for (int i = 0; i < request_.Columns; ++i) {
    for (int j = 0; j < request_.Rows; ++j) {
      std::string expected;
      for (const std::string& label : LabelsToDraw(request_, i, j)) expected += WithoutBlanks(label);
      const std::string got = WithoutBlanks(shown[{i, j}].toStdString());
      if (got.ends_with(kEllipsisText)) {
        EXPECT_TRUE(expected.starts_with(got.substr(0, got.size() - 3))) << got;
      } else {
        EXPECT_EQ(got, expected) << i << "," << j;
      }
    }
  }
}

}  // namespace
}  // namespace vl
