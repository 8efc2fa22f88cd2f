#pragma once
// Shared pieces of the editing tests: an observer that records notifications, key builders and deep snapshots of the key matrix.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ScriptedPrompt.h"
#include "core/common/Prompt.h"
#include "core/document/Undo.h"
#include "core/document/VL2Document.h"

namespace vl::testing {

using test::ScriptedPrompt;

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
  ASSERT_EQ(prompt.shown.size(), 1u);
  const test::ShownMessage& asked = prompt.shown[0];
  EXPECT_EQ(asked.text, text);
  EXPECT_EQ(asked.caption, caption);
  EXPECT_EQ(asked.buttons, buttons);
  EXPECT_EQ(asked.icon, icon);
}

// What a declined or cancelled operation must leave as it was: the keys, the
// history and Modified; the owner hears nothing more. Taken
// just before the operation.
class UnchangedDocument {
 public:
  explicit UnchangedDocument(const ObservedDocument& observed)
      : observed_(observed),
        keys_(Snapshot(observed.document.Keys)),
        steps_(observed.document.History.StepCount()),
        undoName_(observed.document.History.UndoName()),
        modified_(observed.document.Modified),
        notifications_(observed.observer.received.size()) {}

  void Expect() const {
    EXPECT_EQ(Snapshot(observed_.document.Keys), keys_);
    EXPECT_EQ(observed_.document.History.StepCount(), steps_);
    EXPECT_EQ(observed_.document.History.UndoName(), undoName_);
    EXPECT_EQ(observed_.document.Modified, modified_);
    EXPECT_EQ(observed_.observer.received.size(), notifications_);
  }

 private:
  const ObservedDocument& observed_;
  KeySnapshot keys_;
  size_t steps_;
  std::string undoName_;
  bool modified_;
  size_t notifications_;
};

// A test of operations on an observed document, asking through a scripted prompt.
class EditingTest : public ::testing::Test {
 protected:
  // An earlier step (one the key operations do not touch), saved since; returns
  // what an operation that is declined now must keep.
  UnchangedDocument AfterASavedStep() {
    doc.SetPassword("saved");
    doc.History.MarkSaved();
    doc.Modified = false;
    return UnchangedDocument(observed);
  }

  ObservedDocument observed;
  TVL2Document& doc = observed.document;
  ScriptedPrompt prompt;
};

}  // namespace vl::testing
