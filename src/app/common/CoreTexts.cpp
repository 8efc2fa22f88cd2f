#include "app/common/CoreTexts.h"

#include <QCoreApplication>

#include "core/common/FileErrors.h"

namespace vl {

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
