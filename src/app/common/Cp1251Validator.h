#pragma once
// Layout texts are code page 1251: a character it cannot hold is refused as it
// is typed rather than stored as a substitute.

#include <QValidator>

namespace vl {

class Cp1251Validator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace vl
