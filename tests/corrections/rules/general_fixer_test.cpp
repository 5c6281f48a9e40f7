// The general fixer's rules one by one, from the examples they were written for, and the
// fixer's turns on a row until nothing changes.
#include "corrections/rules/general_fixer.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>

namespace corrections {
namespace {

struct RuleCase {
  std::string_view input;
  std::string_view output;
};

// One rule, by its number in the running order, applied once to `input`.
std::string ApplyRule(int number, std::string_view input, ChangeList* list = nullptr) {
  const std::span<const FixerRuleEntry> rules = GeneralFixerRules();
  if (number < 1 || static_cast<std::size_t>(number) > rules.size()) {
    ADD_FAILURE() << "there is no rule " << number;
    return std::string(input);
  }
  WorkingText working{.text = std::string(input), .row = 1, .list = list};
  FixerTurn turn{working};
  rules[static_cast<std::size_t>(number - 1)].rule(turn);
  return working.text;
}

void ExpectRule(int number, std::span<const RuleCase> cases) {
  for (const RuleCase& c : cases) {
    EXPECT_EQ(ApplyRule(number, c.input), c.output) << "rule " << number << ": " << c.input;
  }
}

// Turns on a row until one changes nothing, as the fixer's pass runs them.
std::string FixRow(std::string_view input, ChangeList* list = nullptr, int* findings = nullptr) {
  std::string text(input);
  for (int turn = 0; turn < 1000; ++turn) {
    WorkingText working{.text = text, .row = 1, .list = list};
    RunFixerTurn(working);
    if (findings != nullptr)
      *findings += working.findings;
    if (working.row_deleted)
      return "(deleted)";
    if (working.text == text)
      break;
    text = working.text;
  }
  return text;
}

// One turn runs the rules in their order, each on what the earlier ones left: the blank
// before "?" goes before the dot after "?" is looked at, so both go in the same turn; the
// double dash, last, becomes dots after the blank before dots was looked at, so that blank
// waits for the next turn.
TEST(GeneralFixerTurns, OneTurnRunsTheRulesInTheirOrder) {
  const RuleCase cases[] = {
      {"Mi ez ?.", "Mi ez?"},
      {"Ez -- az", "Ez ... az"},
  };
  for (const RuleCase& c : cases) {
    WorkingText working{.text = std::string(c.input), .row = 1};
    RunFixerTurn(working);
    EXPECT_EQ(working.text, c.output) << c.input;
  }
}

TEST(GeneralFixerRules, Rule1BlankBeforeQuestionMark) {
  const RuleCase cases[] = {
      {"Mi ez ?", "Mi ez?"},
      {" ?", "?"},
      {"- ?", "- ?"},
      // Only the first occurrence: a protected one keeps the later ones.
      {"- ? Mi ?", "- ? Mi ?"},
      {"a ? b ?", "a? b ?"},
      {"Mi ez?", "Mi ez?"},
  };
  ExpectRule(1, cases);
}

TEST(GeneralFixerRules, Rule2NoBreakSpaceBeforeQuestionMark) {
  const RuleCase cases[] = {{"Mi\xA0?", "Mi?"}, {"-\xA0?", "-\xA0?"}};
  ExpectRule(2, cases);
}

TEST(GeneralFixerRules, Rule3ArticleUpToLineOne) {
  const RuleCase cases[] = {
      {"Az egy|a kutya nagy", "Az egy a|kutya nagy"},
      {"Ez jó.|a kutya nagy", "Ez jó.|a kutya nagy"},
      {"Ez jó\"|a kutya nagy", "Ez jó\"|a kutya nagy"},
      {"Az egyik|a kutya", "Az egyik|a kutya"},            // line 2 not 3 longer
      {"Az egy|a kutya nagy|x", "Az egy|a kutya nagy|x"},  // three lines
  };
  ExpectRule(3, cases);
}

TEST(GeneralFixerRules, Rule4ArticleDownToLineTwo) {
  const RuleCase cases[] = {
      {"Ez egy nagy kutya a|ház", "Ez egy nagy kutya|a ház"},
      {"Ez egy nagy kutya a|#ház", "Ez egy nagy kutya a|#ház"},
      {"Ez a|kutya", "Ez a|kutya"},
  };
  ExpectRule(4, cases);
}

TEST(GeneralFixerRules, Rule4WaitsWhenRule3MovedTheArticle) {
  // "|a " moves up, and the " a|" it leaves behind stays for the next turn.
  WorkingText working{.text = "Ez|a kutya nagyon nagy", .row = 1};
  RunFixerTurn(working);
  EXPECT_EQ(working.text, "Ez a|kutya nagyon nagy");
}

TEST(GeneralFixerRules, Rules5And6Hogy) {
  const RuleCase up[] = {
      {"Ő mondta|hogy holnap jön el", "Ő mondta hogy|holnap jön el"},
      {"Ő mondta#|hogy holnap jön el", "Ő mondta#|hogy holnap jön el"},
      {"Ő mondta|hogy holnap", "Ő mondta|hogy holnap"},
  };
  ExpectRule(5, up);
  const RuleCase down[] = {
      {"Ő mondta nekem tegnap hogy|jön", "Ő mondta nekem tegnap|hogy jön"},
      {"Ő mondta nekem tegnap hogy|\"jön", "Ő mondta nekem tegnap hogy|\"jön"},
  };
  ExpectRule(6, down);
}

TEST(GeneralFixerRules, Rule7BlankBeforeExclamationMark) {
  const RuleCase cases[] = {{"Na !", "Na!"}, {"- !", "-!"}, {"Na\xA0!", "Na!"}};
  ExpectRule(7, cases);
}

TEST(GeneralFixerRules, Rule8BlankBeforeDot) {
  const RuleCase cases[] = {
      {"3 .5", "3 .5"}, {"Vége .", "Vége."}, {"Na ..", "Na .."}, {"Na .x", "Na.x"}};
  ExpectRule(8, cases);
}

TEST(GeneralFixerRules, Rules9And10) {
  const RuleCase breaks[] = {{"a||b", "a|b"}, {"a|||b", "a||b"}};
  ExpectRule(9, breaks);
  const RuleCase dots[] = {
      {"Mondd!.", "Mondd!"}, {"Mondd!.|Most", "Mondd!|Most"},
      {"Mi?.", "Mi?"},       {"Mi?.|Az", "Mi?|Az"},
      {"a!.b", "a!.b"},
  };
  ExpectRule(10, dots);
}

TEST(GeneralFixerRules, Rule11Contractions) {
  const RuleCase cases[] = {
      {"Don'T", "Don't"},   {"DON'T", "DON'T"},   {"n'T", "n'T"},
      {"John'S", "John's"}, {"JOHN'S", "JOHN'S"}, {"'S", "'S"},
  };
  ExpectRule(11, cases);
}

TEST(GeneralFixerRules, Rule12ItalicTagCase) {
  const RuleCase cases[] = {{"<I>Na</I>", "<i>Na</i>"}, {"</I>", "</I>"}};
  ExpectRule(12, cases);
}

TEST(GeneralFixerRules, Rule13Misspellings) {
  const RuleCase cases[] = {
      {"Útálom", "Utálom"},           {"útál", "utál"},
      {"Mindíg", "Mindig"},           {"mindíg jön", "mindig jön"},
      {"Nyílvánvaló", "Nyilvánvaló"}, {"nyílvánvaló", "nyilvánvaló"},
  };
  ExpectRule(13, cases);
}

TEST(GeneralFixerRules, Rule14TitlesGetTheirDot) {
  const RuleCase cases[] = {
      {"Dr Kiss", "Dr. Kiss"},     {"A dr Kiss", "A dr. Kiss"}, {"a|Mr Big", "a|Mr. Big"},
      {"Mrs Smith", "Mrs. Smith"}, {"aDr x", "aDr x"},          {"aDr x Dr y", "aDr x Dr y"},
  };
  ExpectRule(14, cases);
}

TEST(GeneralFixerRules, Rule15LowerCaseTitles) {
  const RuleCase cases[] = {
      {"mr. Big", "Mr. Big"}, {"a ms. X", "a Ms. X"}, {"mrs. X", "Mrs. X"}, {"amr. X", "amr. X"}};
  ExpectRule(15, cases);
}

TEST(GeneralFixerRules, Rule16TypographicMarks) {
  const RuleCase cases[] = {
      {"\x93Szia\x94", "\"Szia\""},
      {"<i>Na x/i>", "<i>Na </i>"},  // the mistyped "<" of a closing tag
      {"</i>", "</i>"},
      {"/i> x", "/i> x"},  // nothing before it to repair
      {"It\x92s", "It's"},
      {"\x91x", "'x"},
  };
  ExpectRule(16, cases);
}

TEST(GeneralFixerRules, Rule17FontTags) {
  const RuleCase cases[] = {
      {"<font color=red>Szia</font>|Hello", "Hello"},
      {"Hello|<font color=red>Szia</font>", "Hello"},
      {"Hello <font x>Szia</font>", "Hello "},
      {"Hello <FONT x>Szia</FONT> x", "Hello "},  // no lower-case end tag: to the end
      // The character before the span goes only when it is a line break or a blank.
      {"ab<font x>c</font>|d", "ab|d"},
      {"</font>x<font y>", "</font>x<font y>"},  // the end tag before the start: left
  };
  ExpectRule(17, cases);
}

TEST(GeneralFixerRules, Rule17DeletesARowOfNothingButTheSpan) {
  ChangeList list;
  WorkingText working{.text = "<font color=red>Szia</font>", .row = 4, .list = &list};
  FixerTurn turn{working};
  GeneralFixerRules()[16].rule(turn);
  EXPECT_TRUE(working.row_deleted);
  EXPECT_EQ(working.findings, 2);
  const ChangeList expected{" ", "Melyik sorban volt: 4", "Törölve: <font color=red>Szia</font>"};
  EXPECT_EQ(list, expected);
}

TEST(GeneralFixerRules, Rule17EntryShape) {
  ChangeList list;
  WorkingText working{.text = "A<font x>b</font>", .row = 2, .list = &list};
  FixerTurn turn{working};
  GeneralFixerRules()[16].rule(turn);
  const ChangeList expected{" ", "Melyik sorban volt: 2", "Miből:   A<font x>b</font>",
                            "Mire:   A"};
  EXPECT_EQ(list, expected);
}

TEST(GeneralFixerRules, Rule18ScriptTags) {
  const RuleCase cases[] = {
      {"a|<script x>y</script>", "a"},
      {"<script x>y</script>|a", "a"},
      {"a/script>b<script", "a/script>b<script"},
  };
  ExpectRule(18, cases);
  ChangeList list;
  WorkingText working{.text = "a <script>", .row = 1, .list = &list};
  FixerTurn turn{working};
  GeneralFixerRules()[17].rule(turn);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[3], "Mire:    a ");
}

TEST(GeneralFixerRules, Rules19To22) {
  const RuleCase article[] = {{"Vége. A|ház", "Vége.|A ház"}, {"Igen, a|ház", "Igen,|a ház"}};
  ExpectRule(19, article);
  const RuleCase quote[] = {{"\"...Na", "\"Na"}, {"x\"...", "x\"..."}};
  ExpectRule(20, quote);
  const RuleCase dash[] = {{"- ...most", "- most"}, {"- ...|most", "- most"}};
  ExpectRule(21, dash);
  const RuleCase codes[] = {
      {"{\\a6}Szia", "Szia"}, {"{\\a8} Szia", "Szia"}, {"{\\an8}Szia", "Szia"}};
  ExpectRule(22, codes);
}

TEST(GeneralFixerRules, Rule23ItalicTags) {
  const RuleCase cases[] = {
      {"<i>a</i> <i>b</i>", "<i>a b</i>"}, {"<i>a</i><i>b</i>", "<i>a b</i>"},
      {"<i> a</i>", "<i>a</i>"},           {"<i>a </i>", "<i>a</i>"},
      {"<i>...a</i>", "<i>a</i>"},         {"<i>..a</i>", "<i>a</i>"},
  };
  ExpectRule(23, cases);
}

TEST(GeneralFixerRules, Rules24And25DotsAtEdges) {
  const RuleCase edge[] = {
      {"Mi..|", "Mi"},       {"Mi...|", "Mi"},     {"Mi..|Az", "Mi..|Az"},
      {"Mi|...az", "Mi|az"}, {"Mi|..az", "Mi|az"},
  };
  ExpectRule(24, edge);
  const RuleCase comma[] = {
      {"Igen, ...", "Igen,"},
      {"Igen,...", "Igen,"},
      {"Igen, ..", "Igen,"},
      {"Igen,..", "Igen,"},
      {"<i>Igen,...</i>", "<i>Igen,</i>"},
  };
  ExpectRule(25, comma);
}

TEST(GeneralFixerRules, Rule26TooManyDots) {
  const RuleCase cases[] = {
      {"Mi?...", "Mi?"},
      {"Na.... jó", "Na... jó"},
      {"Na..... jó", "Na... jó"},
      {"Na... ... jó", "Na... jó"},
  };
  ExpectRule(26, cases);
}

TEST(GeneralFixerRules, Rule27BlankBeforeDots) {
  const RuleCase cases[] = {
      {"Na ...", "Na..."}, {"Na ..", "Na.."},  {"- ...", "- ..."},
      {"Na\x85", "Na..."}, {"-\x85", "-\x85"},
  };
  ExpectRule(27, cases);
}

TEST(GeneralFixerRules, Rule28BlankAfterDots) {
  const RuleCase cases[] = {
      {"Na...most", "Na... most"}, {"...most", "most"},  {"Na...", "Na..."},
      {"Na...?", "Na...?"},        {"-a...b", "-a...b"},
  };
  ExpectRule(28, cases);
}

TEST(GeneralFixerRules, Rule29LonePairsOfDots) {
  const RuleCase cases[] = {
      {"Hát..", "Hát..."},
      {"..Hát", "Hát"},
      {"Mi..|Az", "Mi...|Az"},
      {"a... b.. c.. d", "a... b... c... d"},
      // A lone pair after a second "..." stays.
      {"a... b... c..", "a... b... c.."},
  };
  ExpectRule(29, cases);
}

TEST(GeneralFixerRules, Rules30To32) {
  const RuleCase comma[] = {{", Na", "Na"}, {"Na|, jó", "Na|jó"}, {"Na|,", "Na"}};
  ExpectRule(30, comma);
  const RuleCase italic[] = {{"<i>a</i>|<i>b</i>", "<i>a|b</i>"}};
  ExpectRule(31, italic);
  const RuleCase dash[] = {{"Ez -- az", "Ez ... az"}};
  ExpectRule(32, dash);
}

// The search looks at sixteen places at a time: a pattern at every place of texts of every
// length up to past three blocks is found there, the first of two is the one found, and a
// pattern whose first two bytes stand in the text without its rest is not found.
TEST(GeneralFixerSearch, FindsAPatternAtEveryPlaceOfEveryLength) {
  static constexpr Pattern kPatterns[] = {"!", " ?", "...|", "</i>|<i>"};
  for (const Pattern& pattern : kPatterns) {
    const auto size = static_cast<std::size_t>(pattern.Length());
    for (std::size_t length = 0; length <= 56; ++length) {
      const std::string filler(length, 'x');
      EXPECT_EQ(pattern.FirstIn(filler), 0) << length;
      for (std::size_t at = 0; at + size <= length; ++at) {
        std::string text = filler;
        text.replace(at, size, pattern.Text());
        EXPECT_EQ(pattern.FirstIn(text), static_cast<int>(at) + 1) << pattern.Text() << " " << at;
        if (at + 2 * size <= length) {
          std::string twice = text;
          twice.replace(length - size, size, pattern.Text());
          EXPECT_EQ(pattern.FirstIn(twice), static_cast<int>(at) + 1) << at;
        }
        if (size > 2) {
          std::string cut = filler;
          cut.replace(at, 2, pattern.Text().substr(0, 2));
          EXPECT_EQ(pattern.FirstIn(cut), 0) << pattern.Text() << " " << at;
        }
      }
    }
  }
}

TEST(GeneralFixerTurns, ExamplesOverWholeRows) {
  const RuleCase cases[] = {
      {"Ez -- az", "Ez... az"},
      {"Mi ez ? Na ?", "Mi ez? Na?"},
      {"- ? Mi ?", "- ? Mi ?"},  // the protected first occurrence keeps the later one
      {"Dr Kiss és Dr Nagy", "Dr. Kiss és Dr. Nagy"},
      {"aDr x Dr y", "aDr x Dr y"},
      {"Mi..|", "Mi"},
      {"Mi..|Az", "Mi...|Az"},
      {"<font color=red>Szia</font>", "(deleted)"},
  };
  for (const RuleCase& c : cases)
    EXPECT_EQ(FixRow(c.input), c.output) << c.input;
}

TEST(GeneralFixerTurns, EveryEditWritesItsOwnEntry) {
  ChangeList list;
  WorkingText working{.text = "Mi ez ? Na !", .row = 3, .list = &list};
  RunFixerTurn(working);
  const ChangeList expected{
      "", "Melyik sorban volt: 3", "Miből: Mi ez ? Na !", "Mire:   Mi ez? Na !",
      "", "Melyik sorban volt: 3", "Miből: Mi ez? Na !",  "Mire:   Mi ez? Na!",
  };
  EXPECT_EQ(list, expected);
  EXPECT_EQ(working.findings, 2);
}

TEST(GeneralFixerTurns, AnEditThatWouldOverfillTheRowIsNotMade) {
  // 218 letters and "..": the third dot would make 221 characters.
  const std::string full = std::string(218, 'a') + "..";
  EXPECT_EQ(FixRow(full), full);
  const std::string fits = std::string(217, 'a') + "..";
  EXPECT_EQ(FixRow(fits), fits + ".");
}

}  // namespace
}  // namespace corrections
