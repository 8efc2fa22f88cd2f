#include "app/common/CoreTexts.h"

#include <QCoreApplication>
#include <string_view>

#include "core/catalogue/DeviceDescription.h"
#include "core/common/DecimalText.h"
#include "core/common/FileErrors.h"
#include "core/common/Prompt.h"
#include "core/common/SafeWrite.h"
#include "core/device/Clear.h"
#include "core/device/Detect.h"
#include "core/device/DeviceInfo.h"
#include "core/device/DeviceInfoQuery.h"
#include "core/device/DeviceSession.h"
#include "core/device/Download.h"
#include "core/device/Interval.h"
#include "core/device/LayoutBackups.h"
#include "core/device/LayoutCompare.h"
#include "core/device/OperationDriver.h"
#include "core/device/Upload.h"
#include "core/document/BlockOps.h"
#include "core/document/ColumnRowOps.h"
#include "core/document/GridTexts.h"
#include "core/document/KeyFunction.h"
#include "core/document/LayoutFile.h"
#include "core/document/PasswordOps.h"
#include "core/document/Undo.h"
#include "core/input/CaptureLine.h"
#include "core/formats/LayoutFormats.h"
#include "core/input/KeyEvents.h"
#include "core/input/KeyList.h"
#include "core/input/LineClipboard.h"
#include "core/input/PauseEditor.h"
#include "core/mtf/MtfReader.h"
#include "core/formats/CheckLayout.h"
#include "core/formats/KeyImage.h"
#include "core/input/PauseRecording.h"
#include "core/mtf/Convert.h"
#include "core/mtf/MtfLoss.h"

namespace vl {

// Each line marks a core constant for lupdate and fails the build when the core's
// text no longer matches the one translated.
#define VL_SAME_TEXT "a core text changed: update it here and in translations/*.ts"
static_assert(std::string_view(kDecimalPattern) == QT_TRANSLATE_NOOP("core", "%1,%2"), VL_SAME_TEXT);
static_assert(std::string_view(kCaptionError) == QT_TRANSLATE_NOOP("core", "Ошибка"), VL_SAME_TEXT);
static_assert(std::string_view(kCaptionAttention) == QT_TRANSLATE_NOOP("core", "Внимание"), VL_SAME_TEXT);
static_assert(std::string_view(kCaptionInformation) == QT_TRANSLATE_NOOP("core", "Информация"), VL_SAME_TEXT);
static_assert(std::string_view(kLineFullMessage) ==
                  QT_TRANSLATE_NOOP("core", "Достигнут предел заполнения строки ввода."),
              VL_SAME_TEXT);
static_assert(kLayoutFileOpenFilter == QT_TRANSLATE_NOOP("core", "Раскладка Velmorando 2 (*.vld)"), VL_SAME_TEXT);
static_assert(kLayoutFileSaveFilter == QT_TRANSLATE_NOOP("core", "Раскладка Velmorando 2  (*.vld)"), VL_SAME_TEXT);
static_assert(kOldLayoutFileFilter == QT_TRANSLATE_NOOP("core", "Раскладка Velmorando 1.5 (*.mkb)"), VL_SAME_TEXT);
static_assert(std::string_view(kAllFilesFilter) == QT_TRANSLATE_NOOP("core", "Все файлы (*.*)"), VL_SAME_TEXT);
static_assert(std::string_view(kClearQuestion) ==
                  QT_TRANSLATE_NOOP("core", "Память устройства будет очищена. Продолжить?"),
              VL_SAME_TEXT);
static_assert(std::string_view(kClearDone) == QT_TRANSLATE_NOOP("core", "Память устройства очищена."), VL_SAME_TEXT);
static_assert(std::string_view(kClearFailed) == QT_TRANSLATE_NOOP("core", "Ошибка очистки."), VL_SAME_TEXT);
static_assert(std::string_view(kDetectCaption) == QT_TRANSLATE_NOOP("core", "Автоопределение"), VL_SAME_TEXT);
static_assert(std::string_view(kDetectText) ==
                  QT_TRANSLATE_NOOP("core", "автоматическое определение типа подключенного устройства"),
              VL_SAME_TEXT);
static_assert(std::string_view(kControllerCaption) == QT_TRANSLATE_NOOP("core", "Контроллер"), VL_SAME_TEXT);
static_assert(std::string_view(kControllerText) ==
                  QT_TRANSLATE_NOOP("core", "чтение версии контроллера подключенного устройства"),
              VL_SAME_TEXT);
static_assert(std::string_view(kNotConnected) == QT_TRANSLATE_NOOP("core", "Устройство не подключено."), VL_SAME_TEXT);
static_assert(std::string_view(kPlainKeyboardOnly) ==
                  QT_TRANSLATE_NOOP("core", "Устройство не подключено.\nНа порту обычная клавиатура, не программируемая."),
              VL_SAME_TEXT);
static_assert(std::string_view(kInfoCaption) == QT_TRANSLATE_NOOP("core", "Информация об устройстве"), VL_SAME_TEXT);
static_assert(std::string_view(kControllerReadError) ==
                  QT_TRANSLATE_NOOP("core", "Ошибка чтения версии контроллера устройства."),
              VL_SAME_TEXT);
static_assert(std::string_view(kStatusReset) == QT_TRANSLATE_NOOP("core", "сброс устройства"), VL_SAME_TEXT);
static_assert(std::string_view(kStatusClearing) == QT_TRANSLATE_NOOP("core", "очистка памяти устройства"),
              VL_SAME_TEXT);
static_assert(std::string_view(kStatusBuildImage) == QT_TRANSLATE_NOOP("core", "создание протокола данных"),
              VL_SAME_TEXT);
static_assert(std::string_view(kStatusWriteData) == QT_TRANSLATE_NOOP("core", "загрузка данных в память устройства"),
              VL_SAME_TEXT);
static_assert(std::string_view(kStatusWriteHeader) == QT_TRANSLATE_NOOP("core", "загрузка дополнительной информации"),
              VL_SAME_TEXT);
static_assert(std::string_view(kStatusInterval) == QT_TRANSLATE_NOOP("core", "установка задержки между SCAN-кодами"),
              VL_SAME_TEXT);
static_assert(std::string_view(kStatusVerify) == QT_TRANSLATE_NOOP("core", "проверка данных в памяти устройства"),
              VL_SAME_TEXT);
static_assert(std::string_view(kImageTooLarge) ==
                  QT_TRANSLATE_NOOP("core", "Объем раскладки превосходит память устройства."),
              VL_SAME_TEXT);
static_assert(std::string_view(kWriteErrorProtected) ==
                  QT_TRANSLATE_NOOP("core", "Ошибка записи данных в память устройства."),
              VL_SAME_TEXT);
static_assert(std::string_view(kHeaderError) == QT_TRANSLATE_NOOP("core", "Ошибка подготовки устройства."),
              VL_SAME_TEXT);
static_assert(std::string_view(kVerifyReadError) ==
                  QT_TRANSLATE_NOOP("core", "Ошибка проверки данных: память устройства не читается."),
              VL_SAME_TEXT);
static_assert(std::string_view(kOstrelNotConnected) == QT_TRANSLATE_NOOP("core", "Устройство Ostrel не подключено."),
              VL_SAME_TEXT);
static_assert(std::string_view(kStatusDetect) == QT_TRANSLATE_NOOP("core", "определение подключенного устройства"),
              VL_SAME_TEXT);
static_assert(std::string_view(kStatusController) ==
                  QT_TRANSLATE_NOOP("core", "определение версии контроллера устройства"),
              VL_SAME_TEXT);
static_assert(std::string_view(kStatusKeyboardReset) == QT_TRANSLATE_NOOP("core", "сброс клавиатуры"), VL_SAME_TEXT);
static_assert(std::string_view(kCaptionDownload) == QT_TRANSLATE_NOOP("core", "Загрузка"), VL_SAME_TEXT);
static_assert(std::string_view(kCaptionUpload) == QT_TRANSLATE_NOOP("core", "Чтение"), VL_SAME_TEXT);
static_assert(std::string_view(kStatusDataSize) == QT_TRANSLATE_NOOP("core", "определение объема данных"),
              VL_SAME_TEXT);
static_assert(std::string_view(kStatusReadData) == QT_TRANSLATE_NOOP("core", "чтение данных из памяти устройства"),
              VL_SAME_TEXT);
static_assert(std::string_view(kStatusProcess) == QT_TRANSLATE_NOOP("core", "обработка раскладки"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceEmpty) == QT_TRANSLATE_NOOP("core", "Память устройства пуста."), VL_SAME_TEXT);
static_assert(std::string_view(kDataSizeError) ==
                  QT_TRANSLATE_NOOP("core", "Ошибка определения размера данных в памяти устройства."),
              VL_SAME_TEXT);
static_assert(std::string_view(kReadError) == QT_TRANSLATE_NOOP("core", "Ошибка чтения раскладки."), VL_SAME_TEXT);
static_assert(std::string_view(kProcessError) == QT_TRANSLATE_NOOP("core", "Ошибка обработки раскладки."),
              VL_SAME_TEXT);
static_assert(std::string_view(kPasswordCaption) == QT_TRANSLATE_NOOP("core", "Пароль"), VL_SAME_TEXT);
static_assert(std::string_view(kRepeatCaption) == QT_TRANSLATE_NOOP("core", "Подтверждение пароля"), VL_SAME_TEXT);
static_assert(std::string_view(kEnterPassword) == QT_TRANSLATE_NOOP("core", "Введите пароль для открытия раскладки"),
              VL_SAME_TEXT);
static_assert(std::string_view(kRepeatPassword) == QT_TRANSLATE_NOOP("core", "Введите пароль еще раз:"), VL_SAME_TEXT);
static_assert(std::string_view(kForgottenPasswordWarning) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Внимание! Забытый пароль восстановить невозможно. Список паролей рекомендуется "
                                    "хранить в надежном месте. Следует также помнить, что при вводе пароля "
                                    "учитывается регистр букв."),
              VL_SAME_TEXT);
static_assert(std::string_view(kPasswordMismatch) ==
                  QT_TRANSLATE_NOOP("core", "При подтверждении введен неверный пароль."),
              VL_SAME_TEXT);
static_assert(std::string_view(kNoPassword) == QT_TRANSLATE_NOOP("core", "Пароль не установлен."), VL_SAME_TEXT);
static_assert(std::string_view(kPasswordRemoved) == QT_TRANSLATE_NOOP("core", "Пароль для чтения удален."),
              VL_SAME_TEXT);
static_assert(std::string_view(kRecordPausesCaption) == QT_TRANSLATE_NOOP("core", "записывать паузы"), VL_SAME_TEXT);
static_assert(std::string_view(kFuncCaptions[0]) == QT_TRANSLATE_NOOP("core", "Макрос"), VL_SAME_TEXT);
static_assert(std::string_view(kFuncCaptions[1]) == QT_TRANSLATE_NOOP("core", "Переход на уровень вверх"), VL_SAME_TEXT);
static_assert(std::string_view(kFuncCaptions[2]) == QT_TRANSLATE_NOOP("core", "Переход на уровень вниз"), VL_SAME_TEXT);
static_assert(std::string_view(kFuncCaptions[3]) == QT_TRANSLATE_NOOP("core", "Переход на 0 уровень"), VL_SAME_TEXT);
static_assert(std::string_view(kFuncCaptions[4]) == QT_TRANSLATE_NOOP("core", "Переход на 1 уровень"), VL_SAME_TEXT);
static_assert(std::string_view(kFuncCaptions[5]) == QT_TRANSLATE_NOOP("core", "Переход на 2 уровень"), VL_SAME_TEXT);
static_assert(std::string_view(kFuncCaptions[6]) == QT_TRANSLATE_NOOP("core", "Переход на 3 уровень"), VL_SAME_TEXT);
static_assert(std::string_view(kFuncCaptions[7]) == QT_TRANSLATE_NOOP("core", "Временный переход на 0 уровень"), VL_SAME_TEXT);
static_assert(std::string_view(kFuncCaptions[8]) == QT_TRANSLATE_NOOP("core", "Временный переход на 1 уровень"), VL_SAME_TEXT);
static_assert(std::string_view(kFuncCaptions[9]) == QT_TRANSLATE_NOOP("core", "Временный переход на 2 уровень"), VL_SAME_TEXT);
static_assert(std::string_view(kFuncCaptions[10]) == QT_TRANSLATE_NOOP("core", "Временный переход на 3 уровень"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoClear) == QT_TRANSLATE_NOOP("core", "удаление"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoPaste) == QT_TRANSLATE_NOOP("core", "вставку"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoSpecialPaste) == QT_TRANSLATE_NOOP("core", "специальную вставку"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoMove) == QT_TRANSLATE_NOOP("core", "перемещение"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoInsertColumns) == QT_TRANSLATE_NOOP("core", "добавление колонок"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoInsertRows) == QT_TRANSLATE_NOOP("core", "добавление строк"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoDeleteColumns) == QT_TRANSLATE_NOOP("core", "удаление колонок"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoDeleteRows) == QT_TRANSLATE_NOOP("core", "удаление строк"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoCopyToLayers) == QT_TRANSLATE_NOOP("core", "копирование на уровни"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoApplyRecord) == QT_TRANSLATE_NOOP("core", "изменение данных"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoCardReader) == QT_TRANSLATE_NOOP("core", "изменение считывателя"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoDeviceRead) == QT_TRANSLATE_NOOP("core", "чтение данных из устройства"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoKeyNote) == QT_TRANSLATE_NOOP("core", "изменение примечаний"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoMark) == QT_TRANSLATE_NOOP("core", "изменение закладок"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoGroup) == QT_TRANSLATE_NOOP("core", "группирование"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoUngroup) == QT_TRANSLATE_NOOP("core", "разгруппирование"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoMaster) == QT_TRANSLATE_NOOP("core", "перенос главной клавиши"), VL_SAME_TEXT);
static_assert(std::string_view(kUndoPassword) == QT_TRANSLATE_NOOP("core", "изменение пароля"), VL_SAME_TEXT);
static_assert(std::string_view(kInfoRowNames[0]) == QT_TRANSLATE_NOOP("core", "Серия"), VL_SAME_TEXT);
static_assert(std::string_view(kInfoRowNames[1]) == QT_TRANSLATE_NOOP("core", "Наименование"), VL_SAME_TEXT);
static_assert(std::string_view(kInfoRowNames[2]) == QT_TRANSLATE_NOOP("core", "Номер"), VL_SAME_TEXT);
static_assert(std::string_view(kInfoRowNames[3]) == QT_TRANSLATE_NOOP("core", "Количество клавиш"), VL_SAME_TEXT);
static_assert(std::string_view(kInfoRowNames[4]) == QT_TRANSLATE_NOOP("core", "Исполнение"), VL_SAME_TEXT);
static_assert(std::string_view(kInfoRowNames[5]) == QT_TRANSLATE_NOOP("core", "Наличие считывателя магнитных карт"), VL_SAME_TEXT);
static_assert(std::string_view(kInfoRowNames[6]) == QT_TRANSLATE_NOOP("core", "Наличие считывателя Smart-карт"), VL_SAME_TEXT);
static_assert(std::string_view(kInfoRowNames[7]) == QT_TRANSLATE_NOOP("core", "Наличие внешней клавиатуры"), VL_SAME_TEXT);
static_assert(std::string_view(kInfoRowNames[8]) == QT_TRANSLATE_NOOP("core", "Объем памяти"), VL_SAME_TEXT);
static_assert(std::string_view(kInfoRowNames[9]) == QT_TRANSLATE_NOOP("core", "Программатор"), VL_SAME_TEXT);
static_assert(std::string_view(kInfoRowNames[10]) == QT_TRANSLATE_NOOP("core", "Версия контроллера устройства"), VL_SAME_TEXT);
// The Macro Text Format reader's error report, put together when shown.
static_assert(std::string_view(kMtfErrorLine) == QT_TRANSLATE_NOOP("core", "Ошибка %1. %2"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfErrorPlace) == QT_TRANSLATE_NOOP("core", "Файл %1, строка %2, столбец %3"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfIncludedFrom) == QT_TRANSLATE_NOOP("core", "Включён из файла %1, строка %2, столбец %3"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfIncludeReadError) == QT_TRANSLATE_NOOP("core", "Ошибка чтения файла [%1]"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfStackOverflow) == QT_TRANSLATE_NOOP("core", "Переполнения стека файлов"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfCircularInclude) == QT_TRANSLATE_NOOP("core", "Циклическая ссылка в файле [%1]"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfTooManyIncludes) == QT_TRANSLATE_NOOP("core", "Превышено число включаемых файлов (%1)"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfIncludesTooLarge) == QT_TRANSLATE_NOOP("core", "Превышен объем включаемых файлов (%1 байт)"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfMissingBrace) == QT_TRANSLATE_NOOP("core", "Отсутствует }"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfBadParameterList) == QT_TRANSLATE_NOOP("core", "Ошибочная запись параметров команды"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfUnknownCommand) == QT_TRANSLATE_NOOP("core", "Неизвестная команда"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfBadModifiers) == QT_TRANSLATE_NOOP("core", "Ошибочное употребление модификаторов"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfParameterCount) == QT_TRANSLATE_NOOP("core", "Ошибочное число параметров команды"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfOutsideEnvironment) == QT_TRANSLATE_NOOP("core", "Команда употребляется вне окружения"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfBadParameter) == QT_TRANSLATE_NOOP("core", "Ошибочный параметр"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfOnlyInKey) == QT_TRANSLATE_NOOP("core", "Команда употребляется в окружении команды \\KEY"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfOnlyInReader) == QT_TRANSLATE_NOOP("core", "Команда употребляется в окружении команды \\MCREADER"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfOnlyInSequence) == QT_TRANSLATE_NOOP("core", "Команда употребляется в окружении \\DOWN, \\UP, \\HEADER или \\TERMINATOR"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfNoEnvironment) == QT_TRANSLATE_NOOP("core", "Команда не имеет окружения"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfEnvironmentOverflow) == QT_TRANSLATE_NOOP("core", "Переполнение стека команд окружения"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfEnvironmentBufferOverflow) == QT_TRANSLATE_NOOP("core", "Переполнение буфера команд окружения"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfUnclosedComment) == QT_TRANSLATE_NOOP("core", "Отсутствует закрытие комментария"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfMissingParameter) == QT_TRANSLATE_NOOP("core", "Отсутствует параметр"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfMissingEnvironmentCommand) == QT_TRANSLATE_NOOP("core", "Отсутствует команда окружения"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfRepeatedCharacter) == QT_TRANSLATE_NOOP("core", "Дублирование символа %1 (ASCII:%2)"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfUnknownCharacter) == QT_TRANSLATE_NOOP("core", "Неизвестный символ %1 (ASCII:%2)"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfRepeatedCommand) == QT_TRANSLATE_NOOP("core", "Дублирование команды"), VL_SAME_TEXT);
// What a Macro Text Format export could not carry, put together when shown.
static_assert(std::string_view(kMtfLossAtKeyLayer) == QT_TRANSLATE_NOOP("core", "клавиша (%1,%2) уровень %3: %4"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossAtKey) == QT_TRANSLATE_NOOP("core", "клавиша (%1,%2): %3"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossAtTrack) == QT_TRANSLATE_NOOP("core", "считыватель, дорожка %1: %2"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossAtCardReader) == QT_TRANSLATE_NOOP("core", "считыватель: %1"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossUnnamedCode) == QT_TRANSLATE_NOOP("core", "код %1 (%2) не имеет имени в Macro Text Format"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossUnknownCode) == QT_TRANSLATE_NOOP("core", "код %1 не имеет имени в Macro Text Format"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossNoKeyCode) == QT_TRANSLATE_NOOP("core", "байты %1 не составляют ни кода клавиши, ни паузы"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossLayerNote) == QT_TRANSLATE_NOOP("core", "примечание уровня не записывается"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossKeyNote) == QT_TRANSLATE_NOOP("core", "примечание клавиши не записывается"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossBookmark) == QT_TRANSLATE_NOOP("core", "закладка не записывается"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossGroup) == QT_TRANSLATE_NOOP("core", "группа клавиш не записывается"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossNoFunction) == QT_TRANSLATE_NOOP("core", "клавиша без функции не записывается"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossSwitchKeyContent) == QT_TRANSLATE_NOOP("core", "содержимое уровня клавиши перехода не записывается"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossClick) == QT_TRANSLATE_NOOP("core", "клик %1 не записывается"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossAutoRepeat) == QT_TRANSLATE_NOOP("core", "автоповтор %1 записывается как %2"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossNoTrack) == QT_TRANSLATE_NOOP("core", "ни одна дорожка не включена, при чтении включатся все четыре"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossOutputFlags) == QT_TRANSLATE_NOOP("core", "флаги вывода %1 записываются как %2"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossesHeading) == QT_TRANSLATE_NOOP("core", "Экспорт в Macro Text Format выполнен. В файл не вошло:"), VL_SAME_TEXT);
static_assert(std::string_view(kMtfLossesMore) == QT_TRANSLATE_NOOP("core", "и ещё %1"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyLeftWindows) == QT_TRANSLATE_NOOP("core", "левая Windows"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyRightWindows) == QT_TRANSLATE_NOOP("core", "правая Windows"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyMenu) == QT_TRANSLATE_NOOP("core", "клавиша меню"), VL_SAME_TEXT);
static_assert(std::string_view(kKey102nd) == QT_TRANSLATE_NOOP("core", "102-я клавиша"), VL_SAME_TEXT);
static_assert(std::string_view(kKeySysRq) == QT_TRANSLATE_NOOP("core", "SysRq"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyAddedShift) == QT_TRANSLATE_NOOP("core", "добавленный Shift"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyBreak) == QT_TRANSLATE_NOOP("core", "Break"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyPrintScreen) == QT_TRANSLATE_NOOP("core", "Print Screen"), VL_SAME_TEXT);
static_assert(std::string_view(kInfoYes) == QT_TRANSLATE_NOOP("core", "да"), VL_SAME_TEXT);
static_assert(std::string_view(kInfoNo) == QT_TRANSLATE_NOOP("core", "нет"), VL_SAME_TEXT);
static_assert(std::string_view(kCellNote) == QT_TRANSLATE_NOOP("core", "Примечание"), VL_SAME_TEXT);
static_assert(std::string_view(kCellBookmark) == QT_TRANSLATE_NOOP("core", "Закладка"), VL_SAME_TEXT);
static_assert(std::string_view(kCellGroup) == QT_TRANSLATE_NOOP("core", "Группа"), VL_SAME_TEXT);
static_assert(std::string_view(kCellMasterKey) == QT_TRANSLATE_NOOP("core", "Мастер-клавиша"), VL_SAME_TEXT);
static_assert(std::string_view(kCellFunction) == QT_TRANSLATE_NOOP("core", "Действие"), VL_SAME_TEXT);
static_assert(std::string_view(kCellLayer) == QT_TRANSLATE_NOOP("core", "Уровень "), VL_SAME_TEXT);
static_assert(std::string_view(kCellPress) == QT_TRANSLATE_NOOP("core", "Нажатие"), VL_SAME_TEXT);
static_assert(std::string_view(kCellRelease) == QT_TRANSLATE_NOOP("core", "Отжатие"), VL_SAME_TEXT);
static_assert(std::string_view(kCellAutoRepeat) == QT_TRANSLATE_NOOP("core", "Автоповтор"), VL_SAME_TEXT);
static_assert(std::string_view(kCellYes) == QT_TRANSLATE_NOOP("core", "да"), VL_SAME_TEXT);
static_assert(std::string_view(kCellClick) == QT_TRANSLATE_NOOP("core", "Щелчок"), VL_SAME_TEXT);
static_assert(std::string_view(kCellClickFormat) == QT_TRANSLATE_NOOP("core", "%1,%2c"), VL_SAME_TEXT);
static_assert(std::string_view(kCellLayerNote) == QT_TRANSLATE_NOOP("core", "Примечание уровня"), VL_SAME_TEXT);
static_assert(std::string_view(kCellNothingShown) == QT_TRANSLATE_NOOP("core", "СОДЕРЖАТСЯ НЕОТОБРАЖАЕМЫЕ СИМВОЛЫ"), VL_SAME_TEXT);
static_assert(std::string_view(kBlockSizeFormat) == QT_TRANSLATE_NOOP("core", "размер (%1,%2)"), VL_SAME_TEXT);
static_assert(std::string_view(kOneKeyCaption) == QT_TRANSLATE_NOOP("core", "Клавиша "), VL_SAME_TEXT);
static_assert(std::string_view(kBlockCaptionFormat) == QT_TRANSLATE_NOOP("core", "Клавиши (%1,%2)-(%3,%4)"), VL_SAME_TEXT);
static_assert(std::string_view(kMoveKeyFormat) == QT_TRANSLATE_NOOP("core", "(%1,%2) в (%3,%4)"), VL_SAME_TEXT);
static_assert(std::string_view(kMoveBlockSeparator) == QT_TRANSLATE_NOOP("core", " в "), VL_SAME_TEXT);
static_assert(std::string_view(kReleasePrefix) == QT_TRANSLATE_NOOP("core", "Отжатие "), VL_SAME_TEXT);
static_assert(std::string_view(kInfoMemoryUnit) == QT_TRANSLATE_NOOP("core", "байт"), VL_SAME_TEXT);
static_assert(std::string_view(kAttemptPattern) == QT_TRANSLATE_NOOP("core", "%1-я попытка"), VL_SAME_TEXT);
static_assert(std::string_view(kWriteRetryPattern) == QT_TRANSLATE_NOOP("core", "%1-й повтор записи данных"),
              VL_SAME_TEXT);
static_assert(std::string_view(kReadRetryPattern) == QT_TRANSLATE_NOOP("core", "%1-й повтор чтения данных"),
              VL_SAME_TEXT);
static_assert(std::string_view(kVerifyMismatchPattern) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Ошибка проверки данных: память устройства отличается от раскладки с адреса %1."),
              VL_SAME_TEXT);
static_assert(std::string_view(kWriteErrorNormal) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Ошибка записи данных в память устройства. Используйте настройки "
                                    "программирования устройств (пункт меню Сервис-Параметры-Устройство)."),
              VL_SAME_TEXT);
static_assert(std::string_view(kVerifyStopped) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Проверка данных прервана: раскладка загружена в устройство, но не проверена."),
              VL_SAME_TEXT);
static_assert(std::string_view(kCrcError) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Ошибочная контрольная сумма. Закройте все программы и повторите попытку чтения."),
              VL_SAME_TEXT);
static_assert(std::string_view(kSelectionTooLarge) ==
                  QT_TRANSLATE_NOOP("core", "Размер выделенной области превосходит размер клавиатуры. Продолжить?"),
              VL_SAME_TEXT);
static_assert(std::string_view(kCheckRemarks) ==
                  QT_TRANSLATE_NOOP("core",
                                    "При проверке загружаемого фрагмента обнаружены замечания. Продолжить загрузку?"),
              VL_SAME_TEXT);
static_assert(std::string_view(kCancelDownloadQuestion) ==
                  QT_TRANSLATE_NOOP("core",
                                    "После отмены загрузки память устройства будет очищена. Продолжить загрузку?"),
              VL_SAME_TEXT);
static_assert(std::string_view(kKeysOutsidePattern) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Клавиш с данными вне поля устройства (%1x%2): %3. Они не будут записаны в "
                                    "устройство. Продолжить загрузку?"),
              VL_SAME_TEXT);
static_assert(std::string_view(kDownloadPropertiesPattern) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Свойства загружаемой раскладки:\n\n"
                                    "  Количество уровней: %1\n"
                                    "  Автокоррекция Num Lock и Caps Lock: %2\n"
                                    "  Интервал между посылаемыми SCAN-кодами : %3 мс\n"
                                    "  Язык раскладки : %4\n"
                                    "  Буферизация нажатых клавиш : %5\n\n"
                                    "Заменить раскладку в подключенном устройстве?"),
              VL_SAME_TEXT);
static_assert(std::string_view(kLayoutLanguageNames[0]) == QT_TRANSLATE_NOOP("core", "английский"), VL_SAME_TEXT);
static_assert(std::string_view(kLayoutLanguageNames[1]) == QT_TRANSLATE_NOOP("core", "русский"), VL_SAME_TEXT);
static_assert(std::string_view(kLayoutLanguageNames[2]) == QT_TRANSLATE_NOOP("core", "украинский"), VL_SAME_TEXT);
static_assert(std::string_view(kBackupReplaceQuestion) ==
                  QT_TRANSLATE_NOOP("core", "Файл %1 уже существует. Заменить его копией раскладки устройства?"),
              VL_SAME_TEXT);
static_assert(std::string_view(kBackupOverLayout) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Копия раскладки устройства не может быть записана в файл загружаемой раскладки %1."),
              VL_SAME_TEXT);
static_assert(std::string_view(kEmptyCopyText) == QT_TRANSLATE_NOOP("core", "Копируемый фрагмент пуст."), VL_SAME_TEXT);
static_assert(std::string_view(kPasteSizeQuestion) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Прямоугольник данных в буфере обмена превосходит выделенный. Вставить ячейки "
                                    "буфера в выделенный прямоугольник?\r[Да] - вставить ячейки буфера в выделенный "
                                    "прямоугольник;\r[Нет] - вставить все ячейки буфера;\r[Отмена] - отменить вставку;"),
              VL_SAME_TEXT);
static_assert(std::string_view(kReplaceQuestion) == QT_TRANSLATE_NOOP("core", "Заменить содержимое конечных кнопок?"),
              VL_SAME_TEXT);
static_assert(std::string_view(kInsertColumnsQuestion) ==
                  QT_TRANSLATE_NOOP("core", "При добавлении столбцов значения правых столбцов будут удалены. Продолжить?"),
              VL_SAME_TEXT);
static_assert(std::string_view(kInsertRowsQuestion) ==
                  QT_TRANSLATE_NOOP("core", "При добавлении строк значения нижних строк будут удалены. Продолжить?"),
              VL_SAME_TEXT);
static_assert(std::string_view(kLayoutReadError) == QT_TRANSLATE_NOOP("core", "Ошибка чтения раскладки."), VL_SAME_TEXT);
static_assert(std::string_view(kWrongPasswordError) ==
                  QT_TRANSLATE_NOOP("core", "Указан неверный пароль. Не удается открыть раскладку."),
              VL_SAME_TEXT);
static_assert(std::string_view(kOldFormatQuestion) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Формат файла соответсвует формату программы Velmorando 1.5. Преобразовать файл "
                                    "в формат Velmorando 2.0?"),
              VL_SAME_TEXT);
static_assert(std::string_view(kStatusReadLayout) == QT_TRANSLATE_NOOP("core", "Чтение раскладки из файла"), VL_SAME_TEXT);
static_assert(std::string_view(kStatusSaveKeys) == QT_TRANSLATE_NOOP("core", "Сохранение функций кнопок"), VL_SAME_TEXT);
static_assert(std::string_view(kStatusSaveNotes) == QT_TRANSLATE_NOOP("core", "Сохр. примечаний и закладок"), VL_SAME_TEXT);
static_assert(std::string_view(kStatusSaveGroups) == QT_TRANSLATE_NOOP("core", "Сохр. групп клавиш"), VL_SAME_TEXT);
static_assert(std::string_view(kWriteFailed) == QT_TRANSLATE_NOOP("core", "Ошибка записи в файл."), VL_SAME_TEXT);
static_assert(std::string_view(kWriteOnlyRegular) == QT_TRANSLATE_NOOP("core", "Запись возможна только в обычный файл."),
              VL_SAME_TEXT);
static_assert(std::string_view(kStatusBuildPicture) == QT_TRANSLATE_NOOP("core", "Создание рисунка"), VL_SAME_TEXT);
static_assert(std::string_view(kStatusReadMtf) == QT_TRANSLATE_NOOP("core", "Чтение раскладки в Macro Text Format"),
              VL_SAME_TEXT);
static_assert(std::string_view(kMtfReadError) == QT_TRANSLATE_NOOP("core", "Ошибка чтения файла."), VL_SAME_TEXT);
static_assert(std::string_view(kMtfTooLarge) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Файл больше 2684354560 байт (2,5 ГиБ): такого текста программа не пишет и не "
                                    "читает."),
              VL_SAME_TEXT);
static_assert(std::string_view(kPasteOverflowMessage) ==
                  QT_TRANSLATE_NOOP("core", "Вставка данных приведет к переполнению строки ввода."),
              VL_SAME_TEXT);
static_assert(std::string_view(kKeyRightControl) == QT_TRANSLATE_NOOP("core", "Правый Control"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyLeftControl) == QT_TRANSLATE_NOOP("core", "Левый Control"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyRightAlt) == QT_TRANSLATE_NOOP("core", "Правый Alt"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyLeftAlt) == QT_TRANSLATE_NOOP("core", "Левый Alt"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyRightShift) == QT_TRANSLATE_NOOP("core", "Правый Shift"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyLeftShift) == QT_TRANSLATE_NOOP("core", "Левый Shift"), VL_SAME_TEXT);
static_assert(std::string_view(kKeySpace) == QT_TRANSLATE_NOOP("core", "Пробел"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyUp) == QT_TRANSLATE_NOOP("core", "Стрелка Вверх"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyDown) == QT_TRANSLATE_NOOP("core", "Стрелка Вниз"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyLeft) == QT_TRANSLATE_NOOP("core", "Стрелка Влево"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyRight) == QT_TRANSLATE_NOOP("core", "Стрелка Вправо"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyRightStart) == QT_TRANSLATE_NOOP("core", "Правая Start"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyLeftStart) == QT_TRANSLATE_NOOP("core", "Левая Start"), VL_SAME_TEXT);
static_assert(std::string_view(kKeyFunctionMenu) == QT_TRANSLATE_NOOP("core", "Функциональное меню"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceIdentity) == QT_TRANSLATE_NOOP("core", "[Идентификационные данные]"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceSeries) == QT_TRANSLATE_NOOP("core", "Серия: %1"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceModel) == QT_TRANSLATE_NOOP("core", "Модель: %1"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceDate) == QT_TRANSLATE_NOOP("core", "Дата создания серии: %1"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceTechnical) == QT_TRANSLATE_NOOP("core", "[Технические характеристики]"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceKeys) == QT_TRANSLATE_NOOP("core", "Количество клавиш: %1"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceWidth) == QT_TRANSLATE_NOOP("core", "Ширина клавиатурного поля: %1 клавиш"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceHeight) == QT_TRANSLATE_NOOP("core", "Высота клавиатурного поля: %1 клавиш"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceMemory) == QT_TRANSLATE_NOOP("core", "Объем памяти: %1 байт"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceVersion) == QT_TRANSLATE_NOOP("core", "Исполнение: %1"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceDecodingFile) == QT_TRANSLATE_NOOP("core", "Файл декодирования: %1"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceNumbering) == QT_TRANSLATE_NOOP("core", "Тип нумерации: %1"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceImage) == QT_TRANSLATE_NOOP("core", "[Рисунок клавиш]"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceImageNeeded) == QT_TRANSLATE_NOOP("core", "Необходимость в создании рисунка: %1"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceYes) == QT_TRANSLATE_NOOP("core", "да"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceNo) == QT_TRANSLATE_NOOP("core", "нет"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceKeyWidth) == QT_TRANSLATE_NOOP("core", "Ширина клавиши: %1мм"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceKeyHeight) == QT_TRANSLATE_NOOP("core", "Высота клавиши: %1мм"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceHorizontalStep) == QT_TRANSLATE_NOOP("core", "Горизонтальный шаг: %1мм"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceVerticalStep) == QT_TRANSLATE_NOOP("core", "Вертикальный шаг: %1мм"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceLeftMargin) == QT_TRANSLATE_NOOP("core", "Горизонтальный отступ: %1мм"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceTopMargin) == QT_TRANSLATE_NOOP("core", "Вертикальный отступ: %1мм"), VL_SAME_TEXT);
static_assert(std::string_view(kTenthsFormat) == QT_TRANSLATE_NOOP("core", "%1,%2 c"), VL_SAME_TEXT);
static_assert(std::string_view(kPressPauseTooLongMessage) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Установка паузы перед нажатием приведет к превышению максимального объема строки "
                                    "ввода."),
              VL_SAME_TEXT);
static_assert(std::string_view(kReleasePauseTooLongMessage) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Установка паузы перед отжатием приведет к превышению максимального объема строки "
                                    "ввода."),
              VL_SAME_TEXT);
static_assert(std::string_view(kTrackEnabledName) == QT_TRANSLATE_NOOP("core", "включение"), VL_SAME_TEXT);
static_assert(std::string_view(kTrackHeaderName) == QT_TRANSLATE_NOOP("core", "заголовок"), VL_SAME_TEXT);
static_assert(std::string_view(kTrackTerminatorName) == QT_TRANSLATE_NOOP("core", "разделитель"), VL_SAME_TEXT);
static_assert(std::string_view(kTrackFlagsName) == QT_TRANSLATE_NOOP("core", "старт-стоп символы и LRC"), VL_SAME_TEXT);
static_assert(std::string_view(kDiffFunctionName) == QT_TRANSLATE_NOOP("core", "функция"), VL_SAME_TEXT);
static_assert(std::string_view(kDiffPressName) == QT_TRANSLATE_NOOP("core", "нажатие"), VL_SAME_TEXT);
static_assert(std::string_view(kDiffReleaseName) == QT_TRANSLATE_NOOP("core", "отпускание"), VL_SAME_TEXT);
static_assert(std::string_view(kDiffAutoRepeatName) == QT_TRANSLATE_NOOP("core", "автоповтор"), VL_SAME_TEXT);
static_assert(std::string_view(kDiffClickName) == QT_TRANSLATE_NOOP("core", "щелчок"), VL_SAME_TEXT);
static_assert(std::string_view(kCellPlacePattern) == QT_TRANSLATE_NOOP("core", "столбец %1, строка %2"), VL_SAME_TEXT);
static_assert(std::string_view(kDeviceKeyPattern) == QT_TRANSLATE_NOOP("core", " (клавиша устройства %1,%2)"), VL_SAME_TEXT);
static_assert(std::string_view(kUnloadedDataPattern) ==
                  QT_TRANSLATE_NOOP("core", "Содержится информация в незагружаемых уровнях (%1)"),
              VL_SAME_TEXT);
static_assert(std::string_view(kUnloadedLinkPattern) == QT_TRANSLATE_NOOP("core", "Ссылка на незагружаемые уровни (%1)"),
              VL_SAME_TEXT);
static_assert(std::string_view(kUnreachableLayerPattern) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Уровень %1 содержит данные, но раскладка не имеет клавиши перехода на этот уровень"),
              VL_SAME_TEXT);
static_assert(std::string_view(kEmptyLayerPattern) ==
                  QT_TRANSLATE_NOOP("core",
                                    "Раскладка содержит переход на уровень %1, но уровень не имеет запрограммированных "
                                    "макросов"),
              VL_SAME_TEXT);
#undef VL_SAME_TEXT

// A message with a file name appended (WithFileName): the message is translated,
// the name kept.
QString CoreText(const std::string& text) {
  const size_t name = text.find(kFileNameLead);
  if (name == std::string::npos) return QCoreApplication::translate("core", text.c_str());
  return QCoreApplication::translate("core", text.substr(0, name).c_str()) + QString::fromStdString(text.substr(name));
}

TextTranslator CoreTranslator() {
  return [](const char* text) { return QCoreApplication::translate("core", text).toStdString(); };
}

}  // namespace vl
