#pragma once
// Shared pieces of the editing tests: a scripted prompt, an observer that records
// notifications, key builders and deep snapshots of the key matrix.

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/common/Prompt.h"
#include "core/document/Undo.h"
#include "core/document/VL2Document.h"

namespace vl::testing {

struct AskedQuestion {
  std::string Text;
  std::string Caption;
  MessageButtons Buttons;
  MessageIcon Icon;
};

// Answers questions and password windows from queues; a plain message is answered
// Ok without using the queue. Running out of answers fails the test.
class ScriptedPrompt final : public IPrompt {
 public:
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> passwords;
  std::vector<AskedQuestion> asked;
  std::vector<std::pair<std::string, std::string>> passwordLines;
  std::vector<std::string> passwordCaptions;

  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
             MessageIcon icon) override {
    asked.push_back({text, caption, buttons, icon});
    if (buttons == MessageButtons::Ok) return Answer::Ok;
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return Answer::Cancel;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::optional<std::string> AskPassword(const std::string& firstLine,
                                         const std::string& secondLine) override {
    passwordLines.emplace_back(firstLine, secondLine);
    if (passwords.empty()) {
      ADD_FAILURE() << "unexpected password window: " << firstLine;
      return std::nullopt;
    }
    std::optional<std::string> entry = passwords.front();
    passwords.pop_front();
    return entry;
  }

  std::optional<std::string> AskPasswordTitled(const std::string& caption,
                                               const std::string& firstLine,
                                               const std::string& secondLine) override {
    passwordCaptions.push_back(caption);
    return AskPassword(firstLine, secondLine);
  }
};

struct Notification {
  DocumentNotification Kind;
  int Param1;
  int Param2;
  bool operator==(const Notification&) const = default;
};

class RecordingObserver final : public IDocumentObserver {
 public:
  std::vector<Notification> received;
  void OnDocumentNotification(DocumentNotification kind, int param1, int param2) override {
    received.push_back({kind, param1, param2});
  }
};

// A macro key with the press sequence on the layer.
inline std::unique_ptr<TMacroButton> MacroKey(int layer, const std::string& press) {
  auto key = std::make_unique<TMacroButton>();
  key->Func = kFuncMacro;
  key->Layers[layer].Macro[0] = press;
  return key;
}

// A key with a function other than macro; layer 0 carries a press sequence so a
// whole copy can be told from a fresh record.
inline std::unique_ptr<TMacroButton> SwitchKey(uint8_t func, const std::string& press = "\x16") {
  auto key = std::make_unique<TMacroButton>();
  key->Func = func;
  key->Layers[0].Macro[0] = press;
  return key;
}

// A deep copy of every record of a key matrix with its cell index, in traversal
// order; equal snapshots mean equal keys everywhere.
using KeySnapshot = std::vector<std::pair<size_t, TMacroButton>>;

inline KeySnapshot Snapshot(const FieldMatrix<KeyRef>& keys) {
  KeySnapshot snapshot;
  size_t index = 0;
  for (const KeyRef& key : keys) {
    if (key) snapshot.emplace_back(index, *key);
    ++index;
  }
  return snapshot;
}

// Deep copy of a key matrix, for models that edit their own copy.
inline void CopyKeys(const FieldMatrix<KeyRef>& from, FieldMatrix<KeyRef>& to) {
  auto target = to.begin();
  for (const KeyRef& key : from) {
    *target++ = key ? std::make_unique<TMacroButton>(*key) : nullptr;
  }
}

// A document whose owner records notifications.
struct ObservedDocument {
  TVL2Document document;
  RecordingObserver observer;
  ObservedDocument() { document.SetOwner(&observer); }
};

// The only message box shown so far had these texts, buttons and icon.
inline void ExpectAskedOnce(const ScriptedPrompt& prompt, const std::string& text,
                            const std::string& caption, MessageButtons buttons, MessageIcon icon) {
  ASSERT_EQ(prompt.asked.size(), 1u);
  const AskedQuestion& asked = prompt.asked[0];
  EXPECT_EQ(asked.Text, text);
  EXPECT_EQ(asked.Caption, caption);
  EXPECT_EQ(asked.Buttons, buttons);
  EXPECT_EQ(asked.Icon, icon);
}

// What a declined or cancelled operation must leave as it was: the keys, the
// undo snapshot and its name and Modified; the owner hears nothing more. Taken
// just before the operation.
class UnchangedDocument {
 public:
  explicit UnchangedDocument(const ObservedDocument& observed)
      : observed_(observed),
        keys_(Snapshot(observed.document.Keys)),
        undo_(Snapshot(observed.document.UndoKeys)),
        undoName_(observed.document.UndoName),
        modified_(observed.document.Modified),
        notifications_(observed.observer.received.size()) {}

  void Expect() const {
    EXPECT_EQ(Snapshot(observed_.document.Keys), keys_);
    EXPECT_EQ(Snapshot(observed_.document.UndoKeys), undo_);
    EXPECT_EQ(observed_.document.UndoName, undoName_);
    EXPECT_EQ(observed_.document.Modified, modified_);
    EXPECT_EQ(observed_.observer.received.size(), notifications_);
  }

 private:
  const ObservedDocument& observed_;
  KeySnapshot keys_;
  KeySnapshot undo_;
  std::string undoName_;
  bool modified_;
  size_t notifications_;
};

// A test of operations on an observed document, asking through a scripted prompt.
class EditingTest : public ::testing::Test {
 protected:
  // An earlier undoable step, saved since; returns what an operation that is
  // declined now must keep.
  UnchangedDocument AfterASavedStep() {
    SaveUndo(doc, kUndoClear);
    doc.Modified = false;
    return UnchangedDocument(observed);
  }

  ObservedDocument observed;
  TVL2Document& doc = observed.document;
  ScriptedPrompt prompt;
};

}  // namespace vl::testing
