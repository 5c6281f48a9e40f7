// The clean-up rules on single rows, from the examples they were written for, with the
// entries they write.
#include "corrections/rules/clean_up.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace corrections {
namespace {

struct TextCase {
  std::string_view input;
  std::string_view output;
  int findings;
};

void ExpectRule(void (*rule)(WorkingText&), std::initializer_list<TextCase> cases) {
  for (const TextCase& c : cases) {
    ChangeList list;
    WorkingText working{.text = std::string(c.input), .row = 1, .list = &list};
    rule(working);
    EXPECT_EQ(working.text, c.output) << c.input;
    EXPECT_EQ(working.findings, c.findings) << c.input;
    EXPECT_EQ(working.changed, c.input != c.output) << c.input;
  }
}

TEST(CleanUp, DialogueDashes) {
  struct DashCase {
    std::string_view input;
    std::string_view output;
    int dashes;
    int moves;
  };
  for (const DashCase& c : std::initializer_list<DashCase>{
           {"Jó. -|Te is?", "Jó.|- Te is?", 0, 1},
           {"Jó. -|te is?", "Jó. -|te is?", 0, 0},
           {"-Menj!|-Nem.", "- Menj!|- Nem.", 1, 0},
           {"- Menj!|-Nem.", "- Menj!|- Nem.", 1, 0},
           {"- Csak ennyit mondok.", "Csak ennyit mondok.", 1, 0},
           {"<i>- Csak ennyit.</i>", "<i>Csak ennyit.</i>", 1, 0},
           {"- Igen.|- Nem.", "- Igen.|- Nem.", 0, 0},
           {"-=jel", "-=jel", 0, 0},
       }) {
    ChangeList list;
    WorkingText working{.text = std::string(c.input), .row = 1, .list = &list};
    const DialogueDashCounts counts = FixDialogueDashes(working);
    EXPECT_EQ(working.text, c.output) << c.input;
    EXPECT_EQ(counts.dashes, c.dashes) << c.input;
    EXPECT_EQ(counts.moves, c.moves) << c.input;
  }
}

TEST(CleanUp, DialogueDashEntriesShowTheTextBeforeTheStep) {
  ChangeList list;
  WorkingText working{.text = "-Menj!", .row = 4, .list = &list};
  FixDialogueDashes(working);
  // Step 2 gives "- Menj!", step 3 then drops the lone dash.
  const ChangeList expected{"", "Melyik sorban volt: 4", "Miből: -Menj!",  "Mire:   - Menj!",
                            "", "Melyik sorban volt: 4", "Miből: - Menj!", "Mire:   Menj!"};
  EXPECT_EQ(list, expected);
}

TEST(CleanUp, BlankAfterPunctuation) {
  ExpectRule(InsertBlanksAfterPunctuation, {
                                               {"Szia.Hogy vagy?", "Szia. Hogy vagy?", 1},
                                               {"www.valami", "www.valami", 0},
                                               {"Lásd x.com", "Lásd x.com", 0},
                                               {"Itt.hu van", "Itt.hu van", 0},
                                               {"1.5", "1.5", 0},
                                               {"U.S.A.", "U.S.A.", 0},
                                               {"Jó,de", "Jó, de", 1},
                                               {"Jó!Menj", "Jó! Menj", 1},
                                               {"Mi?2", "Mi? 2", 1},
                                               {"Mi?0", "Mi?0", 0},
                                               {"Ír: a.b@c.hu", "Ír: a.b@c.hu", 0},
                                               {"Egy.Kettő.Három", "Egy. Kettő. Három", 2},
                                           });
}

TEST(CleanUp, GrowthPastTheRowLimitIsRefused) {
  const std::string full = std::string(215, 'a') + ",b,c";
  ExpectRule(InsertBlanksAfterPunctuation, {{full, std::string(215, 'a') + ", b,c", 1}});
}

TEST(CleanUp, JoiningShortRows) {
  ExpectRule(JoinShortRow, {
                               {"Ez egy|rövid sor", "Ez egy rövid sor", 1},
                               {"Ez jó.|Rövid", "Ez jó.|Rövid", 0},
                               {"Felirat:|Valaki", "Felirat:|Valaki", 0},
                               {"a|b|c", "a b c", 2},
                               {"- a|- b", "- a|- b", 0},
                           });
}

TEST(CleanUp, LowerLToCapitalI) {
  ExpectRule(LowerLToCapitalI, {
                                   {"l'm here", "I'm here", 1},
                                   {"hello", "hello", 0},
                                   {"l'm l'd|l'x", "I'm I'd|l'x", 2},
                                   {"l know", "I know", 1},
                               });
}

TEST(CleanUp, AccentsAndLowerCase) {
  ExpectRule(RemoveAccents, {{"Ez a kávé", "Ez a kave", 2}, {"ŐRÜLT", "ORULT", 2}});
  ExpectRule(LowerAllLetters, {{"ÉLJEN A KIRÁLY", "éljen a király", 12}});
}

TEST(CleanUp, LineHalving) {
  const std::string forty = std::string(19, 'a') + " " + std::string(20, 'b');
  ChangeList list;
  WorkingText working{.text = forty, .row = 1, .list = &list};
  HalveLine(working);
  EXPECT_EQ(working.text, std::string(19, 'a') + "|" + std::string(20, 'b'));
  EXPECT_EQ(list.back(), "Mire  : " + working.text);
  ExpectRule(HalveLine, {
                            {std::string(38, 'a'), std::string(38, 'a'), 0},
                            {std::string(37, 'a'), std::string(37, 'a'), 0},
                            {" " + std::string(40, 'b'), " " + std::string(40, 'b'), 0},
                            {std::string(10, 'a') + " " + std::string(30, 'b'),
                             std::string(10, 'a') + "|" + std::string(30, 'b'), 1},
                            {std::string(16, 'a') + " " + std::string(23, 'b'),
                             std::string(16, 'a') + "|" + std::string(23, 'b'), 1},
                        });
}

TEST(CleanUp, BlanksBeforeMarks) {
  ExpectRule(RemoveBlanksBeforeMarks, {
                                          {"Mi ez ?", "Mi ez?", 1},
                                          {"Vége ...", "Vége ...", 0},
                                          {"Vége .", "Vége.", 1},
                                          {"Jaj \xA0!", "Jaj !", 1},
                                          {"- ? Na", "-? Na", 1},
                                      });
}

}  // namespace
}  // namespace corrections
