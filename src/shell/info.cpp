#include "shell/info.h"

#include "platform/text/text.h"
#include "shell/fo_form.h"
#include "shell/program.h"

namespace shell {

namespace {

constexpr char kEscape = 27;

void Restyle(ui::Label& label, int size, bool bold, bool underline, ui::Color color) {
  ui::Font font = label.GetFont();
  font.size = size;
  font.bold = bold;
  font.underline = underline;
  font.color = color;
  label.SetFont(font);
}

}  // namespace

std::string VersionLabel(std::string_view start_caption) {
  return "Verziószám: " + text::Copy(start_caption, 8, text::Length(start_caption));
}

TInfo::TInfo(shell::Program& program) : Form(program.app, "Info"), program_(program) {
  SetCaption("Info");
  SetPosition(ui::FormPosition::kScreenCenter);

  PInfo.SetStretch(true);
  for (ui::Label* label :
       {&Label1, &Label2, &Label3, &Lverzio, &Label5, &Label6, &Label7, &Label4, &Label8}) {
    label->SetTransparent(true);
  }
  Label1.SetCaption("Ön Tamu");
  Label2.SetCaption("Vemko");
  Restyle(Label2, 40, true, false, ui::colors::kNavy);
  Label3.SetCaption("nevű programját használja.");
  Label5.SetCaption("Készült: 2008.10");
  Label6.SetCaption("Észrevételeit, javaslatait szívesen fogadom: vemko@example.com");
  Label7.SetCaption("Az új verziót keresd 2 havonta /link/:");
  Label4.SetCaption("letoltes.example.com");
  Restyle(Label4, 11, false, true, ui::colors::kNavy);
  Label8.SetCaption("programok.example.com");
  Restyle(Label8, 11, false, true, ui::colors::kNavy);
  Button1.SetCaption("OK");

  Button1.OnClick = [this] { Button1Click(); };
  Button1.OnKeyPress = [this](char& ch) { Button1KeyPress(ch); };
  PInfo.OnClick = [this] { PInfoClick(); };
  Label4.OnClick = [this] { Label4Click(); };
  Label8.OnClick = [this] { Label8Click(); };
  OnCreate = [this] { FormCreate(); };
  Created();
}

void TInfo::FormCreate() {
  SetBounds(0, 0, 594, 508);
  SetConstraints({.min_width = 594, .max_width = 594, .min_height = 508, .max_height = 508});
  Lverzio.SetCaption(VersionLabel(program_.FoForm->Caption()));
}

void TInfo::Button1Click() {
  Close();
}

void TInfo::PInfoClick() {
  Close();
}

void TInfo::Button1KeyPress(char& ch) {
  if (ch == kEscape)
    Close();
}

// The links report nothing: the browser shows its own window, or nothing happens.
void TInfo::Label4Click() {
  desktop::OpenLink(kLabel4Link, launch);
}

void TInfo::Label8Click() {
  desktop::OpenLink(kLabel8Link, launch);
}

}  // namespace shell
