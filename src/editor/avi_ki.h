// The AVI window `TAviKi`: a film file is chosen to read its frame rate into the editor
// ("FPS kinyerése") or, in the full build, to open it as the film ("Film megnyitása").
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace editor {

class TAviKi : public ui::Form {
 public:
  explicit TAviKi(shell::Program& program);

  ui::DriveComboBox DriveComboBox2{*this, "DriveComboBox2", {8, 8, 200, 21}};
  ui::DirectoryListBox DirectoryListBox2{*this, "DirectoryListBox2", {8, 34, 200, 222}};
  ui::FileListBox filelistbox2{*this, "filelistbox2", {216, 8, 380, 196}};
  ui::FilterComboBox FilterComboBox2{*this, "FilterComboBox2", {216, 208, 380, 21}};
  ui::Edit e11{*this, "e11", {216, 235, 380, 21}};  // name of the chosen file
  ui::Button Bmegnyitas{*this, "Bmegnyitas", {216, 262, 120, 25}};
  ui::Button BopenFilm{*this, "BopenFilm", {216, 262, 120, 25}};
  ui::Button Button1{*this, "Button1", {476, 262, 120, 25}};

  // The rate text last read, then the text the editor's frame-rate box ended with.
  std::string FilmFpsText;

  // "FPS kinyerése": reads the chosen file's frame rate from its header and applies it; an
  // unreadable file, or one without a rate, is reported and the window stays open. The film
  // opening calls it too.
  void BmegnyitasClick();
  // Puts a rate text into the editor's frame-rate box (adding a new rate to its list) and
  // closes the window; a rate that cannot be used is reported and the window stays open.
  void ApplyExtractedFps(std::string_view rate_text);

  void FormCreate();
  // Every showing: the file list read again, no name chosen, the button of the purpose shown.
  void FormActivate();
  void FormPaint();
  void filelistbox2Click();
  void filelistbox2DblClick();
  void e11Change();
  void DirectoryListBox2Change();
  // Esc closes the window.
  void DirectoryListBox2KeyPress(char& key);
  void Button1Click();
  // "Film megnyitása" (full build): the chosen file opened as the film.
  void BopenFilmClick();

 private:
  void WireHandlers();
  // The button of the window's purpose: "Film megnyitása" in film mode, else "FPS kinyerése".
  ui::Button& PurposeButton();

  shell::Program& program_;
};

}  // namespace editor
