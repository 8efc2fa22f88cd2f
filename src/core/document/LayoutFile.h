#pragma once
// The layout file (*.vld) and the legacy layout file (*.mkb): reading and writing a
// TVL2Document. File names are UTF-8 paths.

#include <string>
#include <string_view>

#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/common/TranslatableText.h"
#include "core/document/VL2Document.h"
#include "core/settings/SettingsStore.h"

namespace vl {

inline constexpr const char* kLayoutReadError = VL_TEXT("core", "Ошибка чтения раскладки.");
inline constexpr const char* kWrongPasswordError = VL_TEXT("core", "Указан неверный пароль. Не удается открыть раскладку.");
inline constexpr const char* kOldFormatQuestion =
    VL_TEXT("core", "Формат файла соответсвует формату программы Velmorando 1.5. Преобразовать файл в "
    "формат Velmorando 2.0?");
inline constexpr const char* kStatusReadLayout = VL_TEXT("core", "Чтение раскладки из файла");
inline constexpr const char* kStatusSaveKeys = VL_TEXT("core", "Сохранение функций кнопок");
inline constexpr const char* kStatusSaveNotes = VL_TEXT("core", "Сохр. примечаний и закладок");
inline constexpr const char* kStatusSaveGroups = VL_TEXT("core", "Сохр. групп клавиш");

// Writes the document; the layout properties come from the settings. On success
// Modified = false, Named = true, FileName = fileName, and the history marks the
// present state as saved (it keeps its steps). Throws FileWriteError and
// then leaves the file on disk and the document as they were.
void SaveLayout(TVL2Document& document, const std::string& fileName, const SettingsStore& settings,
                IReporter& reporter);

// Fills a freshly created document. Asks for the password and for the conversion
// of a legacy file through the prompt. Throws FileReadError, WrongPasswordError or
// OperationAbandoned; the document must then be discarded.
void LoadLayout(TVL2Document& document, const std::string& fileName, IPrompt& prompt,
                IReporter& reporter);

// LoadLayout over the bytes of a file already read; fileName goes into the
// messages and into the document. Every read is bounded by the bytes given.
void LoadLayoutBytes(TVL2Document& document, std::string_view bytes, const std::string& fileName,
                     IPrompt& prompt, IReporter& reporter);

}  // namespace vl
