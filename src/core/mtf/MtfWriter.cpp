#include "core/mtf/MtfWriter.h"

#include <filesystem>

#include "core/common/FileErrors.h"
#include "core/common/SafeWrite.h"
#include "core/mtf/MtfCommands.h"
#include "core/mtf/MtfKeyNames.h"
#include "core/text/Cp1251.h"
#include "core/text/ScanCode.h"

namespace vl {
namespace {

constexpr const char* kEol = "\r\n";

// The fixed Russian comments, converted once to the file's code page.
struct Comments {
  std::string LayerCount, AutoCorrect, Interval, Language, Buffering;
  std::string Tracks, Header, Terminator, TrackSuffix, StartStop, Lrc;
  std::string KeyCodes, Press, Release, AutoRepeat, Click, LayerSuffix, SwitchKey;

  static std::string Cp(const char* utf8) { return Utf8ToCp1251(utf8).value(); }

  Comments()
      : LayerCount(Cp(", %установка количества уровней раскладки%")),
        AutoCorrect(Cp(", %автокоррекция Num и Caps Lock%")),
        Interval(Cp(", %интервал межу посылаемыми SCAN-кодами%")),
        Language(Cp(", %язык раскладки%")),
        Buffering(Cp(") %буферизация нажатых клавиш%")),
        Tracks(Cp("{ %включение дорожек номер ")),
        Header(Cp("){ %заголовок ")),
        Terminator(Cp("){ %разделитель ")),
        TrackSuffix(Cp("-й дорожки%")),
        StartStop(Cp("  \\sssymbols %устанавка старт-стоп символов%")),
        Lrc(Cp("  \\lrc %устанавливка LRC%")),
        KeyCodes(Cp(", MACROS){ %коды клавиши%")),
        Press(Cp("){ %последовательность нажатия ")),
        Release(Cp("){ %последовательность отжатия ")),
        AutoRepeat(Cp(") %автоповтор последовательности нажатия для ")),
        Click(Cp(") %звуковой клик для ")),
        LayerSuffix(Cp("-го уровня%")),
        SwitchKey(Cp(") %клавиша перехода%")) {}
};

const Comments& Texts() {
  static const Comments kTexts;
  return kTexts;
}

bool IsShift(uint8_t code) { return code == 0x12 || code == 0x59; }

void AppendName(std::string& out, const char* modifier, std::string_view name) {
  if (name.empty()) return;
  out += " \\";
  out += modifier;
  out += name;
}

void AppendSequenceText(std::string& out, std::string_view sequence) {
  out += "  ";
  bool extended = false;
  bool make = true;
  bool pause = false;
  const size_t n = sequence.size();
  for (size_t i = 0; i < n; ++i) {
    const auto code = static_cast<uint8_t>(sequence[i]);
    if (pause) {
      out += " \\wait(";
      out += std::to_string(static_cast<int>(code) - kWaitBase);
      out += ')';
      out += kEol;
      pause = false;
      continue;
    }
    if (code == kScanExtended) {
      extended = true;
    } else if (code == kScanBreak) {
      make = false;
    } else if (code == kScanWait) {
      pause = true;
    } else if (IsShift(code)) {
      // An extended Shift code is the fake Shift inside Print Screen and the like.
      if (!extended) {
        const std::string_view name = WriterKeyName(code);
        const bool tap = make && i + 2 < n && static_cast<uint8_t>(sequence[i + 1]) == kScanBreak &&
                         static_cast<uint8_t>(sequence[i + 2]) == code;
        if (tap) {
          AppendName(out, "", name);
          i += 2;
        } else {
          AppendName(out, make ? "_" : "^", name);
        }
      }
      make = true;
      extended = false;
    } else {
      if (make) AppendName(out, "", WriterKeyName(code));
      make = true;
      extended = false;
    }
  }
}

void AppendBlock(std::string& out, const char* command, size_t number, const std::string& comment,
                 std::string_view commentNumber, const std::string& suffix, std::string_view sequence) {
  out += "  \\";
  out += command;
  out += '(';
  out += std::to_string(number);
  out += comment;
  out += commentNumber;
  out += suffix;
  out += kEol;
  AppendSequenceText(out, sequence);
  out += "  }";
  out += kEol;
}

void AppendCardReader(std::string& out, const TDocument& document) {
  const Comments& texts = Texts();
  std::string tracks;
  for (int track = 0; track < 4; ++track) {
    if (!(document.TrackMask & (1u << track))) continue;
    if (!tracks.empty()) tracks += ", ";
    tracks += std::to_string(track + 1);
  }
  out += kEol;
  // "\mcreader()" would not read back (an empty list is an error); without a list
  // the reader enables every track, the nearest it can express.
  out += "\\mcreader";
  if (!tracks.empty()) out += "(" + tracks + ")";
  out += texts.Tracks + tracks + "%" + kEol;
  const TMacroButton& reader = document.CardReader;
  for (size_t track = 1; track <= 4; ++track) {
    const TMacros& block = reader.Layers[track - 1];
    const std::string number = std::to_string(track);
    if (!block.Macro[0].empty()) {
      AppendBlock(out, "header", track, texts.Header, number, texts.TrackSuffix, block.Macro[0]);
    }
    if (!block.Macro[1].empty()) {
      AppendBlock(out, "terminator", track, texts.Terminator, number, texts.TrackSuffix,
                  block.Macro[1]);
    }
  }
  const uint8_t flags = reader.Layers[0].Click;
  if (flags & kCardOutputStartStop) out += texts.StartStop + kEol;
  if (flags & kCardOutputLrc) out += texts.Lrc + kEol;
  out += '}';
  out += kEol;
}

void AppendKey(std::string& out, int column, int row, const TMacroButton& key) {
  const Comments& texts = Texts();
  const std::string position = std::to_string(column) + ", " + std::to_string(row);
  if (key.Func != kFuncMacro) {
    if (key.Func > 10) return;
    out += "\\key(" + position + ", ";
    out += MtfFunctionConstant(key.Func);
    out += texts.SwitchKey + kEol;
    return;
  }
  out += "\\key(" + position + texts.KeyCodes + kEol;
  for (size_t layer = 0; layer < kLayerCount; ++layer) {
    const TMacros& macros = key.Layers[layer];
    const std::string number = std::to_string(layer);
    if (!macros.Macro[0].empty()) {
      AppendBlock(out, "down", layer, texts.Press, number, texts.LayerSuffix, macros.Macro[0]);
    }
    if (!macros.Macro[1].empty()) {
      AppendBlock(out, "up", layer, texts.Release, number, texts.LayerSuffix, macros.Macro[1]);
    }
    if (macros.AutoRepeat & 1) {
      out += "  \\autorepeat(" + number + texts.AutoRepeat + number + texts.LayerSuffix + kEol;
    }
    if (macros.Click > 1) {
      out += "  \\beep(" + std::to_string(macros.Click) + ", " + number + texts.Click + number +
             texts.LayerSuffix + kEol;
    }
  }
  out += '}';
  out += kEol;
}

}  // namespace

std::string MtfSequenceText(std::string_view sequence) {
  std::string out;
  AppendSequenceText(out, sequence);
  return out;
}

std::string MtfText(const TDocument& document, const SettingsStore& settings,
                    const std::function<void(int)>& onProgress) {
  const Comments& texts = Texts();
  std::string out;
  out += "%";
  out += kEol;
  out += "    Ostrel Velmorando AT";
  out += kEol;
  out += "    www.ostrel.example";
  out += kEol;
  out += std::string(51, '_') + kEol;
  out += "%";
  out += kEol;
  out += kEol;

  auto boolean = [&](Setting setting) { return settings.IsOn(setting) ? "TRUE" : "FALSE"; };
  out += "\\layout(" + std::to_string(settings.LayerCountValue()) + texts.LayerCount + kEol;
  out += std::string("        ") + boolean(Setting::CorrectLock) + texts.AutoCorrect + kEol;
  out += "        " + std::to_string(settings.Get(Setting::Ibd) + 1) + texts.Interval + kEol;
  out += "        ";
  out += MtfLanguageConstant(settings.Get(Setting::Layout));
  out += texts.Language + kEol;
  out += std::string("        ") + boolean(Setting::Buffered) + texts.Buffering + kEol;

  if (!document.CardReader.IsEmpty()) AppendCardReader(out, document);

  int shown = -1;
  for (int column = 1; column <= kFieldSize; ++column) {
    for (int row = 1; row <= kFieldSize; ++row) {
      const TMacroButton* key = document.GetKey(column, row);
      if (key && !key->IsEmpty()) AppendKey(out, column, row, *key);
    }
    const int percent = column * kFieldSize * 100 / kFieldCells;
    if (onProgress && percent != shown) onProgress(shown = percent);
  }
  return out;
}

void ExportMtf(const TDocument& document, const std::string& fileName,
               const SettingsStore& settings, IReporter& reporter) {
  ReportScope scope(reporter, "Экспорт в Macro Text Format");
  const std::string text =
      MtfText(document, settings, [&](int percent) { reporter.SetProgress(percent); });
  if (!WriteFileSafely(std::filesystem::path(fileName), text)) {
    throw FileWriteError(WithFileName(WriteFailureText(std::filesystem::path(fileName)), fileName));
  }
}

}  // namespace vl
