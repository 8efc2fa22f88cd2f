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

}  // namespace vl::testing
