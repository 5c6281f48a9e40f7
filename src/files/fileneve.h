// The file-name window `TFileneve`: asks for the folder and the name a file is to be written
// under. It writes no file; it reports through the shared state (FileDialogPending,
// DialogReply and the document path).
#pragma once

#include <string>

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace files {

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
  shell::Program& program_;
};

}  // namespace files
