// The editor's open commands: "Tallózás" and "Másik felirat beolvasása" show the open window
// without waiting for it; closing the editor closes it too, stops the clock and drops the rows.
#include "editor/felirat.h"
#include "files/kereses.h"
#include "shell/program.h"

namespace editor {

namespace {

void ShowOpenWindow(shell::Program& program, std::string_view slot, bool second_text) {
  program.state.FileChosen = false;
  program.Felirat->Ekereses.SetText("");
  program.state.TextSlot = std::string(slot);
  program.state.OpenPurpose = shell::open_purpose::kFelirat;
  // Set either way: a main-text pick must never restore the path of an earlier second text.
  program.Kereses->OpeningSecondText = second_text;
  program.Kereses->Show();
}

}  // namespace

void TFelirat::WireOpenCommands() {
  Btallozas.OnClick = [this] { BtallozasClick(); };
  Megnyit1.OnClick = [this] { BtallozasClick(); };
  Masikfelirat.OnClick = [this] { MasikfeliratClick(); };
  OnClose = [this](ui::CloseAction& action) { FormClose(action); };
}

// "Tallózás" and "Felirat megnyitása" (Ctrl+O): the open window for the main text;
// "Másik felirat beolvasása" (Ctrl+M): the open window for the second text; both modeless.
void TFelirat::BtallozasClick() {
  ShowOpenWindow(program_, shell::text_slot::kMain, false);
}

void TFelirat::MasikfeliratClick() {
  ShowOpenWindow(program_, shell::text_slot::kSecond, true);
}

// The editor closes (every way, the close box too): its modeless open window closes with it,
// so that a later pick never reads into a closed table; the clock and the film timer stop;
// StartState becomes "ki" unless the user went back to the start window; the rows go.
void TFelirat::FormClose(ui::CloseAction&) {
  files::TKereses& open_window = *program_.Kereses;
  if (open_window.Visible() && !open_window.InModalSession()) {
    program_.state.OpenWindowResult = shell::open_window_result::kKi;
    open_window.Close();
  }
  // The clock stops for good; the film timer stops with it.
  Timer1.SetEnabled(false);
  program_.film->EditorClosed();
  // Every way out but "Vissza a főmenübe" ends the program.
  if (program_.state.StartState != shell::start_state::kBe2)
    program_.state.StartState = shell::start_state::kKi;
  cds.Close();
  ResetFlagCounters();
}

}  // namespace editor
