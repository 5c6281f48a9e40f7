// After every command that moves the current row or rebuilds the table while the panel is not
// listening, the row panel shows the grid's current row, and a key typed into the text box
// edits that row and no other.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "corrections/atfedes.h"
#include "editor/felirat.h"
#include "editor/fps_valtas.h"
#include "editor/kereses_csere.h"
#include "editor/row_command_rig.h"
#include "editor/rules/row_text.h"
#include "editor/torles_tobb.h"
#include "files/cd2cd1.h"
#include "files/ertek2cd.h"
#include "files/fileneve.h"
#include "files/mentes_maskent.h"
#include "files/open_flow.h"
#include "formats/document_path.h"
#include "platform/desktop/temp_folder.h"
#include "platform/text/text.h"
#include "shell/hibaki.h"
#include "shell/kiszoveg.h"

namespace editor {
namespace {

using testing::Row;
using testing::RowCommandRig;
namespace field = dataset::subtitle_field;

// Ten rows two seconds apart; row 5 overlaps row 6, row 7 is empty, a few hold what the
// corrections look for.
std::vector<Row> TenRows() {
  std::vector<Row> rows;
  for (int i = 1; i <= 10; ++i) {
    const std::string second = (i < 5 ? "0" : "") + std::to_string(2 * i);
    rows.push_back(
        {"00:00:" + second + ",000", "00:00:" + second + ",900", "Sor " + std::to_string(i)});
  }
  rows[1].text = "Szia , hogy vagy ?";
  rows[2].text = "-Igen.|-Nem.";
  rows[3].text = "(nevet) Ez egy nagyon hosszú sor, amely túl van a harminchét betűn is.";
  rows[4].end = "00:00:12,500";
  rows[6].text = "";
  rows[8].text = "Kilenc|sor";
  return rows;
}

struct PanelRig : RowCommandRig {
  // The editing controls on, as after a file was read.
  PanelRig() : RowCommandRig("Time", TenRows()) {
    files::AfterFileChosen(program, false);
    files::EnableEditingControls(program);
  }

  void AnswerOk(int count = 1) {
    for (int i = 0; i < count; ++i)
      Answer(&shell::TKiszoveg::Bok);
  }
  void AnswerYes() { Answer(&shell::TKiszoveg::Bigen); }
  // The corrections' own plain report window.
  void AnswerPlain() {
    driver.OnModal("PlainMessage", [this] { driver.Press(ui::keys::kReturn); });
  }
  void CloseList() {
    driver.OnModal("Hibaki", [this] { driver.Click(program.Hibaki->Button1); });
  }

  // The overlap window's check in one of its modes, then "Vissza".
  void OverlapCheck(bool repair) {
    corrections::TAtfedes& window = *program.Atfedes;
    editor().BAtfedesClick();
    driver.Click(repair ? window.RBV : window.RbCsak);
    AnswerOk();
    driver.Click(window.Binditas);
    driver.Click(window.Button2);
  }

  // The search-and-replace window: `steps`, then "Vissza".
  void InReplaceWindow(const std::function<void(TKeresesCsere&)>& steps) {
    driver.OnModal("KeresesCsere", [this, steps] {
      steps(*program.KeresesCsere);
      driver.Click(program.KeresesCsere->Button4);
    });
    editor().MkercsereClick();
  }

  desktop_test::TempFolder folder;
};

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  desktop_test::WriteBytes(path, bytes);
}

// The two parts of a join, chosen in the join dialogs, then "Végrehajtás".
void Join(PanelRig& rig) {
  TFelirat& f = rig.editor();
  const std::filesystem::path& dir = rig.folder.path();
  WriteFile(dir / "a.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nElső\r\n\r\n");
  WriteFile(dir / "b.srt",
            "1\r\n00:00:01,000 --> 00:00:02,000\r\nMásik\r\n\r\n"
            "2\r\n00:00:03,000 --> 00:00:04,000\r\nHarmadik\r\n\r\n");
  files::TCd2cd1& chooser = *rig.program.Cd2cd1;
  files::TErtek2cd& start = *rig.program.Ertek2cd;
  auto pick = [&rig, &chooser](std::string_view name) {
    const text::LineList& items = chooser.filelistbox.Items();
    const auto found = std::find(items.begin(), items.end(), name);
    ASSERT_NE(found, items.end()) << name;
    rig.driver.DoubleClickItem(chooser.filelistbox, static_cast<int>(found - items.begin()));
  };
  rig.driver.OnModal("Ertek2cd", [&rig, &start, dir] {
    start.Edit2.SetText("00:01:00,000");
    rig.driver.OnModal("Fileneve", [&rig, dir] {
      files::TFileneve& window = *rig.program.Fileneve;
      window.dlb.SetDirectory(dir);
      rig.driver.Focus(window.e1);
      rig.driver.Type("egesz");
      rig.driver.Click(window.Bok);
    });
    rig.driver.Click(start.Btalloz);
    rig.driver.Click(start.B2ervenyesit);
  });
  rig.driver.OnModal("Cd2cd1", [&] {
    chooser.DirectoryListBox1.SetDirectory(dir);
    pick("a.srt");
    pick("b.srt");
    rig.driver.Click(chooser.Bervenyesit);
  });
  ASSERT_TRUE(rig.driver.Click(f.RB12));
  ASSERT_TRUE(rig.driver.Click(f.RB12cd2));
  f.BfilekiClick();
  rig.AnswerOk();  // "A file-t elmentettem!"
  ASSERT_TRUE(rig.driver.Click(f.Bvegre21));
}

// "X CD -> X CD", row 5 picked as part 2's first row, "Végrehajtás", then back to the panel.
void Split(PanelRig& rig) {
  TFelirat& f = rig.editor();
  rig.program.state.CurrentFilePath = files::ShownPath(rig.folder.path() / "film.srt");
  f.Efilenev.SetText("film.srt");
  ASSERT_TRUE(rig.driver.Click(f.RB12));
  f.cds.SetRecNo(5);
  rig.AnswerOk();
  ASSERT_TRUE(rig.driver.Click(f.Bvegrehajt));
  ASSERT_TRUE(rig.driver.Click(f.RB1));
}

struct Command {
  const char* name;
  std::function<void(PanelRig&)> run;
};

std::vector<Command> Commands() {
  auto ok = [](int count, void (TFelirat::*handler)()) {
    return [count, handler](PanelRig& rig) {
      rig.AnswerOk(count);
      (rig.editor().*handler)();
    };
  };
  return {
      {"Átfedés, Csak vizsgálat", [](PanelRig& rig) { rig.OverlapCheck(false); }},
      {"Átfedés, Vizsgálat+javítás", [](PanelRig& rig) { rig.OverlapCheck(true); }},
      {"Átfedés, Lista",
       [](PanelRig& rig) {
         rig.OverlapCheck(false);
         rig.editor().BAtfedesClick();
         rig.AnswerOk();
         rig.driver.Click(rig.program.Atfedes->Binditas);
         rig.CloseList();
         rig.driver.Click(rig.program.Atfedes->Blista);
         rig.driver.Click(rig.program.Atfedes->Button2);
       }},
      {"0,5 mp-es sorok kibővítése", ok(1, &TFelirat::N05mpessorkibvtse1Click)},
      {"0,5 mp-es sorok listája", ok(1, &TFelirat::L05Click)},
      {"Általános javítás", ok(1, &TFelirat::BOsszesClick)},
      {"Agresszív sortörés",
       [](PanelRig& rig) {
         rig.AnswerPlain();
         rig.editor().agresszivClick();
       }},
      {"Hangutánzó szavak",
       [](PanelRig& rig) {
         rig.AnswerPlain();
         rig.editor().HangutnzszavaksNevektrlse1Click();
       }},
      {"Hangutánzó szavak 2",
       [](PanelRig& rig) {
         rig.AnswerPlain();
         rig.editor().Hangutnzszavaksnevektrlse2Click();
       }},
      {"Párbeszéd vonalak", ok(1, &TFelirat::BvonalClick)},
      {"Írásjel után szóköz", ok(1, &TFelirat::karakterekutntegyenspacet1Click)},
      {"Írásjel előtti szóköz", ok(1, &TFelirat::karakterekelttispaceeltntetse1Click)},
      {"Rövid sorok összevonása", ok(1, &TFelirat::BohClick)},
      {"l -> I", ok(1, &TFelirat::lgomb1Click)},
      {"Ékezetek", ok(1, &TFelirat::kezgomb1Click)},
      {"Kisbetűk", ok(1, &TFelirat::sszesbetkisbetlegyen1Click)},
      {"Üres sorok törlése", ok(1, &TFelirat::ressoroktrlse1Click)},
      {"4 soros sorok megtörése", ok(0, &TFelirat::N4sorossorokmegtrse1Click)},
      {"Sorfelezés", ok(1, &TFelirat::Sorfelezs3872bet1Click)},
      {"Teljes formázás", ok(0, &TFelirat::FeliratTeljesClick)},
      {"Lista",
       [](PanelRig& rig) {
         rig.AnswerOk();
         rig.editor().BOsszesClick();
         rig.CloseList();
         rig.editor().BlistaClick();
       }},
      {"Több sor törlése",
       [](PanelRig& rig) {
         TTorlesTobb& window = *rig.program.TorlesTobb;
         rig.driver.OnModal("TorlesTobb", [&rig, &window] {
           window.SPelso.SetText("2");
           window.SPutso.SetText("4");
           rig.AnswerOk();
           rig.driver.Click(window.Btorles);
         });
         rig.editor().BtobbsorClick();
       }},
      {"2 CD -> 1 CD", Join},
      {"1 CD -> 2 CD", Split},
      {"Fps átváltása",
       [](PanelRig& rig) {
         TFpsValtas& w = *rig.program.FpsValtas;
         rig.driver.OnModal("FpsValtas", [&rig, &w] {
           rig.driver.Choose(w.cb1, w.cb1.IndexOf("25"));
           rig.driver.Choose(w.cb2, w.cb2.IndexOf("23,976"));
           rig.AnswerOk();
           rig.driver.Click(w.Button1);
         });
         rig.driver.Click(rig.editor().Batvaltas);
       }},
      {"Time -> Frame",
       [](PanelRig& rig) {
         TFelirat& f = rig.editor();
         rig.driver.Choose(f.beosztas, f.beosztas.IndexOf("Frame"));
       }},
      {"Frame -> Time",
       [](PanelRig& rig) {
         TFelirat& f = rig.editor();
         rig.driver.Choose(f.beosztas, f.beosztas.IndexOf("Frame"));
         f.cds.SetRecNo(9);
         rig.driver.Choose(f.beosztas, f.beosztas.IndexOf("Time"));
       }},
      {"Összes találat cseréje",
       [](PanelRig& rig) {
         rig.InReplaceWindow([&rig](TKeresesCsere& w) {
           w.Emit.SetText("Sor");
           w.Emire.SetText("Rés");
           rig.AnswerOk();
           rig.driver.Click(w.Bosszes);
         });
       }},
      {"Keresés és csere, Lista",
       [](PanelRig& rig) {
         rig.InReplaceWindow([&rig](TKeresesCsere& w) {
           w.Emit.SetText("Sor");
           w.Emire.SetText("Rés");
           rig.AnswerOk();
           rig.driver.Click(w.Bosszes);
           rig.CloseList();
           rig.driver.Click(w.Blistaa);
         });
       }},
      {"Sor törlése",
       [](PanelRig& rig) {
         rig.editor().CBdelete.SetChecked(true);
         rig.editor().BtorlesClick();
       }},
      {"ÖV", [](PanelRig& rig) { rig.editor().BovClick(); }},
      {"1-2", [](PanelRig& rig) { rig.editor().B12Click(); }},
      {"Ugrás erre a sorra",
       [](PanelRig& rig) {
         rig.editor().Eugras.SetText("3");
         rig.editor().BugrasClick();
       }},
      {"Beszúrás", [](PanelRig& rig) { rig.editor().BbeszurasClick(); }},
      {"Mentés",
       [](PanelRig& rig) {
         TFelirat& f = rig.editor();
         rig.program.state.CurrentFilePath = files::ShownPath(rig.folder.path() / "film.srt");
         f.Efilenev.SetText("film.srt");
         f.MarkModified();
         rig.AnswerOk();
         f.Mentes1Click();
       }},
      {"Mentés Más Néven",
       [](PanelRig& rig) {
         files::TMentesMaskent& window = *rig.program.MentesMaskent;
         const std::filesystem::path dir = rig.folder.path();
         rig.driver.OnModal("MentesMaskent", [&rig, &window, dir] {
           ui::ListView& list = window.Lista;
           const int columns = list.ClientWidth() / ui::ListView::kCellWidth;
           int index = 0;
           while (list.Items()[index].caption != "DVD Subtitle System")
             ++index;
           rig.driver.OnModal("Fileneve", [&rig, dir] {
             files::TFileneve& names = *rig.program.Fileneve;
             names.dlb.SetDirectory(dir);
             names.e1.SetText("");
             rig.driver.Focus(names.e1);
             rig.driver.Type("film");
             rig.driver.Click(names.Bok);
           });
           rig.driver.DoubleClickAt(list, (index % columns) * ui::ListView::kCellWidth + 10,
                                    (index / columns) * ui::ListView::kCellHeight + 10);
         });
         rig.driver.Press('S', ui::ShiftState::kCtrl | ui::ShiftState::kShift);
       }},
      {"Módosítás",
       [](PanelRig& rig) {
         TFelirat& f = rig.editor();
         f.Emodositas.SetText("00:00:01,000");
         rig.driver.Click(f.Bmodok);
       }},
  };
}

struct RowValues {
  std::string start;
  std::string end;
  std::string text;
  bool operator==(const RowValues&) const = default;
  friend void PrintTo(const RowValues& row, std::ostream* out) {
    *out << row.start << " " << row.end << " " << row.text;
  }
};

std::vector<RowValues> Rows(dataset::RowTable& table) {
  std::vector<RowValues> rows;
  for (int row = 1; row <= table.RecordCount(); ++row)
    rows.push_back({std::string(table.Cell(row, field::kKezdes)),
                    std::string(table.Cell(row, field::kBefejezes)),
                    std::string(table.Cell(row, field::kSzoveg))});
  return rows;
}

void RunAndType(const Command& command) {
  PanelRig rig;
  TFelirat& f = rig.editor();
  f.cds.SetRecNo(9);
  ASSERT_EQ(f.szoveg.Text(), "Kilenc\r\nsor");
  command.run(rig);
  ASSERT_EQ(rig.driver.Verify(), "");
  ASSERT_FALSE(rig.program.state.InternalUpdate);
  ASSERT_TRUE(f.GB1.Visible());

  const int current = f.cds.RecNo();
  ASSERT_GE(current, 1);
  EXPECT_EQ(f.Esorszam.Text(), text::IntToStr(current));
  EXPECT_EQ(f.kezdes.Text(), f.cds.Value(field::kKezdes));
  EXPECT_EQ(f.befejezes.Text(), f.cds.Value(field::kBefejezes));
  EXPECT_EQ(f.szoveg.Text(), RowTextToMemoText(f.cds.Value(field::kSzoveg)));

  std::vector<RowValues> expected = Rows(f.cds);
  expected[current - 1].text += "Q";
  ASSERT_TRUE(rig.driver.Focus(f.szoveg));
  rig.driver.Press(ui::keys::kEnd, ui::kCtrl);
  rig.driver.Type("Q");
  EXPECT_EQ(f.cds.RecNo(), current);
  EXPECT_EQ(Rows(f.cds), expected);
}

TEST(PanelAfterCommands, ShowsTheCurrentRowAndTypingEditsOnlyIt) {
  for (const Command& command : Commands()) {
    SCOPED_TRACE(command.name);
    RunAndType(command);
  }
}

}  // namespace
}  // namespace editor
