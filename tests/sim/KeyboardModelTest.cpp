// The simulated keyboard running a layout that the image builder wrote into its
// memory, watched on the virtual clock through what the host receives.

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/device/Crc8.h"
#include "core/device/DeviceHeader.h"
#include "core/device/DeviceImage.h"
#include "core/input/InputWindowModel.h"
#include "sim/CardSwipe.h"
#include "sim/KeyCommands.h"
#include "sim/SimulatedPort.h"

namespace vl {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

// Set 2 -> set 1 from the standard scan-code tables (not the one the program uses).
const std::map<uint8_t, uint8_t> kStandardSet2ToSet1 = {
    {0x1C, 0x1E}, {0x32, 0x30}, {0x21, 0x2E}, {0x23, 0x20}, {0x24, 0x12}, {0x2B, 0x21}, {0x34, 0x22},
    {0x33, 0x23}, {0x43, 0x17}, {0x3B, 0x24}, {0x42, 0x25}, {0x4B, 0x26}, {0x3A, 0x32}, {0x31, 0x31},
    {0x44, 0x18}, {0x4D, 0x19}, {0x15, 0x10}, {0x2D, 0x13}, {0x1B, 0x1F}, {0x2C, 0x14}, {0x3C, 0x16},
    {0x2A, 0x2F}, {0x1D, 0x11}, {0x22, 0x2D}, {0x35, 0x15}, {0x1A, 0x2C}, {0x16, 0x02}, {0x1E, 0x03},
    {0x26, 0x04}, {0x25, 0x05}, {0x2E, 0x06}, {0x36, 0x07}, {0x3D, 0x08}, {0x3E, 0x09}, {0x46, 0x0A},
    {0x45, 0x0B}, {0x5A, 0x1C}, {0x76, 0x01}, {0x66, 0x0E}, {0x0D, 0x0F}, {0x29, 0x39}, {0x12, 0x2A},
    {0x59, 0x36}, {0x14, 0x1D}, {0x11, 0x38}, {0x58, 0x3A}, {0x05, 0x3B}, {0x06, 0x3C}, {0x03, 0x3F},
    {0x83, 0x41}, {0x09, 0x44}, {0x78, 0x57}, {0x07, 0x58}, {0x77, 0x45}, {0x7E, 0x46}, {0x54, 0x1A},
    {0x5B, 0x1B}, {0x4C, 0x27}, {0x52, 0x28}, {0x0E, 0x29}, {0x5D, 0x2B}, {0x41, 0x33}, {0x49, 0x34},
    {0x4A, 0x35}, {0x4E, 0x0C}, {0x55, 0x0D}, {0x7C, 0x37}, {0x7B, 0x4A}, {0x79, 0x4E}, {0x6C, 0x47},
    {0x75, 0x48}, {0x7D, 0x49}, {0x6B, 0x4B}, {0x74, 0x4D}, {0x69, 0x4F}, {0x72, 0x50}, {0x7A, 0x51},
    {0x70, 0x52}, {0x71, 0x53},
};
// Keys that also exist with the E0 prefix (arrows, editing block, right Ctrl and Alt).
const Bytes kExtendable = {0x75, 0x6B, 0x74, 0x72, 0x70, 0x71, 0x6C, 0x69, 0x7D, 0x7A, 0x14, 0x11, 0x4A, 0x5A};

// What the controller hands the host with translation on; pause elements send nothing.
Bytes Translated(const std::string& sequence) {
  Bytes host;
  bool isBreak = false;
  for (size_t i = 0; i < sequence.size(); ++i) {
    const auto b = static_cast<uint8_t>(sequence[i]);
    if (b == 0xFF) {
      ++i;
    } else if (b == 0xE0 || b == 0xE1) {
      host.push_back(b);
    } else if (b == 0xF0) {
      isBreak = true;
    } else {
      host.push_back(static_cast<uint8_t>(kStandardSet2ToSet1.at(b) | (isBreak ? 0x80 : 0)));
      isBreak = false;
    }
  }
  return host;
}

Bytes Raw(const std::string& sequence) {
  Bytes host;
  for (size_t i = 0; i < sequence.size(); ++i) {
    if (static_cast<uint8_t>(sequence[i]) == 0xFF)
      ++i;
    else
      host.push_back(static_cast<uint8_t>(sequence[i]));
  }
  return host;
}

class Collector final : public IByteReceiver {
 public:
  void OnKeyboardByte(uint8_t byte) override { bytes.push_back(byte); }
  Bytes bytes;
};

// A width x height keyboard on the virtual clock whose forwarded bytes are collected.
struct Rig {
  explicit Rig(int width, int height, bool raw = false)
      : sim(clock, sim::SimConfig{.memorySize = 8192, .keyColumns = width, .keyRows = height, .rawSet2 = raw}),
        width(width), height(height) {
    sim.Forward(&received);
  }

  // Builds the document's image for this keyboard and programs it, header included.
  // Returns the image's size.
  size_t Program(const TVL2Document& document, int layers, uint8_t intervalCode = 0) {
    SettingsStore settings;
    settings.Set(Setting::LayerCount, static_cast<uint8_t>(layers - 1));
    const auto image = BuildDeviceImage(document, settings, ImageDevice{0x1234, width, height, true, 1, 7},
                                        TRect{1, 1, width, height}, [](int x, int y) { return GridOffset{x, y}; });
    EXPECT_TRUE(image);
    if (!image) return 0;
    std::copy(image->begin(), image->end(), sim.Memory().begin());
    WriteHeader(static_cast<uint16_t>(image->size()), intervalCode);
    return image->size();
  }
  void WriteHeader(uint16_t dataSize, uint8_t intervalCode = 0) {
    const auto header = PackHeader(DeviceHeader{.DataSize = dataSize, .ScanInterval = intervalCode}, true);
    std::copy(header.begin(), header.end(), sim.Memory().begin() + sim.HeaderAddress());
  }

  // Everything received once every byte due has left.
  Bytes Drain() {
    clock.Pause(10s);
    sim.TakeByte();
    Bytes bytes;
    bytes.swap(received.bytes);
    return bytes;
  }
  Bytes Tap(int x, int y) {
    sim.PressKey(x, y);
    sim.ReleaseKey(x, y);
    return Drain();
  }
  // When each key byte left, relative to start.
  std::vector<std::chrono::milliseconds> Times(Clock::Duration start) const {
    std::vector<std::chrono::milliseconds> times;
    for (const auto& entry : sim.Transcript())
      if (!entry.fromHost) times.push_back(std::chrono::duration_cast<std::chrono::milliseconds>(entry.time - start));
    return times;
  }

  VirtualClock clock;
  sim::SimulatedPort sim;
  Collector received;
  int width;
  int height;
};

TMacroButton& Key(TVL2Document& document, int x, int y, uint8_t func = kFuncMacro) {
  auto& ref = document.Keys(x + 1, y + 1);
  ref = std::make_unique<TMacroButton>();
  ref->Func = func;
  return *ref;
}

// A random press sequence of one to three keys (some extended, some pauses) and its release.
std::pair<std::string, std::string> RandomKeys(std::mt19937& random) {
  std::vector<uint8_t> codes;
  for (const auto& [set2, set1] : kStandardSet2ToSet1) codes.push_back(set2);
  std::string press, release;
  const int count = std::uniform_int_distribution<int>(1, 3)(random);
  for (int i = 0; i < count; ++i) {
    const bool extended = random() % 4 == 0;
    const uint8_t code = extended ? kExtendable[random() % kExtendable.size()] : codes[random() % codes.size()];
    const std::string prefix = extended ? "\xE0" : "";
    press += prefix + static_cast<char>(code);
    if (random() % 5 == 0) press += std::string("\xFF") + static_cast<char>(80 + random() % 3);
    release = prefix + "\xF0" + static_cast<char>(code) + release;
  }
  return {press, release};
}

TEST(KeyboardModel, EveryKeyOfARandomLayoutSendsItsSequencesOnEveryLayer) {
  for (const bool raw : {false, true}) {
    SCOPED_TRACE(raw ? "raw set 2" : "set 1");
    std::mt19937 random(raw ? 7 : 11);
    constexpr int kWidth = 6, kHeight = 5, kLayers = 4;
    Rig rig(kWidth, kHeight, raw);
    TVL2Document document;
    // Column 0 rows 0..3 go to layers 0..3; every other key has random sequences.
    for (int l = 0; l < kLayers; ++l) Key(document, 0, l, static_cast<uint8_t>(kFuncGoToLayer0 + l));
    for (int x = 0; x < kWidth; ++x)
      for (int y = x == 0 ? kLayers : 0; y < kHeight; ++y) {
        auto& key = Key(document, x, y);
        for (auto& layer : key.Layers) {
          std::tie(layer.Macro[0], layer.Macro[1]) = RandomKeys(random);
          layer.Click = static_cast<uint8_t>(random() % 3);
        }
      }
    rig.Program(document, kLayers, static_cast<uint8_t>(random() % 16));

    for (int l = kLayers - 1; l >= 0; --l) {
      EXPECT_TRUE(rig.Tap(0, l).empty());
      ASSERT_EQ(rig.sim.Keys().Layer(), l);
      for (int x = 0; x < kWidth; ++x)
        for (int y = x == 0 ? kLayers : 0; y < kHeight; ++y) {
          const auto& layer = document.Keys(x + 1, y + 1)->Layers[l];
          rig.sim.PressKey(x, y);
          EXPECT_EQ(rig.Drain(), raw ? Raw(layer.Macro[0]) : Translated(layer.Macro[0])) << x << ',' << y;
          rig.sim.ReleaseKey(x, y);
          EXPECT_EQ(rig.Drain(), raw ? Raw(layer.Macro[1]) : Translated(layer.Macro[1])) << x << ',' << y;
        }
    }
  }
}

TEST(KeyboardModel, PausesAndTheScanIntervalOnTheClock) {
  Rig rig(2, 2);
  TVL2Document document;
  Key(document, 0, 0).Layers[0].Macro = {"\x1C\xFF\x55\x32", "\xF0\x1C\xF0\x32"};
  Key(document, 1, 1).Layers[0].Macro[0] = "\xE1\x14\x77\xE1\xF0\x14\xF0\x77";
  rig.Program(document, 1, 4);  // (4 + 1) x 1.6 ms = 8 ms; FF 55 is half a second
  rig.clock.Pause(1s);
  const auto start = rig.clock.Now();
  rig.sim.PressKey(0, 0);
  rig.clock.Pause(2s);
  rig.sim.ReleaseKey(0, 0);
  EXPECT_EQ(rig.Drain(), (Bytes{0x1E, 0x30, 0x9E, 0xB0}));
  // The break prefix takes its own interval on the wire; the host gets one byte.
  using std::chrono::milliseconds;
  EXPECT_EQ(rig.Times(start), (std::vector<milliseconds>{0ms, 508ms, 2008ms, 2024ms}));
  EXPECT_EQ(rig.Tap(1, 1), (Bytes{0xE1, 0x1D, 0x45, 0xE1, 0x9D, 0xC5}));
}

TEST(KeyboardModel, LayerSwitchesStayWithinTheLayoutAndTemporaryOnesReturn) {
  Rig rig(3, 3);
  TVL2Document document;
  Key(document, 0, 0, kFuncLayerUp);
  Key(document, 0, 1, kFuncLayerDown);
  Key(document, 0, 2, kFuncShiftToLayer0 + 2);
  Key(document, 1, 0, kFuncGoToLayer0 + 1);
  Key(document, 1, 1, kFuncGoToLayer0 + 3);  // beyond the three downloaded layers
  auto& letter = Key(document, 2, 2);
  letter.Layers[0].Macro = {"\x12", "\xF0\x12"};  // left Shift on layer 0
  letter.Layers[1].Macro = {"\x32", "\xF0\x32"};
  letter.Layers[2].Macro = {"\x21", "\xF0\x21"};
  rig.Program(document, 3);
  const auto& keys = rig.sim.Keys();

  EXPECT_TRUE(rig.Tap(0, 1).empty());
  EXPECT_EQ(keys.Layer(), 0);
  for (int i = 0; i < 3; ++i) rig.Tap(0, 0);
  EXPECT_EQ(keys.Layer(), 2);
  rig.Tap(1, 0);
  EXPECT_EQ(keys.Layer(), 1);
  rig.Tap(1, 1);
  EXPECT_EQ(keys.Layer(), 1);

  // Held temporary switch: layer 2 while held, back to 1 on release.
  rig.sim.PressKey(0, 2);
  EXPECT_EQ(keys.Layer(), 2);
  EXPECT_EQ(rig.Tap(2, 2), (Bytes{0x2E, 0xAE}));
  rig.sim.ReleaseKey(0, 2);
  EXPECT_EQ(keys.Layer(), 1);
  EXPECT_TRUE(rig.Drain().empty());

  // A key held across a switch releases what its own press sent.
  rig.Tap(0, 1);
  rig.sim.PressKey(2, 2);
  rig.sim.PressKey(0, 2);
  rig.sim.ReleaseKey(2, 2);
  rig.sim.ReleaseKey(0, 2);
  EXPECT_EQ(rig.Drain(), (Bytes{0x2A, 0xAA}));

  // The keyboard's reset returns to layer 0.
  rig.Tap(0, 0);
  rig.sim.SendByte(0xFF);
  EXPECT_EQ(keys.Layer(), 0);
}

TEST(KeyboardModel, AutorepeatAfterHalfASecondThenEveryTenthAndClicksAreRecorded) {
  Rig rig(2, 1);
  TVL2Document document;
  auto& repeating = Key(document, 0, 0);
  repeating.Layers[0] = {{"\x1C", "\xF0\x1C"}, 1, 3, ""};
  Key(document, 1, 0).Layers[0].Macro = {"\x32", "\xF0\x32"};
  rig.Program(document, 1);
  const auto start = rig.clock.Now();
  rig.sim.PressKey(0, 0);
  rig.clock.Pause(750ms);
  rig.sim.ReleaseKey(0, 0);
  rig.clock.Pause(1s);
  rig.sim.PressKey(1, 0);
  rig.clock.Pause(1s);
  rig.sim.ReleaseKey(1, 0);
  EXPECT_EQ(rig.Drain(), (Bytes{0x1E, 0x1E, 0x1E, 0x1E, 0x9E, 0x30, 0xB0}));
  using std::chrono::milliseconds;
  const auto times = rig.Times(start);
  ASSERT_EQ(times.size(), 7u);
  EXPECT_EQ(std::vector<milliseconds>(times.begin(), times.begin() + 4),
            (std::vector<milliseconds>{0ms, 500ms, 600ms, 700ms}));
  EXPECT_EQ(rig.sim.Keys().Clicks(), (std::vector<sim::ClickEvent>{{start, 3}}));
}

TEST(KeyboardModel, EmptyOrDamagedMemoryKeepsEveryKeySilent) {
  TVL2Document document;
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 4; ++y) Key(document, x, y).Layers[0].Macro = {"\x1C", "\xF0\x1C"};
  const auto pressEverything = [](Rig& rig) {
    Bytes all;
    for (int x = 0; x < 4; ++x)
      for (int y = 0; y < 4; ++y) {
        const auto bytes = rig.Tap(x, y);
        all.insert(all.end(), bytes.begin(), bytes.end());
      }
    return all;
  };
  {
    Rig erased(4, 4);  // a new keyboard: all 0xFF
    EXPECT_TRUE(pressEverything(erased).empty());
  }
  Rig rig(4, 4);
  const size_t size = rig.Program(document, 1);
  ASSERT_EQ(pressEverything(rig).size(), 32u);
  auto& memory = rig.sim.Memory();

  rig.WriteHeader(0);
  EXPECT_TRUE(pressEverything(rig).empty()) << "DataSize 0";
  rig.WriteHeader(static_cast<uint16_t>(rig.sim.HeaderAddress() + 1));
  EXPECT_TRUE(pressEverything(rig).empty()) << "DataSize into the header";
  rig.WriteHeader(static_cast<uint16_t>(size));
  memory[size - 2] ^= 1;
  EXPECT_TRUE(pressEverything(rig).empty()) << "CRC-8";
  memory[size - 2] ^= 1;
  // Key 5's layer record beyond the image, with a CRC-8 that matches.
  memory[4 + 2 * 5] = 0xF0;
  memory[4 + 2 * 5 + 1] = 0x1F;
  memory[size - 1] = Crc8(std::span<const uint8_t>(memory.data(), size - 1));
  EXPECT_TRUE(pressEverything(rig).empty()) << "offset outside the image";
  EXPECT_FALSE(rig.sim.PressKey(4, 0));
  EXPECT_FALSE(rig.sim.ReleaseKey(0, -1));
}

TEST(KeyboardModel, CardTracksTypeBetweenHeaderAndTerminatorWhenEnabled) {
  Rig rig(1, 1);
  TVL2Document document;
  document.CardReader.Layers[0] = {{"\x76", "\x5A"}, 0, kCardOutputStartStop | kCardOutputLrc, ""};
  document.CardReader.Layers[1] = {{"", "\x5A"}, 0, 0, ""};
  document.TrackMask = 0b0011;
  rig.Program(document, 1);
  // Track 1: Esc, '%' 'A' '?' and the LRC '[' ('%' ^ 'A' ^ '?' in six bits), Enter.
  rig.sim.SwipeCard(1, "A");
  EXPECT_EQ(rig.Drain(), (Bytes{0x01, 0x2A, 0x06, 0x86, 0xAA, 0x2A, 0x1E, 0x9E, 0xAA, 0x2A, 0x35, 0xB5, 0xAA,
                                0x1A, 0x9A, 0x1C}));
  // Track 2 without symbols: the characters (those without a key left out), Enter.
  rig.sim.SwipeCard(2, "1a\x01");
  EXPECT_EQ(rig.Drain(), (Bytes{0x02, 0x82, 0x1E, 0x9E, 0x1C}));
  rig.sim.SwipeCard(3, "1");
  EXPECT_TRUE(rig.Drain().empty());
  EXPECT_FALSE(rig.sim.SwipeCard(5, "1"));
  EXPECT_EQ(sim::LrcCharacter(2, ";12?"), '7');
}

// The card-reader window's switches reach every track's block, so a keyboard
// programmed from it sends track 2 with its symbols and LRC as the window shows.
TEST(KeyboardModel, TheCardWindowsSwitchesReachTrack2) {
  Rig rig(1, 1);
  TVL2Document document;
  document.CardReader.Layers[1] = {{"", "\x5A"}, 0, 0, ""};
  document.TrackMask = 0b0010;
  CardReaderModel window;
  window.Load(document);
  window.SetStartStop(true);
  window.SetLrc(true);
  window.ApplyTo(document);
  for (const TMacros& track : document.CardReader.Layers)
    EXPECT_EQ(track.Click, kCardOutputStartStop | kCardOutputLrc);
  rig.Program(document, 1);
  // ';' '1' '?' and the LRC '5' (0xB ^ 0x1 ^ 0xF), Enter.
  rig.sim.SwipeCard(2, "1");
  EXPECT_EQ(rig.Drain(), (Bytes{0x27, 0xA7, 0x02, 0x82, 0x2A, 0x35, 0xB5, 0xAA, 0x06, 0x86, 0x1C}));
}

TEST(KeyCommands, TapAndWaitAnswerWhenTheirTimeHasPassedAndBadLinesAreRefused) {
  Rig rig(2, 1);
  TVL2Document document;
  Key(document, 0, 0).Layers[0].Macro = {"\x1C", "\xF0\x1C"};
  Key(document, 1, 0, kFuncGoToLayer0 + 1);
  rig.Program(document, 2);
  sim::KeyCommands commands(rig.sim, rig.clock);

  EXPECT_EQ(commands.Run("tap 0 0"), std::nullopt);
  EXPECT_EQ(commands.Run("layer"), "error: busy");
  rig.clock.Pause(49ms);
  EXPECT_EQ(commands.Poll(), std::nullopt);
  rig.clock.Pause(1ms);
  EXPECT_EQ(commands.Poll(), "ok");
  EXPECT_EQ(rig.Drain(), (Bytes{0x1E, 0x9E}));
  // Released 50 ms after the press; its F0 takes one 1.6 ms interval before 9E arrives.
  const auto times = rig.Times(Clock::Duration{0});
  EXPECT_EQ(times[1] - times[0], 51ms);

  EXPECT_EQ(commands.Run("wait 300"), std::nullopt);
  rig.clock.Pause(300ms);
  EXPECT_EQ(commands.Poll(), "ok");

  EXPECT_EQ(commands.Run("press 1 0"), "ok");
  EXPECT_EQ(commands.Run("release 1 0"), "ok");
  EXPECT_EQ(commands.Run("layer"), "1");
  EXPECT_EQ(commands.Run("swipe 1 a b"), "ok");
  for (const char* bad : {"press 1", "press 1 0 2", "press x 0", "release 0 1e", "wait -5", "wait", "swipe 1",
                          "swipe x y", "layer 2"})
    EXPECT_EQ(commands.Run(bad).value_or("").rfind("error: ", 0), 0u) << bad;
  // Positions count from 0 where the application counts from 1: the answers say so.
  const std::string ranges = "X 0..1, Y 0..0, counted from 0 (the application's column X+1, row Y+1)";
  EXPECT_EQ(commands.Run("tap 2 0"), "error: no key at 2 0 (" + ranges + ")");
  EXPECT_NE(commands.Run("help").value_or("").find(ranges), std::string::npos);
}

}  // namespace
}  // namespace vl
