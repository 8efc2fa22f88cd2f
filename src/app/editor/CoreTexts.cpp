#include "app/editor/CoreTexts.h"

#include <QCoreApplication>
#include <string_view>

#include "core/common/Prompt.h"
#include "core/device/Clear.h"
#include "core/device/Detect.h"
#include "core/device/DeviceInfoQuery.h"
#include "core/device/DeviceSession.h"
#include "core/device/Download.h"
#include "core/device/Interval.h"
#include "core/device/OperationDriver.h"
#include "core/device/Upload.h"
#include "core/document/PasswordOps.h"
#include "core/input/CaptureLine.h"
#include "core/formats/LayoutFormats.h"

namespace vl {

// Each line marks a core constant for lupdate and fails the build when the core's
// text no longer matches the one translated.
#define VL_SAME_TEXT "a core text changed: update it here and in translations/*.ts"
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
#undef VL_SAME_TEXT

QString CoreText(const std::string& text) { return QCoreApplication::translate("core", text.c_str()); }

}  // namespace vl
