// The sound-word and speaker-name rules on single rows, from the examples they were written
// for: what becomes of the text and which action is left pending.
#include "corrections/rules/sound_words.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace corrections {
namespace {

struct SoundCase {
  std::string_view input;
  std::string_view output;
  PendingAction pending;
  bool dash_advice = false;
};

void ExpectRows(std::initializer_list<SoundCase> cases, SoundWordRules rules) {
  for (const SoundCase& c : cases) {
    SoundWordRow row{.text = std::string(c.input)};
    RunSoundWordTurns(row, rules);
    EXPECT_EQ(row.text, c.output) << c.input;
    EXPECT_EQ(row.pending, c.pending) << c.input;
    EXPECT_EQ(row.dash_advice, c.dash_advice) << c.input;
  }
}

TEST(SoundWords, RulesOnTheirExamples) {
  ExpectRows(
      {
          {"(nevet)", "", kPendingDelete},
          {"ANNA: Gyere ide!", "- Gyere ide!", kPendingStore},
          {"Szia.|PÉTER: Mi van?", "Szia.|- Mi van?", kPendingStore},
          {"<i>ANNA: Gyere!</i>", "<i>- Gyere!</i>", kPendingStore},
          {"Anna: Gyere!", "Anna: Gyere!", kPendingCritical},
          {" ANNA: Gyere!", "- Gyere!", kPendingStore},
          {"A film 10:30-kor kezdődik", "A film 10:30-kor kezdődik", kPendingCritical},
          {"MAN 1: Hé!", "- Hé!", kPendingStore},
          {"Mi az? (sóhajt)", "Mi az?", kPendingStore},
          {"- Igen.|- (nevet)", "- Igen.", kPendingStore, true},
          {"Ez (halkan) jó", "Ez jó", kPendingStore},
          {"- (nevet) Szia", "- Szia", kPendingStore},
          {"- (nevet)|- Szia", "- Szia", kPendingStore},
          {"[zene]", "", kPendingDelete},
          {" [zene]", "", kPendingStore},
          {"<i></i>", "", kPendingDelete},
          {"<i>(nevet)</i>", "", kPendingDelete},
          {"<i>(nevet) Jó</i>", "<i>Jó</i>", kPendingStore},
          {":|Szia", "Szia", kPendingStore},
          {"(sóhajt)|Na jó.", "Na jó.", kPendingStore},
          {"Jó.|[zene]", "Jó.", kPendingStore},
          {"HOlLY: Szia", "- Szia", kPendingStore},
          {"Semmi baj.", "Semmi baj.", kPendingNone},
      },
      SoundWordRules{});
}

// A colon on line 3 takes only line 3's label, never line 2 with it.
TEST(SoundWords, TheLabelBeginsAfterTheLastLineBreakBeforeTheColon) {
  ExpectRows(
      {
          {"Egy.|Kettő.|PÉTER: Mi?", "Egy.|Kettő.|- Mi?", kPendingStore},
          {"Egy.|Kettő.|Péter: Mi?", "Egy.|Kettő.|Péter: Mi?", kPendingCritical},
      },
      SoundWordRules{});
}

TEST(SoundWords, TheExtraVariantRemovesShortLabelsOfAnyCase) {
  ExpectRows(
      {
          {"Anna: Gyere!", "Gyere!", kPendingStore},
          {"<i>Anna: Gyere!</i>", "<i>Gyere!</i>", kPendingStore},
          {"Jó.|Anna: Gyere!", "Jó.|Anna: Gyere!", kPendingCritical},
          {"10 óra: kész", "10 óra: kész", kPendingCritical},
      },
      SoundWordRules{.short_labels = true});
  EXPECT_TRUE(HoldsCreditMarker("Felirat|Transcript: Vemko-csapat"));
  EXPECT_FALSE(HoldsCreditMarker("Transcript"));
}

// Every pass ends and stays inside the text, whatever the row holds.
TEST(SoundWords, RandomTextsEndAndStayInside) {
  constexpr std::string_view kAlphabet = ".  |-aA<i>/?:()[]lL0";
  unsigned state = 12345;
  for (int n = 0; n < 20000; ++n) {
    std::string s;
    state = state * 1103515245 + 12345;
    const int length = static_cast<int>((state >> 16) % 60);
    for (int i = 0; i < length; ++i) {
      state = state * 1103515245 + 12345;
      s += kAlphabet[(state >> 16) % kAlphabet.size()];
    }
    for (bool extra : {false, true}) {
      SoundWordRow row{.text = s};
      RunSoundWordTurns(row, SoundWordRules{.short_labels = extra});
      EXPECT_FALSE(row.rerun && row.text.size() > s.size()) << s;
    }
  }
}

}  // namespace
}  // namespace corrections
