#include "core/document/Undo.h"

#include "core/document/VL2Document.h"

namespace vl {
namespace {

std::string Caption(const char* verb, bool available, const std::string& name) {
  return available ? std::string(verb) + " " + name : std::string(verb);
}

}  // namespace

std::string UndoCaption(const TVL2Document& document) {
  return Caption("&Отменить", document.History.CanUndo(), document.History.UndoName());
}

std::string UndoHint(const TVL2Document& document) {
  return Caption("Отменить", document.History.CanUndo(), document.History.UndoName());
}

std::string RedoCaption(const TVL2Document& document) {
  return Caption("&Повторить", document.History.CanRedo(), document.History.RedoName());
}

std::string RedoHint(const TVL2Document& document) {
  return Caption("Повторить", document.History.CanRedo(), document.History.RedoName());
}

}  // namespace vl
