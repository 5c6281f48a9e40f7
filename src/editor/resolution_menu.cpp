// The menu "Felbontás": switching the editor window to another layout.
#include <optional>
#include <string_view>

#include "editor/felirat.h"
#include "editor/layouts.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"

namespace editor {

namespace {

constexpr std::string_view kCaption = "Felbontás átállítása!";

std::string_view QuestionFor(Layout layout) {
  switch (layout) {
    case Layout::k1280:
      return "Biztos át akar térni a 1280x1024-as programbéli felbontásra?";
    case Layout::k1024:
      return "Biztos át akar térni a 1024x768-as programbéli felbontásra?";
    case Layout::k800:
      break;
  }
  return "Biztos át akar térni a 800x600-as programbéli felbontásra?";
}

// A film kept over a layout switch, with whether the user had hidden the subtitles.
struct CapturedFilm {
  HeldFilm film;
  bool hidden = false;
};

// CaptureFilmState: the overlay switch and texts go, the film is paused and its timer stops.
CapturedFilm CaptureFilmState(TFelirat& f, LayoutFilmPlayer& player) {
  CapturedFilm captured;
  if (f.SBNonSub.Visible())
    captured.hidden = true;
  f.SBSub.Hide();
  f.SBNonSub.Hide();
  for (ui::Label* overlay : {&f.st1, &f.st2, &f.st3})
    overlay->Hide();
  captured.film = player.PauseAndHold();
  f.Timer2.SetEnabled(false);
  return captured;
}

// The film back in the player, paused at its place, its timer and overlay switch as before.
void RestoreFilmState(TFelirat& f, LayoutFilmPlayer& player, const CapturedFilm& captured) {
  player.Reopen(captured.film);
  f.Timer2.SetEnabled(true);
  if (captured.hidden)
    f.SBNonSub.Show();
  else
    f.SBSub.Show();
}

}  // namespace

// The grid in its new size: every line it now has room for painted, the current row in view.
// The row panel stays as it is (the current row has not changed).
void TFelirat::RepaintGridWhole() {
  shell::InternalUpdateGuard panel_quiet(program_.state);
  shell::ControlsOffScope repaint(cds);
}

void TFelirat::WireLayouts() {
  Felbonts1.OnClick = [this] { Felbonts1Click(); };
  Felbonts2.OnClick = [this] { Felbonts2Click(); };
  Felbonts3.OnClick = [this] { Felbonts3Click(); };
}

// "800X600" (F1), "1024X768" (F2), "1280x1024" (F6): ask, then switch layouts.
void TFelirat::Felbonts1Click() {
  SwitchLayout(Layout::k800);
}

void TFelirat::Felbonts2Click() {
  SwitchLayout(Layout::k1024);
}

void TFelirat::Felbonts3Click() {
  SwitchLayout(Layout::k1280);
}

void TFelirat::SwitchLayout(Layout target) {
  shell::SharedState& state = program_.state;
  state.DialogReply = shell::dialog_reply::kFelbontas;

  // 800x600 is always allowed: the program does not start on a narrower screen.
  const ui::Screen& screen = App().GetScreen();
  if (target != Layout::k800 && (screen.Width() < LayoutScreenWidth(target) ||
                                 screen.Height() < LayoutScreenHeight(target))) {
    shell::Inform(program_, kCaption, "Túl kicsi a képernyő felbontása ahhoz,",
                  "hogy átállítsam a program felbontását!");
    return;
  }
  shell::AskYesNo(program_, kCaption, QuestionFor(target));
  if (state.DialogReply != shell::dialog_reply::kIgen)
    return;

  const bool film_player = program_.FilmPlayer();
  std::optional<CapturedFilm> captured;
  if (film_player && layout_film != nullptr && layout_film->HoldsFilm() && cds.Active())
    captured = CaptureFilmState(*this, *layout_film);

  state.ScreenLayout = std::string(LayoutWord(target));
  Felbonts1.SetEnabled(target != Layout::k800);
  Felbonts2.SetEnabled(target != Layout::k1024);
  Felbonts3.SetEnabled(target != Layout::k1280);

  LayoutFor(target, LayoutShow::kIgen, film_player && wmp1.Visible());
  RepaintGridWhole();

  if (!captured)
    return;
  // With a film, the 1024x768 window comes back in the normal state, centred: in the
  // layout's own size, so that its controls fit whatever size the window had before.
  const bool normal_window = target == Layout::k1024;
  if (normal_window) {
    Hide();
    SetWindowState(ui::WindowState::kNormal);
    SetBounds(Left(), Top(), LayoutWindowWidth(target), LayoutWindowHeight(target));
    CenterOnScreen();
    Timer2.SetEnabled(false);
  }
  RestoreFilmState(*this, *layout_film, *captured);
  if (normal_window) {
    Show();
    Timer2.SetEnabled(true);
  }
}

}  // namespace editor
