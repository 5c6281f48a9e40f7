// The file-name window `TFileneve`: asks for the folder and the name a file is to be written
// under. It writes no file; it reports through the shared state (FileDialogPending,
// DialogReply and the document path).
#pragma once

#include <string>
#include <string_view>

#include "formats/document_path.h"
#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace files {

// The file-name window's filter for a time base: "Feliratok (*.srt)|*.srt" for "Time",
// "Feliratok (*.sub)|*.sub" otherwise.
std::string SubtitleFilter(std::string_view time_base);

// The name without its extension (the last "." and what follows); a name without "." whole.
std::string WithoutExtension(std::string_view name);

// Whether the name box takes a typed character. A file name holds no "." (the window adds the
// extension), no "/" and no control character; Backspace and the clipboard keys (Ctrl+C,
// Ctrl+V, Ctrl+X) pass, Enter and Escape are the box's own keys.
bool NameBoxTakes(char ch);

// Whether a name can be accepted: not empty, and only characters the name box takes.
bool AcceptableFileName(std::string_view name);

class TFileneve : public ui::Form {
 public:
  explicit TFileneve(shell::Program& program);

  ui::DriveComboBox DriveComboBox1{*this, "DriveComboBox1", {8, 8, 260, 21}};
  ui::DirectoryListBox dlb{*this, "dlb", {8, 36, 260, 300}};
  ui::FilterComboBox fcb{*this, "fcb", {280, 8, 261, 21}};
  ui::FileListBox flb{*this, "flb", {280, 36, 261, 300}};
  // The file name without folder and extension.
  ui::Edit e1{*this, "e1", {8, 350, 260, 21}};
  ui::Button Bok{*this, "Bok", {280, 344, 125, 33}};
  ui::Button Button1{*this, "Button1", {416, 344, 125, 33}};

  // The extension, with its dot, that OK appends for the export.
  std::string SaveExtension;

 private:
  // ---- Handlers (fileneve.cpp) --------------------------------------------------------
  void WireHandlers();
  void FormCreate();
  void FormActivate();
  void FormPaint();
  void BokClick();
  void Button1Click();
  void e1KeyPress(char& ch);
  void e1Change();
  void flbClick();
  void dlbDblClick();
  void dlbKeyPress(char& ch);
  // The extension OK appends for the caller of this showing, with its dot.
  std::string CallerExtension() const;

  shell::Program& program_;
  // The real name, without folder and extension, of the file the name box was filled from
  // (the subtitle's own for the export, a clicked file); it stands for the box's text while
  // the box still shows it, so a name Windows-1250 cannot hold is written as it is.
  ShownPath offered_name_;
};

}  // namespace files
