#pragma once
// The commands that set and remove the password a layout file is opened with.
// The user answers through the prompt's password window (UTF-8 texts).

#include <string>

#include "core/common/Prompt.h"
#include "core/common/TranslatableText.h"
#include "core/document/VL2Document.h"

namespace vl {

// The texts the commands show.
inline constexpr const char* kPasswordCaption = VL_TEXT("core", "Пароль");
inline constexpr const char* kRepeatCaption = VL_TEXT("core", "Подтверждение пароля");
inline constexpr const char* kEnterPassword = VL_TEXT("core", "Введите пароль для открытия раскладки");
inline constexpr const char* kRepeatPassword = VL_TEXT("core", "Введите пароль еще раз:");
inline constexpr const char* kForgottenPasswordWarning =
    VL_TEXT("core", "Внимание! Забытый пароль восстановить невозможно. Список паролей рекомендуется хранить в "
    "надежном месте. Следует также помнить, что при вводе пароля учитывается регистр букв.");
inline constexpr const char* kPasswordMismatch = VL_TEXT("core", "При подтверждении введен неверный пароль.");
inline constexpr const char* kNoPassword = VL_TEXT("core", "Пароль не установлен.");
inline constexpr const char* kPasswordRemoved = VL_TEXT("core", "Пароль для чтения удален.");

// Asks for the password ("Введите пароль для открытия раскладки" over "(" +
// window caption + ")"), then for it again under the warning that a forgotten
// password cannot be recovered. Cancel or an empty entry at either step ends the
// command; two entries that differ (letter case counts) give the error "При
// подтверждении введен неверный пароль.". Only matching entries are stored (code
// page 1251) and set Modified; returns whether the password was set. An entry
// longer than 20 characters, or one code page 1251 cannot hold, is refused
// with the same error rather than stored changed.
bool SetPasswordCommand(TVL2Document& document, const std::string& windowCaption,
                        IPrompt& prompt);

// Removes the password with "Пароль для чтения удален."; a layout without one
// gets "Пароль не установлен." and stays unchanged.
void ClearPasswordCommand(TVL2Document& document, IPrompt& prompt);

}  // namespace vl
