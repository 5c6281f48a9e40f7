// Saving the two sides of the translation window: the source back to the file it was read
// from, the translation to its own file or to a name asked for, each in the format of its
// timing mode, always after the side's check, and whole or not at all.
#include <span>
#include <string>
#include <vector>

#include "files/fileneve.h"
#include "platform/desktop/atomic_writer.h"
#include "shell/kiszoveg.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "translation/forditas.h"
#include "translation/rows/side_write.h"
#include "translation/side_busy.h"

namespace translation {

void TForditas::WireSaveHandlers() {
  BEell.OnClick = [this] { BEellClick(); };
  BFell.OnClick = [this] { BFellClick(); };
  Esave.OnClick = [this] { EsaveClick(); };
  Pem.OnClick = [this] { EsaveClick(); };
  Fsave.OnClick = [this] { FsaveClick(); };
  Pfm.OnClick = [this] { FsaveClick(); };
  Pmm.OnClick = [this] { PmmClick(); };
}

bool TForditas::WriteSide(Side side, BusySide& busy, SideWriter writer) {
  shell::SharedState& state = program_.state;
  const std::vector<rows::Row> rows = RowsOfSide(side == Side::kSource ? cdsE : cdsF);
  const std::string bytes = writer(rows, busy.GaugeSteps(rows.size()));
  if (desktop::WriteFileAtomic(state.CurrentFilePath.Path(), bytes))
    return true;
  busy.End();
  state.CurrentFileName = state.CurrentFilePath.NameText();
  shell::ShowError(program_, "Írásvédett file!",
                   "Írásvédett a következő file: " + state.CurrentFileName,
                   "A kért mentés nem sikerült!");
  return false;
}

bool TForditas::KimentFrameEF(Side side, BusySide& busy) {
  return WriteSide(side, busy, &rows::FrameSideBytes);
}

bool TForditas::KimentTimeEF(Side side, BusySide& busy) {
  return WriteSide(side, busy, &rows::SubRipSideBytes);
}

bool TForditas::ChooseSaveTarget(Side side) {
  shell::SharedState& state = program_.state;
  if (side == Side::kSource) {
    state.CurrentFilePath = files::PathShownIn(Efe.Text(), SourcePath);
    return true;
  }
  if (!Eff.Text().empty()) {
    state.CurrentFilePath = files::PathShownIn(Eff.Text(), TranslationPath);
    return true;
  }
  // No name given (the window closed any other way than by its OK) writes nothing.
  state.FileDialogCaller = shell::file_dialog_caller::kForditas;
  state.FileDialogPending = true;
  program_.Fileneve->ShowModal();
  return !state.FileDialogPending;
}

bool TForditas::SaveSide(Side side) {
  const bool source = side == Side::kSource;
  dataset::RowTable& table = source ? cdsE : cdsF;
  bool written = false;
  {
    SavedRecNo = table.RecNo();
    BusySide busy = source ? BeginBusyE() : BeginBusyF();
    const bool valid =
        source ? EEllenorzes(busy, CheckReport::kQuiet) : FEllenorzes(busy, CheckReport::kQuiet);
    if (valid && ConfirmSaveOfSide(side) && ChooseSaveTarget(side)) {
      const std::string mode = (source ? EEfm : EFfm).Text();
      if (mode == rows::kTimeMode) {
        written = KimentTimeEF(side, busy);
      } else if (mode == rows::kFrameMode) {
        written = KimentFrameEF(side, busy);
      } else {
        busy.End();
        shell::ShowError(program_, "Figyelmeztetés", "Ismeretlen típus! Nem mentettem el!");
      }
    }
  }
  if (written) {
    KeepRowsAsSaved(side);
    shell::Inform(program_, "Mentés", "A Feliratot elmentettem");
  }
  if (Visible())
    (source ? Racsef : Racsff).SetFocus();
  return written;
}

void TForditas::EsaveClick() {
  SaveSide(Side::kSource);
}

void TForditas::FsaveClick() {
  SaveSide(Side::kTranslation);
}

void TForditas::PmmClick() {
  EsaveClick();
  FsaveClick();
}

void TForditas::KeepRowsAsSaved(Side side) {
  if (side == Side::kSource)
    source_saved_rows_ = RowsOfSide(cdsE);
  else
    translation_saved_rows_ = RowsOfSide(cdsF);
}

bool TForditas::SideChanged(Side side) const {
  const bool source = side == Side::kSource;
  const dataset::RowTable& table = source ? cdsE : cdsF;
  if (!table.Active())
    return false;
  if (table.State() != dataset::TableState::kBrowse)
    return true;
  return RowsOfSide(table) != (source ? source_saved_rows_ : translation_saved_rows_);
}

bool TForditas::MayLeave() {
  const bool source = SideChanged(Side::kSource);
  const bool translation = SideChanged(Side::kTranslation);
  if (!source && !translation)
    return true;
  shell::SharedState& state = program_.state;
  state.DialogReply = shell::dialog_reply::kSemmit;
  shell::AskYesNo(program_, source && translation ? "A feliratok mentése!" : "A felirat mentése!",
                  source && translation ? "Mindkét felirat módosítva lett!"
                  : source              ? "Az eredeti felirat módosítva lett!"
                                        : "A fordított felirat módosítva lett!",
                  "Elmenti?");
  // The mode words of the message window answer "Nem" and "Mégsem" alike: the button that
  // closed it tells them apart ("Mégsem", Escape included, stays).
  const ui::ModalResult answer = program_.Kiszoveg->GetModalResult();
  if (answer == ui::modal::kNo)
    return true;
  if (answer != ui::modal::kYes)
    return false;
  // Each changed side is saved as its save command saves it; one not written keeps the window.
  if (source && !SaveSide(Side::kSource))
    return false;
  return !translation || SaveSide(Side::kTranslation);
}

}  // namespace translation
