#include "corrections/atfedes.h"

#include "corrections/timing_commands.h"
#include "platform/text/text.h"
#include "shell/hibaki.h"
#include "shell/plain_message.h"
#include "shell/program.h"

namespace corrections {

TAtfedes::TAtfedes(shell::Program& program) : Form(program.app, "Atfedes"), program_(program) {
  SetCaption("Felirat átfedésének vizsgálata");
  SetBounds(0, 0, 400, 190);
  SetPosition(ui::FormPosition::kScreenCenter);
  SetBorderIcons({.system_menu = false, .minimize = false, .maximize = false});

  RbCsak.SetCaption("Csak vizsgálat");
  RbCsak.SetChecked(true);
  RBV.SetCaption("Vizsgálat+javítás");
  CBhiba.SetCaption("Csak hiba kiírása");
  Label1.SetCaption("/átfedés esetén 0,001 mp hozzáadása /");
  CB5.SetCaption("0,5 mp alatti 0,5 mp legyen");
  CBstat.SetCaption("0,5 másodperc alatti statisztika készítése");
  CBstat.SetChecked(true);
  Stat.SetCaption("Statisztika");
  Stat.SetEnabled(false);
  Blista.SetCaption("Lista");
  Binditas.SetCaption("Indítás");
  Button2.SetCaption("Vissza");
  FszazalekAF.SetVisible(false);

  Binditas.OnClick = [this] { BinditasClick(); };
  Button2.OnClick = [this] { Button2Click(); };
  Blista.OnClick = [this] { BlistaClick(); };
  CBhiba.OnClick = [this] { CBhibaClick(); };
  Stat.OnClick = [this] { StatClick(); };
  RbCsak.OnClick = [this] { RbCsakClick(); };
  OnActivate = [this] { FormActivate(); };
  // The keys hold for the window and every control on it.
  SetKeyPreview(true);
  OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { RbCsakKeyDown(key, shift); };
  Created();
}

OverlapOptions TAtfedes::Options() const {
  return OverlapOptions{.check_only = RbCsak.Checked(),
                        .errors_only = CBhiba.Checked(),
                        .stretch = CB5.Checked(),
                        .statistics = CBstat.Checked()};
}

void TAtfedes::RunOverlapCheck(Reporting show) {
  RunOverlapCheckCommand(*program_.Felirat, program_, *this, show);
}

void TAtfedes::BinditasClick() {
  RunOverlapCheck(kShowReport);
}

void TAtfedes::Button2Click() {
  Close();
}

void TAtfedes::FormActivate() {
  Blista.SetEnabled(false);
  Binditas.SetFocus();
  Stat.SetEnabled(false);
}

void TAtfedes::BlistaClick() {
  shell::THibaki& list = *program_.Hibaki;
  list.SetCaption("Az átfedés vizsgálatának eredménye");
  list.SetLabelsVisible(false);
  list.ShowReport();
}

void TAtfedes::CBhibaClick() {
  Blista.SetEnabled(false);
}

void TAtfedes::StatClick() {
  shell::ShowPlainMessage(program_,
                          "0 mp alatt: " + text::IntToStr(statistics.non_positive) + "\r\n" +
                              "0 - 0.249 mp: " + text::IntToStr(statistics.under_quarter) + "\r\n" +
                              "0.250 - 0.499 mp: " + text::IntToStr(statistics.under_half));
}

void TAtfedes::RbCsakClick() {
  CB5.SetChecked(false);
}

void TAtfedes::CheckOnlyMode() {
  RbCsak.SetChecked(true);
  RbCsakClick();
}

void TAtfedes::RbCsakKeyDown(ui::Key& key, ui::ShiftState) {
  if (key == ui::keys::kEscape) {
    Close();
  } else if (key == ui::keys::kF1) {
    CheckOnlyMode();
  } else if (key == ui::keys::kF2) {
    RBV.SetChecked(true);
    CB5.SetChecked(true);
  } else if (key == ui::keys::kF3) {
    RBV.SetChecked(true);
    CB5.SetChecked(false);
  }
}

}  // namespace corrections
