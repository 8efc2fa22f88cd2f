#include "app/common/Cp1251Validator.h"

#include "core/text/Cp1251.h"

namespace vl {

QValidator::State Cp1251Validator::validate(QString& input, int&) const {
  return Utf8ToCp1251(input.toStdString()) ? Acceptable : Invalid;
}

}  // namespace vl
