// The open window `TKereses`: a folder tree with the subtitle files of the chosen folder.
// Who opened it, and what "Megnyitás" then does with the file, is said by OpenPurpose.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "formats/document_path.h"
#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace files {

class TKereses : public ui::Form {
 public:
  explicit TKereses(shell::Program& program);

  ui::DriveComboBox DriveComboBox1{*this, "DriveComboBox1", {8, 8, 265, 21}};
  ui::DirectoryListBox DirectoryListBox1{*this, "DirectoryListBox1", {8, 36, 265, 417}};
  ui::FilterComboBox FilterComboBox1{*this, "FilterComboBox1", {286, 8, 278, 21}};
  ui::FileListBox filelistbox{*this, "filelistbox", {286, 36, 278, 417}};
  // The chosen file's name.
  ui::Edit e1{*this, "e1", {8, 466, 265, 21}};
  ui::Button megnyitas{*this, "megnyitas", {286, 460, 133, 33}};
  ui::Button Button1{*this, "Button1", {431, 460, 133, 33}};

  // The file last clicked in the file list, taken into the document path by "Megnyitás": the
  // real paths the list holds for it, and its name as shown.
  ShownPath PendingDirectory;
  ShownPath PendingFilePath;
  std::string PendingFileName;
  // The document path as it was before the last choice was taken.
  ShownPath SavedDirectory;
  ShownPath SavedFilePath;
  std::string SavedFileName;
  // 1 while the window serves "Másik felirat beolvasása".
  bool OpeningSecondText = false;
  // Set by the reader when it listed problems in the result list; kept until the next read.
  bool ReadErrorsListed = false;

  // The translation window's loaders, run by "Megnyitás" for the purposes "Eredeti" and
  // "Forditott" (the translation window fills them in; while empty nothing is loaded).
  std::function<void()> LoadSourceSubtitle;
  std::function<void()> LoadTranslated;

  // ---- Handlers (kereses_open.cpp) ------------------------------------------------------
  void FormActivate();
  void FormPaint();
  void DirectoryListBox1Click();
  void filelistboxClick();
  void megnyitasClick();
  void DirectoryListBox1KeyPress(char& ch);
  void Button1Click();
  void FormClose(ui::CloseAction& action);

 private:
  void WireHandlers();
  // The "Duplikáció" refusal; true when `path` is already in `other_box`.
  bool RefuseDuplicate(std::string_view other_box, std::string_view message);

  shell::Program& program_;
};

}  // namespace files
