// The editor's style-tag commands and its own clipboard, through the grid's and the text box's
// popups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/rules/row_text.h"
#include "row_command_rig.h"

namespace editor {
namespace {

using testing::Row;
using Strings = std::vector<std::string>;
namespace field = dataset::subtitle_field;

using Item = ui::MenuItem TFelirat::*;

// An editor holding the given texts, row 1 current, the grid popup's items enabled as a load
// leaves them.
struct StyleRig : testing::RowCommandRig {
  explicit StyleRig(const Strings& texts) : RowCommandRig("Time", RowsOf(texts)) {
    TFelirat& f = editor();
    for (ui::MenuItem* item :
         {&f.dolt, &f.dolt2, &f.Vastagitott, &f.Alahuzott, &f.osszesel, &f.Kivagas, &f.Masolas})
      item->SetEnabled(true);
  }
  static std::vector<Row> RowsOf(const Strings& texts) {
    std::vector<Row> rows;
    int second = 1;
    for (const std::string& text : texts) {
      const std::string start = "00:00:0" + std::to_string(second) + ",000";
      const std::string end = "00:00:0" + std::to_string(second) + ",500";
      rows.push_back({start, end, text});
      ++second;
    }
    return rows;
  }

  // The grid popup opened over the current row, then an item chosen.
  bool ChooseFromGrid(Item item) {
    editor().RacsPM.Popup(0, 0);
    return driver.ChooseMenuItem(editor().*item);
  }
  // Selects memo characters [start, start + length) and chooses an item of the text box popup.
  bool ChooseFromTextBox(int start, int length, Item item) {
    Select(start, length);
    editor().SzovegPop.Popup(0, 0);
    return driver.ChooseMenuItem(editor().*item);
  }
  void Select(int start, int length) {
    editor().szoveg.SetSelStart(start);
    editor().szoveg.SetSelLength(length);
  }
  Strings Texts() { return Column(field::kSzoveg); }
  std::string& Clipboard() { return program.state.TextClipboard; }

  // What every command leaves behind once it has changed the row.
  void ExpectStoredAndShown() {
    TFelirat& f = editor();
    EXPECT_FALSE(program.state.InternalUpdate);
    EXPECT_EQ(table().State(), dataset::TableState::kBrowse);
    EXPECT_TRUE(f.Bmentes.Enabled());
    EXPECT_TRUE(f.Mentes1.Enabled());
    EXPECT_EQ(f.szoveg.Text(), RowTextToMemoText(table().Value(field::kSzoveg)));
  }
};

TEST(StyleCommands, GridPopupTogglesTheTagsOfTheWholeText) {
  struct Case {
    std::string text;
    Item item;
    std::string toggled;
    std::string again;
  };
  const std::vector<Case> cases = {
      {"Hello", &TFelirat::dolt, "<i>Hello</i>", "Hello"},
      {"Hello", &TFelirat::dolt2, "<i>Hello", "Hello"},
      {"A|B", &TFelirat::Vastagitott, "<b>A|B</b>", "A|B"},
      {"Hello", &TFelirat::Alahuzott, "<u>Hello</u>", "Hello"},
      // A row holding only an opening italic tag shows "Dőlt" unticked and gets a second pair.
      {"<i>Hello", &TFelirat::dolt, "<i><i>Hello</i>", "Hello"},
      {"", &TFelirat::dolt, "<i></i>", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    StyleRig rig({c.text, "other"});
    ASSERT_TRUE(rig.ChooseFromGrid(c.item));
    EXPECT_EQ(rig.Texts(), (Strings{c.toggled, "other"}));
    EXPECT_TRUE((rig.editor().*c.item).Checked());
    rig.ExpectStoredAndShown();
    ASSERT_TRUE(rig.ChooseFromGrid(c.item));
    EXPECT_EQ(rig.Texts(), (Strings{c.again, "other"}));
    EXPECT_FALSE((rig.editor().*c.item).Checked());
  }
}

TEST(StyleCommands, GridKeysToggleTheTags) {
  StyleRig rig({"Hello"});
  rig.driver.Focus(rig.editor().racs);
  rig.driver.Type("b");
  EXPECT_EQ(rig.Texts(), Strings{"<b>Hello</b>"});
  rig.driver.Type("b");
  rig.driver.Type("i");
  EXPECT_EQ(rig.Texts(), Strings{"<i>Hello</i>"});
}

TEST(StyleCommands, RemovingAllFormatting) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"<i><b>A</b></i>|<u>B</u>", "A|B"},
      {"A</b>|<i>B", "A|B"},
      {"<u>x</u></u>", "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    StyleRig rig({c.text});
    ASSERT_TRUE(rig.ChooseFromGrid(&TFelirat::osszesel));
    EXPECT_EQ(rig.Texts(), Strings{c.expected});
    TFelirat& f = rig.editor();
    EXPECT_FALSE(f.dolt.Checked());
    EXPECT_FALSE(f.Vastagitott.Checked());
    EXPECT_FALSE(f.Alahuzott.Checked());
    rig.ExpectStoredAndShown();
  }
}

TEST(StyleCommands, SelectedTextBetweenTags) {
  struct Case {
    std::string text;
    int start;
    int length;
    Item item;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"Hello world", 6, 5, &TFelirat::kszv, "Hello <b>world</b>"},
      {"Hello world", 0, 5, &TFelirat::kszd, "<i>Hello</i> world"},
      {"A|B", 0, 4, &TFelirat::ksza, "<u>A|B</u>"},
      // The first occurrence gets the tags, whichever was selected.
      {"ab|ab", 4, 2, &TFelirat::kszd, "<i>ab</i>|ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    StyleRig rig({c.text});
    const std::string selected = rig.editor().szoveg.Text().substr(c.start, c.length);
    ASSERT_TRUE(rig.ChooseFromTextBox(c.start, c.length, c.item));
    EXPECT_EQ(rig.Texts(), Strings{c.expected});
    EXPECT_EQ(rig.Clipboard(), MemoTextToRowText(selected));
    rig.ExpectStoredAndShown();
  }
}

TEST(StyleCommands, SelectionNotInTheStoredTextChangesNothing) {
  StyleRig rig({"Hello"});
  TFelirat& f = rig.editor();
  f.szoveg.SetText("Hello there");  // typed, not yet stored
  ASSERT_TRUE(rig.ChooseFromTextBox(6, 5, &TFelirat::kszv));
  EXPECT_EQ(rig.Texts(), Strings{"Hello"});
  EXPECT_EQ(rig.Clipboard(), "there");
  EXPECT_FALSE(rig.program.state.InternalUpdate);
  EXPECT_FALSE(f.Bmentes.Enabled());
}

TEST(StyleCommands, TextBoxPopupOffersWhatApplies) {
  struct Case {
    int selection;
    std::string clipboard;
    bool selection_items;
    bool paste;
  };
  const std::vector<Case> cases = {
      {0, "", false, false},
      {0, "x", false, true},
      {3, "", true, false},
  };
  for (const Case& c : cases) {
    StyleRig rig({"Hello"});
    TFelirat& f = rig.editor();
    rig.Clipboard() = c.clipboard;
    rig.Select(1, c.selection);
    f.SzovegPop.Popup(0, 0);
    for (const ui::MenuItem* item : {&f.SzPK1B, &f.SzPK, &f.SzPM, &f.kszd, &f.ksza, &f.kszv})
      EXPECT_EQ(item->Enabled(), c.selection_items) << item->Name();
    EXPECT_EQ(f.SzPB.Enabled(), c.paste);
    EXPECT_TRUE(f.KivagKovBeEleje.Enabled());
  }
}

TEST(StyleCommands, CopyAndCutTheSelection) {
  struct Case {
    std::string text;
    int start;
    int length;
    Item item;
    std::string clipboard;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"A|B", 0, 4, &TFelirat::SzPM, "A|B", "A|B"},
      {"ab|ab", 4, 2, &TFelirat::SzPK, "ab", "|ab"},
      {"A|B", 3, 1, &TFelirat::SzPK, "B", "A"},
      {"<i>A|B</i>", 0, 6, &TFelirat::SzPK, "<i>A|", "B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    StyleRig rig({c.text});
    ASSERT_TRUE(rig.ChooseFromTextBox(c.start, c.length, c.item));
    EXPECT_EQ(rig.Clipboard(), c.clipboard);
    EXPECT_EQ(rig.Texts(), Strings{c.expected});
    EXPECT_FALSE(rig.program.state.InternalUpdate);
  }
}

TEST(StyleCommands, PasteAtTheCaret) {
  struct Case {
    int caret;
    std::string expected;
  };
  for (const Case& c : std::vector<Case>{{4, "A|BX"}, {3, "A|XB"}, {0, "XA|B"}}) {
    StyleRig rig({"A|B"});
    rig.Clipboard() = "X";
    ASSERT_TRUE(rig.ChooseFromTextBox(c.caret, 0, &TFelirat::SzPB));
    EXPECT_EQ(rig.Texts(), Strings{c.expected});
    EXPECT_EQ(rig.Clipboard(), "X");
    rig.ExpectStoredAndShown();
  }
}

TEST(StyleCommands, CutIntoAnotherRow) {
  struct Case {
    Strings texts;
    Item item;
    Strings expected;
    int current;
  };
  const std::vector<Case> cases = {
      {{"Hello world", "Foo"}, &TFelirat::KivagKovBeEleje, {"Hello ", "worldFoo"}, 2},
      {{"Hello world"}, &TFelirat::KivagKovBeEleje, {"Hello ", "world"}, 2},
      {{"Hello world", "Foo"}, &TFelirat::SzPK1B, {"Hello ", "world", "Foo"}, 2},
      {{"Hello world"}, &TFelirat::SzPK1B, {"Hello ", "world"}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts.size());
    StyleRig rig(c.texts);
    ASSERT_TRUE(rig.ChooseFromTextBox(6, 5, c.item));
    EXPECT_EQ(rig.Texts(), c.expected);
    EXPECT_EQ(rig.table().RecNo(), c.current);
    EXPECT_EQ(rig.Clipboard(), "world");
    rig.ExpectStoredAndShown();
  }
}

TEST(StyleCommands, GridCutCopyAndPasteMoveWholeTexts) {
  StyleRig rig({"A|B", "C"});
  TFelirat& f = rig.editor();
  EXPECT_FALSE(f.Beillesztes.Enabled());
  ASSERT_TRUE(rig.ChooseFromGrid(&TFelirat::Kivagas));
  EXPECT_EQ(rig.Texts(), (Strings{"", "C"}));
  EXPECT_EQ(rig.Clipboard(), "A|B");
  EXPECT_TRUE(f.Beillesztes.Enabled());
  rig.ExpectStoredAndShown();

  rig.table().Next();
  ASSERT_TRUE(rig.ChooseFromGrid(&TFelirat::Beillesztes));
  EXPECT_EQ(rig.Texts(), (Strings{"", "A|B"}));
  rig.ExpectStoredAndShown();

  // An empty clipboard pastes nothing: the row keeps its text.
  rig.table().First();
  ASSERT_TRUE(rig.ChooseFromGrid(&TFelirat::Masolas));
  EXPECT_EQ(rig.Clipboard(), "");
  ASSERT_TRUE(rig.ChooseFromGrid(&TFelirat::Beillesztes));
  rig.table().Last();
  ASSERT_TRUE(rig.ChooseFromGrid(&TFelirat::Beillesztes));
  EXPECT_EQ(rig.Texts(), (Strings{"", "A|B"}));
}

TEST(StyleCommands, GridPasteWithAnEmptyClipboardKeepsTheRow) {
  StyleRig rig({"Hello"});
  TFelirat& f = rig.editor();
  f.Beillesztes.SetEnabled(true);
  ASSERT_TRUE(rig.ChooseFromGrid(&TFelirat::Beillesztes));
  EXPECT_EQ(rig.Texts(), Strings{"Hello"});
  EXPECT_FALSE(f.Bmentes.Enabled());
  EXPECT_EQ(f.szoveg.Text(), "Hello");
}

// A tag that would take the row past its 220 characters is refused with a message; the row
// and the item's tick stay as they were.
TEST(StyleCommands, TagsThatDoNotFitAreRefused) {
  struct Case {
    int length;  // of the row text, letters only
    Item item;
    bool from_text_box;
    bool fits;
  };
  const std::vector<Case> cases = {
      {218, &TFelirat::dolt, false, false},        {213, &TFelirat::dolt, false, true},
      {218, &TFelirat::dolt2, false, false},       {217, &TFelirat::dolt2, false, true},
      {214, &TFelirat::Vastagitott, false, false}, {214, &TFelirat::Alahuzott, false, false},
      {214, &TFelirat::kszd, true, false},         {213, &TFelirat::kszv, true, true},
      {220, &TFelirat::ksza, true, false},
  };
  const std::string kRefusal =
      "message: Figyelmeztetés | A formázással a sor hosszabb lenne 220 karakternél! | A sor "
      "nem változott.";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    const std::string text(static_cast<std::size_t>(c.length), 'a');
    StyleRig rig({text});
    TFelirat& f = rig.editor();
    if (!c.fits)
      rig.AnswerOk();
    ASSERT_TRUE(c.from_text_box ? rig.ChooseFromTextBox(0, 5, c.item) : rig.ChooseFromGrid(c.item));
    EXPECT_FALSE(rig.program.state.InternalUpdate);
    if (c.fits) {
      EXPECT_EQ(rig.Texts()[0].size(), text.size() + (c.item == &TFelirat::dolt2 ? 3 : 7));
      EXPECT_TRUE(rig.Messages().empty());
      continue;
    }
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_EQ(rig.Texts(), Strings{text});
    EXPECT_EQ(rig.Messages(), Strings{kRefusal});
    EXPECT_FALSE(f.Bmentes.Enabled());
    if (!c.from_text_box) {
      EXPECT_FALSE((f.*c.item).Checked());
    }
  }
}

// A paste of the program's own clipboard whose result would take a row past its 220
// characters is refused with a message before anything is cut: every row stays as it was.
TEST(StyleCommands, PastesThatDoNotFitAreRefused) {
  struct Case {
    Strings texts;
    std::string clipboard;  // set before the command; the text box commands copy their own
    Item item;
    bool from_text_box;
    bool fits;
  };
  const std::string long_row(216, 'y');
  const std::string big(221, 'c');
  const std::vector<Case> cases = {
      {{"Hello world", long_row}, "", &TFelirat::KivagKovBeEleje, true, false},
      {{"Hello world", std::string(215, 'y')}, "", &TFelirat::KivagKovBeEleje, true, true},
      {{std::string(218, 'a')}, "abc", &TFelirat::SzPB, true, false},
      {{std::string(217, 'a')}, "abc", &TFelirat::SzPB, true, true},
      {{"Hello"}, big, &TFelirat::Beillesztes, false, false},
      {{"Hello"}, std::string(220, 'c'), &TFelirat::Beillesztes, false, true},
  };
  const std::string kRefusal =
      "message: Figyelmeztetés | A beillesztéssel a sor hosszabb lenne 220 karakternél! | A sor "
      "nem változott.";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts[0].size());
    StyleRig rig(c.texts);
    TFelirat& f = rig.editor();
    rig.Clipboard() = c.clipboard;
    f.Beillesztes.SetEnabled(true);
    if (!c.fits)
      rig.AnswerOk();
    // The text box commands select "world" of «Hello world», or put the caret at the end.
    const bool select = c.item == &TFelirat::KivagKovBeEleje;
    const int start = select ? 6 : static_cast<int>(c.texts[0].size());
    ASSERT_TRUE(c.from_text_box ? rig.ChooseFromTextBox(start, select ? 5 : 0, c.item)
                                : rig.ChooseFromGrid(c.item));
    EXPECT_EQ(rig.driver.Verify(), "");
    EXPECT_FALSE(rig.program.state.InternalUpdate);
    if (c.fits) {
      EXPECT_NE(rig.Texts(), c.texts);
      EXPECT_TRUE(rig.Messages().empty());
      continue;
    }
    EXPECT_EQ(rig.Texts(), c.texts);
    EXPECT_EQ(rig.table().RecNo(), 1);
    EXPECT_EQ(rig.Messages(), Strings{kRefusal});
    EXPECT_FALSE(f.Bmentes.Enabled());
  }
}

// "Kivágás + 1 sor beszúrása + beillesztés" with a selection longer than a row can hold (typed
// into the text box, not yet stored) adds no row and cuts nothing.
TEST(StyleCommands, ACutIntoANewRowThatDoesNotFitIsRefused) {
  StyleRig rig({"Hello"});
  TFelirat& f = rig.editor();
  f.szoveg.SetText(std::string(221, 'z'));
  rig.AnswerOk();
  ASSERT_TRUE(rig.ChooseFromTextBox(0, 221, &TFelirat::SzPK1B));
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(rig.Texts(), Strings{"Hello"});
  EXPECT_EQ(rig.Messages().size(), 1u);
}

TEST(StyleCommands, AnEmptyTableGetsNoRow) {
  StyleRig rig({});
  TFelirat& f = rig.editor();
  rig.Clipboard() = "x";
  for (void (TFelirat::*command)() :
       {&TFelirat::doltClick, &TFelirat::dolt2Click, &TFelirat::osszeselClick,
        &TFelirat::KivagasClick, &TFelirat::MasolasClick, &TFelirat::BeillesztesClick,
        &TFelirat::SzPK1BClick, &TFelirat::KivagKovBeElejeClick, &TFelirat::SzPKClick,
        &TFelirat::SzPBClick, &TFelirat::kszdClick}) {
    (f.*command)();
    EXPECT_EQ(rig.table().RecordCount(), 0);
    EXPECT_EQ(rig.table().State(), dataset::TableState::kBrowse);
    EXPECT_FALSE(rig.program.state.InternalUpdate);
  }
  EXPECT_EQ(rig.Clipboard(), "x");
}

}  // namespace
}  // namespace editor
