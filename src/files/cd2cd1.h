// The part chooser `TCd2cd1` of the join: double clicks in the file list fill the paths of
// the first and the second part in turn.
#pragma once

#include <string>

#include "formats/document_path.h"
#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace files {

class TCd2cd1 : public ui::Form {
 public:
  explicit TCd2cd1(shell::Program& program);

  ui::Label Label3{*this, "Label3", {8, 8}};
  ui::DriveComboBox DriveComboBox1{*this, "DriveComboBox1", {8, 28, 260, 21}};
  ui::DirectoryListBox DirectoryListBox1{*this, "DirectoryListBox1", {8, 56, 260, 240}};
  ui::FilterComboBox FilterComboBox1{*this, "FilterComboBox1", {284, 28, 260, 21}};
  ui::FileListBox filelistbox{*this, "filelistbox", {284, 56, 260, 240}};
  ui::Label Label1{*this, "Label1", {8, 308}};
  // Full path of the first part.
  ui::Edit Eelsofile{*this, "Eelsofile", {8, 324, 536, 21}};
  ui::Label Label2{*this, "Label2", {8, 352}};
  // Full path of the second part.
  ui::Edit Emasodikfile{*this, "Emasodikfile", {8, 368, 536, 21}};
  ui::Button Bervenyesit{*this, "Bervenyesit", {8, 404, 150, 33}};
  ui::Button Button2{*this, "Button2", {394, 404, 150, 33}};

  // The two parts as "Érvényesítés" took them.
  ShownPath JoinFirstPath;
  ShownPath JoinSecondPath;

  void FormActivate();
  void filelistboxDblClick();
  void EelsofileChange();
  void EelsofileClick();
  void BervenyesitClick();
  void Button2Click();

 private:
  void WireHandlers();

  shell::Program& program_;
  // The next double click fills the second part.
  bool FillSecondNext = false;
  // The files the double clicks put into Eelsofile and Emasodikfile.
  ShownPath first_offered_;
  ShownPath second_offered_;
};

}  // namespace files
