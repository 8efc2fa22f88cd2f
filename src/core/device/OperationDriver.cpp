#include "core/device/OperationDriver.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vl {
namespace {

const char* YesNo(bool value) { return value ? "да" : "нет"; }

// The settings dialog's language list.
const char* LanguageName(uint8_t language) {
  static constexpr std::array<const char*, 3> kNames = {"английский", "русский", "украинский"};
  return language < kNames.size() ? kNames[language] : "?";
}

}  // namespace

bool SelectionExceedsDevice(const TRect& selection, int width, int height) {
  return selection.Width() > width || selection.Height() > height;
}

TRect DeviceBlock(const TRect& selection, int width, int height) {
  return TRect{selection.Left, selection.Top,
               std::min(selection.Left + width - 1, kFieldSize),
               std::min(selection.Top + height - 1, kFieldSize)};
}

std::string DownloadPropertiesText(const SettingsStore& settings) {
  // "%2.1f" must print a point whatever the locale, as the program always has.
  const double interval = SettingsStore::IntervalMs(settings.Get(Setting::Ibd));
  const int tenths = static_cast<int>(interval * 10 + 0.5);
  char number[16];
  std::snprintf(number, sizeof number, "%d.%d", tenths / 10, tenths % 10);
  char text[1024];
  std::snprintf(text, sizeof text,
                "Свойства загружаемой раскладки:\n\n"
                "  Количество уровней: %d\n"
                "  Автокоррекция Num Lock и Caps Lock: %s\n"
                "  Интервал между посылаемыми SCAN-кодами : %s мс\n"
                "  Язык раскладки : %s\n"
                "  Буферизация нажатых клавиш : %s\n\n"
                "Заменить раскладку в подключенном устройстве?",
                settings.Get(Setting::LayerCount) + 1, YesNo(settings.IsOn(Setting::CorrectLock)),
                number, LanguageName(settings.Get(Setting::Layout)),
                YesNo(settings.IsOn(Setting::Buffered)));
  return text;
}

uint8_t IntervalCode(int item) { return item >= 15 ? 0 : static_cast<uint8_t>(item + 1); }

std::string DecodingFileError(const std::string& programFolder) {
  return "Ошибка чтения файла декодирующей таблицы. Ошибочный путь (" + programFolder + ")";
}

}  // namespace vl
