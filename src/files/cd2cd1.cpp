#include "files/cd2cd1.h"

#include "editor/felirat.h"
#include "files/ertek2cd.h"
#include "formats/document_path.h"
#include "platform/desktop/file_probes.h"
#include "shell/message_box.h"
#include "shell/program.h"

namespace files {

TCd2cd1::TCd2cd1(shell::Program& program) : Form(program.app, "Cd2cd1"), program_(program) {
  SetCaption("File-ok kiválasztása");
  SetBounds(0, 0, 560, 480);
  SetCloseBox(false);
  SetPosition(ui::FormPosition::kScreenCenter);

  Label3.SetCaption("Dupla kattintással válassza ki a file-okat:");
  DriveComboBox1.SetDirList(&DirectoryListBox1);
  DirectoryListBox1.SetFileList(&filelistbox);
  filelistbox.SetMask("*.srt");
  FilterComboBox1.SetFileList(&filelistbox);
  FilterComboBox1.SetFilter("Srt (*.srt)|*.srt|Sub (*.sub)|*.sub");

  Label1.SetCaption("Az első file:");
  Label2.SetCaption("A második file:");
  Bervenyesit.SetCaption("Érvényesítés");
  Bervenyesit.SetEnabled(false);
  Button2.SetCaption("<<< Vissza");

  WireHandlers();
  Created();
}

void TCd2cd1::WireHandlers() {
  OnActivate = [this] { FormActivate(); };
  filelistbox.OnDblClick = [this] { filelistboxDblClick(); };
  for (ui::Edit* box : {&Eelsofile, &Emasodikfile}) {
    box->OnChange = [this] { EelsofileChange(); };
    box->OnClick = [this] { EelsofileClick(); };
  }
  Bervenyesit.OnClick = [this] { BervenyesitClick(); };
  Button2.OnClick = [this] { Button2Click(); };
}

void TCd2cd1::FormActivate() {
  if (program_.state.OpenMode == shell::open_mode::k2cd1cd)
    return;
  first_offered_.clear();
  second_offered_.clear();
  // The lists open in the current folder, listed, as the open window's do.
  DirectoryListBox1.SetDirectory(
      desktop::StartFolder(program_.state.CurrentDirectory.Path(), desktop::HomeFolder()));
  Eelsofile.SetText("");
  Emasodikfile.SetText("");
  Bervenyesit.SetEnabled(false);
  FillSecondNext = false;
}

void TCd2cd1::filelistboxDblClick() {
  const std::filesystem::path file = filelistbox.FileName();
  if (file.empty())
    return;
  const ShownPath path(file);
  if (!FillSecondNext) {
    if (path == PathShownIn(Emasodikfile.Text(), second_offered_)) {
      shell::Inform(program_, "Duplikáció", "Ezt a feliratot már betöltötte a második file-hoz!");
      return;
    }
    first_offered_ = path;
    Eelsofile.SetText(path.Text());
    FillSecondNext = true;
  } else {
    if (path == PathShownIn(Eelsofile.Text(), first_offered_)) {
      shell::Inform(program_, "Duplikáció", "Ezt a feliratot már betöltötte az első file-hoz!");
      return;
    }
    second_offered_ = path;
    Emasodikfile.SetText(path.Text());
    FillSecondNext = false;
  }
}

void TCd2cd1::EelsofileChange() {
  Bervenyesit.SetEnabled(!Eelsofile.Text().empty() && !Emasodikfile.Text().empty());
}

void TCd2cd1::EelsofileClick() {
  filelistbox.SetFocus();
}

void TCd2cd1::BervenyesitClick() {
  JoinFirstPath = PathShownIn(Eelsofile.Text(), first_offered_);
  JoinSecondPath = PathShownIn(Emasodikfile.Text(), second_offered_);
  if (LowerCaseExtension(JoinFirstPath.Text()) != LowerCaseExtension(JoinSecondPath.Text())) {
    shell::ShowError(program_, "Hiba", "Csak azonos típusú file-t lehet kiválasztani!");
    return;
  }
  Hide();
  program_.state.OpenMode = shell::open_mode::k22;
  program_.Ertek2cd->ShowModal();
}

void TCd2cd1::Button2Click() {
  program_.state.OpenMode = shell::open_mode::k2cd1cd;
  Close();
  program_.Felirat->Show();
}

}  // namespace files
