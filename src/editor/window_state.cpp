// What the other windows ask of the editor: whether its subtitle is modified, its time base,
// the state the start windows leave it in before they show it, and the layouts it offers.
#include <string>
#include <string_view>

#include "editor/felirat.h"
#include "platform/ui/enable.h"
#include "shell/program.h"
#include "shell/start.h"
#include "timecode/time_base.h"

namespace editor {

using ui::Disable;

bool TFelirat::IsModified() const {
  return Bmentes.Enabled();
}

std::string TFelirat::TimeBase() const {
  return beosztas.Text();
}

void TFelirat::ResetForOpening() {
  shell::SharedState& state = program_.state;
  Disable(beosztas, BFPS, Batvaltas, Emodositas, Bbeszuras, Belemoge, BTorlesTobb, BMKeres,
          BMReszker, Mkercsere, Bmodok, Ekereses, Bkeresok, Breszletes, BKreszletes, RB1, cburessor,
          Bvonal, Blista, Bov, Bovm, BTobbGomb, BOsszes, L05, Boh, Bmentes, Mentes1);
  kezdes.SetText("");
  befejezes.SetText("");
  Disable(Bertek, Btorles, kezdes, befejezes, kulonbseg);
  Belso.Hide();
  Butolso.Hide();
  Disable(dolt, dolt2, Vastagitott, Alahuzott, osszesel, soreleRacs, sor5mogeRacs, sormogeRacs,
          SorTorlese, Tobbsortorlese, Kivagas, Masolas, Beillesztes);
  state.TextClipboard.clear();

  cds.CreateDataSet();
  if (!cds.IsEmpty())
    cds.EmptyDataSet();
  state.InternalUpdate = false;

  Efilenev.SetText("");
  szoveg.SetText("");
  if (program_.FilmPlayer())
    kulonbseg.SetText("");
  BMMN.SetEnabled(false);
  sordarab.SetCaption("0=0 betű");
  if (program_.FilmPlayer()) {
    IdoFrame.SetCaption("00:00:00,000 / 00:00:00,000");
    IdoFrame.SetLeft((GBAdatok.Width() - IdoFrame.Width()) / 2);
  }

  RB12.SetChecked(false);
  Disable(kezdes, befejezes, Cbtobb, CB3sor, SEbetu, BTobbCheck, B12, B22, B21, Bvegelso, mpm,
          Masikfelirat, Esorszam);
}

void TFelirat::PrepareNewSubtitle(std::string_view time_base) {
  beosztas.SetItemIndex(beosztas.IndexOf(time_base));
  RB1.SetEnabled(true);
  if (time_base == timecode::kTimeBaseTime)
    DisableRowControlsForNewSubtitle();
}

void TFelirat::DisableRowControlsForNewSubtitle() {
  kulonbseg.SetText("");
  Disable(kezdes, befejezes, kulonbseg, Bertek, BMMN, BTorlesTobb, Belemoge, Btorles, Bvonal,
          Blista, Bov, Bovm, BTobbGomb, BOsszes, L05, Boh);
}

void TFelirat::EnableLayoutMenus(const shell::LayoutMenuStates& menus) {
  Felbonts1.SetEnabled(menus.editor800);
  Felbonts2.SetEnabled(menus.editor1024);
  Felbonts3.SetEnabled(menus.editor1280);
}

}  // namespace editor
