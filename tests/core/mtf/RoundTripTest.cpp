#include <gtest/gtest.h>

#include <random>

#include "core/mtf/MtfKeyNames.h"
#include "core/mtf/MtfWriter.h"
#include "MtfTestSupport.h"

namespace vl::test {
namespace {

// Key-name commands whose press and release the writer names so that they read
// back unchanged. Left Ctrl/Alt, the keypad keys that share a code with the
// control block, Grey Slash, Grey Enter, Grey * and Pause do not.
const char* const kRoundTripNames[] = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "Q", "W", "E", "R", "T", "Y", "U", "I",
    "O", "P", "A", "S", "D", "F", "G", "H", "J", "K", "L", "Z", "X", "C", "V", "B", "N", "M",
    "TM", "TAB", "CAPS", "SPACEBAR", "RIGHTALT", "RIGHTCONTROL", "ENTER", "BACKSPACE", "ESC",
    "SQBRACKETOPEN", "SQBRACKETCLOSE", "DC", "ST", "SLASH", "CM", "DT", "BACKSLASH", "MINUS",
    "EQUAL", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    "PRINTSCREEN", "SCROLL", "NUM", "INSERT", "DELETE", "HOME", "END", "PAGEUP", "PAGEDOWN",
    "ARROWUP", "ARROWLEFT", "ARROWRIGHT", "ARROWDOWN", "GREYMINUS", "GREY5", "GREYPLUS",
    "LEFTSHIFT", "RIGHTSHIFT"};

std::string Pair(std::string_view name) {
  for (const auto& key : MtfKeyNames()) {
    if (key.Name == name) return key.Press + key.Release;
  }
  ADD_FAILURE() << "no key " << name;
  return {};
}

class LayoutGenerator {
 public:
  explicit LayoutGenerator(unsigned seed) : random_(seed) {}

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  // Key pairs, pauses and Shift held around key pairs, at most 255 bytes.
  std::string Sequence() {
    std::string sequence;
    const int units = Uniform(0, 12);
    for (int i = 0; i < units; ++i) {
      std::string unit;
      switch (Uniform(0, 5)) {
        case 0:
          unit = {'\xFF', static_cast<char>(0x50 + Uniform(0, 15))};
          break;
        case 1: {
          const char shift = Uniform(0, 1) ? '\x12' : '\x59';
          unit = shift + KeyPair() + KeyPair() + '\xF0' + shift;
          break;
        }
        default:
          unit = KeyPair();
      }
      if (sequence.size() + unit.size() > kMaxSequenceLength) break;
      sequence += unit;
    }
    return sequence;
  }

  void Fill(TDocument& document, SettingsStore& settings) {
    settings.Set(Setting::LayerCount, static_cast<uint8_t>(Uniform(0, 3)));
    settings.Set(Setting::Ibd, static_cast<uint8_t>(Uniform(0, 15)));
    settings.Set(Setting::CorrectLock, static_cast<uint8_t>(Uniform(0, 1)));
    settings.Set(Setting::Buffered, static_cast<uint8_t>(Uniform(0, 1)));
    settings.Set(Setting::Layout, static_cast<uint8_t>(Uniform(0, 2)));
    for (int i = Uniform(0, 40); i > 0; --i) {
      auto key = std::make_unique<TMacroButton>();
      key->Func = static_cast<uint8_t>(Uniform(0, 2) ? kFuncMacro : Uniform(1, 10));
      if (key->Func == kFuncMacro) {
        for (auto& layer : key->Layers) {
          if (Uniform(0, 2) == 0) continue;
          layer.Macro[0] = Sequence();
          layer.Macro[1] = Uniform(0, 1) ? Sequence() : "";
          layer.AutoRepeat = static_cast<uint8_t>(Uniform(0, 1));
          const int click = Uniform(0, 6);
          layer.Click = static_cast<uint8_t>(click == 1 ? 0 : click);
        }
      }
      document.SetKey(Uniform(1, kFieldSize), Uniform(1, kFieldSize), std::move(key));
    }
    if (Uniform(0, 1)) {
      const uint8_t flags = static_cast<uint8_t>(Uniform(0, 3));
      for (auto& block : document.CardReader.Layers) {
        block.Macro[0] = Uniform(0, 1) ? Sequence() : "";
        block.Macro[1] = Uniform(0, 1) ? Sequence() : "";
        block.Click = flags;
      }
      if (!document.CardReader.IsEmpty()) document.TrackMask = static_cast<uint8_t>(Uniform(1, 15));
    }
  }

 private:
  std::string KeyPair() {
    constexpr int kCount = sizeof(kRoundTripNames) / sizeof(kRoundTripNames[0]);
    return Pair(kRoundTripNames[Uniform(0, kCount - 1)]);
  }

  std::mt19937 random_;
};

TEST(RoundTripTest, RepresentableLayoutsReadBackUnchanged) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    TDocument original;
    SettingsStore settings;
    LayoutGenerator(seed).Fill(original, settings);
    MtfReaderFixture reader;
    const auto result = reader.Read(MtfText(original, settings));
    ASSERT_TRUE(result.ok) << "seed " << seed << ": " << result.report;
    for (Setting setting : {Setting::LayerCount, Setting::Ibd, Setting::CorrectLock,
                            Setting::Buffered, Setting::Layout}) {
      EXPECT_EQ(reader.settings.Get(setting), settings.Get(setting)) << "seed " << seed;
    }
    EXPECT_EQ(reader.document.TrackMask, original.TrackMask) << "seed " << seed;
    EXPECT_EQ(reader.document.CardReader, original.CardReader) << "seed " << seed;
    for (int column = 1; column <= kFieldSize; ++column) {
      for (int row = 1; row <= kFieldSize; ++row) {
        const TMacroButton* expected = original.GetKey(column, row);
        const TMacroButton* actual = reader.Key(column, row);
        ASSERT_EQ(expected == nullptr, actual == nullptr) << "seed " << seed << " at " << column
                                                          << ":" << row;
        if (expected) {
          ASSERT_EQ(*expected, *actual) << "seed " << seed << " at " << column << ":" << row;
        }
      }
    }
  }
}

TEST(RoundTripTest, WhatTheTextCannotCarry) {
  // Held Ctrl reads back as a tap, left Ctrl as right Ctrl, keypad 7 as Home.
  for (const std::string sequence : {"\x14\x1C\xF0\x1C\xF0\x14", "\x6C\xF0\x6C"}) {
    TDocument document;
    auto key = std::make_unique<TMacroButton>();
    key->Func = kFuncMacro;
    key->Layers[0].Macro[0] = sequence;
    document.SetKey(1, 1, std::move(key));
    MtfReaderFixture reader;
    ASSERT_TRUE(reader.Read(MtfText(document, SettingsStore())).ok);
    EXPECT_NE(reader.Key(1, 1)->Layers[0].Macro[0], sequence);
  }
  // No track enabled cannot be written: the reader enables all four.
  TDocument document;
  document.CardReader.Layers[0].Macro[0] = Pair("A");
  MtfReaderFixture reader;
  ASSERT_TRUE(reader.Read(MtfText(document, SettingsStore())).ok);
  EXPECT_EQ(reader.document.TrackMask, 0x0F);
  EXPECT_EQ(reader.document.CardReader, document.CardReader);
}

}  // namespace
}  // namespace vl::test
