// The editor's search box, the detailed search window and the search-and-replace window.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/kereses_csere.h"
#include "editor/reszletes_k.h"
#include "row_command_rig.h"
#include "shell/hibaki.h"

namespace editor {
namespace {

using testing::Row;
using testing::RowCommandRig;
using Strings = std::vector<std::string>;
namespace field = dataset::subtitle_field;

std::vector<Row> RowsOf(const Strings& texts) {
  std::vector<Row> rows;
  for (const std::string& text : texts)
    rows.push_back({"00:00:01,000", "00:00:02,000", text});
  return rows;
}

std::string NotFound(const std::string& search) {
  const std::string message = "message: Információ | Nincs (több) ilyen:  |";
  return search.empty() ? message : message + " " + search;
}

// ---- The editor's search box ---------------------------------------------------------------

TEST(EditorSearch, FindsTheNextRowWithoutWrapping) {
  struct Case {
    Strings texts;
    int current;
    std::string search;
    bool ignore_breaks;
    int found;  // the current row afterwards
    Strings messages;
  };
  const Strings flood = {"semmi", "ÁRVÍZ jön", "Az Árvíz", "vége"};
  const std::vector<Case> cases = {
      {flood, 1, "árvíz", false, 2, {}},
      {flood, 2, "árvíz", false, 3, {}},
      {flood, 3, "árvíz", false, 3, {NotFound("árvíz")}},
      {flood, 4, "vége", false, 4, {NotFound("vége")}},  // the last row itself is not tested
      {{"x", "kéré"}, 1, "KÉRÉ", false, 2, {}},
      {{"x", "alma|körte"}, 1, "alma körte", true, 2, {}},
      {{"x", "alma|körte"}, 1, "alma körte", false, 1, {NotFound("alma körte")}},
      {{"x", "alma|körte"},
       1,
       "alma|körte",
       true,
       1,
       {"message: Figyelmeztetés | Ha be van kapcsolva a \"Sortörés figyelmen kívül hagyása\" | "
        "akkor nem használhatja ezt a jelet: \"|\""}},
      {{"x", "y"}, 1, "", false, 1, {}},
  };
  for (const Case& c : cases) {
    RowCommandRig rig("Time", RowsOf(c.texts));
    TFelirat& f = rig.editor();
    f.cds.SetRecNo(c.current);
    f.Ekereses.SetText(c.search);
    f.CBsortores.SetChecked(c.ignore_breaks);
    for (size_t i = 0; i < c.messages.size(); ++i)
      rig.AnswerOk();
    f.BkeresokClick();
    EXPECT_EQ(f.cds.RecNo(), c.found) << c.search;
    EXPECT_EQ(rig.Messages(), c.messages) << c.search;
    EXPECT_FALSE(rig.program.state.InternalUpdate);
    EXPECT_FALSE(f.cds.ControlsDisabled());
    EXPECT_EQ(f.szoveg.Text().substr(0, 1), f.cds.Value(field::kSzoveg).substr(0, 1));
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

TEST(EditorSearch, EnterInTheBoxSearchesAndJumpSelectsTheWord) {
  RowCommandRig rig("Time", RowsOf({"első", "Egy|két alma"}));
  TFelirat& f = rig.editor();
  f.CBugras.SetChecked(true);
  f.Ekereses.SetText("alma");
  f.BMKeresClick();
  ASSERT_TRUE(f.Ekereses.Focused());
  rig.driver.Press(ui::keys::kReturn);
  EXPECT_EQ(f.cds.RecNo(), 2);
  EXPECT_TRUE(f.szoveg.Focused());
  EXPECT_EQ(f.szoveg.SelStart(), 9);
  EXPECT_EQ(f.szoveg.SelLength(), 4);
  EXPECT_EQ(f.szoveg.SelText(), "alma");
}

// ---- The detailed search -------------------------------------------------------------------

TEST(DetailedSearch, DirectionsOptionsAndEnds) {
  struct Case {
    Strings texts;
    int current;
    std::string search;
    bool backwards;
    bool case_sensitive;
    bool whole_word;
    int found;
    bool message;
  };
  const Strings five = {"alma", "b", "c", "d", "e"};
  const std::vector<Case> cases = {
      {five, 5, "alma", true, false, false, 1, false},
      {{"a", "b", "c", "végső"}, 1, "végső", false, false, false, 4, false},
      {{"alma"}, 1, "alma", false, false, false, 1, false},  // the only row tests itself
      {{"x", "ÁRVÍZ"}, 1, "árvíz", false, false, false, 1, true},
      {{"x", "Hello"}, 1, "hello", false, true, false, 1, true},
      {{"x", "alma ma", "ma este"}, 1, "ma", false, false, true, 3, false},
      {{"x", "y"}, 2, "x", false, false, false, 2, true},  // no wrap
      {{"x", "y"}, 1, "", false, false, false, 1, true},
  };
  for (const Case& c : cases) {
    RowCommandRig rig("Time", RowsOf(c.texts));
    TFelirat& f = rig.editor();
    TReszletesK& window = *rig.program.ReszletesK;
    f.cds.SetRecNo(c.current);
    f.Ekereses.SetText(c.search);
    f.BKreszletesClick();
    ASSERT_TRUE(window.Visible());
    EXPECT_EQ(window.ERkereses.Text(), c.search);
    window.cbvissza.SetChecked(c.backwards);
    window.cbkisnagy.SetChecked(c.case_sensitive);
    window.cbteljes.SetChecked(c.whole_word);
    if (c.message)
      rig.AnswerOk();
    window.BkeresokClick();
    EXPECT_EQ(f.cds.RecNo(), c.found) << c.search;
    EXPECT_EQ(rig.Messages(), c.message ? Strings{NotFound(c.search)} : Strings{}) << c.search;
    EXPECT_FALSE(rig.program.state.InternalUpdate);
    EXPECT_EQ(rig.driver.Verify(), "");
  }
}

TEST(DetailedSearch, KeysSearchAndClose) {
  RowCommandRig rig("Time", RowsOf({"a", "b", "alma"}));
  TFelirat& f = rig.editor();
  TReszletesK& window = *rig.program.ReszletesK;
  f.Ekereses.SetText("alma");
  f.BMReszker.SetEnabled(true);
  ASSERT_TRUE(rig.driver.ChooseMenuItem(f.BMReszker));
  ASSERT_TRUE(window.Visible());
  EXPECT_TRUE(window.ERkereses.Focused());
  rig.driver.Press(ui::keys::kReturn);
  EXPECT_EQ(f.cds.RecNo(), 3);
  ASSERT_TRUE(rig.driver.Focus(window.cbteljes));
  rig.driver.Press(ui::keys::kEscape);
  EXPECT_FALSE(window.Visible());
}

// ---- Search and replace --------------------------------------------------------------------

struct ReplaceRig : RowCommandRig {
  explicit ReplaceRig(const Strings& texts) : RowCommandRig("Time", RowsOf(texts)) {}

  TKeresesCsere& window() { return *program.KeresesCsere; }
  // Opens the window through its menu item, runs `steps` in it, then closes it.
  void InWindow(const std::function<void(TKeresesCsere&)>& steps) {
    driver.OnModal("KeresesCsere", [this, steps] {
      steps(window());
      driver.Click(window().Button4);
    });
    editor().MkercsereClick();
    EXPECT_EQ(driver.Verify(), "");
  }
};

TEST(SearchAndReplace, OpensEmptyAndFocusesTheSearchText) {
  ReplaceRig rig({"a"});
  rig.window().Bcsere.SetEnabled(true);
  rig.window().Blistaa.SetEnabled(true);
  rig.window().Emit.SetText("régi");
  rig.InWindow([](TKeresesCsere& w) {
    EXPECT_EQ(w.Emit.Text(), "");
    EXPECT_EQ(w.Emire.Text(), "");
    EXPECT_FALSE(w.Bcsere.Enabled());
    EXPECT_FALSE(w.Blistaa.Enabled());
    EXPECT_TRUE(w.Emit.Focused());
  });
  EXPECT_TRUE(rig.editor().racs.Focused());
}

TEST(SearchAndReplace, EnterMovesOnAndEscapeCloses) {
  ReplaceRig rig({"a"});
  bool closed_by_escape = false;
  rig.InWindow([&rig, &closed_by_escape](TKeresesCsere& w) {
    rig.driver.Press(ui::keys::kReturn);
    EXPECT_TRUE(w.Emire.Focused());
    rig.driver.Press(ui::keys::kReturn);
    EXPECT_TRUE(w.Bkskereses.Focused());
    rig.driver.Press(ui::keys::kEscape);
    closed_by_escape = w.GetModalResult() != ui::modal::kNone;
  });
  EXPECT_TRUE(closed_by_escape);
}

TEST(SearchAndReplace, FindNextAndReplaceInTheRow) {
  ReplaceRig rig({"x", "Aki ki?", "Ki az?", "Abc abc"});
  rig.InWindow([&rig](TKeresesCsere& w) {
    TFelirat& f = rig.editor();
    w.Emit.SetText("Ki");
    w.CBelsok.SetChecked(true);
    w.BkskeresesClick();
    EXPECT_EQ(f.cds.RecNo(), 3);
    EXPECT_TRUE(w.Bcsere.Enabled());
    rig.AnswerOk();
    w.BkskeresesClick();
    EXPECT_EQ(f.cds.RecNo(), 3);
    EXPECT_FALSE(w.Bcsere.Enabled());
    EXPECT_EQ(rig.Messages(), Strings{NotFound("Ki")});

    w.CBelsok.SetChecked(false);
    w.CBknb.SetChecked(true);
    w.Emit.SetText("abc");
    w.Emire.SetText("X");
    w.BkskeresesClick();
    EXPECT_EQ(f.cds.RecNo(), 4);
    w.BcsereClick();  // the replacement always ignores case
    EXPECT_EQ(f.cds.Value(field::kSzoveg), "X abc");
    w.BcsereClick();
    EXPECT_EQ(f.cds.Value(field::kSzoveg), "X X");
    w.BcsereClick();  // nothing left
    EXPECT_EQ(f.cds.Value(field::kSzoveg), "X X");
    EXPECT_TRUE(f.Bmentes.Enabled());
    w.Button2Click();
    EXPECT_EQ(f.cds.RecNo(), 1);
  });
}

// "Csere" whose result would take the row past its 220 characters is refused with a message;
// the row keeps its text. One that fits right up to the limit is made.
TEST(SearchAndReplace, AReplacementThatDoesNotFitIsRefused) {
  struct Case {
    std::string text;
    std::string replacement;
    std::string expected;
  };
  const std::string full(219, 'x');
  const std::vector<Case> cases = {
      {full + "a", "bb", full + "a"},
      {full + "a", "b", full + "b"},
      {std::string(218, 'x') + "a", "bbb", std::string(218, 'x') + "a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.replacement);
    ReplaceRig rig({c.text});
    const bool fits = c.expected != c.text;
    rig.InWindow([&](TKeresesCsere& w) {
      w.Emit.SetText("a");
      w.Emire.SetText(c.replacement);
      if (!fits)
        rig.AnswerOk();
      w.BcsereClick();
    });
    EXPECT_EQ(rig.Column(field::kSzoveg), Strings{c.expected});
    EXPECT_EQ(rig.editor().Bmentes.Enabled(), fits);
    EXPECT_EQ(rig.Messages(),
              fits ? Strings{}
                   : Strings{"message: Figyelmeztetés | A cserével a sor hosszabb lenne 220 "
                             "karakternél! | A sor nem változott."});
  }
}

TEST(SearchAndReplace, ReplaceAll) {
  struct Case {
    Strings texts;
    std::string search;
    std::string replacement;
    Strings results;
    int count;
    bool drop_leading_breaks = false;  // the option `Max2`
  };
  const std::vector<Case> cases = {
      {{"xx"}, "x", "|", {""}, 2, true},
      {{"alma"}, "a", "e", {"elme"}, 2},
      {{"a a", "b"}, "a", "ab", {"ab a", "b"}, 1},
      {{"a a"}, "a", "ba", {"ba a"}, 1},
      {{"Alma", "nAgy"}, "a", "", {"lm", "ngy"}, 3},
      {{"xaax"}, "a", "", {"xx"}, 2},
      {{"a a"}, "a", "bab", {"bab bab"}, 2},
      {{"x"}, "a", "e", {"x"}, 0},
      // At the row's 220 characters: the search goes on after the inserted text as stored, and
      // a replacement the row cannot hold is not made.
      {{std::string(220, 'a')}, "a", "bab", {std::string(220, 'a')}, 0},
      {{std::string(216, 'x') + "aa"}, "a", "bab", {std::string(216, 'x') + "baba"}, 1},
      {{std::string(220, 'a')}, "a", "b", {std::string(220, 'b')}, 220},
      {{"||" + std::string(218, 'a')}, "a", "ba", {"ba" + std::string(217, 'a')}, 1, true},
      {{"|a|a"}, "a", "b", {"b|b"}, 2, true},
  };
  for (const Case& c : cases) {
    ReplaceRig rig(c.texts);
    TFelirat& f = rig.editor();
    f.Max2.SetChecked(c.drop_leading_breaks);
    f.cds.SetRecNo(static_cast<int>(c.texts.size()));
    rig.InWindow([&](TKeresesCsere& w) {
      w.Emit.SetText(c.search);
      w.Emire.SetText(c.replacement);
      rig.AnswerOk();
      w.BosszesClick();
      EXPECT_EQ(w.Blistaa.Enabled(), c.count > 0);
      EXPECT_FALSE(w.merce.Visible());
    });
    EXPECT_EQ(rig.Column(field::kSzoveg), c.results) << c.search << "->" << c.replacement;
    EXPECT_EQ(f.cds.RecNo(), static_cast<int>(c.texts.size()));
    EXPECT_TRUE(f.BOsszes.Enabled());
    EXPECT_FALSE(rig.program.state.InternalUpdate);
    const std::string message =
        c.count == 0
            ? "message: Eredmény | Nem találtam semmit a megadott szó alapján! |"
            : "message: Eredmény | Ennyit találtam és cseréltem le: " + std::to_string(c.count) +
                  " | További információt a \"Lista\" gomb alatt találsz!";
    EXPECT_EQ(rig.Messages(), Strings{message});
    EXPECT_EQ(rig.program.Hibaki->LBhiba.Items().size(), static_cast<size_t>(4 * c.count));
  }
}

TEST(SearchAndReplace, TheListShowsOneEntryPerReplacement) {
  ReplaceRig rig({"x", "alma"});
  rig.InWindow([&rig](TKeresesCsere& w) {
    w.Emit.SetText("a");
    w.Emire.SetText("e");
    rig.AnswerOk();
    w.BosszesClick();
    rig.driver.ClearLog();
    rig.driver.OnModal("Hibaki", [&rig] { rig.driver.Click(rig.program.Hibaki->Button1); });
    w.BlistaaClick();
  });
  EXPECT_EQ(rig.Lines("list: "), Strings{"list: Keresés és csere végeredménye"});
  EXPECT_FALSE(rig.program.Hibaki->Label1.Visible());
  EXPECT_FALSE(rig.program.Hibaki->Label2.Visible());
  const Strings entries = {"", "Melyik sorban volt: 2", "Miből: alma", "Mire  : elma",
                           "", "Melyik sorban volt: 2", "Miből: elma", "Mire  : elme"};
  EXPECT_EQ(rig.program.Hibaki->LBhiba.Items(), entries);
}

TEST(SearchAndReplace, TheGaugeStepsOnLongTables) {
  Strings texts(250, "a");
  ReplaceRig rig(texts);
  rig.InWindow([&rig](TKeresesCsere& w) {
    w.Emit.SetText("a");
    w.Emire.SetText("b");
    rig.AnswerOk();
    const int repaints = w.merce.RepaintCount();
    w.BosszesClick();
    EXPECT_GT(w.merce.RepaintCount(), repaints + 100);
    EXPECT_EQ(w.merce.Progress(), 0);
  });
  EXPECT_EQ(rig.Column(field::kSzoveg), Strings(250, "b"));
}

}  // namespace
}  // namespace editor
