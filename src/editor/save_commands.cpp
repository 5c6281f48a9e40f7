// The editor's save commands: "Mentés", "Mentés Más Néven", "Másik felirat mentése", and the
// save that "Igen" to the exit question runs.
#include "editor/felirat.h"
#include "files/saving.h"
#include "shell/program.h"

namespace editor {

// "Mentés" and "Felirat mentése" (Ctrl+S); "Mentés Más Néven" and "Felirat mentése más
// néven" (Shift+Ctrl+M); "Másik felirat mentése" (Ctrl+F).
void TFelirat::Mentes1Click() {
  const int row = cds.RecNo();
  if (!Efilenev.Text().empty())
    files::SaveMainSubtitle(program_, files::MainSave::kQuiet);
  else
    files::SaveMainSubtitle(program_, files::MainSave::kAskName);
  cds.SetRecNo(row);
  const std::string& layout = program_.state.ScreenLayout;
  const int rows = cds.RecordCount();
  if ((layout == shell::kLayout1024 && rows < 15) || (layout == shell::kLayout800 && rows < 10))
    racs.ShowVerticalScrollBar(false);
  racs.SetFocus();
}

void TFelirat::BmentesClick() {
  kulonbseg.SetText("");
  Esorszam.SetText("");
  files::SaveMainSubtitle(program_, files::MainSave::kAskName);
}

void TFelirat::MentesMFClick() {
  files::SaveSecondSubtitle(program_);
}

void TFelirat::WireSaveCommands() {
  Bmentes.OnClick = [this] { Mentes1Click(); };
  Mentes1.OnClick = [this] { Mentes1Click(); };
  BMMN.OnClick = [this] { BmentesClick(); };
  MentM1.OnClick = [this] { BmentesClick(); };
  MentesMF.OnClick = [this] { MentesMFClick(); };
  program_.SaveMainSubtitleOnExit = [this] {
    return files::SaveMainSubtitle(program_, Efilenev.Text().empty() ? files::MainSave::kAskName
                                                                     : files::MainSave::kConfirmed);
  };
}

}  // namespace editor
