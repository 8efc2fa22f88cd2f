// A code-sequence line fed with the keyboard's raw set-1 bytes.

#include <gtest/gtest.h>

#include <vector>

#include "InputTestSupport.h"

#include "core/input/CaptureLine.h"

namespace vl {
namespace {

using testing::Bytes;

class CaptureLineTest : public ::testing::Test {
 protected:
  CaptureLine line;

  void SetUp() override { line.Configure(ExitKeyCode(0), false); }

  LineInput Feed(std::initializer_list<int> raw) {
    LineInput last = LineInput::Ignored;
    for (int byte : raw) {
      const LineInput one = line.FeedSet1(static_cast<uint8_t>(byte));
      if (one != LineInput::Ignored) last = one;
    }
    return last;
  }
};

// Raw bytes fed to an empty line and the sequence it records.
TEST_F(CaptureLineTest, RawBytesBecomeTheRecordedSequence) {
  const struct {
    const char* what;
    std::vector<int> raw;
    std::string recorded;
  } cases[] = {
      {"held key repeats give one make", {0x1E, 0x1E, 0x1E, 0x9E}, Bytes({0x1C, 0xF0, 0x1C})},
      {"right Control keeps its E0", {0xE0, 0x1D, 0xE0, 0x9D}, Bytes({0xE0, 0x14, 0xE0, 0xF0, 0x14})},
      {"Pause is never recorded, its tail swallowed", {0xE1, 0x1D, 0x45, 0xE1, 0x9D, 0xC5, 0x1E}, Bytes({0x1C})},
  };
  for (const auto& c : cases) {
    line.SetContent("");
    line.Enter({});
    for (const int byte : c.raw) line.FeedSet1(static_cast<uint8_t>(byte));
    EXPECT_EQ(line.Content(), c.recorded) << c.what;
    line.Leave();
  }
}

TEST_F(CaptureLineTest, ExitKeyRecordsNothingAndAsksToMoveOn) {
  line.Enter({});
  EXPECT_EQ(Feed({0x01}), LineInput::Ignored);
  EXPECT_EQ(Feed({0x81}), LineInput::Exit);
  EXPECT_EQ(line.Content(), "");
}

// The release of the key that brought the focus in belongs to no exit.
TEST_F(CaptureLineTest, ExitKeyReleaseWithoutItsMakeIsRecorded) {
  line.Configure(ExitKeyCode(1), false);  // Tab
  line.Enter({});
  EXPECT_EQ(Feed({0x8F}), LineInput::Recorded);
  EXPECT_EQ(line.Content(), Bytes({0xF0, 0x0D}));
  // Right Control is not the exit key left Control.
  line.Configure(ExitKeyCode(4), false);
  line.SetContent("");
  line.Enter({});
  Feed({0xE0, 0x1D, 0xE0, 0x9D});
  EXPECT_EQ(line.Content(), Bytes({0xE0, 0x14, 0xE0, 0xF0, 0x14}));
  line.Configure(ExitKeyCode(5), false);  // none
  line.SetContent("");
  line.Enter({});
  Feed({0x01, 0x81});
  EXPECT_EQ(line.Content(), Bytes({0x76, 0xF0, 0x76}));
}

// Enter pressed on a modal window's OK is released after the line resumes.
TEST_F(CaptureLineTest, ReleaseOfAKeyPressedInAModalWindowIsNotRecorded) {
  line.Enter({});
  Feed({0x1E});  // a held while the window opens
  line.IgnoreStrayReleases();
  Feed({0x9C, 0x9E, 0x30, 0xB0});
  EXPECT_EQ(line.Content(), Bytes({0x1C, 0xF0, 0x1C, 0x32, 0xF0, 0x32}));
  line.Leave();
  line.Enter({});
  EXPECT_EQ(Feed({0x9C}), LineInput::Recorded);
}

// Shift+F10 opens the line's menu: the Shift typed on the way is taken back, and
// its release afterwards is stray.
TEST_F(CaptureLineTest, TakingBackTheHeldShiftOfTheMenuKey) {
  line.Enter({});
  Feed({0x1E, 0x9E, 0x2A});  // a, then left Shift held
  EXPECT_TRUE(line.TakeBackLastMake(0x12));
  EXPECT_EQ(line.Content(), Bytes({0x1C, 0xF0, 0x1C}));
  line.IgnoreStrayReleases();
  Feed({0xAA});
  EXPECT_EQ(line.Content(), Bytes({0x1C, 0xF0, 0x1C}));
  // Only a held key's make that ends the line goes: not a release, not an
  // extended code, not a key let go.
  Feed({0x2A, 0xAA});
  EXPECT_FALSE(line.TakeBackLastMake(0x12));
  Feed({0xE0, 0x1D});  // right Control: E0 14
  EXPECT_FALSE(line.TakeBackLastMake(0x14));
  EXPECT_EQ(line.Content(), Bytes({0x1C, 0xF0, 0x1C, 0x12, 0xF0, 0x12, 0xE0, 0x14}));
}

TEST_F(CaptureLineTest, GrayNavigationGetsItsShiftsOnlyWhileNumLockIsOn) {
  line.Enter({});
  // The keyboard's own added shift (E0 2A) is dropped, the line adds its own.
  Feed({0xE0, 0x2A, 0xE0, 0x47, 0xE0, 0xC7, 0xE0, 0xAA});
  EXPECT_EQ(line.Content(), Bytes({0xE0, 0x12, 0xE0, 0x6C, 0xE0, 0xF0, 0x6C, 0xE0, 0xF0, 0x12}));
  line.SetContent("");
  Feed({0x45, 0xC5, 0xE0, 0x47, 0xE0, 0xC7});  // Num Lock off, then Home
  EXPECT_EQ(line.Content(), Bytes({0x77, 0xF0, 0x77, 0xE0, 0x6C, 0xE0, 0xF0, 0x6C}));
  EXPECT_FALSE(line.Locks().NumLock);
}

TEST_F(CaptureLineTest, HeldKeysFollowMakesAndBreaks) {
  line.Enter({});
  Feed({0x2A, 0x1E, 0xE0, 0x1D});
  EXPECT_EQ(line.HeldKeys(), (std::set<uint16_t>{0x12, 0x1C, 0x114}));
  Feed({0x9E, 0xAA});
  EXPECT_EQ(line.HeldKeys(), (std::set<uint16_t>{0x114}));
}

// Stored as 77 F0 77, the content, 77 F0 77; entering shows the content alone.
TEST_F(CaptureLineTest, LockWrapperIsStoredAndHiddenAgainOnEntry) {
  line.Configure(ExitKeyCode(0), true);
  line.Enter({.NumLock = false, .CapsLock = false});
  EXPECT_EQ(line.Limit(), 234u);
  Feed({0x1E, 0x9E});
  line.Leave();
  const std::string wrapper = Bytes({0x77, 0xF0, 0x77});
  EXPECT_EQ(line.Content(), wrapper + Bytes({0x1C, 0xF0, 0x1C}) + wrapper);

  line.Enter({.NumLock = true, .CapsLock = true});  // ignored: the line has content
  EXPECT_EQ(line.Content(), Bytes({0x1C, 0xF0, 0x1C}));
  EXPECT_EQ(line.Locks(), (LockStates{.NumLock = false, .CapsLock = false}));
  EXPECT_EQ(line.StartLocks(), line.Locks());
  line.Leave();
  EXPECT_EQ(line.Content(), wrapper + Bytes({0x1C, 0xF0, 0x1C}) + wrapper);
}

TEST_F(CaptureLineTest, BothWrappersNestCapsOutside) {
  line.Configure(ExitKeyCode(0), true);
  line.Enter({.NumLock = false, .CapsLock = true});
  EXPECT_EQ(line.Limit(), 228u);
  Feed({0x1E, 0x9E});
  line.Leave();
  const std::string num = Bytes({0x77, 0xF0, 0x77});
  const std::string caps = Bytes({0x58, 0xF0, 0x58});
  const std::string stored = caps + num + Bytes({0x1C, 0xF0, 0x1C}) + num + caps;
  EXPECT_EQ(line.Content(), stored);
  line.Enter({});
  EXPECT_EQ(line.Locks(), (LockStates{.NumLock = false, .CapsLock = true}));
  line.Leave();
  EXPECT_EQ(line.Content(), stored);
}

// A line that holds only what looks like a wrapper was typed that way: stripping
// it would empty the line (or reach outside a shorter one).
TEST_F(CaptureLineTest, ShortLockLinesAreNotTakenForWrappers) {
  line.Configure(ExitKeyCode(0), true);
  for (const std::string& content : {Bytes({0x58, 0xF0, 0x58}), Bytes({0x58, 0xF0, 0x58, 0x58, 0xF0, 0x58})}) {
    line.SetContent(content);
    line.Enter({});
    EXPECT_EQ(line.Content(), content);
    line.Leave();
    EXPECT_EQ(line.Content(), content);
  }
}

TEST_F(CaptureLineTest, WithoutCorrectionTheLineTracksNumOnAndAddsNoWrapper) {
  line.Enter({.NumLock = false, .CapsLock = true});
  EXPECT_EQ(line.Locks(), LockStates{});
  EXPECT_EQ(line.Limit(), 240u);
  Feed({0x45, 0xC5});
  line.Leave();
  EXPECT_EQ(line.Content(), Bytes({0x77, 0xF0, 0x77}));
}

TEST_F(CaptureLineTest, FullLineStopsInputUntilEnteredAgain) {
  line.Enter({});
  LineInput result = LineInput::Recorded;
  int keys = 0;
  while (result == LineInput::Recorded && keys < 200) {
    result = Feed({0x1E, 0x9E});
    ++keys;
  }
  EXPECT_EQ(result, LineInput::Full);
  EXPECT_EQ(line.Content().size(), 240u);
  EXPECT_TRUE(line.InputStopped());
  EXPECT_EQ(Feed({0x30}), LineInput::Ignored);
  line.Leave();
  line.Enter({});
  EXPECT_FALSE(line.InputStopped());
}

// Switching Num Lock off reserves room for the wrapper leaving will add, so the
// stored sequence never passes 255 bytes.
TEST_F(CaptureLineTest, LockPressThatWouldOverfillTheWrappedLineIsRefused) {
  line.Configure(ExitKeyCode(0), true);
  line.SetContent(std::string(236, '\x1C'));
  line.Enter({});
  EXPECT_EQ(Feed({0x45}), LineInput::Full);
  EXPECT_EQ(line.Content().size(), 236u);
  EXPECT_TRUE(line.Locks().NumLock);
}

TEST_F(CaptureLineTest, AppendRefusesWhatDoesNotFit) {
  line.SetContent(std::string(238, '\x1C'));
  line.Enter({});
  EXPECT_FALSE(line.Append(Bytes({0xE0, 0xF0, 0x14})));
  EXPECT_EQ(line.Content().size(), 238u);
  EXPECT_TRUE(line.Append(Bytes({0xF0, 0x14})));
}

TEST_F(CaptureLineTest, TypedTextGoesThroughTheStreamHandler) {
  line.Configure(ExitKeyCode(3), false);  // space would be the exit key
  line.Enter({});
  EXPECT_EQ(line.TypeText("Й ж!", KeyLanguage::Russian), LineInput::Recorded);
  EXPECT_EQ(line.Content(), Bytes({0x15, 0xF0, 0x15, 0x29, 0xF0, 0x29, 0x4C, 0xF0, 0x4C}));
}

TEST_F(CaptureLineTest, TypedTextNeverLeavesAKeyPressedWhenFull) {
  line.SetContent(std::string(238, '\x1C'));
  line.Enter({});
  EXPECT_EQ(line.TypeText("ab", KeyLanguage::English), LineInput::Full);
  EXPECT_EQ(line.Content().size(), 238u);
}

// Recorded pauses, timed by a clock the test moves.
class RecordedPauses : public CaptureLineTest {
 protected:
  int64_t now = 1000;
  void SetUp() override {
    CaptureLineTest::SetUp();
    line.RecordPauses([this] { return now; });
  }
  // Feeds the bytes, the clock moving on by the gap before each.
  void At(int64_t gap, std::initializer_list<int> raw) {
    now += gap;
    Feed(raw);
  }
};

TEST_F(RecordedPauses, GapsBecomeTenthsRoundedWithinBounds) {
  EXPECT_EQ(PauseForGap(49), "");
  EXPECT_EQ(PauseForGap(50), Bytes({0xFF, 0x51}));
  EXPECT_EQ(PauseForGap(349), Bytes({0xFF, 0x53}));
  EXPECT_EQ(PauseForGap(1500), Bytes({0xFF, 0x5F}));
  EXPECT_EQ(PauseForGap(90000), Bytes({0xFF, 0x5F})) << "a long gap is one 1.5 s pause";

  line.Enter({});
  At(5000, {0x1E});        // the first key after entering gets none
  At(30, {0x9E});          // too short to count
  At(260, {0x30});         // 0.3 s
  At(2000, {0x30, 0xB0});  // held for 2 s: its repeat is no event, the hold is timed
  EXPECT_EQ(line.Content(), Bytes({0x1C, 0xF0, 0x1C, 0xFF, 0x53, 0x32, 0xFF, 0x5F, 0xF0, 0x32}));
}

TEST_F(RecordedPauses, TypedTextAddedCodesAndModalWindowsHaveNoRhythm) {
  line.Enter({});
  At(0, {0x1E, 0x9E});
  now += 700;
  EXPECT_EQ(line.TypeText("b", KeyLanguage::English), LineInput::Recorded);
  At(900, {0x1E});
  ASSERT_TRUE(line.Append(Bytes({0x29})));
  At(900, {0x9E});
  line.IgnoreStrayReleases();
  At(900, {0x30});
  EXPECT_EQ(line.Content(), Bytes({0x1C, 0xF0, 0x1C, 0x32, 0xF0, 0x32, 0x1C, 0x29, 0xF0, 0x1C, 0x32}));

  line.RecordPauses({});
  At(900, {0xB0});
  EXPECT_EQ(line.Content().substr(11), Bytes({0xF0, 0x32})) << "switched off";
}

// The pause counts against the limit, lock wrappers still to come included; a
// key that fits only without its pause is kept.
TEST_F(RecordedPauses, StayWithinTheLimitTheWrappersLeave) {
  line.Configure(ExitKeyCode(0), true);
  line.SetContent(std::string(228, '\x1C'));
  line.Enter({});
  At(0, {0x45, 0xC5});  // Num Lock off: leaving will add its wrapper, limit 234
  At(0, {0x1E});        // 232 bytes
  At(500, {0x9E});      // the pause would pass 234: the break alone
  EXPECT_EQ(line.Content().substr(228), Bytes({0x77, 0xF0, 0x77, 0x1C, 0xF0, 0x1C}));
  EXPECT_EQ(line.Limit(), 234u);
}

}  // namespace
}  // namespace vl
