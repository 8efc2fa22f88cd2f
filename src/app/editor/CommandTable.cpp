#include "app/editor/CommandTable.h"

#include <QCoreApplication>
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
  using enum GridCommand;
  const E any = E::AnyLayout;
  std::vector<CommandRow> rows = {
      // File
      {.Name = "acExtNew", .Caption = QT_TRANSLATE_NOOP("commands", "Созд&ать"), .Shortcut = Ctrl(Qt::Key_N)},
      {.Name = "acNew", .Caption = QT_TRANSLATE_NOOP("commands", "Создать")},
      {.Name = "acOpen", .Caption = QT_TRANSLATE_NOOP("commands", "&Oткрыть"), .Shortcut = Ctrl(Qt::Key_O)},
      {.Name = "acImportMTF", .Caption = "Macro Text Format"},
      {.Name = "acExportMTF", .Caption = "Macro Text Format", .MainRule = any},
      {.Name = "acClose", .Caption = QT_TRANSLATE_NOOP("commands", "&Закрыть"), .MainRule = any},
      {.Name = "acCloseAll", .Caption = QT_TRANSLATE_NOOP("commands", "Зак&рыть все"), .MainRule = any},
      {.Name = "acSave", .Caption = QT_TRANSLATE_NOOP("commands", "&Cохранить"), .Shortcut = Ctrl(Qt::Key_S),
       .MainRule = any},
      {.Name = "acSaveAs", .Caption = QT_TRANSLATE_NOOP("commands", "Сохранить &как..."), .MainRule = any},
      {.Name = "acPrintImage", .Caption = QT_TRANSLATE_NOOP("commands", "Печать рисунка клавиш…"),
       .Shortcut = Ctrl(Qt::Key_P), .MainRule = any},
      {.Name = "acExit", .Caption = QT_TRANSLATE_NOOP("commands", "&Выход")},
      // Edit
      {.Name = "acUndo", .Caption = QT_TRANSLATE_NOOP("commands", "&Отменить"), .Shortcut = Ctrl(Qt::Key_Z),
       .MainRule = E::UndoStep},
      {.Name = "acRedo", .Caption = QT_TRANSLATE_NOOP("commands", "&Повторить"), .Shortcut = Ctrl(Qt::Key_Y),
       .MainRule = E::RedoStep, .ExtraShortcut = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
      {.Name = "acCut", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "&Вырезать"),
       .Shortcut = Ctrl(Qt::Key_X), .Hint = QT_TRANSLATE_NOOP("commands", "Вырезать"), .MainRule = any,
       .Grid = acCut},
      {.Name = "acCopy", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "&Копировать"),
       .Shortcut = Ctrl(Qt::Key_C), .Hint = QT_TRANSLATE_NOOP("commands", "Копировать"), .MainRule = any,
       .Grid = acCopy},
      {.Name = "acPaste", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "Вст&авить"),
       .Shortcut = Ctrl(Qt::Key_V), .Hint = QT_TRANSLATE_NOOP("commands", "Вставить"), .MainRule = any,
       .Grid = acPaste},
      {.Name = "acSpecialPaste", .Place = P::Both,
       .Caption = QT_TRANSLATE_NOOP("commands", "Сп&ециальная вставка..."), .Shortcut = Ctrl(Qt::Key_W),
       .Hint = QT_TRANSLATE_NOOP("commands", "Специальная вставка"), .MainRule = any, .Grid = acSpecialPaste},
      {.Name = "acLayers", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "Коп&ировать на уровень..."),
       .Shortcut = Ctrl(Qt::Key_L), .MainRule = E::SingleLayer, .LayoutRule = E::SingleLayer, .Grid = acLayers,
       .LayoutCaption = QT_TRANSLATE_NOOP("commands", "К&опировать на уровень..."), .LayoutShortcut = QKeySequence()},
      {.Name = "acClear", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "О&чистить"),
       .Hint = QT_TRANSLATE_NOOP("commands", "Очистить"), .MainRule = any, .Grid = acClear,
       .LayoutShortcut = QKeySequence(Qt::Key_Delete)},
      {.Name = "acSelectAll", .Caption = QT_TRANSLATE_NOOP("commands", "В&ыделить все"), .Shortcut = Ctrl(Qt::Key_A),
       .MainRule = any},
      {.Name = "acSelect12", .Place = P::Both, .Caption = "12 (4x3)", .MainRule = any, .Grid = acSelect12, .Data = 7},
      {.Name = "acSelect32", .Place = P::Both, .Caption = "32 (4x8)", .MainRule = any, .Grid = acSelect32, .Data = 6},
      {.Name = "acSelect64", .Place = P::Both, .Caption = "64 (8x8)", .MainRule = any, .Grid = acSelect64, .Data = 1},
      {.Name = "acSelect105", .Place = P::Both, .Caption = "105 (15x7)", .MainRule = any, .Grid = acSelect105,
       .Data = 4},
      {.Name = "acSelect128", .Place = P::Both, .Caption = "128 (16x8)", .MainRule = any, .Grid = acSelect128,
       .Data = 3},
      {.Name = "acGroup", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "С&группировать"),
       .Shortcut = CtrlAlt(Qt::Key_G), .Hint = QT_TRANSLATE_NOOP("commands", "Сгруппировать"), .MainRule = any,
       .Grid = acGroup, .Icon = [] { return ShapeIcon(3, 2); }},
      {.Name = "acDegroup", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "&Разгруппировать"),
       .Shortcut = CtrlAlt(Qt::Key_D), .Hint = QT_TRANSLATE_NOOP("commands", "Разгруппировать"), .MainRule = any,
       .Grid = acDegroup, .Icon = [] { return ShapeIcon(3, 2, true); }},
      {.Name = "acGroup2Hor", .Place = P::Both,
       .Caption = QT_TRANSLATE_NOOP("commands", "&Двойная горизонтальная клавиша"),
       .Hint = QT_TRANSLATE_NOOP("commands", "Двойная горизонтальная клавиша"), .MainRule = any,
       .LayoutRule = E::OneKey, .Grid = acGroup2Hor, .Icon = [] { return ShapeIcon(2, 1); }},
      {.Name = "acGroup2Ver", .Place = P::Both,
       .Caption = QT_TRANSLATE_NOOP("commands", "Д&войная вертикальная клавиша"),
       .Hint = QT_TRANSLATE_NOOP("commands", "Двойная вертикальная клавиша"), .MainRule = any,
       .LayoutRule = E::OneKey, .Grid = acGroup2Ver, .Icon = [] { return ShapeIcon(1, 2); }},
      {.Name = "acGroup4", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "&Четверная клавиша"),
       .Hint = QT_TRANSLATE_NOOP("commands", "Четверная клавиша"), .MainRule = any, .LayoutRule = E::OneKey,
       .Grid = acGroup4, .Icon = [] { return ShapeIcon(2, 2); }},
      {.Name = "acGroupMoveMaster", .Place = P::Both,
       .Caption = QT_TRANSLATE_NOOP("commands", "&Переместить мастер-клавишу"),
       .Hint = QT_TRANSLATE_NOOP("commands", "Переместить мастер-клавишу"), .MainRule = E::OneGroupedKey,
       .LayoutRule = E::OneGroupedKey, .Grid = acGroupMoveMaster,
       .Icon = [] { return ShapeIcon(2, 1, false, true); }},
      {.Name = "acGoto", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "Пе&рейти к закладке..."),
       .Shortcut = Ctrl(Qt::Key_G), .MainRule = any, .Grid = acGoto,
       .LayoutCaption = QT_TRANSLATE_NOOP("commands", "Пе&рейти к закладке")},
      // The layout window's menus label the bookmark command Ctrl+Q; both keys work.
      {.Name = "acMarkAdd", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "&Добавить/изменить"),
       .Shortcut = Ctrl(Qt::Key_M), .Hint = QT_TRANSLATE_NOOP("commands", "Добавить закладку"), .MainRule = any,
       .Grid = acMarkAdd, .LayoutShortcut = Ctrl(Qt::Key_Q), .ExtraShortcut = Ctrl(Qt::Key_Q)},
      {.Name = "acMarkDelete", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "&Удалить"),
       .MainRule = E::HasMark, .LayoutRule = E::HasMark, .Grid = acMarkDelete},
      {.Name = "acNoteAdd", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "&Добавить/изменить"),
       .Shortcut = Ctrl(Qt::Key_T), .Hint = QT_TRANSLATE_NOOP("commands", "Добавить примечание"), .MainRule = any,
       .Grid = acNoteAdd},
      {.Name = "acNoteDelete", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "&Удалить"),
       .MainRule = E::HasKeyNote, .LayoutRule = E::HasKeyNote, .Grid = acNoteDelete},
      // View
      {.Name = "acViewLayersAll", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "&Все"),
       .Shortcut = Shift(Qt::Key_F5), .Hint = QT_TRANSLATE_NOOP("commands", "Все уровни"), .MainRule = any,
       .Grid = acViewLayersAll, .Data = 4, .Check = C::ShownLayer},
      {.Name = "acViewLayers0", .Place = P::Both, .Caption = "&0", .Shortcut = Shift(Qt::Key_F1),
       .Hint = QT_TRANSLATE_NOOP("commands", "Уровень 0"), .MainRule = any, .Grid = acViewLayers0,
       .Check = C::ShownLayer},
      {.Name = "acViewLayers1", .Place = P::Both, .Caption = "&1", .Shortcut = Shift(Qt::Key_F2),
       .Hint = QT_TRANSLATE_NOOP("commands", "Уровень 1"), .MainRule = any, .Grid = acViewLayers1, .Data = 1,
       .Check = C::ShownLayer},
      {.Name = "acViewLayers2", .Place = P::Both, .Caption = "&2", .Shortcut = Shift(Qt::Key_F3),
       .Hint = QT_TRANSLATE_NOOP("commands", "Уровень 2"), .MainRule = any, .Grid = acViewLayers2, .Data = 2,
       .Check = C::ShownLayer},
      {.Name = "acViewLayers3", .Place = P::Both, .Caption = "&3", .Shortcut = Shift(Qt::Key_F4),
       .Hint = QT_TRANSLATE_NOOP("commands", "Уровень 3"), .MainRule = any, .Grid = acViewLayers3, .Data = 3,
       .Check = C::ShownLayer},
      {.Name = "acViewNormal", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "&Нормальная"),
       .Shortcut = Ctrl(Qt::Key_F1), .MainRule = any, .Grid = acViewNormal, .Check = C::ViewMode},
      {.Name = "acViewSuper", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "&Высокая"),
       .Shortcut = Ctrl(Qt::Key_F2), .MainRule = any, .Grid = acViewSuper, .Data = 1, .Check = C::ViewMode},
      {.Name = "acViewCellInfo", .Caption = QT_TRANSLATE_NOOP("commands", "&Информация о ячейке")},
      // The layout window's own
      {.Name = "acKeyInfo", .Place = P::Layout, .Caption = QT_TRANSLATE_NOOP("commands", "И&нформация о клавише"),
       .Grid = acKeyInfo},
      {.Name = "acColAdd", .Place = P::Layout, .Caption = QT_TRANSLATE_NOOP("commands", "&Добавить"),
       .Grid = acColAdd},
      {.Name = "acColDelete", .Place = P::Layout, .Caption = QT_TRANSLATE_NOOP("commands", "&Удалить"),
       .Grid = acColDelete},
      {.Name = "acRowAdd", .Place = P::Layout, .Caption = QT_TRANSLATE_NOOP("commands", "&Добавить"),
       .Grid = acRowAdd},
      {.Name = "acRowDelete", .Place = P::Layout, .Caption = QT_TRANSLATE_NOOP("commands", "&Удалить"),
       .Grid = acRowDelete},
      {.Name = "acProperties", .Place = P::Layout,
       .Caption = QT_TRANSLATE_NOOP("commands", "Сво&йства загружаемой раскладки"), .Shortcut = Ctrl(Qt::Key_B),
       .Grid = acProperties},
      {.Name = "acHide", .Place = P::Layout, .Caption = QT_TRANSLATE_NOOP("commands", "&Погасить"), .Grid = acHide},
      // Device
      {.Name = "acInfo", .Caption = QT_TRANSLATE_NOOP("commands", "Информ&ация"),
       .Shortcut = QKeySequence(Qt::Key_F3), .Hint = QT_TRANSLATE_NOOP("commands", "Информация об устройстве")},
      {.Name = "acDownLoad", .Caption = QT_TRANSLATE_NOOP("commands", "&Загрузка"),
       .Shortcut = QKeySequence(Qt::Key_F5), .Hint = QT_TRANSLATE_NOOP("commands", "Загрузка раскладки"),
       .MainRule = any},
      {.Name = "acUpload", .Caption = QT_TRANSLATE_NOOP("commands", "&Чтение"),
       .Hint = QT_TRANSLATE_NOOP("commands", "Чтение раскладки"), .MainRule = any},
      {.Name = "acDeviceClear", .Caption = QT_TRANSLATE_NOOP("commands", "&Очистка памяти"),
       .Hint = QT_TRANSLATE_NOOP("commands", "Очистка памяти устройства")},
      {.Name = "acIBD", .Caption = QT_TRANSLATE_NOOP("commands", "&Интервал"), .Shortcut = QKeySequence(Qt::Key_F6),
       .Hint = QT_TRANSLATE_NOOP("commands", "Установка временного интервала")},
      {.Name = "acCompare", .Caption = QT_TRANSLATE_NOOP("commands", "&Сравнить с устройством"),
       .Hint = QT_TRANSLATE_NOOP("commands", "Сравнение раскладки с раскладкой устройства"), .MainRule = any},
      {.Name = "acImage", .Caption = QT_TRANSLATE_NOOP("commands", "&Рисунок клавиш"), .MainRule = any},
      {.Name = "acWindowTest", .Caption = QT_TRANSLATE_NOOP("commands", "&Тестирование")},
      // Enabled by the main window while the simulated keyboard is the chosen port.
      {.Name = "acWindowSimulator", .Caption = QT_TRANSLATE_NOOP("commands", "&Имитатор клавиатуры"),
       .Hint = QT_TRANSLATE_NOOP("commands", "Клавиши имитатора клавиатуры")},
      // Service, windows and help
      {.Name = "acServiceCheck", .Caption = QT_TRANSLATE_NOOP("commands", "П&роверка раскладки"),
       .Shortcut = Ctrl(Qt::Key_F5), .MainRule = any},
      {.Name = "acServiceSetPassword", .Caption = QT_TRANSLATE_NOOP("commands", "&Установить пароль"),
       .MainRule = any},
      {.Name = "acServiceClearPassword", .Caption = QT_TRANSLATE_NOOP("commands", "У&далить пароль"),
       .MainRule = any},
      {.Name = "acParameters", .Caption = QT_TRANSLATE_NOOP("commands", "&Параметры")},
      {.Name = "acKeyInput", .Place = P::Both, .Caption = QT_TRANSLATE_NOOP("commands", "&Программирование клавиши"),
       .Shortcut = Ctrl(Qt::Key_K), .MainRule = any, .Grid = acKeyInput,
       .LayoutCaption = QT_TRANSLATE_NOOP("commands", "Про&граммировать клавишу")},
      {.Name = "acCardInput",
       .Caption = QT_TRANSLATE_NOOP("commands", "Пр&ограммирование считывателя магнитных карт"),
       .Shortcut = Ctrl(Qt::Key_R), .MainRule = any},
      {.Name = "acArrange", .Caption = QT_TRANSLATE_NOOP("commands", "&Расположить"), .MainRule = any},
      {.Name = "acHelp", .Caption = QT_TRANSLATE_NOOP("commands", "&Справочная система"),
       .Shortcut = QKeySequence(Qt::Key_F1)},
      {.Name = "acExAbout", .Caption = QT_TRANSLATE_NOOP("commands", "По&ддерживаемые устройства")},
      {.Name = "acWWW", .Caption = QT_TRANSLATE_NOOP("commands", "Ostrel в &Интернете")},
      {.Name = "acWWWUA", .Caption = QT_TRANSLATE_NOOP("commands", "Ostrel в Интернете (&Украина)")},
      {.Name = "acAbout", .Caption = QT_TRANSLATE_NOOP("commands", "&О программе...")},
  };
  return rows;
}

}  // namespace

const std::vector<CommandRow>& Commands() {
  static const std::vector<CommandRow> rows = MakeCommands();
  return rows;
}

QString CommandText(const char* text) { return QCoreApplication::translate("commands", text); }

const CommandRow& CommandNamed(const char* name) {
  for (const CommandRow& row : Commands()) {
    if (std::strcmp(row.Name, name) == 0) return row;
  }
  throw std::out_of_range(name);
}

}  // namespace vl
