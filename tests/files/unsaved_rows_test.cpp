// Before the editor's rows are thrown away for other rows (another subtitle opened with Ctrl+O,
// "Új felirat", the join), a modified subtitle is offered for saving: "Igen" saves it to its own
// file and goes on, "Nem" goes on, "Mégsem" leaves everything as it was. And every new or
// loaded subtitle counts its own flagged rows, never those of the subtitle before it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/felirat.h"
#include "files/cd2cd1.h"
#include "files/editor_rig.h"
#include "files/ertek2cd.h"
#include "files/kereses.h"
#include "shell/fo_form.h"
#include "shell/kiszoveg.h"
#include "shell/uj_felirat.h"

namespace files {
namespace {

using testing::EditorRig;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

namespace field = dataset::subtitle_field;

constexpr std::string_view kQuestion =
    "message: A felirat mentése! | A felirat módosítva lett! | Elmenti?";
constexpr std::string_view kEdited = "1\r\n00:00:01,000 --> 00:00:02,000\r\nSzerkesztett";
constexpr std::string_view kOther = "1\r\n00:00:05,000 --> 00:00:06,000\r\nMasik\r\n";

enum class Answer { kNone, kIgen, kNem, kMegsem };

struct Case {
  const char* name;
  bool modified;
  Answer answer;  // kNone: no question expected
  bool replaced;  // the rows gave way
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"not modified", false, Answer::kNone, true},
      {"Nem", true, Answer::kNem, true},
      {"Igen", true, Answer::kIgen, true},
      {"Mégsem", true, Answer::kMegsem, false},
  };
  return cases;
}

// An edited time-based subtitle whose document is film.srt (not yet written) in `folder`.
struct EditedRig : EditorRig {
  explicit EditedRig(const Case& c, const std::filesystem::path& folder) {
    SetTimeBase("Time");
    AddRows({{"00:00:01,000", "00:00:02,000", "Szerkesztett"}});
    SetDocument(folder / "film.srt");
    editor().Efilenev.SetText("film.srt");
    state().StartState = "felvitt";
    editor().Beolvas.SetChecked(true);  // no result list after a read
    SetModified(c.modified);
    AnswerQuestion(c.answer);
  }

  void AnswerQuestion(Answer answer) {
    if (answer == Answer::kIgen)
      AnswerMessage(&shell::TKiszoveg::Bigen);
    else if (answer == Answer::kNem)
      AnswerMessage(&shell::TKiszoveg::Bnem);
    else if (answer == Answer::kMegsem)
      AnswerMessage(&shell::TKiszoveg::Bmegsem);
  }

  std::vector<std::string> Texts() {
    std::vector<std::string> texts;
    dataset::RowTable& table = editor().cds;
    for (int row = 1; row <= table.RecordCount(); ++row)
      texts.emplace_back(table.Cell(row, field::kSzoveg));
    return texts;
  }

  size_t Questions() const { return Lines(kQuestion).size(); }
};

void ExpectAskedAndSaved(EditedRig& rig, const Case& c, const std::filesystem::path& folder) {
  EXPECT_EQ(rig.Questions(), c.answer == Answer::kNone ? 0u : 1u);
  // "Igen" wrote the edits into the subtitle's own file, and nowhere else.
  if (c.answer == Answer::kIgen) {
    EXPECT_EQ(ReadBytes(folder / "film.srt"), kEdited);
  } else {
    EXPECT_FALSE(std::filesystem::exists(folder / "film.srt"));
  }
}

TEST(UnsavedRows, OpeningAnotherSubtitleAsksFirst) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    WriteBytes(folder / "masik.srt", kOther);
    EditedRig rig(c, folder.path());
    TKereses& open_window = *rig.program.Kereses;

    ASSERT_TRUE(rig.driver.Press('O', ui::ShiftState::kCtrl));
    ASSERT_TRUE(open_window.Visible());
    const text::LineList& items = open_window.filelistbox.Items();
    const auto item = std::find(items.begin(), items.end(), "masik.srt");
    ASSERT_NE(item, items.end());
    rig.driver.ClickItem(open_window.filelistbox, static_cast<int>(item - items.begin()));
    ASSERT_TRUE(rig.driver.Click(open_window.megnyitas));
    EXPECT_EQ(rig.driver.Verify(), "");

    ExpectAskedAndSaved(rig, c, folder.path());
    EXPECT_FALSE(open_window.Visible());
    if (c.replaced) {
      EXPECT_EQ(rig.Texts(), std::vector<std::string>{"Masik"});
      EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(folder / "masik.srt"));
      EXPECT_EQ(rig.editor().Efilenev.Text(), "masik.srt");
    } else {
      EXPECT_EQ(rig.Texts(), std::vector<std::string>{"Szerkesztett"});
      EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(folder / "film.srt"));
      EXPECT_EQ(rig.editor().Efilenev.Text(), "film.srt");
      EXPECT_TRUE(rig.Modified());
    }
  }
}

TEST(UnsavedRows, NewSubtitleAsksFirst) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    EditedRig rig(c, folder.path());

    ASSERT_TRUE(rig.driver.ChooseMenuItem(rig.editor().jfelirat1));
    EXPECT_EQ(rig.driver.Verify(), "");

    ExpectAskedAndSaved(rig, c, folder.path());
    const std::vector<std::string> texts = rig.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Szerkesztett"), c.replaced ? 0 : 1);
    EXPECT_EQ(rig.editor().Efilenev.Text(), c.replaced ? "" : "film.srt");
    EXPECT_EQ(rig.state().CurrentFilePath.empty(), c.replaced);
  }
}

TEST(UnsavedRows, TheJoinAsksBeforeItEmptiesTheTable) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    WriteBytes(folder / "cd1.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nElso\r\n\r\n");
    WriteBytes(folder / "cd2.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nMasodik\r\n");
    EditedRig rig(c, folder.path());
    // The dialogs have been passed: the parts, the start value and the joined file's name.
    rig.program.Cd2cd1->JoinFirstPath = files::ShownPath(folder / "cd1.srt");
    rig.program.Cd2cd1->JoinSecondPath = files::ShownPath(folder / "cd2.srt");
    rig.program.Ertek2cd->Edit2.SetText("00:10:00,000");
    rig.program.Ertek2cd->E2cdfilenev.SetText(TextOfPath(folder / "egesz.srt"));
    rig.editor().Bvegre21.SetEnabled(true);
    if (c.replaced)
      rig.AnswerMessage(&shell::TKiszoveg::Bok);  // "A file-t elmentettem!"

    rig.editor().Bvegre21Click();
    EXPECT_EQ(rig.driver.Verify(), "");

    ExpectAskedAndSaved(rig, c, folder.path());
    EXPECT_EQ(std::filesystem::exists(folder / "egesz.srt"), c.replaced);
    if (c.replaced) {
      EXPECT_EQ(rig.Texts(), (std::vector<std::string>{"Elso", "Masodik"}));
    } else {
      // Nothing changed: the rows, the document, and the join still ready to run.
      EXPECT_EQ(rig.Texts(), std::vector<std::string>{"Szerkesztett"});
      EXPECT_EQ(rig.state().CurrentFilePath.Text(), TextOfPath(folder / "film.srt"));
      EXPECT_TRUE(rig.Modified());
      EXPECT_TRUE(rig.editor().Bvegre21.Enabled());
    }
  }
}

// "Igen" whose save fails keeps the rows: they are never thrown away unsaved.
TEST(UnsavedRows, AFailedSaveKeepsTheRows) {
  TempFolder folder;
  WriteBytes(folder / "masik.srt", kOther);
  EditedRig rig({"Igen", true, Answer::kIgen, false}, folder.path());
  rig.SetDocument(folder / "nincs" / "film.srt");  // a folder that is not there
  rig.state().CurrentDirectory = files::ShownPath(folder.path());
  rig.AnswerMessage(&shell::TKiszoveg::Bok);  // "Írásvédett file!"

  ASSERT_TRUE(rig.driver.ChooseMenuItem(rig.editor().jfelirat1));
  EXPECT_EQ(rig.driver.Verify(), "");

  EXPECT_EQ(rig.Lines("message: Írásvédett file!").size(), 1u);
  EXPECT_EQ(rig.Texts(), std::vector<std::string>{"Szerkesztett"});
  EXPECT_TRUE(rig.Modified());
  EXPECT_EQ(rig.editor().Efilenev.Text(), "film.srt");
}

// ---- Flag counters -------------------------------------------------------------------------

// Two rows with a line over 37 letters, one of them also of three lines.
constexpr std::string_view kFlagged =
    "1\r\n00:00:01,000 --> 00:00:02,000\r\nEz a sor bizony sokkal hosszabb harminchet betunel\r\n"
    "\r\n2\r\n00:00:03,000 --> 00:00:04,000\r\nEgy\r\nKetto\r\nEz a sor is sokkal hosszabb "
    "harminchet betunel\r\n\r\n3\r\n00:00:05,000 --> 00:00:06,000\r\nRovid\r\n";

// Opened from the start window, then back, then "Új felirat készítése": the new subtitle's
// counters show its own rows, not the "(2)" and "(1)" of the file before.
TEST(FlagCounters, ANewSubtitleAfterAFlaggedOneStartsFromItsOwnRows) {
  TempFolder folder;
  WriteBytes(folder / "jelolt.srt", kFlagged);
  shell::testing::Rig rig;
  shell::Program& program = rig.program;
  editor::TFelirat& f = *program.Felirat;
  f.Beolvas.SetChecked(true);
  program.state.CurrentDirectory = files::ShownPath(folder.path());

  rig.driver.OnModal("Kereses", [&] {
    TKereses& open_window = *program.Kereses;
    rig.driver.ClickItem(open_window.filelistbox, 0);
    rig.driver.Click(open_window.megnyitas);
  });
  rig.driver.OnModal("Felirat", [&] {
    EXPECT_EQ(f.cds.RecordCount(), 3);
    EXPECT_EQ(program.state.LongLineRowCount, 2);
    EXPECT_EQ(program.state.ManyLineRowCount, 1);
    rig.driver.Click(f.Cbtobb);
    rig.driver.Click(f.CB3sor);
    EXPECT_EQ(f.Lbetu.Caption(), "(2)");
    EXPECT_EQ(f.Lsor.Caption(), "(1)");
    rig.driver.Click(f.Bvissza);
  });
  rig.driver.OnModal("UjFelirat", [&] { rig.driver.Click(program.UjFelirat->Button1); });
  rig.driver.OnModal("Felirat", [&] {
    EXPECT_EQ(f.cds.RecordCount(), 1);
    EXPECT_EQ(program.state.LongLineRowCount, 0);
    EXPECT_EQ(program.state.ManyLineRowCount, 0);
    EXPECT_TRUE(f.Lbetu.Visible());
    EXPECT_EQ(f.Lbetu.Caption(), "(0)");
    EXPECT_EQ(f.Lsor.Caption(), "(0)");
    // A new subtitle counts as modified: going back asks first.
    rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(program.Kiszoveg->Bnem); });
    rig.driver.Click(f.Bvissza);
  });
  rig.driver.OnRun([&] { ASSERT_TRUE(rig.driver.Click(program.FoForm->BitBtn3)); });
  rig.driver.OnRun([&] { ASSERT_TRUE(rig.driver.Click(program.FoForm->BitBtn2)); });
  program.Run();
  EXPECT_EQ(rig.driver.Verify(), "");
}

// A file that turns out unusable empties the table: the counters go with its rows.
TEST(FlagCounters, AnUnusableFileLeavesNoCountsBehind) {
  TempFolder folder;
  WriteBytes(folder / "jelolt.srt", kFlagged);
  WriteBytes(folder / "ures.srt", "");
  EditorRig rig;
  rig.editor().Beolvas.SetChecked(true);
  rig.state().CurrentDirectory = files::ShownPath(folder.path());
  TKereses& open_window = *rig.program.Kereses;
  auto open = [&](int index) {
    ASSERT_TRUE(rig.driver.Press('O', ui::ShiftState::kCtrl));
    rig.driver.ClickItem(open_window.filelistbox, index);
    rig.driver.Click(open_window.megnyitas);
  };
  open(0);  // jelolt.srt
  EXPECT_EQ(rig.state().LongLineRowCount, 2);
  EXPECT_EQ(rig.state().ManyLineRowCount, 1);
  rig.SetModified(false);
  rig.AnswerMessage(&shell::TKiszoveg::Bok);  // "Hiba a file-ban!"
  open(1);                                    // ures.srt
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(rig.editor().cds.RecordCount(), 0);
  EXPECT_EQ(rig.state().LongLineRowCount, 0);
  EXPECT_EQ(rig.state().ManyLineRowCount, 0);
  EXPECT_EQ(rig.editor().Lbetu.Caption(), "(0)");
}

}  // namespace
}  // namespace files
