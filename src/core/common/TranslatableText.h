#pragma once
// Marks a Russian text the windows show in their own language. It stays the plain
// literal; lupdate (cmake/Translations.cmake) reads the macro as QT_TRANSLATE_NOOP
// and collects the text under the context given, "core" for every core text (the
// one the application's CoreText translates with).

#define VL_TEXT(context, text) text
