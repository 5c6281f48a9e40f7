#include "files/ertek2cd.h"

#include "editor/felirat.h"
#include "files/cd2cd1.h"
#include "files/fileneve.h"
#include "files/join.h"
#include "formats/join_rules.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "timecode/checks.h"
#include "timecode/key_filters.h"
#include "timecode/time_base.h"

namespace files {

TErtek2cd::TErtek2cd(shell::Program& program) : Form(program.app, "Ertek2cd"), program_(program) {
  SetCaption("Kezdő érték és a File nevének megadása");
  SetBounds(0, 0, 600, 230);
  SetCloseBox(false);
  SetPosition(ui::FormPosition::kScreenCenter);

  Label1.SetCaption("A 2.cd kezdő értéke milyen értékkel szerepeljen az 1. cd-ben:");
  Label3.SetCaption(
      "(Ha pl. az 1.cd utolsó értéke:01:00:00,000 akkor a 2.cd kezdő értéke lehet: "
      "01:00:01,000)");
  Edit2.SetMaxLength(12);
  Edit4.SetVisible(false);
  Label4.SetCaption("Kérem adja meg a keletkező file nevét:");
  Btalloz.SetCaption("Tallozás");
  B2ervenyesit.SetCaption("Érvényesít");
  B2ervenyesit.SetEnabled(false);
  Button2.SetCaption("<<< Vissza");

  WireHandlers();
  Created();
}

void TErtek2cd::WireHandlers() {
  OnActivate = [this] { FormActivate(); };
  Edit2.OnChange = [this] { Edit2Change(); };
  E2cdfilenev.OnChange = [this] { Edit2Change(); };
  Edit2.OnKeyPress = [this](char& ch) { Edit2KeyPress(ch); };
  E2cdfilenev.OnClick = [this] { E2cdfilenevClick(); };
  Btalloz.OnClick = [this] { BtallozClick(); };
  B2ervenyesit.OnClick = [this] { B2ervenyesitClick(); };
  Button2.OnClick = [this] { Button2Click(); };
}

void TErtek2cd::FormActivate() {
  const std::string time_base =
      JoinTimeBase(program_.Cd2cd1->JoinFirstPath.Text(), program_.Cd2cd1->JoinSecondPath.Text());
  if (!time_base.empty())
    Edit4.SetText(time_base);
  JoinTarget.clear();
  E2cdfilenev.SetText("");
  B2ervenyesit.SetEnabled(false);
  Edit2.SetText(Edit4.Text() == timecode::kTimeBaseTime ? "00:00:00,000" : "0");
}

void TErtek2cd::Edit2Change() {
  B2ervenyesit.SetEnabled(!Edit2.Text().empty() && !E2cdfilenev.Text().empty());
}

void TErtek2cd::Edit2KeyPress(char& ch) {
  const char passed = Edit4.Text() == timecode::kTimeBaseTime ? timecode::TimeKeyFilter(ch)
                                                              : timecode::DigitKeyFilter(ch);
  ch = passed == timecode::kEscape ? 0 : passed;
}

void TErtek2cd::E2cdfilenevClick() {
  Btalloz.SetFocus();
}

void TErtek2cd::BtallozClick() {
  program_.state.FileDialogCaller = shell::file_dialog_caller::kDupla;
  program_.Fileneve->ShowModal();
}

void TErtek2cd::B2ervenyesitClick() {
  const std::string value = Edit2.Text();
  const timecode::Check check = Edit4.Text() == timecode::kTimeBaseTime
                                    ? timecode::ValidateTimeCode(value)
                                    : timecode::ValidateFrameNumber(value);
  if (!shell::ShowCheck(program_, check))
    return;
  editor::TFelirat& editor = *program_.Felirat;
  editor.Bvegre21.SetEnabled(true);
  Close();
  program_.state.OpenMode = shell::open_mode::k2cd1cd;
  // The chooser's modal showing ends here with its choices kept.
  program_.Cd2cd1->Show();
  program_.Cd2cd1->Close();
  editor.Show();
  editor.Bvegre21.SetFocus();
}

void TErtek2cd::Button2Click() {
  Close();
  program_.Cd2cd1->Show();
}

}  // namespace files
