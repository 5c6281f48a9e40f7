// The open window's handlers: choosing a file and handing it on by OpenPurpose.
#include <initializer_list>

#include "editor/felirat.h"
#include "files/kereses.h"
#include "files/open_flow.h"
#include "formats/document_path.h"
#include "platform/desktop/file_probes.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "translation/ford_elott.h"
#include "translation/forditas.h"

namespace files {

namespace {

constexpr char kEnter = '\r';
constexpr char kEscape = 27;

constexpr std::string_view kAlreadyTranslated =
    "Ezt a feliratot már betöltötte a \"Fordított felirat\"-hoz!";
constexpr std::string_view kAlreadyOriginalAz =
    "Ezt a feliratot már betöltötte az \"Eredeti felirat\"-hoz!";
constexpr std::string_view kAlreadyOriginalA =
    "Ezt a feliratot már betöltötte a \"Eredeti felirat\"-hoz!";

}  // namespace

void TKereses::WireHandlers() {
  OnActivate = [this] { FormActivate(); };
  OnPaint = [this] { FormPaint(); };
  OnClose = [this](ui::CloseAction& action) { FormClose(action); };
  DirectoryListBox1.OnClick = [this] { DirectoryListBox1Click(); };
  filelistbox.OnClick = [this] { filelistboxClick(); };
  filelistbox.OnDblClick = [this] { megnyitasClick(); };
  megnyitas.OnClick = [this] { megnyitasClick(); };
  Button1.OnClick = [this] { Button1Click(); };
  OnKeyPress = [this](char& ch) { DirectoryListBox1KeyPress(ch); };
  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &DriveComboBox1, &DirectoryListBox1, &FilterComboBox1, &filelistbox, &e1, &megnyitas}) {
    control->OnKeyPress = [this](char& ch) { DirectoryListBox1KeyPress(ch); };
  }
}

void TKereses::FormActivate() {
  shell::SharedState& state = program_.state;
  e1.SetText("");
  state.OpenWindowResult = shell::open_window_result::kKi;
  filelistbox.Update();
  DirectoryListBox1.SetDirectory(
      desktop::StartFolder(state.CurrentDirectory.Path(), desktop::HomeFolder()));
  FilterComboBox1.SetFilter(OpenWindowFilter(OpeningSecondText, program_.Felirat->TimeBase()));
  DriveComboBox1.RemovePlacesOfType({desktop::PlaceType::kRemovable});
}

void TKereses::FormPaint() {
  e1.SetText("");
  filelistbox.Update();
}

void TKereses::DirectoryListBox1Click() {
  e1.SetText("");
  megnyitas.SetEnabled(false);
}

void TKereses::filelistboxClick() {
  const std::filesystem::path file = filelistbox.FileName();
  if (file.empty())
    return;
  PendingDirectory = ShownPath(filelistbox.Directory());
  PendingFilePath = ShownPath(file);
  PendingFileName = PendingFilePath.NameText();
  e1.SetText(PendingFileName);
  megnyitas.SetEnabled(!e1.Text().empty());
}

bool TKereses::RefuseDuplicate(std::string_view other_box, std::string_view message) {
  if (other_box != program_.state.CurrentFilePath.Text())
    return false;
  shell::Inform(program_, "Duplikáció", message);
  return true;
}

void TKereses::megnyitasClick() {
  if (e1.Text().empty())
    return;
  shell::SharedState& state = program_.state;
  // A main text replaces the editor's rows: a modified subtitle is offered for saving first,
  // to its own file, before the choice becomes the document path. "Mégsem" opens nothing.
  if (state.OpenPurpose == shell::open_purpose::kFelirat && !OpeningSecondText &&
      !program_.Felirat->AskSaveBeforeDiscard(editor::TFelirat::Discard::kReplacing)) {
    Close();
    return;
  }
  SavedDirectory = state.CurrentDirectory;
  state.CurrentDirectory = PendingDirectory;
  SavedFileName = state.CurrentFileName;
  state.CurrentFileName = PendingFileName;
  SavedFilePath = state.CurrentFilePath;
  state.CurrentFilePath = PendingFilePath;

  const std::string& purpose = state.OpenPurpose;
  if (purpose == shell::open_purpose::kFelirat) {
    AfterFileChosen(program_, !OpeningSecondText);
    state.InternalUpdate = false;
    state.OpenWindowResult = shell::open_window_result::kMegnyit;
    Close();
  } else if (purpose == shell::open_purpose::kForditas1) {
    if (RefuseDuplicate(program_.FordElott->Eff.Text(), kAlreadyTranslated))
      return;
    program_.FordElott->SourcePath = state.CurrentFilePath;
    program_.FordElott->Eef.SetText(state.CurrentFilePath.Text());
    Close();
  } else if (purpose == shell::open_purpose::kForditas2) {
    if (RefuseDuplicate(program_.FordElott->Eef.Text(), kAlreadyOriginalAz))
      return;
    program_.FordElott->TranslationPath = state.CurrentFilePath;
    program_.FordElott->Eff.SetText(state.CurrentFilePath.Text());
    Close();
  } else if (purpose == shell::open_purpose::kEredeti) {
    if (RefuseDuplicate(program_.Forditas->Eff.Text(), kAlreadyTranslated))
      return;
    state.BuildEmptyTranslation = false;
    if (LoadSourceSubtitle)
      LoadSourceSubtitle();
    Close();
  } else if (purpose == shell::open_purpose::kForditott) {
    if (RefuseDuplicate(program_.Forditas->Efe.Text(), kAlreadyOriginalA))
      return;
    state.BuildEmptyTranslation = false;
    if (LoadTranslated)
      LoadTranslated();
    Close();
  }
}

void TKereses::DirectoryListBox1KeyPress(char& ch) {
  if (ch == kEscape) {
    ch = 0;
    Close();
  } else if (ch == kEnter && megnyitas.Enabled()) {
    ch = 0;
    megnyitasClick();
  }
}

void TKereses::Button1Click() {
  program_.state.OpenWindowResult = shell::open_window_result::kVissza;
  Close();
}

void TKereses::FormClose(ui::CloseAction&) {
  shell::SharedState& state = program_.state;
  const bool chosen = state.OpenWindowResult == shell::open_window_result::kMegnyit;
  if (chosen)
    OpenSubtitleFile(program_);
  // A second text never becomes the document: saving keeps writing the main subtitle's file,
  // whether the second text was read, refused or failed.
  if (chosen && OpeningSecondText && state.TextSlot == shell::text_slot::kSecond) {
    state.CurrentDirectory = SavedDirectory;
    state.CurrentFileName = SavedFileName;
    state.CurrentFilePath = SavedFilePath;
  }
  OpeningSecondText = false;
}

}  // namespace files
