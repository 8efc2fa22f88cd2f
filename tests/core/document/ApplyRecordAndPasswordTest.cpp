// The key function window's edits written into the selection, and the password
// commands.

#include <gtest/gtest.h>

#include "EditingFixture.h"
#include "core/document/ApplyRecord.h"
#include "core/document/PasswordOps.h"
#include "core/document/Undo.h"

namespace vl {
namespace {

using namespace testing;

class ApplyRecordTest : public EditingTest {
 protected:
  TMacroButton record;
  ChangedFlags changed;
};

// Editing several keys at once changes only the fields the user touched; each
// key keeps its own values elsewhere.
TEST_F(ApplyRecordTest, OnlyFlaggedFieldsAreWritten) {
  auto first = MacroKey(0, "\x1c");
  first->Layers[2].Note = "own";
  doc.SetKey(1, 1, std::move(first));
  doc.SetKey(2, 1, MacroKey(0, "\x32"));
  record.Func = kFuncMacro;
  record.Layers[0].Macro[0] = "ignored";
  record.Layers[0].Macro[1] = "\xf0\x1c";
  record.Layers[2].Note = std::string(55, 'n');
  record.Layers[3].Click = 3;
  changed.set(ChangedFlag(LayerField::Release, 0));
  changed.set(ChangedFlag(LayerField::Note, 2));
  changed.set(ChangedFlag(LayerField::Click, 3));

  ApplyRecord(doc, {1, 1, 3, 1}, record, changed);
  for (int column = 1; column <= 3; ++column) {
    const TMacroButton* key = doc.GetKey(column, 1);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->Func, kFuncMacro);
    EXPECT_EQ(key->Layers[0].Macro[1], "\xf0\x1c");
    EXPECT_EQ(key->Layers[2].Note, std::string(50, 'n'));
    EXPECT_EQ(key->Layers[3].Click, 3);
  }
  EXPECT_EQ(doc.GetKey(1, 1)->Layers[0].Macro[0], "\x1c");
  EXPECT_EQ(doc.GetKey(2, 1)->Layers[0].Macro[0], "\x32");
  EXPECT_EQ(doc.GetKey(3, 1)->Layers[0].Macro[0], "");
  EXPECT_EQ(doc.History.UndoName(), kUndoApplyRecord);
  EXPECT_TRUE(doc.Modified);
}

TEST_F(ApplyRecordTest, KeyFunctionIsSetWhereItDiffers) {
  doc.SetKey(1, 1, SwitchKey(kFuncLayerUp));
  doc.SetKey(2, 1, MacroKey(0, "\x1c"));
  record.Func = kFuncLayerUp;
  changed.set(kChangedFunction);
  ApplyRecord(doc, {1, 1, 2, 1}, record, changed);
  EXPECT_EQ(doc.GetKey(2, 1)->Func, kFuncLayerUp);
  EXPECT_EQ(doc.GetKey(2, 1)->Layers[0].Macro[0], "\x1c");
  EXPECT_TRUE(doc.Modified);

  // The same function again changes nothing, and an empty key given no
  // function is not kept.
  doc.Modified = false;
  ApplyRecord(doc, {1, 1, 1, 1}, record, changed);
  EXPECT_FALSE(doc.Modified);
  record.Func = kFuncNone;
  ApplyRecord(doc, {5, 5, 5, 5}, record, changed);
  EXPECT_EQ(doc.GetKey(5, 5), nullptr);
}

// The window applies on every loss of focus; without an edit the step before
// must stay undoable.
TEST_F(ApplyRecordTest, NothingFlaggedKeepsTheUndoSnapshot) {
  doc.SetKey(1, 1, MacroKey(0, "\x1c"));
  doc.SetPassword("p");
  doc.Modified = false;
  ApplyRecord(doc, {1, 1, 1, 1}, record, changed);
  EXPECT_EQ(doc.History.UndoName(), kUndoPassword);
  EXPECT_FALSE(doc.Modified);
  EXPECT_TRUE(observed.observer.received.empty());
}

class PasswordCommands : public ::testing::Test {
 protected:
  TVL2Document doc;
  ScriptedPrompt prompt;
};

TEST_F(PasswordCommands, MatchingEntriesSetThePassword) {
  prompt.passwords = {"Пароль1", "Пароль1"};
  EXPECT_TRUE(SetPasswordCommand(doc, "Раскладка1", prompt));
  EXPECT_EQ(doc.Password, "\xcf\xe0\xf0\xee\xeb\xfc" "1") << "stored in code page 1251";
  EXPECT_TRUE(doc.Modified);
  ASSERT_EQ(prompt.passwordWindows.size(), 2u);
  EXPECT_EQ(prompt.passwordWindows[0].caption, "Пароль");
  EXPECT_EQ(prompt.passwordWindows[0].secondLine, "(Раскладка1)") << "names the layout";
  EXPECT_EQ(prompt.passwordWindows[1].caption, "Подтверждение пароля");
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(PasswordCommands, EntriesDifferingInCaseAreRefused) {
  prompt.passwords = {"secret", "Secret"};
  EXPECT_FALSE(SetPasswordCommand(doc, "w", prompt));
  testing::ExpectAskedOnce(prompt, "При подтверждении введен неверный пароль.", "Ошибка",
                           MessageButtons::Ok, MessageIcon::Error);
  EXPECT_EQ(doc.Password, "");
  EXPECT_FALSE(doc.Modified);
}

TEST_F(PasswordCommands, CancelOrEmptyEntryEndsTheCommand) {
  prompt.passwords = {std::nullopt};
  EXPECT_FALSE(SetPasswordCommand(doc, "w", prompt));
  prompt.passwords = {"", "unused"};
  EXPECT_FALSE(SetPasswordCommand(doc, "w", prompt));
  EXPECT_EQ(prompt.passwords.size(), 1u) << "no repeat window after an empty entry";
  prompt.passwords = {"a", ""};
  EXPECT_FALSE(SetPasswordCommand(doc, "w", prompt));
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_FALSE(doc.Modified);
}

TEST_F(PasswordCommands, ClearingTellsWhetherThereWasAPassword) {
  ClearPasswordCommand(doc, prompt);
  testing::ExpectAskedOnce(prompt, "Пароль не установлен.", "Информация", MessageButtons::Ok,
                           MessageIcon::Information);
  EXPECT_FALSE(doc.Modified);

  doc.Password = "x";
  ClearPasswordCommand(doc, prompt);
  EXPECT_EQ(prompt.shown.back().text, "Пароль для чтения удален.");
  EXPECT_EQ(prompt.shown.back().icon, MessageIcon::Information);
  EXPECT_EQ(doc.Password, "");
  EXPECT_TRUE(doc.Modified);
}

}  // namespace
}  // namespace vl
