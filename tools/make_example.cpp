// vlat-make-example SOURCE.mtf OUT.vld: writes the example layout
// data/examples/cash-register.vld from the keys, layers, properties and card reader
// of its Macro Text Format source, adding what that format has no place for: layer
// notes, key notes, bookmarks and two key groups (target "example").

#include <iostream>
#include <memory>
#include <string>

#include "core/common/FileErrors.h"
#include "core/document/LayoutFile.h"
#include "core/mtf/MtfReader.h"
#include "core/text/Cp1251.h"
#include "StderrPrompt.h"

namespace {

using namespace vl;

std::string Cp1251(const std::string& utf8) { return Utf8ToCp1251(utf8).value(); }

struct LayerNote {
  int column, row, layer;
  const char* text;
};

constexpr LayerNote kLayerNotes[] = {
    {1, 1, 0, "X-отчёт"},   {1, 1, 2, "X-отчёт (печать)"}, {2, 1, 0, "Z-отчёт"},
    {2, 1, 2, "Закрыть смену"}, {3, 1, 0, "Сторно"},    {4, 1, 0, "Возврат"},
    {1, 2, 1, "Хлеб"},      {2, 2, 1, "Молоко"},          {3, 2, 1, "Кефир"},
    {1, 3, 1, "Батон"},     {2, 3, 1, "Сыр"},             {3, 3, 1, "Масло"},
    {1, 4, 1, "Сахар"},     {2, 4, 1, "Соль"},            {3, 4, 1, "Чай"},
    {4, 2, 0, "Количество"},  {4, 5, 0, "Итог"},            {5, 2, 0, "Наличные"},
    {5, 3, 0, "Карта"},     {5, 4, 0, "Скидка %"},        {5, 5, 0, "Отмена"},
    {1, 7, 2, "Дата"},      {2, 7, 2, "Время"},           {3, 7, 2, "Синхронизация"},
};

struct KeyNote {
  int column, row;
  const char* note;
  const char* mark;
};

constexpr KeyNote kKeyNotes[] = {
    {5, 1, "Держать: коды товаров на цифровых клавишах", ""},
    {6, 1, "Сервисный уровень; возврат к продаже клавишей в углу", "Сервис"},
    {6, 8, "Возврат к продаже", ""},
    {3, 1, "Сторно последней позиции чека", ""},
    {1, 2, "", "Цифры"},
    {4, 5, "Итог чека: закрывает чек и печатает его", "Итог"},
    {5, 2, "Оплата: закрывает чек", "Оплата"},
    {5, 3, "Оплата: закрывает чек", ""},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: vlat-make-example SOURCE.mtf OUT.vld\n";
    return 64;
  }
  TVL2Document document;
  SettingsStore settings;
  tools::StderrPrompt prompt;
  NullReporter reporter;
  try {
    ReadMtf(document, argv[1], settings, prompt, reporter);
    for (const auto& note : kLayerNotes) {
      document.GetKey(note.column, note.row)->Layers[note.layer].Note = Cp1251(note.text);
    }
    for (const auto& note : kKeyNotes) {
      document.Notes(note.column, note.row) =
          std::make_unique<TKeyNote>(TKeyNote{Cp1251(note.note), Cp1251(note.mark)});
    }
    document.MakeGroup({1, 5, 2, 5});  // the wide 0 key
    document.MakeGroup({4, 5, 4, 6});  // the tall total key
    SaveLayout(document, argv[2], settings, reporter);
  } catch (const FileError& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
