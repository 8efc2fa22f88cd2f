// Export then import: the same layout comes back, except for exactly what the
// export reported it could not carry.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <tuple>

#include "core/mtf/MtfKeyNames.h"
#include "core/mtf/MtfWriter.h"
#include "core/text/ScanCode.h"
#include "MtfTestSupport.h"

namespace vl::test {
namespace {

using LossKey = std::tuple<int, int, int, MtfLossKind, std::string, int, int>;

LossKey KeyOf(const MtfLoss& loss) {
  return {loss.Column, loss.Row, loss.Layer, loss.Kind, loss.Codes, loss.Value, loss.Written};
}

class TempFolder {
 public:
  TempFolder() : path_(std::filesystem::temp_directory_path() / ("vlat-roundtrip-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Exports the document through the file, as the program does, and reads the file
// into reader.
std::vector<MtfLoss> ExportAndImport(const TVL2Document& document, const SettingsStore& settings,
                                     MtfReaderFixture& reader) {
  TempFolder folder;
  NullReporter reporter;
  const auto losses = ExportMtf(document, folder.File("layout.mtf"), settings, reporter);
  std::ifstream in(folder.File("layout.mtf"), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto result = reader.Read(text);
  EXPECT_TRUE(result.ok) << result.report;
  return losses;
}

// A sequence as held, what reads back of it, and what the export must report.
struct Sequence {
  std::string held, readBack;
  std::set<std::pair<MtfLossKind, std::string>> losses;
};

class LayoutGenerator {
 public:
  explicit LayoutGenerator(unsigned seed) : random_(seed) {
    for (int code = 0; code < 256; ++code) {
      const auto byte = static_cast<uint8_t>(code);
      if (byte == kScanExtended || byte == kScanBreak || byte == kScanPausePrefix || byte == kScanWait) continue;
      if (MtfKeyNameOfCode(false, byte) < 0) unnamed_.push_back(std::string(1, static_cast<char>(byte)));
      // E0 7C after an added Shift would make Print Screen.
      if (MtfKeyNameOfCode(true, byte) < 0 && byte != 0x7C) unnamed_.push_back({'\xE0', static_cast<char>(byte)});
    }
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool OneIn(int n) { return Uniform(1, n) == 1; }

  // Units of key names (taps, presses and releases on their own, keys held around
  // taps, repeats), pauses and, when lossy, what has no name; at most 255 bytes.
  Sequence MakeSequence(bool lossy) {
    Sequence sequence;
    for (int units = Uniform(0, 14); units > 0; --units) {
      std::string unit;
      bool carried = true;
      std::pair<MtfLossKind, std::string> loss;
      switch (Uniform(0, lossy ? 8 : 5)) {
        case 0: unit = Tap(); break;
        case 1: unit = Name(false).Press; break;
        case 2: unit = Name(true).Release; break;
        case 3: unit = {'\xFF', static_cast<char>(kWaitBase + Uniform(0, kMaxWait))}; break;
        case 4: {
          static const char* const kHeld[] = {"LEFTSHIFT", "RIGHTSHIFT", "LEFTCONTROL", "RIGHTCONTROL", "LEFTALT", "RIGHTALT"};
          const MtfKeyName& held = Named(kHeld[Uniform(0, 5)]);
          unit = held.Press + Tap() + (OneIn(2) ? Tap() : "") + held.Release;
          break;
        }
        case 5: {
          const std::string tap = Tap();
          for (int i = Uniform(2, 4); i > 0; --i) unit += tap;
          break;
        }
        case 6: case 7: {
          const std::string& code = unnamed_[size_t(Uniform(0, int(unnamed_.size()) - 1))];
          unit = code;
          if (OneIn(2)) unit.insert(unit.size() - 1, 1, '\xF0');
          carried = false;
          loss = {MtfLossKind::UnnamedCode, code};
          break;
        }
        default: {
          int value = Uniform(0, 255 - 16);
          if (value >= kWaitBase) value += 16;
          unit = {'\xFF', static_cast<char>(value)};
          carried = false;
          loss = {MtfLossKind::NoKeyCode, unit};
        }
      }
      if (sequence.held.size() + unit.size() > kMaxSequenceLength) break;
      sequence.held += unit;
      if (carried) {
        sequence.readBack += unit;
      } else {
        sequence.losses.insert(loss);
      }
    }
    // A prefix cut off at the end.
    if (lossy && OneIn(6) && sequence.held.size() < kMaxSequenceLength) {
      static const char kPrefixes[] = {'\xE0', '\xF0', '\xE1', '\xFF'};
      const std::string prefix(1, kPrefixes[Uniform(0, 3)]);
      sequence.held += prefix;
      sequence.losses.insert({MtfLossKind::NoKeyCode, prefix});
    }
    return sequence;
  }

  // Fills the layout, records what it reads back as and what the export reports.
  void Fill(TVL2Document& document, SettingsStore& settings, bool lossy) {
    settings.Set(Setting::LayerCount, static_cast<uint8_t>(Uniform(0, 3)));
    settings.Set(Setting::Ibd, static_cast<uint8_t>(Uniform(0, 15)));
    settings.Set(Setting::CorrectLock, static_cast<uint8_t>(Uniform(0, 1)));
    settings.Set(Setting::Buffered, static_cast<uint8_t>(Uniform(0, 1)));
    settings.Set(Setting::Layout, static_cast<uint8_t>(Uniform(0, 2)));
    for (int i = Uniform(0, 30); i > 0; --i) {
      const int column = Uniform(1, kFieldSize);
      const int row = Uniform(1, kFieldSize);
      std::set<LossKey> losses;
      auto key = std::make_unique<TMacroButton>();
      std::optional<TMacroButton> readBack = TMacroButton{};
      const int kind = Uniform(0, 9);
      key->Func = static_cast<uint8_t>(kind < 6 ? kFuncMacro : kind < 9 ? Uniform(1, 10) : kFuncNone);
      if (key->Func == kFuncNone && !lossy) key->Func = kFuncMacro;
      readBack->Func = key->Func;
      for (int layer = 0; layer < kLayerCount; ++layer) {
        if (OneIn(3)) continue;
        TMacros& held = key->Layers[size_t(layer)];
        TMacros& back = readBack->Layers[size_t(layer)];
        std::set<std::pair<MtfLossKind, std::string>> sequenceLosses;
        for (int side = 0; side < 2; ++side) {
          if (side == 1 && OneIn(2)) continue;
          Sequence sequence = MakeSequence(lossy);
          held.Macro[size_t(side)] = sequence.held;
          back.Macro[size_t(side)] = sequence.readBack;
          sequenceLosses.insert(sequence.losses.begin(), sequence.losses.end());
        }
        for (const auto& [lossKind, codes] : sequenceLosses) losses.insert({column, row, layer, lossKind, codes, 0, 0});
        held.AutoRepeat = back.AutoRepeat = static_cast<uint8_t>(Uniform(0, 1));
        held.Click = back.Click = static_cast<uint8_t>(Uniform(0, kMaxClick));
        if (lossy && OneIn(4)) {
          held.AutoRepeat = static_cast<uint8_t>(Uniform(2, 255));
          back.AutoRepeat = held.AutoRepeat & 1;
          losses.insert({column, row, layer, MtfLossKind::AutoRepeat, "", held.AutoRepeat, back.AutoRepeat});
        }
        if (lossy && OneIn(4)) {
          held.Click = static_cast<uint8_t>(Uniform(kMaxClick + 1, 255));
          back.Click = 0;
          losses.insert({column, row, layer, MtfLossKind::Click, "", held.Click, 0});
        }
        if (lossy && OneIn(4)) {
          held.Note = "\xEC\xE5\xF2\xEA\xE0";  // "метка"
          losses.insert({column, row, layer, MtfLossKind::LayerNote, "", 0, 0});
        }
      }
      if (key->Func != kFuncMacro) {
        // A layer-switching key is written as its function alone; a key without
        // one not at all.
        std::set<LossKey> switchLosses;
        for (int layer = 0; layer < kLayerCount; ++layer) {
          if (key->Layers[size_t(layer)].IsEmpty()) continue;
          if (!lossy) key->Layers[size_t(layer)] = TMacros{};
          else switchLosses.insert({column, row, layer, MtfLossKind::SwitchKeyContent, "", 0, 0});
        }
        losses = switchLosses;
        readBack = TMacroButton{};
        readBack->Func = key->Func;
        if (key->Func == kFuncNone) {
          readBack.reset();
          losses = {{column, row, kMtfWholeKey, MtfLossKind::NoFunction, "", 0, 0}};
          if (key->IsEmpty()) losses.clear();
        }
      }
      document.SetKey(column, row, std::move(key));
      keys_[{column, row}] = {readBack, losses};
    }
    if (lossy) AddNotesAndGroups(document);
    if (OneIn(2)) FillCardReader(document, lossy);
  }

  // What the export must report, and the layout read back must equal.
  std::set<LossKey> Losses() const {
    std::set<LossKey> all = otherLosses_;
    for (const auto& [cell, key] : keys_) all.insert(key.second.begin(), key.second.end());
    return all;
  }
  const TMacroButton* ReadBack(int column, int row) const {
    const auto it = keys_.find({column, row});
    return it == keys_.end() || !it->second.first ? nullptr : &*it->second.first;
  }
  TMacroButton cardReadBack;
  uint8_t trackMaskReadBack = 0;

 private:
  const MtfKeyName& Name(bool withRelease) {
    for (;;) {
      const MtfKeyName& key = MtfKeyNames()[size_t(Uniform(0, kMtfKeyNameCount - 1))];
      if (!withRelease || !key.Release.empty()) return key;
    }
  }
  static const MtfKeyName& Named(std::string_view name) {
    for (const auto& key : MtfKeyNames()) {
      if (key.Name == name) return key;
    }
    throw std::logic_error("no key name");
  }
  std::string Tap() {
    const MtfKeyName& key = Name(false);
    return key.Press + key.Release;
  }

  void AddNotesAndGroups(TVL2Document& document) {
    for (int i = Uniform(0, 3); i > 0; --i) {
      const int column = Uniform(1, kFieldSize);
      const int row = Uniform(1, kFieldSize);
      if (document.GetNote(column, row)) continue;
      TKeyNote note{OneIn(2) ? "note" : "", OneIn(2) ? "mark" : "x"};
      if (!note.KeyNote.empty()) otherLosses_.insert({column, row, kMtfWholeKey, MtfLossKind::KeyNote, "", 0, 0});
      otherLosses_.insert({column, row, kMtfWholeKey, MtfLossKind::Bookmark, "", 0, 0});
      document.Notes(column, row) = std::make_unique<TKeyNote>(note);
    }
    if (OneIn(2)) {
      const int column = Uniform(1, 100);
      const int row = Uniform(1, 100);
      document.MakeGroup({column, row, column + Uniform(0, 1), row + Uniform(0, 1)});
      otherLosses_.insert({column, row, kMtfWholeKey, MtfLossKind::Group, "", 0, 0});
    }
  }

  void FillCardReader(TVL2Document& document, bool lossy) {
    const auto flags = static_cast<uint8_t>(Uniform(0, 3));
    for (int track = 1; track <= 4; ++track) {
      TMacros& block = document.CardReader.Layers[size_t(track - 1)];
      TMacros& back = cardReadBack.Layers[size_t(track - 1)];
      std::set<std::pair<MtfLossKind, std::string>> sequenceLosses;
      for (int side = 0; side < 2; ++side) {
        if (OneIn(2)) continue;
        Sequence sequence = MakeSequence(lossy);
        block.Macro[size_t(side)] = sequence.held;
        back.Macro[size_t(side)] = sequence.readBack;
        sequenceLosses.insert(sequence.losses.begin(), sequence.losses.end());
      }
      for (const auto& [kind, codes] : sequenceLosses) otherLosses_.insert({0, 0, track, kind, codes, 0, 0});
      block.Click = back.Click = flags;
      if (lossy && track > 1 && OneIn(4)) {
        block.Click = static_cast<uint8_t>(flags ^ Uniform(1, 3));
        otherLosses_.insert({0, 0, track, MtfLossKind::OutputFlags, "", block.Click, flags});
      }
    }
    trackMaskReadBack = document.TrackMask = static_cast<uint8_t>(Uniform(lossy ? 0 : 1, 15));
    if (document.TrackMask == 0) {
      if (!document.CardReader.IsEmpty()) {
        trackMaskReadBack = 0x0F;
        otherLosses_.insert({0, 0, kMtfWholeKey, MtfLossKind::NoTrack, "", 0, 0});
      } else {
        cardReadBack = TMacroButton{};  // not written at all
      }
    }
    // The reader never sets the output flags of a reader it did not read.
    if (document.CardReader.IsEmpty() && document.TrackMask == 0) cardReadBack = TMacroButton{};
  }

  std::mt19937 random_;
  std::vector<std::string> unnamed_;
  std::map<std::pair<int, int>, std::pair<std::optional<TMacroButton>, std::set<LossKey>>> keys_;
  std::set<LossKey> otherLosses_;
};

void ExpectReadBack(const LayoutGenerator& generator, const TVL2Document& original, const SettingsStore& settings,
                    const MtfReaderFixture& reader, unsigned seed) {
  for (Setting setting : {Setting::LayerCount, Setting::Ibd, Setting::CorrectLock, Setting::Buffered, Setting::Layout}) {
    EXPECT_EQ(reader.settings.Get(setting), settings.Get(setting)) << "seed " << seed;
  }
  EXPECT_EQ(reader.document.TrackMask, generator.trackMaskReadBack) << "seed " << seed;
  EXPECT_EQ(reader.document.CardReader, generator.cardReadBack) << "seed " << seed;
  for (int column = 1; column <= kFieldSize; ++column) {
    for (int row = 1; row <= kFieldSize; ++row) {
      const TMacroButton* expected = original.GetKey(column, row) ? generator.ReadBack(column, row) : nullptr;
      const TMacroButton* actual = reader.Key(column, row);
      ASSERT_EQ(expected == nullptr, actual == nullptr) << "seed " << seed << " at " << column << ":" << row;
      if (expected) {
        ASSERT_EQ(*expected, *actual) << "seed " << seed << " at " << column << ":" << row;
      }
    }
  }
}

TEST(RoundTripTest, EveryKeyNameReadsBackAsItselfTappedPressedAndReleased) {
  TVL2Document document;
  for (int i = 0; i < kMtfKeyNameCount; ++i) {
    const MtfKeyName& name = MtfKeyNames()[size_t(i)];
    auto key = std::make_unique<TMacroButton>();
    key->Func = kFuncMacro;
    key->Layers[0].Macro[0] = name.Press + name.Release;
    key->Layers[1].Macro[0] = name.Press;
    key->Layers[1].Macro[1] = name.Release;
    key->Layers[2].Macro[0] = name.Release + name.Press;
    key->Layers[3].Macro[0] = name.Press + name.Press + name.Release + name.Release;
    document.SetKey(i + 1, 1, std::move(key));
  }
  MtfReaderFixture reader;
  EXPECT_EQ(ExportAndImport(document, SettingsStore(), reader), std::vector<MtfLoss>{});
  for (int i = 0; i < kMtfKeyNameCount; ++i) {
    ASSERT_NE(reader.Key(i + 1, 1), nullptr);
    EXPECT_EQ(*reader.Key(i + 1, 1), *document.GetKey(i + 1, 1)) << MtfKeyNames()[size_t(i)].Name;
  }
}

TEST(RoundTripTest, LayoutsOfNamedKeysReadBackUnchangedWithNothingReported) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    TVL2Document original;
    SettingsStore settings;
    LayoutGenerator generator(seed);
    generator.Fill(original, settings, false);
    MtfReaderFixture reader;
    EXPECT_EQ(ExportAndImport(original, settings, reader), std::vector<MtfLoss>{}) << "seed " << seed;
    ExpectReadBack(generator, original, settings, reader, seed);
  }
}

TEST(RoundTripTest, WhatIsNotCarriedIsExactlyWhatIsReported) {
  for (unsigned seed = 100; seed < 160; ++seed) {
    TVL2Document original;
    SettingsStore settings;
    LayoutGenerator generator(seed);
    generator.Fill(original, settings, true);
    MtfReaderFixture reader;
    const auto losses = ExportAndImport(original, settings, reader);
    std::set<LossKey> reported;
    for (const MtfLoss& loss : losses) EXPECT_TRUE(reported.insert(KeyOf(loss)).second) << "told twice, seed " << seed;
    EXPECT_TRUE(std::is_sorted(losses.begin(), losses.end(), [](const MtfLoss& a, const MtfLoss& b) {
      return std::pair(a.Column, a.Row) < std::pair(b.Column, b.Row);
    })) << "seed " << seed;
    EXPECT_EQ(reported, generator.Losses()) << "seed " << seed;
    ExpectReadBack(generator, original, settings, reader, seed);
  }
}

}  // namespace
}  // namespace vl::test
