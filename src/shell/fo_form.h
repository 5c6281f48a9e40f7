// The start window `TFoForm`, the application's main window: it classifies the screen,
// takes the subtitle named on the command line, and leads into the editor, a new subtitle,
// the translation workspace and the version history. Closing it ends the program.
#pragma once

#include "platform/desktop/association.h"
#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace shell {

class TFoForm : public ui::Form {
 public:
  explicit TFoForm(shell::Program& program);

  ui::Image Image1{*this, "Image1", {0, 0, 285, 345}};
  ui::Button Button1{*this, "Button1", {4, 4, 70, 20}};
  ui::BitBtn BitBtn3{*this, "BitBtn3", {42, 120, 200, 34}};
  ui::BitBtn BitBtn2{*this, "BitBtn2", {42, 162, 200, 34}};
  ui::BitBtn BitBtn4{*this, "BitBtn4", {42, 204, 200, 34}};
  ui::BitBtn BitBtn1{*this, "BitBtn1", {121, 250, 42, 42}};
  ui::Button Button2{*this, "Button2", {8, 312, 269, 25}};

  // Where and how "Button2" associates .srt files with the program: this program in the
  // user's applications folder with the system's runner; tests point it at a temporary
  // folder and a fake runner.
  desktop::AssociationSetup association = {.program = desktop::ProgramFile(),
                                           .applications_dir = desktop::UserApplicationsFolder(),
                                           .mimeapps_list = desktop::UserMimeAppsList()};

 private:
  void FormCreate();
  void FormActivate();
  void BMegnyitasClick();
  void BitBtn2Click();
  void BitBtn4Click();
  void BitBtn1Click();
  void Button1Click();
  // Asks, then associates .srt files with the program and reports how it went.
  void Button2Click();
  // Escape on any of the start window's buttons closes it, which ends the program.
  void BitBtn1KeyPress(char& ch);

  shell::Program& program_;
};

// What "Fordítás" does to the translation window before showing it
// (TForditas::ResetForNewTranslation); the tests and the probe start a translation with it.
void ResetTranslationWindow(Program& program);

}  // namespace shell
