#include "editor/avi_ki.h"

#include <filesystem>
#include <initializer_list>
#include <optional>

#include "editor/felirat.h"
#include "editor/rules/extracted_fps.h"
#include "formats/document_path.h"
#include "platform/desktop/avi_header.h"
#include "shell/message_box.h"
#include "shell/program.h"

namespace editor {

namespace {

constexpr char kEscape = 27;

// The frame rate of a film file's header; nullopt when the file cannot be read or gives no
// rate (a zero scale or rate included).
std::optional<desktop::FrameRate> ReadFrameRate(const std::filesystem::path& file) {
  if (file.empty())
    return std::nullopt;
  const desktop::AviFile avi = desktop::ReadAviHeader(file);
  if (!avi.ok())
    return std::nullopt;
  const std::optional<desktop::FrameRate> rate = desktop::AviFrameRate(avi.header);
  if (!rate || rate->rate == 0 || rate->scale == 0)
    return std::nullopt;
  return rate;
}

}  // namespace

TAviKi::TAviKi(shell::Program& program) : Form(program.app, "AviKi"), program_(program) {
  SetCaption("Fps érték kinyerése Avi file-ból");
  SetBounds(0, 0, 613, 322);
  SetConstraints({.min_width = 613, .max_width = 613, .min_height = 322, .max_height = 322});
  SetPosition(ui::FormPosition::kScreenCenter);

  DriveComboBox2.SetDirList(&DirectoryListBox2);
  DirectoryListBox2.SetFileList(&filelistbox2);
  FilterComboBox2.SetFileList(&filelistbox2);
  FilterComboBox2.SetFilter("Feliratok (*.avi,*.dat)|*.avi;*.dat");

  Bmegnyitas.SetCaption("FPS kinyerése");
  Bmegnyitas.SetEnabled(false);
  BopenFilm.SetCaption("Film megnyitása");
  BopenFilm.SetVisible(false);  // shown only in film mode of the full build
  Button1.SetCaption("<<< Vissza");
  WireHandlers();
  Created();
}

void TAviKi::WireHandlers() {
  OnCreate = [this] { FormCreate(); };
  OnActivate = [this] { FormActivate(); };
  OnPaint = [this] { FormPaint(); };
  // Nothing more happens when the window closes.
  OnClose = [](ui::CloseAction&) {};
  Bmegnyitas.OnClick = [this] { BmegnyitasClick(); };
  Button1.OnClick = [this] { Button1Click(); };
  BopenFilm.OnClick = [this] { BopenFilmClick(); };
  filelistbox2.OnClick = [this] { filelistbox2Click(); };
  filelistbox2.OnDblClick = [this] { filelistbox2DblClick(); };
  e11.OnChange = [this] { e11Change(); };
  DirectoryListBox2.OnChange = [this] { DirectoryListBox2Change(); };
  OnKeyPress = [this](char& key) { DirectoryListBox2KeyPress(key); };
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&DriveComboBox2, &DirectoryListBox2, &filelistbox2,
                                           &FilterComboBox2, &BopenFilm, &Button1}) {
    control->OnKeyPress = [this](char& key) { DirectoryListBox2KeyPress(key); };
  }
}

void TAviKi::FormCreate() {
  DriveComboBox2.RemovePlacesOfType({desktop::PlaceType::kOptical, desktop::PlaceType::kRemovable});
}

void TAviKi::FormActivate() {
  filelistbox2.Update();
  e11.SetText("");
  // Only the full build opens films here.
  if (program_.state.AviPurpose == shell::avi_purpose::kMegnyitas && program_.FilmPlayer()) {
    BopenFilm.SetVisible(true);
    BopenFilm.SetEnabled(false);
    Bmegnyitas.SetVisible(false);
  } else {
    BopenFilm.SetVisible(false);
    Bmegnyitas.SetVisible(true);
  }
}

void TAviKi::FormPaint() {
  filelistbox2.Update();
}

ui::Button& TAviKi::PurposeButton() {
  return BopenFilm.Visible() ? BopenFilm : Bmegnyitas;
}

void TAviKi::filelistbox2Click() {
  e11.SetText(files::TextOfPath(filelistbox2.FileName().filename()));
  if (!e11.Text().empty())
    PurposeButton().SetEnabled(true);
}

void TAviKi::filelistbox2DblClick() {
  PurposeButton().Click();
}

void TAviKi::e11Change() {
  if (e11.Text().empty() && BopenFilm.Visible())
    BopenFilm.SetEnabled(false);
}

void TAviKi::DirectoryListBox2Change() {
  e11.SetText("");
}

void TAviKi::DirectoryListBox2KeyPress(char& key) {
  if (key == kEscape) {
    key = 0;
    Close();
  }
}

void TAviKi::Button1Click() {
  Close();
}

void TAviKi::BopenFilmClick() {
  program_.film->OpenChosenFilm();
}

void TAviKi::BmegnyitasClick() {
  Bmegnyitas.SetEnabled(false);
  App().ProcessMessages();
  std::optional<desktop::FrameRate> rate;
  {
    ui::HourglassCursor hourglass(App());
    rate = ReadFrameRate(filelistbox2.FileName());
  }
  if (rate) {
    FilmFpsText = FrameRateText(rate->rate, rate->scale);
    ApplyExtractedFps(FilmFpsText);
    FilmFpsText = program_.Felirat->cbFps.Text();
  } else {
    shell::ShowError(program_, "Sikertlen kísérlet!", "Hiba a file megnyitásakor!",
                     "Valami nincs rendben a file-lal!");
  }
  Bmegnyitas.SetEnabled(true);
}

void TAviKi::ApplyExtractedFps(std::string_view rate_text) {
  const ExtractedFps choice = ChooseExtractedFps(rate_text);
  switch (choice.action) {
    case ExtractedFps::Action::kSelect: {
      ui::ComboBox& rates = program_.Felirat->cbFps;
      if (rates.IndexOf(choice.text) < 0)
        rates.AddItem(choice.text);
      rates.SetItemIndex(rates.IndexOf(choice.text));
      Close();
      return;
    }
    case ExtractedFps::Action::kIgnore:
      Close();
      return;
    case ExtractedFps::Action::kUnusable:
      shell::ShowError(program_, "Sikertlen kísérlet!",
                       "Ehhez a file-hoz nem tudok FPS-t rendelni!");
      return;
  }
}

}  // namespace editor
