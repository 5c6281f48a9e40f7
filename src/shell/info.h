// The about window `TInfo`: a picture with the program's name, version and download links.
// "OK", Escape on it and a click on the picture close it; the two links open a download site's
// search for the program in the user's browser.
#pragma once

#include <string>
#include <string_view>

#include "platform/desktop/launch.h"
#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace shell {

class TInfo : public ui::Form {
 public:
  explicit TInfo(shell::Program& program);

  ui::Image PInfo{*this, "PInfo", {0, 0, 586, 478}};
  ui::Label Label1{*this, "Label1", {40, 40}};
  ui::Label Label2{*this, "Label2", {40, 64}};
  ui::Label Label3{*this, "Label3", {40, 120}};
  // "Verziószám: " and the version of the start window's caption, set on creation.
  ui::Label Lverzio{*this, "Lverzio", {40, 150}};
  ui::Label Label5{*this, "Label5", {40, 172}};
  ui::Label Label6{*this, "Label6", {40, 220}};
  ui::Label Label7{*this, "Label7", {40, 270}};
  // Links to the two download sites.
  ui::Label Label4{*this, "Label4", {40, 294}};
  ui::Label Label8{*this, "Label8", {40, 316}};
  ui::Button Button1{*this, "Button1", {255, 420, 75, 30}};

  // Starts the browser for the links; tests put a recording fake in its place.
  desktop::Launcher launch = desktop::SpawnDetached;

 private:
  void FormCreate();
  void Button1Click();
  void PInfoClick();
  void Button1KeyPress(char& ch);
  void Label4Click();
  void Label8Click();

  shell::Program& program_;
};

// The web addresses the two link labels open: a search for the program on a download site.
inline constexpr std::string_view kLabel4Link = "https://letoltes.example.com/kereses?q=Vemko";
inline constexpr std::string_view kLabel8Link = "https://programok.example.com/search?q=Vemko";

// "Verziószám: " and the version in the start window's caption (the caption without its first
// seven characters, "Vemko v").
std::string VersionLabel(std::string_view start_caption);

}  // namespace shell
