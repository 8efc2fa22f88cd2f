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
  const E any = E::AnyLayout;
  std::vector<CommandRow> rows = {
      // File
      {"acExtNew", P::Main, QT_TRANSLATE_NOOP("commands", "Созд&ать"), Ctrl(Qt::Key_N)},
      {"acNew", P::Main, QT_TRANSLATE_NOOP("commands", "Создать")},
      {"acOpen", P::Main, QT_TRANSLATE_NOOP("commands", "&Oткрыть"), Ctrl(Qt::Key_O)},
      {"acImportMTF", P::Main, "Macro Text Format"},
      {"acExportMTF", P::Main, "Macro Text Format", {}, nullptr, any},
      {"acClose", P::Main, QT_TRANSLATE_NOOP("commands", "&Закрыть"), {}, nullptr, any},
      {"acCloseAll", P::Main, QT_TRANSLATE_NOOP("commands", "Зак&рыть все"), {}, nullptr, any},
      {"acSave", P::Main, QT_TRANSLATE_NOOP("commands", "&Cохранить"), Ctrl(Qt::Key_S), nullptr, any},
      {"acSaveAs", P::Main, QT_TRANSLATE_NOOP("commands", "Сохранить &как..."), {}, nullptr, any},
      {"acPrintImage", P::Main, QT_TRANSLATE_NOOP("commands", "Печать рисунка клавиш…"), Ctrl(Qt::Key_P), nullptr, any},
      {"acExit", P::Main, QT_TRANSLATE_NOOP("commands", "&Выход")},
      // Edit
      {"acUndo", P::Main, QT_TRANSLATE_NOOP("commands", "&Отменить"), Ctrl(Qt::Key_Z), nullptr, E::UndoStep},
      {"acRedo", P::Main, QT_TRANSLATE_NOOP("commands", "&Повторить"), Ctrl(Qt::Key_Y), nullptr, E::RedoStep, E::Always, {}, 0,
       C::None, nullptr, {}, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
      {"acCut", P::Both, QT_TRANSLATE_NOOP("commands", "&Вырезать"), Ctrl(Qt::Key_X), QT_TRANSLATE_NOOP("commands", "Вырезать"), any, E::Always, acCut},
      {"acCopy", P::Both, QT_TRANSLATE_NOOP("commands", "&Копировать"), Ctrl(Qt::Key_C), QT_TRANSLATE_NOOP("commands", "Копировать"), any, E::Always, acCopy},
      {"acPaste", P::Both, QT_TRANSLATE_NOOP("commands", "Вст&авить"), Ctrl(Qt::Key_V), QT_TRANSLATE_NOOP("commands", "Вставить"), any, E::Always, acPaste},
      {"acSpecialPaste", P::Both, QT_TRANSLATE_NOOP("commands", "Сп&ециальная вставка..."), Ctrl(Qt::Key_W), QT_TRANSLATE_NOOP("commands", "Специальная вставка"),
       any, E::Always, acSpecialPaste},
      {"acLayers", P::Both, QT_TRANSLATE_NOOP("commands", "Коп&ировать на уровень..."), Ctrl(Qt::Key_L), nullptr, E::SingleLayer,
       E::SingleLayer, acLayers, 0, C::None, QT_TRANSLATE_NOOP("commands", "К&опировать на уровень..."), QKeySequence()},
      {"acClear", P::Both, QT_TRANSLATE_NOOP("commands", "О&чистить"), {}, QT_TRANSLATE_NOOP("commands", "Очистить"), any, E::Always, acClear, 0, C::None, nullptr,
       QKeySequence(Qt::Key_Delete)},
      {"acSelectAll", P::Main, QT_TRANSLATE_NOOP("commands", "В&ыделить все"), Ctrl(Qt::Key_A), nullptr, any},
      {"acSelect12", P::Both, "12 (4x3)", {}, nullptr, any, E::Always, acSelect12, 7},
      {"acSelect32", P::Both, "32 (4x8)", {}, nullptr, any, E::Always, acSelect32, 6},
      {"acSelect64", P::Both, "64 (8x8)", {}, nullptr, any, E::Always, acSelect64, 1},
      {"acSelect105", P::Both, "105 (15x7)", {}, nullptr, any, E::Always, acSelect105, 4},
      {"acSelect128", P::Both, "128 (16x8)", {}, nullptr, any, E::Always, acSelect128, 3},
      {"acGroup", P::Both, QT_TRANSLATE_NOOP("commands", "С&группировать"), CtrlAlt(Qt::Key_G), QT_TRANSLATE_NOOP("commands", "Сгруппировать"), any, E::Always,
       acGroup, 0, C::None, nullptr, {}, {}, [] { return ShapeIcon(3, 2); }},
      {"acDegroup", P::Both, QT_TRANSLATE_NOOP("commands", "&Разгруппировать"), CtrlAlt(Qt::Key_D), QT_TRANSLATE_NOOP("commands", "Разгруппировать"), any,
       E::Always, acDegroup, 0, C::None, nullptr, {}, {},
       [] { return ShapeIcon(3, 2, true); }},
      {"acGroup2Hor", P::Both, QT_TRANSLATE_NOOP("commands", "&Двойная горизонтальная клавиша"), {}, QT_TRANSLATE_NOOP("commands", "Двойная горизонтальная клавиша"),
       any, E::OneKey, acGroup2Hor, 0, C::None, nullptr, {}, {},
       [] { return ShapeIcon(2, 1); }},
      {"acGroup2Ver", P::Both, QT_TRANSLATE_NOOP("commands", "Д&войная вертикальная клавиша"), {}, QT_TRANSLATE_NOOP("commands", "Двойная вертикальная клавиша"),
       any, E::OneKey, acGroup2Ver, 0, C::None, nullptr, {}, {},
       [] { return ShapeIcon(1, 2); }},
      {"acGroup4", P::Both, QT_TRANSLATE_NOOP("commands", "&Четверная клавиша"), {}, QT_TRANSLATE_NOOP("commands", "Четверная клавиша"), any, E::OneKey, acGroup4,
       0, C::None, nullptr, {}, {}, [] { return ShapeIcon(2, 2); }},
      {"acGroupMoveMaster", P::Both, QT_TRANSLATE_NOOP("commands", "&Переместить мастер-клавишу"), {}, QT_TRANSLATE_NOOP("commands", "Переместить мастер-клавишу"),
       E::OneGroupedKey, E::OneGroupedKey, acGroupMoveMaster, 0, C::None, nullptr, {}, {},
       [] { return ShapeIcon(2, 1, false, true); }},
      {"acGoto", P::Both, QT_TRANSLATE_NOOP("commands", "Пе&рейти к закладке..."), Ctrl(Qt::Key_G), nullptr, any, E::Always, acGoto,
       0, C::None, QT_TRANSLATE_NOOP("commands", "Пе&рейти к закладке")},
      // The layout window's menus label the bookmark command Ctrl+Q; both keys work.
      {"acMarkAdd", P::Both, QT_TRANSLATE_NOOP("commands", "&Добавить/изменить"), Ctrl(Qt::Key_M), QT_TRANSLATE_NOOP("commands", "Добавить закладку"), any,
       E::Always, acMarkAdd, 0, C::None, nullptr, Ctrl(Qt::Key_Q), Ctrl(Qt::Key_Q)},
      {"acMarkDelete", P::Both, QT_TRANSLATE_NOOP("commands", "&Удалить"), {}, nullptr, E::HasMark, E::HasMark, acMarkDelete},
      {"acNoteAdd", P::Both, QT_TRANSLATE_NOOP("commands", "&Добавить/изменить"), Ctrl(Qt::Key_T), QT_TRANSLATE_NOOP("commands", "Добавить примечание"), any,
       E::Always, acNoteAdd},
      {"acNoteDelete", P::Both, QT_TRANSLATE_NOOP("commands", "&Удалить"), {}, nullptr, E::HasKeyNote, E::HasKeyNote, acNoteDelete},
      // View
      {"acViewLayersAll", P::Both, QT_TRANSLATE_NOOP("commands", "&Все"), Shift(Qt::Key_F5), QT_TRANSLATE_NOOP("commands", "Все уровни"), any, E::Always,
       acViewLayersAll, 4, C::ShownLayer},
      {"acViewLayers0", P::Both, "&0", Shift(Qt::Key_F1), QT_TRANSLATE_NOOP("commands", "Уровень 0"), any, E::Always, acViewLayers0,
       0, C::ShownLayer},
      {"acViewLayers1", P::Both, "&1", Shift(Qt::Key_F2), QT_TRANSLATE_NOOP("commands", "Уровень 1"), any, E::Always, acViewLayers1,
       1, C::ShownLayer},
      {"acViewLayers2", P::Both, "&2", Shift(Qt::Key_F3), QT_TRANSLATE_NOOP("commands", "Уровень 2"), any, E::Always, acViewLayers2,
       2, C::ShownLayer},
      {"acViewLayers3", P::Both, "&3", Shift(Qt::Key_F4), QT_TRANSLATE_NOOP("commands", "Уровень 3"), any, E::Always, acViewLayers3,
       3, C::ShownLayer},
      {"acViewNormal", P::Both, QT_TRANSLATE_NOOP("commands", "&Нормальная"), Ctrl(Qt::Key_F1), nullptr, any, E::Always, acViewNormal,
       0, C::ViewMode},
      {"acViewSuper", P::Both, QT_TRANSLATE_NOOP("commands", "&Высокая"), Ctrl(Qt::Key_F2), nullptr, any, E::Always, acViewSuper, 1,
       C::ViewMode},
      {"acViewCellInfo", P::Main, QT_TRANSLATE_NOOP("commands", "&Информация о ячейке")},
      // The layout window's own
      {"acKeyInfo", P::Layout, QT_TRANSLATE_NOOP("commands", "И&нформация о клавише"), {}, nullptr, E::Always, E::Always, acKeyInfo},
      {"acColAdd", P::Layout, QT_TRANSLATE_NOOP("commands", "&Добавить"), {}, nullptr, E::Always, E::Always, acColAdd},
      {"acColDelete", P::Layout, QT_TRANSLATE_NOOP("commands", "&Удалить"), {}, nullptr, E::Always, E::Always, acColDelete},
      {"acRowAdd", P::Layout, QT_TRANSLATE_NOOP("commands", "&Добавить"), {}, nullptr, E::Always, E::Always, acRowAdd},
      {"acRowDelete", P::Layout, QT_TRANSLATE_NOOP("commands", "&Удалить"), {}, nullptr, E::Always, E::Always, acRowDelete},
      {"acProperties", P::Layout, QT_TRANSLATE_NOOP("commands", "Сво&йства загружаемой раскладки"), Ctrl(Qt::Key_B), nullptr,
       E::Always, E::Always, acProperties},
      {"acHide", P::Layout, QT_TRANSLATE_NOOP("commands", "&Погасить"), {}, nullptr, E::Always, E::Always, acHide},
      // Device
      {"acInfo", P::Main, QT_TRANSLATE_NOOP("commands", "Информ&ация"), QKeySequence(Qt::Key_F3), QT_TRANSLATE_NOOP("commands", "Информация об устройстве")},
      {"acDownLoad", P::Main, QT_TRANSLATE_NOOP("commands", "&Загрузка"), QKeySequence(Qt::Key_F5), QT_TRANSLATE_NOOP("commands", "Загрузка раскладки"), any},
      {"acUpload", P::Main, QT_TRANSLATE_NOOP("commands", "&Чтение"), {}, QT_TRANSLATE_NOOP("commands", "Чтение раскладки"), any},
      {"acDeviceClear", P::Main, QT_TRANSLATE_NOOP("commands", "&Очистка памяти"), {}, QT_TRANSLATE_NOOP("commands", "Очистка памяти устройства")},
      {"acIBD", P::Main, QT_TRANSLATE_NOOP("commands", "&Интервал"), QKeySequence(Qt::Key_F6), QT_TRANSLATE_NOOP("commands", "Установка временного интервала")},
      {"acCompare", P::Main, QT_TRANSLATE_NOOP("commands", "&Сравнить с устройством"), {}, QT_TRANSLATE_NOOP("commands", "Сравнение раскладки с раскладкой устройства"), any},
      {"acImage", P::Main, QT_TRANSLATE_NOOP("commands", "&Рисунок клавиш"), {}, nullptr, any},
      {"acWindowTest", P::Main, QT_TRANSLATE_NOOP("commands", "&Тестирование")},
      // Enabled by the main window while the simulated keyboard is the chosen port.
      {"acWindowSimulator", P::Main, QT_TRANSLATE_NOOP("commands", "&Имитатор клавиатуры"), {}, QT_TRANSLATE_NOOP("commands", "Клавиши имитатора клавиатуры")},
      // Service, windows and help
      {"acServiceCheck", P::Main, QT_TRANSLATE_NOOP("commands", "П&роверка раскладки"), Ctrl(Qt::Key_F5), nullptr, any},
      {"acServiceSetPassword", P::Main, QT_TRANSLATE_NOOP("commands", "&Установить пароль"), {}, nullptr, any},
      {"acServiceClearPassword", P::Main, QT_TRANSLATE_NOOP("commands", "У&далить пароль"), {}, nullptr, any},
      {"acParameters", P::Main, QT_TRANSLATE_NOOP("commands", "&Параметры")},
      {"acKeyInput", P::Both, QT_TRANSLATE_NOOP("commands", "&Программирование клавиши"), Ctrl(Qt::Key_K), nullptr, any, E::Always,
       acKeyInput, 0, C::None, QT_TRANSLATE_NOOP("commands", "Про&граммировать клавишу")},
      {"acCardInput", P::Main, QT_TRANSLATE_NOOP("commands", "Пр&ограммирование считывателя магнитных карт"), Ctrl(Qt::Key_R),
       nullptr, any},
      {"acArrange", P::Main, QT_TRANSLATE_NOOP("commands", "&Расположить"), {}, nullptr, any},
      {"acHelp", P::Main, QT_TRANSLATE_NOOP("commands", "&Справочная система"), QKeySequence(Qt::Key_F1)},
      {"acExAbout", P::Main, QT_TRANSLATE_NOOP("commands", "По&ддерживаемые устройства")},
      {"acWWW", P::Main, QT_TRANSLATE_NOOP("commands", "Ostrel в &Интернете")},
      {"acWWWUA", P::Main, QT_TRANSLATE_NOOP("commands", "Ostrel в Интернете (&Украина)")},
      {"acAbout", P::Main, QT_TRANSLATE_NOOP("commands", "&О программе...")},
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
