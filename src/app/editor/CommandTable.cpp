#include "app/editor/CommandTable.h"

#include <QPainter>
#include <QPixmap>
#include <cstring>
#include <stdexcept>

namespace vl {

namespace {

// The grouping commands' toolbar pictures: a block of key cells, its outline
// drawn heavy when the command makes a group, thin and dashed when it ungroups,
// with the master glyph on the second cell for the master command.
QIcon ShapeIcon(int columns, int rows, bool ungroup = false, bool master = false) {
  constexpr int kSize = 32;
  constexpr int kCell = 9;
  QPixmap picture(kSize, kSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  const QRect block((kSize - columns * kCell) / 2, (kSize - rows * kCell) / 2, columns * kCell,
                    rows * kCell);
  painter.fillRect(block, QColor(157, 255, 182));
  painter.setPen(QColor(128, 128, 128));
  for (int column = 1; column < columns; ++column) {
    painter.drawLine(block.left() + column * kCell, block.top(), block.left() + column * kCell, block.bottom());
  }
  for (int row = 1; row < rows; ++row) {
    painter.drawLine(block.left(), block.top() + row * kCell, block.right(), block.top() + row * kCell);
  }
  painter.setPen(QPen(Qt::black, ungroup ? 1 : 2, ungroup ? Qt::DashLine : Qt::SolidLine));
  painter.drawRect(block);
  if (master) {
    const QPoint origin = block.topLeft() + QPoint(kCell + 1, 1);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPolyline(QPolygon({origin + QPoint(0, 6), origin, origin + QPoint(3, 3),
                                   origin + QPoint(6, 0), origin + QPoint(6, 6)}));
  }
  return QIcon(picture);
}

QKeySequence Ctrl(Qt::Key key) { return QKeySequence(Qt::CTRL | key); }
QKeySequence CtrlAlt(Qt::Key key) { return QKeySequence(Qt::CTRL | Qt::ALT | key); }
QKeySequence Shift(Qt::Key key) { return QKeySequence(Qt::SHIFT | key); }

std::vector<CommandRow> MakeCommands() {
  using P = CommandPlace;
  using E = EnableRule;
  using C = CheckRule;
  const E any = E::AnyLayout;
  std::vector<CommandRow> rows = {
      // File
      {"acExtNew", P::Main, "Созд&ать", Ctrl(Qt::Key_N)},
      {"acNew", P::Main, "Создать"},
      {"acOpen", P::Main, "&Oткрыть", Ctrl(Qt::Key_O)},
      {"acImportMTF", P::Main, "Macro Text Format"},
      {"acExportMTF", P::Main, "Macro Text Format", {}, nullptr, any},
      {"acClose", P::Main, "&Закрыть", {}, nullptr, any},
      {"acCloseAll", P::Main, "Зак&рыть все", {}, nullptr, any},
      {"acSave", P::Main, "&Cохранить", Ctrl(Qt::Key_S), nullptr, any},
      {"acSaveAs", P::Main, "Сохранить &как...", {}, nullptr, any},
      {"acPrintImage", P::Main, "Печать рисунка клавиш…", Ctrl(Qt::Key_P), nullptr, any},
      {"acExit", P::Main, "&Выход"},
      // Edit
      {"acUndo", P::Main, "&Отменить", Ctrl(Qt::Key_Z), nullptr, E::UndoStep},
      {"acRedo", P::Main, "&Повторить", Ctrl(Qt::Key_Y), nullptr, E::RedoStep, E::Always, {}, 0,
       C::None, nullptr, {}, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
      {"acCut", P::Both, "&Вырезать", Ctrl(Qt::Key_X), "Вырезать", any, E::Always, acCut},
      {"acCopy", P::Both, "&Копировать", Ctrl(Qt::Key_C), "Копировать", any, E::Always, acCopy},
      {"acPaste", P::Both, "Вст&авить", Ctrl(Qt::Key_V), "Вставить", any, E::Always, acPaste},
      {"acSpecialPaste", P::Both, "Сп&ециальная вставка...", Ctrl(Qt::Key_W), "Специальная вставка",
       any, E::Always, acSpecialPaste},
      {"acLayers", P::Both, "Коп&ировать на уровень...", Ctrl(Qt::Key_L), nullptr, E::SingleLayer,
       E::SingleLayer, acLayers, 0, C::None, "К&опировать на уровень...", QKeySequence()},
      {"acClear", P::Both, "О&чистить", {}, "Очистить", any, E::Always, acClear, 0, C::None, nullptr,
       QKeySequence(Qt::Key_Delete)},
      {"acSelectAll", P::Main, "В&ыделить все", Ctrl(Qt::Key_A), nullptr, any},
      {"acSelect12", P::Both, "12 (4x3)", {}, nullptr, any, E::Always, acSelect12, 7},
      {"acSelect32", P::Both, "32 (4x8)", {}, nullptr, any, E::Always, acSelect32, 6},
      {"acSelect64", P::Both, "64 (8x8)", {}, nullptr, any, E::Always, acSelect64, 1},
      {"acSelect105", P::Both, "105 (15x7)", {}, nullptr, any, E::Always, acSelect105, 4},
      {"acSelect128", P::Both, "128 (16x8)", {}, nullptr, any, E::Always, acSelect128, 3},
      {"acGroup", P::Both, "С&группировать", CtrlAlt(Qt::Key_G), "Сгруппировать", any, E::Always,
       acGroup, 0, C::None, nullptr, {}, {}, [] { return ShapeIcon(3, 2); }},
      {"acDegroup", P::Both, "&Разгруппировать", CtrlAlt(Qt::Key_D), "Разгруппировать", any,
       E::Always, acDegroup, 0, C::None, nullptr, {}, {},
       [] { return ShapeIcon(3, 2, true); }},
      {"acGroup2Hor", P::Both, "&Двойная горизонтальная клавиша", {}, "Двойная горизонтальная клавиша",
       any, E::OneKey, acGroup2Hor, 0, C::None, nullptr, {}, {},
       [] { return ShapeIcon(2, 1); }},
      {"acGroup2Ver", P::Both, "Д&войная вертикальная клавиша", {}, "Двойная вертикальная клавиша",
       any, E::OneKey, acGroup2Ver, 0, C::None, nullptr, {}, {},
       [] { return ShapeIcon(1, 2); }},
      {"acGroup4", P::Both, "&Четверная клавиша", {}, "Четверная клавиша", any, E::OneKey, acGroup4,
       0, C::None, nullptr, {}, {}, [] { return ShapeIcon(2, 2); }},
      {"acGroupMoveMaster", P::Both, "&Переместить мастер-клавишу", {}, "Переместить мастер-клавишу",
       E::OneGroupedKey, E::OneGroupedKey, acGroupMoveMaster, 0, C::None, nullptr, {}, {},
       [] { return ShapeIcon(2, 1, false, true); }},
      {"acGoto", P::Both, "Пе&рейти к закладке...", Ctrl(Qt::Key_G), nullptr, any, E::Always, acGoto,
       0, C::None, "Пе&рейти к закладке"},
      // The layout window's menus label the bookmark command Ctrl+Q; both keys work.
      {"acMarkAdd", P::Both, "&Добавить/изменить", Ctrl(Qt::Key_M), "Добавить закладку", any,
       E::Always, acMarkAdd, 0, C::None, nullptr, Ctrl(Qt::Key_Q), Ctrl(Qt::Key_Q)},
      {"acMarkDelete", P::Both, "&Удалить", {}, nullptr, E::HasMark, E::HasMark, acMarkDelete},
      {"acNoteAdd", P::Both, "&Добавить/изменить", Ctrl(Qt::Key_T), "Добавить примечание", any,
       E::Always, acNoteAdd},
      {"acNoteDelete", P::Both, "&Удалить", {}, nullptr, E::HasKeyNote, E::HasKeyNote, acNoteDelete},
      // View
      {"acViewLayersAll", P::Both, "&Все", Shift(Qt::Key_F5), "Все уровни", any, E::Always,
       acViewLayersAll, 4, C::ShownLayer},
      {"acViewLayers0", P::Both, "&0", Shift(Qt::Key_F1), "Уровень 0", any, E::Always, acViewLayers0,
       0, C::ShownLayer},
      {"acViewLayers1", P::Both, "&1", Shift(Qt::Key_F2), "Уровень 1", any, E::Always, acViewLayers1,
       1, C::ShownLayer},
      {"acViewLayers2", P::Both, "&2", Shift(Qt::Key_F3), "Уровень 2", any, E::Always, acViewLayers2,
       2, C::ShownLayer},
      {"acViewLayers3", P::Both, "&3", Shift(Qt::Key_F4), "Уровень 3", any, E::Always, acViewLayers3,
       3, C::ShownLayer},
      {"acViewNormal", P::Both, "&Нормальная", Ctrl(Qt::Key_F1), nullptr, any, E::Always, acViewNormal,
       0, C::ViewMode},
      {"acViewSuper", P::Both, "&Высокая", Ctrl(Qt::Key_F2), nullptr, any, E::Always, acViewSuper, 1,
       C::ViewMode},
      {"acViewCellInfo", P::Main, "&Информация о ячейке"},
      // The layout window's own
      {"acKeyInfo", P::Layout, "И&нформация о клавише", {}, nullptr, E::Always, E::Always, acKeyInfo},
      {"acColAdd", P::Layout, "&Добавить", {}, nullptr, E::Always, E::Always, acColAdd},
      {"acColDelete", P::Layout, "&Удалить", {}, nullptr, E::Always, E::Always, acColDelete},
      {"acRowAdd", P::Layout, "&Добавить", {}, nullptr, E::Always, E::Always, acRowAdd},
      {"acRowDelete", P::Layout, "&Удалить", {}, nullptr, E::Always, E::Always, acRowDelete},
      {"acProperties", P::Layout, "Сво&йства загружаемой раскладки", Ctrl(Qt::Key_B), nullptr,
       E::Always, E::Always, acProperties},
      {"acHide", P::Layout, "&Погасить", {}, nullptr, E::Always, E::Always, acHide},
      // Device
      {"acInfo", P::Main, "Информ&ация", QKeySequence(Qt::Key_F3), "Информация об устройстве"},
      {"acDownLoad", P::Main, "&Загрузка", QKeySequence(Qt::Key_F5), "Загрузка раскладки", any},
      {"acUpload", P::Main, "&Чтение", {}, "Чтение раскладки", any},
      {"acDeviceClear", P::Main, "&Очистка памяти", {}, "Очистка памяти устройства"},
      {"acIBD", P::Main, "&Интервал", QKeySequence(Qt::Key_F6), "Установка временного интервала"},
      {"acCompare", P::Main, "&Сравнить с устройством", {}, "Сравнение раскладки с раскладкой устройства", any},
      {"acImage", P::Main, "&Рисунок клавиш", {}, nullptr, any},
      {"acWindowTest", P::Main, "&Тестирование"},
      // Enabled by the main window while the simulated keyboard is the chosen port.
      {"acWindowSimulator", P::Main, "&Имитатор клавиатуры", {}, "Клавиши имитатора клавиатуры"},
      // Service, windows and help
      {"acServiceCheck", P::Main, "П&роверка раскладки", Ctrl(Qt::Key_F5), nullptr, any},
      {"acServiceSetPassword", P::Main, "&Установить пароль", {}, nullptr, any},
      {"acServiceClearPassword", P::Main, "У&далить пароль", {}, nullptr, any},
      {"acParameters", P::Main, "&Параметры"},
      {"acKeyInput", P::Both, "&Программирование клавиши", Ctrl(Qt::Key_K), nullptr, any, E::Always,
       acKeyInput, 0, C::None, "Про&граммировать клавишу"},
      {"acCardInput", P::Main, "Пр&ограммирование считывателя магнитных карт", Ctrl(Qt::Key_R),
       nullptr, any},
      {"acArrange", P::Main, "&Расположить", {}, nullptr, any},
      {"acHelp", P::Main, "&Справочная система", QKeySequence(Qt::Key_F1)},
      {"acExAbout", P::Main, "По&ддерживаемые устройства"},
      {"acWWW", P::Main, "Ostrel в &Интернете"},
      {"acWWWUA", P::Main, "Ostrel в Интернете (&Украина)"},
      {"acAbout", P::Main, "&О программе..."},
  };
  return rows;
}

}  // namespace

const std::vector<CommandRow>& Commands() {
  static const std::vector<CommandRow> rows = MakeCommands();
  return rows;
}

const CommandRow& CommandNamed(const char* name) {
  for (const CommandRow& row : Commands()) {
    if (std::strcmp(row.Name, name) == 0) return row;
  }
  throw std::out_of_range(name);
}

}  // namespace vl
