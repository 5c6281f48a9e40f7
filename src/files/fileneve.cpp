#include "files/fileneve.h"

#include <filesystem>
#include <system_error>

#include "editor/felirat.h"
#include "files/ertek2cd.h"
#include "files/mentes_maskent.h"
#include "formats/document_path.h"
#include "formats/export_formats.h"
#include "platform/desktop/file_probes.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "timecode/time_base.h"
#include "translation/forditas.h"

namespace files {

namespace fs = std::filesystem;

namespace {

constexpr char kBackspace = 8;
constexpr char kCopy = 3;    // Ctrl+C
constexpr char kPaste = 22;  // Ctrl+V
constexpr char kCut = 24;    // Ctrl+X
constexpr char kEnter = '\r';
constexpr char kEscape = 27;

bool IsControlCharacter(char ch) {
  const auto byte = static_cast<unsigned char>(ch);
  return byte < 0x20 || byte == 0x7F;
}

// A file's own name without its extension, as the file system holds it.
ShownPath RealNameWithoutExtension(const fs::path& file) {
  return ShownPath(fs::path(WithoutExtension(file.filename().native())));
}

}  // namespace

std::string SubtitleFilter(std::string_view time_base) {
  return time_base == timecode::kTimeBaseTime ? "Feliratok (*.srt)|*.srt"
                                              : "Feliratok (*.sub)|*.sub";
}

std::string WithoutExtension(std::string_view name) {
  const size_t dot = name.rfind('.');
  return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

bool NameBoxTakes(char ch) {
  if (ch == kBackspace || ch == kCopy || ch == kPaste || ch == kCut)
    return true;
  return ch != '.' && ch != '/' && !IsControlCharacter(ch);
}

bool AcceptableFileName(std::string_view name) {
  if (name.empty())
    return false;
  for (char ch : name) {
    if (ch == '/' || IsControlCharacter(ch))
      return false;
  }
  return true;
}

TFileneve::TFileneve(shell::Program& program) : Form(program.app, "Fileneve"), program_(program) {
  SetCaption("File nevének megadása");
  SetBounds(0, 0, 557, 424);
  SetConstraints({.min_width = 557, .max_width = 557, .min_height = 424, .max_height = 424});
  SetPosition(ui::FormPosition::kScreenCenter);

  DriveComboBox1.SetDirList(&dlb);
  dlb.SetFileList(&flb);
  flb.SetMask("*.srt;*.sub");
  fcb.SetFileList(&flb);
  fcb.SetFilter("All files (*.srt;*.sub)|*.srt;*.sub");

  Bok.SetCaption("Ok");
  Bok.SetEnabled(false);
  Button1.SetCaption("<<< Vissza");

  WireHandlers();
  Created();
}

void TFileneve::WireHandlers() {
  OnCreate = [this] { FormCreate(); };
  OnActivate = [this] { FormActivate(); };
  OnPaint = [this] { FormPaint(); };
  Bok.OnClick = [this] { BokClick(); };
  Button1.OnClick = [this] { Button1Click(); };
  e1.OnKeyPress = [this](char& ch) { e1KeyPress(ch); };
  e1.OnChange = [this] { e1Change(); };
  flb.OnClick = [this] { flbClick(); };
  dlb.OnDblClick = [this] { dlbDblClick(); };
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&Bok, &DriveComboBox1, &dlb, &fcb, &flb}) {
    control->OnKeyPress = [this](char& ch) { dlbKeyPress(ch); };
  }
}

void TFileneve::FormCreate() {
  DriveComboBox1.RemovePlacesOfType({desktop::PlaceType::kOptical, desktop::PlaceType::kRemovable});
}

void TFileneve::FormActivate() {
  shell::SharedState& state = program_.state;
  e1.SetText("");
  offered_name_.clear();
  flb.Update();
  dlb.SetDirectory(desktop::StartFolder(state.CurrentDirectory.Path(), desktop::HomeFolder()));

  const std::string& caller = state.FileDialogCaller;
  if (caller == shell::file_dialog_caller::kFelirat) {
    fcb.SetFilter(SubtitleFilter(program_.Felirat->TimeBase()));
  } else if (caller == shell::file_dialog_caller::kForditas) {
    fcb.SetFilter(SubtitleFilter(program_.Forditas->EFfm.Text()));
  } else if (caller == shell::file_dialog_caller::kDupla) {
    fcb.SetFilter(SubtitleFilter(program_.Ertek2cd->Edit4.Text()));
  } else if (caller == shell::file_dialog_caller::kMentesMaskent) {
    offered_name_ = RealNameWithoutExtension(state.CurrentFilePath.Path());
    e1.SetText(WithoutExtension(state.CurrentFileName));
    const ExportFormat* format = FindExportFormat(program_.MentesMaskent->Lista.SelectedCaption());
    if (format != nullptr && !format->extension.empty()) {
      SaveExtension = std::string(format->extension);
      fcb.SetFilter(std::string(format->caption) + " (*" + SaveExtension + ")|*" + SaveExtension);
    }
  }
  Bok.SetEnabled(!e1.Text().empty());
  state.FileDialogPending = true;
}

void TFileneve::FormPaint() {
  flb.Update();
}

std::string TFileneve::CallerExtension() const {
  const std::string& caller = program_.state.FileDialogCaller;
  std::string time_base;
  if (caller == shell::file_dialog_caller::kMentesMaskent)
    return SaveExtension;
  if (caller == shell::file_dialog_caller::kForditas)
    time_base = program_.Forditas->EFfm.Text();
  else if (caller == shell::file_dialog_caller::kDupla)
    time_base = program_.Ertek2cd->Edit4.Text();
  else
    time_base = program_.Felirat->TimeBase();
  return time_base == timecode::kTimeBaseTime ? ".srt" : ".sub";
}

void TFileneve::BokClick() {
  shell::SharedState& state = program_.state;
  const std::string name = e1.Text();
  if (!AcceptableFileName(name))
    return;
  state.DialogReply = shell::dialog_reply::kFelulir;
  const std::string extension = CallerExtension();
  const std::string file_name = name + extension;
  fs::path real_name = PathShownIn(name, offered_name_).Path();
  real_name += PathOfText(extension);
  const fs::path target = flb.Directory() / real_name;

  // What is on disk decides, not the list (it may be stale or filtered).
  if (desktop::IsFolder(target)) {
    shell::ShowError(program_, "Létező file", "Már létezik ilyen nevű mappa!",
                     "Adjon meg másik nevet!");
    return;
  }
  std::error_code error;
  if (fs::exists(fs::symlink_status(target, error))) {
    shell::AskYesNo(program_, "Létező file", "Már létezik a file!", "Felülírjam?");
  }
  if (state.DialogReply != shell::dialog_reply::kIgen &&
      state.DialogReply != shell::dialog_reply::kFelulir)
    return;

  const ShownPath full_path(target);
  const std::string& caller = state.FileDialogCaller;
  if (caller == shell::file_dialog_caller::kFelirat && state.TextSlot != shell::text_slot::kMain) {
    state.SecondFilePath = full_path;
    state.SecondFileName = file_name;
  } else if (caller == shell::file_dialog_caller::kDupla) {
    program_.Ertek2cd->JoinTarget = full_path;
    program_.Ertek2cd->E2cdfilenev.SetText(full_path.Text());
  } else {
    state.CurrentFilePath = full_path;
    state.CurrentFileName = file_name;
  }
  Close();
  program_.Felirat->MentM1.SetEnabled(true);
  state.FileDialogPending = false;
}

void TFileneve::Button1Click() {
  program_.state.DialogReply = shell::dialog_reply::kNem;
  Close();
}

void TFileneve::e1KeyPress(char& ch) {
  if (ch == kEnter) {
    Bok.SetFocus();
    ch = 0;
  } else if (ch == kEscape) {
    Close();
    ch = 0;
  } else if (!NameBoxTakes(ch)) {
    ch = 0;
  }
}

void TFileneve::e1Change() {
  Bok.SetEnabled(!e1.Text().empty());
}

void TFileneve::flbClick() {
  const fs::path file = flb.FileName();
  if (file.empty())
    return;
  offered_name_ = RealNameWithoutExtension(file);
  e1.SetText(offered_name_.Text());
  Bok.SetEnabled(true);
}

void TFileneve::dlbDblClick() {
  offered_name_.clear();
  e1.SetText("");
  Bok.SetEnabled(false);
}

void TFileneve::dlbKeyPress(char& ch) {
  if (ch == kEscape) {
    Close();
    ch = 0;
  }
}

}  // namespace files
