// The pair dialog `TFordElott`: chooses a source subtitle and its translation (or asks for
// an empty translation) and loads them into the translation window.
#pragma once

#include "formats/document_path.h"
#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace translation {

class TFordElott : public ui::Form {
 public:
  explicit TFordElott(shell::Program& program);

  ui::Label Label1{*this, "Label1", {8, 8}};
  // Path of the source subtitle; filled only through the open window.
  ui::Edit Eef{*this, "Eef", {8, 24, 300, 21}};
  ui::BitBtn K1{*this, "K1", {316, 22, 33, 25}};
  ui::RadioButton Ferb1{*this, "Ferb1", {8, 56, 140, 17}};
  ui::RadioButton Ferb2{*this, "Ferb2", {160, 56, 140, 17}};
  // Path of the translation; filled only through the open window.
  ui::Edit Eff{*this, "Eff", {8, 78, 300, 21}};
  ui::BitBtn K2{*this, "K2", {316, 76, 33, 25}};
  ui::Button BFetovabb{*this, "BFetovabb", {8, 124, 120, 33}};
  ui::Button Button1{*this, "Button1", {228, 124, 120, 33}};

  // The files the two boxes show, as the open window chose them.
  files::ShownPath SourcePath;
  files::ShownPath TranslationPath;

  // ---- Handlers ------------------------------------------------------------------------
  void FormActivate();
  void K1Click();
  void K2Click();
  // A change of either path box.
  void EefChange();
  void Ferb1Click();
  void Ferb2Click();
  void BFetovabbClick();
  void Button1Click();
  void EefKeyPress(char& key);
  void EffClick();

 private:
  void WireHandlers();
  // "Betöltés" may be pressed: a source, and a translation or the empty one.
  bool LoadRuleHolds() const;

  shell::Program& program_;
};

}  // namespace translation
