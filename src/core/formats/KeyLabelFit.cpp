#include "core/formats/KeyLabelFit.h"

#include <algorithm>
#include <cmath>

namespace vl {

namespace {

// A label never touches its outline.
constexpr double kLabelMarginMm = 0.5;
// The rounded form's corner ellipse is 2 mm across.
constexpr double kCornerRadiusMm = 1.0;

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The text without its last character (a whole UTF-8 sequence).
void DropLastCharacter(std::string& text) {
  while (!text.empty() && IsContinuation(text.back())) text.pop_back();
  if (!text.empty()) text.pop_back();
}

// The line shortened until it, followed by "…", fits the width; "…" alone when
// nothing of it does, and empty when not even that fits.
std::string EndWithEllipsis(std::string line, double width, double points, const ITextMeasure& measure) {
  while (!line.empty() && measure.Width(line + std::string(kEllipsis), points) > width) {
    DropLastCharacter(line);
  }
  // A blank before "…" would read as a lost word rather than a cut one.
  while (!line.empty() && line.back() == ' ') line.pop_back();
  line += kEllipsis;
  return measure.Width(line, points) <= width ? line : std::string();
}

std::string Joined(const std::vector<LabelPiece>& pieces, size_t from, size_t to) {
  std::string line;
  for (size_t k = from; k < to; ++k) {
    if (k > from && pieces[k].BlankBefore) line += ' ';
    line += pieces[k].Text;
  }
  return line;
}

}  // namespace

std::vector<LabelPiece> LabelPieces(std::string_view utf8) {
  std::vector<LabelPiece> pieces;
  LabelPiece current;
  bool blank = false;
  const auto close = [&] {
    if (!current.Text.empty()) pieces.push_back(std::move(current));
    current = LabelPiece{};
  };
  for (size_t k = 0; k < utf8.size(); ++k) {
    const char c = utf8[k];
    if (c == ' ') {
      close();
      blank = true;
      continue;
    }
    if (c == '[') {
      const size_t end = utf8.find(']', k + 1);
      // A name cut short by the label's length limit runs to the end.
      const size_t last = end == std::string_view::npos ? utf8.size() - 1 : end;
      close();
      current.BlankBefore = blank;
      current.Text = std::string(utf8.substr(k, last - k + 1));
      close();
      blank = false;
      k = last;
      continue;
    }
    if (current.Text.empty()) current.BlankBefore = blank;
    blank = false;
    current.Text.push_back(c);
  }
  close();
  if (!pieces.empty()) pieces.front().BlankBefore = false;
  return pieces;
}

std::vector<std::string> WrapLabel(const std::vector<LabelPiece>& pieces, double width, double points,
                                   const ITextMeasure& measure) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < pieces.size()) {
    size_t end = start + 1;
    while (end < pieces.size() && measure.Width(Joined(pieces, start, end + 1), points) <= width) ++end;
    lines.push_back(Joined(pieces, start, end));
    start = end;
  }
  return lines;
}

FittedLabel FitLabel(std::string_view utf8, double width, double height, const ITextMeasure& measure,
                     double largest) {
  FittedLabel fitted;
  const std::vector<LabelPiece> pieces = LabelPieces(utf8);
  if (pieces.empty() || width <= 0 || height <= 0) return fitted;
  const auto fits = [&](const std::vector<std::string>& lines, double points) {
    if (static_cast<double>(lines.size()) * measure.LineHeight(points) > height) return false;
    return std::all_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return measure.Width(line, points) <= width; });
  };
  // Sizes counted in steps from the largest, so no rounding drifts past the smallest.
  const int steps = static_cast<int>(std::floor((largest - kLabelSmallestPoints) / kLabelPointStep + 1e-9));
  for (int step = 0; step <= steps; ++step) {
    const double points = largest - step * kLabelPointStep;
    std::vector<std::string> lines = WrapLabel(pieces, width, points, measure);
    if (fits(lines, points)) {
      fitted.Points = points;
      fitted.Lines = std::move(lines);
      return fitted;
    }
  }

  fitted.Points = kLabelSmallestPoints;
  fitted.Cut = true;
  std::vector<std::string> lines = WrapLabel(pieces, width, fitted.Points, measure);
  const auto room = static_cast<size_t>(std::max(0.0, std::floor(height / measure.LineHeight(fitted.Points))));
  const bool dropped = lines.size() > room;
  lines.resize(std::min(lines.size(), room));
  for (size_t k = 0; k < lines.size(); ++k) {
    const bool last = k + 1 == lines.size();
    if ((last && dropped) || measure.Width(lines[k], fitted.Points) > width) {
      lines[k] = EndWithEllipsis(lines[k], width, fitted.Points, measure);
    }
  }
  std::erase(lines, std::string());
  fitted.Lines = std::move(lines);
  return fitted;
}

MmRect LabelArea(const MmRect& key, KeyForm form) {
  double insetX = kLabelMarginMm;
  double insetY = kLabelMarginMm;
  switch (form) {
    case KeyForm::Rectangle: break;
    case KeyForm::RoundRect:
      insetX = insetY = kCornerRadiusMm;
      break;
    case KeyForm::Ellipse:
      // The inscribed rectangle: its corners lie on the ellipse.
      insetX = key.Width * (1 - 1 / std::sqrt(2.0)) / 2 + kLabelMarginMm;
      insetY = key.Height * (1 - 1 / std::sqrt(2.0)) / 2 + kLabelMarginMm;
      break;
  }
  return {key.Left + insetX, key.Top + insetY, std::max(0.0, key.Width - 2 * insetX),
          std::max(0.0, key.Height - 2 * insetY)};
}

std::vector<PlacedLine> PlaceKeyLabels(const MmRect& key, KeyForm form, const std::vector<std::string>& labels,
                                       const ITextMeasure& measure) {
  std::vector<PlacedLine> placed;
  if (labels.empty()) return placed;
  const MmRect area = LabelArea(key, form);
  const double band = area.Height / static_cast<double>(labels.size());
  for (size_t k = 0; k < labels.size(); ++k) {
    const FittedLabel fitted = FitLabel(labels[k], area.Width, band, measure);
    const double lineHeight = measure.LineHeight(fitted.Points);
    double top = area.Top + band * static_cast<double>(k);
    for (const std::string& line : fitted.Lines) {
      placed.push_back({area.Left, top, fitted.Points, line});
      top += lineHeight;
    }
  }
  return placed;
}

MmRect KeyRectMm(const KeyImageRequest& request, int i, int j) {
  const KeyBox box = KeyOutline(request, i, j);
  constexpr double kMmPerUnit = 0.1;  // the metafile's unit
  return {box.Left * kMmPerUnit, box.Top * kMmPerUnit, (box.Right - box.Left) * kMmPerUnit,
          (box.Bottom - box.Top) * kMmPerUnit};
}

}  // namespace vl
